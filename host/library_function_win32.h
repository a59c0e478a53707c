#pragma once

#include <windows.h>

// An entry point of a library loaded at run time, as a typed function
// pointer; null when the library does not export it.
template <typename Function> Function libraryFunction(HMODULE library, const char* name) {
    // Through the generic function-pointer type, which converts to any other.
    auto generic = reinterpret_cast<void (*)()>(GetProcAddress(library, name));
    return reinterpret_cast<Function>(generic);
}
