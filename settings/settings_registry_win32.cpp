#include "common/trace.h"
#include "host/frame_rate_limit.h"
#include "settings/registry_key.h"
#include "settings/registry_value_win32.h"
#include "settings/saver_settings.h"
#include "settings/setting_table.h"

#include <windows.h>

#include <cstdio>

namespace {

constexpr const char* defaultModelFile = "Quenlow.3DS";

// TEMP, a backslash and the default model's file name. Left empty when TEMP is
// unset or the path would not fit, so that loading the model fails cleanly.
void setDefaultModelPath(char (&path)[260]) {
    path[0] = '\0';
    char temp[260];
    DWORD length = GetEnvironmentVariableA("TEMP", temp, sizeof temp);
    if (length == 0 || length >= sizeof temp)
        return;
    int written = std::snprintf(path, sizeof path, "%s\\%s", temp, defaultModelFile);
    if (written < 0 || written >= static_cast<int>(sizeof path))
        path[0] = '\0';
}

} // namespace

void SaverSettings::readRegistry() {
    trace("Reading Registry...");
    HKEY key = nullptr;
    LONG opened = RegOpenKeyExA(HKEY_CURRENT_USER, settingsKeyPath, 0, KEY_READ, &key);
    setDefaultModelPath(modelPath);
    traceFormat("Custom-compiled file: %s", modelPath);
    if (opened != ERROR_SUCCESS)
        return;
    for (const SettingDescription& setting : settingTable) {
        uint32_t value = 0;
        if (queryRegistryDword(key, setting.name, value))
            this->*setting.field = static_cast<int32_t>(value);
    }
    RegCloseKey(key);
    readFrameRateLimit();
}

bool SaverSettings::writeRegistry() const {
    trace("Writing registry values...");
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, settingsKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    for (const SettingDescription& setting : settingTable) {
        DWORD value = static_cast<DWORD>(this->*setting.field);
        RegSetValueExA(key, setting.name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                       sizeof value);
    }
    RegCloseKey(key);
    return true;
}
