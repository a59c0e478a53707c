#include "content/default_model_installation_win32.h"

#include "common/trace.h"
#include "content/default_model_archive.h"
#include "host/instance_handle_win32.h"

#include <windows.h>

namespace {

constexpr int DEFAULT_MODEL_RESOURCE = 503;

// The TEMP directory made current; false when TEMP is unset or cannot be
// made current (not a directory), so nothing lands elsewhere.
bool enterTempDirectory(char (&temp)[MAX_PATH]) {
    DWORD length = GetEnvironmentVariableA("TEMP", temp, sizeof temp);
    if (length == 0 || length >= sizeof temp)
        return false;
    return SetCurrentDirectoryA(temp) != 0;
}

} // namespace

bool installDefaultModel() {
    char temp[MAX_PATH];
    if (!enterTempDirectory(temp)) {
        trace("TEMP is not a usable directory; the default model is not extracted");
        return false;
    }
    traceFormat("Will extract zip file to %s", temp);
    HRSRC resource = FindResourceA(instanceHandle, MAKEINTRESOURCEA(DEFAULT_MODEL_RESOURCE),
                                   MAKEINTRESOURCEA(10)); // RT_RCDATA
    if (resource == nullptr)
        return false;
    DWORD size = SizeofResource(instanceHandle, resource);
    if (size == 0)
        return false;
    HGLOBAL loaded = LoadResource(instanceHandle, resource);
    if (loaded == nullptr)
        return false;
    const void* block = LockResource(loaded);
    if (block == nullptr)
        return false;
    return unpackModelArchive(block, size);
}
