#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes an 8-bit RGB PNG from rows top first. False (with the reason in
// error) when the file cannot be written.
bool writePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb,
              std::string& error);
