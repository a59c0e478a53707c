#pragma once

#include <windows.h>

#include <cstdint>

// Reads a value of up to 4 bytes as a little-endian number, zero-extended,
// whatever its registry type. False when the value is missing or longer.
bool queryRegistryDword(HKEY key, const char* name, uint32_t& value);
