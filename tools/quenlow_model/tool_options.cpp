#include "tools/quenlow_model/tool_options.h"

#include <cstdio>
#include <cstring>

const char* const toolUsage =
    "usage: quenlow-model info FILE [--trace]\n"
    "       quenlow-model render FILE --out PNG [--size WxH] [--lighting] [--angles X,Y,Z]\n"
    "                                           [--scale PERCENT] [--trace]\n";

namespace {

bool parseSize(const char* text, int& width, int& height) {
    char end = 0;
    if (std::sscanf(text, "%dx%d%c", &width, &height, &end) != 2)
        return false;
    return width > 0 && height > 0 && width <= 8192 && height <= 8192;
}

bool parseAngles(const char* text, float* angles) {
    char end = 0;
    return std::sscanf(text, "%f,%f,%f%c", &angles[0], &angles[1], &angles[2], &end) == 3;
}

bool parseScale(const char* text, int& scale) {
    char end = 0;
    return std::sscanf(text, "%d%c", &scale, &end) == 1 && scale >= 1 && scale <= 1000;
}

// One option at argv[i]; advances i past its value.
bool parseOption(int argc, const char* const* argv, int& i, ToolOptions& options,
                 std::string& error) {
    std::string option = argv[i];
    if (option == "--trace") {
        options.trace = true;
        return true;
    }
    bool known = option == "--lighting" || option == "--out" || option == "--size" ||
                 option == "--angles" || option == "--scale";
    if (!known || options.command != ToolOptions::Command::render) {
        error = "unknown option " + option + " for this command";
        return false;
    }
    if (option == "--lighting") {
        options.lighting = true;
        return true;
    }
    if (i + 1 >= argc) {
        error = option + " needs a value";
        return false;
    }
    const char* value = argv[++i];
    if (option == "--out")
        options.outputPath = value;
    else if (option == "--size" && !parseSize(value, options.width, options.height))
        error = std::string("--size wants WxH between 1x1 and 8192x8192, not ") + value;
    else if (option == "--angles" && !parseAngles(value, options.angles))
        error = std::string("--angles wants three angles in degrees X,Y,Z, not ") + value;
    else if (option == "--scale" && !parseScale(value, options.scale))
        error = std::string("--scale wants a percentage from 1 to 1000, not ") + value;
    return error.empty();
}

} // namespace

bool parseToolOptions(int argc, const char* const* argv, ToolOptions& options, std::string& error) {
    if (argc < 3) {
        error = "a command and a model file are needed";
        return false;
    }
    if (std::strcmp(argv[1], "info") == 0) {
        options.command = ToolOptions::Command::info;
    } else if (std::strcmp(argv[1], "render") == 0) {
        options.command = ToolOptions::Command::render;
    } else {
        error = std::string("unknown command ") + argv[1];
        return false;
    }
    options.modelPath = argv[2];
    for (int i = 3; i < argc; ++i)
        if (!parseOption(argc, argv, i, options, error))
            return false;
    if (options.command == ToolOptions::Command::render && options.outputPath.empty()) {
        error = "render needs --out PNG";
        return false;
    }
    return true;
}
