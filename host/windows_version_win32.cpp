#include "host/windows_version_win32.h"

#include <windows.h>

bool isWindows9x() {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = 148;
    GetVersionExA(&version);
    return version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}
