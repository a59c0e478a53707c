#pragma once

#include "settings/saver_settings.h"

#include <cstdint>

// The configuration dialog's bindings as the product defines them, written
// out by hand so that the tests hold the settings table and the compiled
// template against them: slider, its value label, the setting, the range and
// the default.
struct ExpectedSlider {
    int sliderId;
    int labelId;
    int32_t SaverSettings::*field;
    int minimum, maximum;
    int defaultValue;
};

inline const ExpectedSlider expectedSliders[] = {
    {122, 121, &SaverSettings::xoff, 0, 359, 134},   {124, 123, &SaverSettings::yoff, 0, 359, 0},
    {126, 125, &SaverSettings::zoff, 0, 359, 0},     {132, 131, &SaverSettings::vel, 0, 100, 20},
    {134, 133, &SaverSettings::xrot, 0, 360, 0},     {141, 140, &SaverSettings::xrots, 1, 300, 1},
    {136, 135, &SaverSettings::yrot, 0, 360, 0},     {143, 142, &SaverSettings::yrots, 1, 300, 1},
    {138, 137, &SaverSettings::zrot, 0, 360, 360},   {145, 144, &SaverSettings::zrots, 1, 300, 20},
    {147, 146, &SaverSettings::scale, 1, 1000, 100},
};

struct ExpectedCheckBox {
    int id;
    int32_t SaverSettings::*field;
};

inline const ExpectedCheckBox expectedCheckBoxes[] = {
    {148, &SaverSettings::blur},
    {149, &SaverSettings::lighting},
};
