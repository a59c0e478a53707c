#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes the default-model archive with minizip: the members in the given
// order, deflated, without extra fields or comments, each with the external
// attributes 0x81B60020 (Unix mode 0100666 and the DOS archive bit) and a
// fixed DOS date and time. False when the file cannot be written.

struct ArchiveMember {
    std::string name;
    std::vector<uint8_t> data;
    uint32_t dosDateTime; // DOS date in the high word, time in the low word
};

bool writeModelArchive(const std::string& path, const std::vector<ArchiveMember>& members);
