#include "host/command_line.h"

namespace {

bool isSeparator(char c) {
    return c == ' ' || c == '-' || c == '/';
}

RunMode modeForLetter(char c) {
    switch (c) {
    case 'a':
    case 'A':
        return RunMode::ChangePassword;
    case 'c':
    case 'C':
        return RunMode::ConfigDialogForeground;
    case 'p':
    case 'P':
        return RunMode::Preview;
    case 's':
    case 'S':
        return RunMode::FullScreen;
    case 'w':
    case 'W':
        return RunMode::Windowed;
    default:
        return RunMode::Invalid;
    }
}

} // namespace

CommandLineChoice parseCommandLine(const char* tail) {
    const char* c = tail;
    while (isSeparator(*c))
        ++c;
    if (*c == '\0')
        return {RunMode::ConfigDialog, nullptr};
    RunMode mode = modeForLetter(*c);
    if (mode != RunMode::Preview)
        return {mode, nullptr};
    ++c;
    while (*c == ' ')
        ++c;
    return {mode, c};
}

uint32_t parseWindowHandle(const char* text) {
    uint32_t value = 0;
    for (const char* c = text; *c >= '0' && *c <= '9'; ++c)
        value = value * 10 + static_cast<uint32_t>(*c - '0');
    return value;
}
