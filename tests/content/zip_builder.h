#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Builds small ZIP archives in memory for the tests, with control over the
// fields the reader looks at.

// A DOS date (high word) and time (low word).
uint32_t dosDateTime(int year, int month, int day, int hour, int minute, int second);

struct ZipBuilderEntry {
    ZipBuilderEntry(std::string entryName, std::string entryData, bool deflated = true,
                    uint32_t external = 0x81B60020)
        : name(std::move(entryName)), data(std::move(entryData)), deflate(deflated),
          externalAttributes(external) {}

    std::string name;
    std::string data;
    bool deflate = true;
    uint32_t externalAttributes = 0x81B60020;
    uint32_t dosTime = dosDateTime(2008, 10, 9, 9, 13, 38);
    std::string localExtra;
};

struct BuiltZip {
    std::vector<uint8_t> bytes;
    std::vector<uint32_t> localHeaderOffsets;
};

BuiltZip buildZip(const std::vector<ZipBuilderEntry>& entries);

// An extended-timestamp block: "UT", data size, flags, then `times`.
std::string extendedTimestamp(uint8_t flags, const std::vector<int32_t>& times);

// Any extra-field block: tag, data size, data.
std::string extraBlock(uint16_t tag, const std::string& data);

// `count` bytes of a repeating, compressible but not trivial pattern.
std::string patternData(size_t count);
