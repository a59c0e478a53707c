#pragma once

#include "settings/saver_settings.h"

#include <cstddef>
#include <cstdint>

// One numeric setting: its registry value name, its field, its default and
// the range that the configuration dialog offers.
struct SettingDescription {
    const char* name;
    int32_t SaverSettings::*field;
    int32_t defaultValue;
    int32_t minimum;
    int32_t maximum;
};

constexpr size_t settingCount = 13;

// The numeric settings in registry read and write order.
extern const SettingDescription settingTable[settingCount];
