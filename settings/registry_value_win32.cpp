#include "settings/registry_value_win32.h"

bool queryRegistryDword(HKEY key, const char* name, uint32_t& value) {
    BYTE data[4] = {0, 0, 0, 0};
    DWORD size = sizeof data;
    if (RegQueryValueExA(key, name, nullptr, nullptr, data, &size) != ERROR_SUCCESS)
        return false;
    value = data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24;
    return true;
}
