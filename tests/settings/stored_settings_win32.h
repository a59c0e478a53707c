#pragma once

#include <windows.h>

#include <map>
#include <string>

// A value under the settings key as the registry holds it; data is the
// value's first four bytes (zero-extended), size its whole length.
struct StoredSetting {
    DWORD type;
    DWORD size;
    DWORD data;
};

// Every value under HKEY_CURRENT_USER\Software\QuenlowSaver by name; empty
// when there is no key.
std::map<std::string, StoredSetting> storedSettings();

// Writes a value of any type and bytes under the settings key, making the key.
void storeSetting(const char* name, DWORD type, const std::string& bytes);
void storeSettingDword(const char* name, DWORD value);
