#include "settings/setting_table.h"

const SettingDescription settingTable[settingCount] = {
    {"xoff", &SaverSettings::xoff, 134, 0, 359},     {"yoff", &SaverSettings::yoff, 0, 0, 359},
    {"zoff", &SaverSettings::zoff, 0, 0, 359},       {"vel", &SaverSettings::vel, 20, 0, 100},
    {"xrot", &SaverSettings::xrot, 0, 0, 360},       {"xrots", &SaverSettings::xrots, 1, 1, 300},
    {"yrot", &SaverSettings::yrot, 0, 0, 360},       {"yrots", &SaverSettings::yrots, 1, 1, 300},
    {"zrot", &SaverSettings::zrot, 360, 0, 360},     {"zrots", &SaverSettings::zrots, 20, 1, 300},
    {"scale", &SaverSettings::scale, 100, 1, 1000},  {"blur", &SaverSettings::blur, 0, 0, 1},
    {"lighting", &SaverSettings::lighting, 0, 0, 1},
};
