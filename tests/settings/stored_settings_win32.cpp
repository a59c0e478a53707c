#include "tests/settings/stored_settings_win32.h"

#include "settings/registry_key.h"

#include <vector>

std::map<std::string, StoredSetting> storedSettings() {
    std::map<std::string, StoredSetting> values;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, settingsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return values;
    for (DWORD index = 0;; ++index) {
        char name[256];
        std::vector<BYTE> data(1024);
        DWORD nameLength = sizeof name, type = 0, size = static_cast<DWORD>(data.size());
        if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data.data(), &size) !=
            ERROR_SUCCESS)
            break;
        DWORD first = 0;
        for (DWORD i = 0; i < size && i < 4; ++i)
            first |= static_cast<DWORD>(data[i]) << (8 * i);
        values[name] = StoredSetting{type, size, first};
    }
    RegCloseKey(key);
    return values;
}

void storeSetting(const char* name, DWORD type, const std::string& bytes) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, settingsKeyPath, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                    nullptr);
    RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                   static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
}

void storeSettingDword(const char* name, DWORD value) {
    storeSetting(name, REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof value));
}
