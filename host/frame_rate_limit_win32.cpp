#include "host/frame_rate_limit.h"

#include "settings/registry_key.h"
#include "settings/registry_value_win32.h"

#include <windows.h>

uint32_t frameRateLimit = 0;

void readFrameRateLimit() {
    frameRateLimit = 0;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, settingsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    queryRegistryDword(key, "FrameRateLimit", frameRateLimit);
    RegCloseKey(key);
}
