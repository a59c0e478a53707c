#pragma once

#include <cstdint>

// What the screen-saver command line asks for.
enum class RunMode {
    ConfigDialog,           // empty command line: the dialog without an owner
    ConfigDialogForeground, // c: the dialog owned by the foreground window
    ChangePassword,         // a
    Preview,                // p followed by a window handle
    FullScreen,             // s
    Windowed,               // w
    Invalid,                // anything else: nothing starts, exit code -1
};

struct CommandLineChoice {
    RunMode mode;
    const char* previewHandleText; // for Preview: the text after the p and its spaces
};

// Looks at the command-line tail (program name already removed): spaces,
// dashes and slashes are skipped, the first other character decides.
CommandLineChoice parseCommandLine(const char* tail);

// The value of the leading decimal digits; 0 when the text starts otherwise.
uint32_t parseWindowHandle(const char* text);
