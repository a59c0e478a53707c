#pragma once

// The key under HKEY_CURRENT_USER that holds every stored setting.
constexpr const char* settingsKeyPath = "Software\\QuenlowSaver";
