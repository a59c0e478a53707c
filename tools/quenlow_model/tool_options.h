#pragma once

#include <string>

// What the command line asks of quenlow-model.
struct ToolOptions {
    enum class Command { info, render } command = Command::info;
    std::string modelPath;
    std::string outputPath; // render: the PNG to write
    int width = 640;
    int height = 480;
    bool lighting = false;
    int scale = 100;                      // percent of the model's own size
    float angles[3] = {0.0f, 0.0f, 0.0f}; // degrees about X, Y and Z
    bool trace = false;                   // also print the trace texts
};

// Parses argv; on failure returns false with the reason in error.
bool parseToolOptions(int argc, const char* const* argv, ToolOptions& options, std::string& error);

extern const char* const toolUsage;
