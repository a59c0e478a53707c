#include "settings/saver_settings.h"

#include "common/trace.h"
#include "settings/setting_table.h"

#include <cstring>

SaverSettings theSettings;

void SaverSettings::setDefaults() {
    trace("Setting default values");
    std::strcpy(modelPath, "none");
    for (const SettingDescription& setting : settingTable)
        this->*setting.field = setting.defaultValue;
}
