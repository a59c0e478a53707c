#pragma once

#include "settings/saver_settings.h"

#include <cstddef>
#include <cstdint>

// One numeric setting: its registry value name, its field, its default, the
// range that the configuration dialog offers and the dialog's controls for it.
// A setting has either a slider with a value label (whose id is the slider's
// minus one) or a check box; the ids it does not have are 0.
struct SettingDescription {
    const char* name;
    int32_t SaverSettings::*field;
    int32_t defaultValue;
    int32_t minimum;
    int32_t maximum;
    int sliderId;
    int labelId;
    int checkBoxId;
};

constexpr size_t settingCount = 13;

// The numeric settings in registry read and write order, which is also the
// order in which the dialog fills its sliders and matches scroll messages.
extern const SettingDescription settingTable[settingCount];
