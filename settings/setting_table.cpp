#include "settings/setting_table.h"

#include "settings/dialog_ids.h"

const SettingDescription settingTable[settingCount] = {
    {"xoff", &SaverSettings::xoff, 134, 0, 359, IDC_XOFF_SLIDER, IDC_XOFF_LABEL, 0},
    {"yoff", &SaverSettings::yoff, 0, 0, 359, IDC_YOFF_SLIDER, IDC_YOFF_LABEL, 0},
    {"zoff", &SaverSettings::zoff, 0, 0, 359, IDC_ZOFF_SLIDER, IDC_ZOFF_LABEL, 0},
    {"vel", &SaverSettings::vel, 20, 0, 100, IDC_VEL_SLIDER, IDC_VEL_LABEL, 0},
    {"xrot", &SaverSettings::xrot, 0, 0, 360, IDC_XROT_SLIDER, IDC_XROT_LABEL, 0},
    {"xrots", &SaverSettings::xrots, 1, 1, 300, IDC_XROTS_SLIDER, IDC_XROTS_LABEL, 0},
    {"yrot", &SaverSettings::yrot, 0, 0, 360, IDC_YROT_SLIDER, IDC_YROT_LABEL, 0},
    {"yrots", &SaverSettings::yrots, 1, 1, 300, IDC_YROTS_SLIDER, IDC_YROTS_LABEL, 0},
    {"zrot", &SaverSettings::zrot, 360, 0, 360, IDC_ZROT_SLIDER, IDC_ZROT_LABEL, 0},
    {"zrots", &SaverSettings::zrots, 20, 1, 300, IDC_ZROTS_SLIDER, IDC_ZROTS_LABEL, 0},
    {"scale", &SaverSettings::scale, 100, 1, 1000, IDC_SCALE_SLIDER, IDC_SCALE_LABEL, 0},
    {"blur", &SaverSettings::blur, 0, 0, 1, 0, 0, IDC_BLUR_CHECK},
    {"lighting", &SaverSettings::lighting, 0, 0, 1, 0, 0, IDC_LIGHTING_CHECK},
};
