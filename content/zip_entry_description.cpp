#include "content/zip_entry_description.h"

namespace {

constexpr uint32_t FILE_NORMAL = 0x80;
constexpr uint32_t FILE_DIRECTORY = 0x10;
constexpr uint32_t FILE_ARCHIVE = 0x20;
constexpr uint32_t FILE_HIDDEN = 0x02;
constexpr uint32_t FILE_READ_ONLY = 0x01;
constexpr uint32_t FILE_SYSTEM = 0x04;

constexpr uint32_t UNIX_DIRECTORY = 0x40000000;
constexpr uint32_t UNIX_OWNER_WRITE = 0x00800000;

// FILETIME ticks per second, and seconds from 1601-01-01 to 1970-01-01.
constexpr uint64_t TICKS_PER_SECOND = 10000000;
constexpr int64_t SECONDS_1601_TO_1970 = 11644473600LL;

bool isLeapYear(int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int64_t year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

// Days from 1970-01-01 to the given date of the proleptic Gregorian calendar.
int64_t daysFromCivil(int64_t year, int month, int day) {
    year -= month <= 2;
    int64_t era = (year >= 0 ? year : year - 399) / 400;
    int64_t yearOfEra = year - era * 400;
    int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

FileTime fileTimeFromTicks(uint64_t ticks) {
    return {static_cast<uint32_t>(ticks), static_cast<uint32_t>(ticks >> 32)};
}

uint32_t readLittle32(const uint8_t* bytes) {
    return bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

} // namespace

uint32_t attributesFromExternal(uint32_t external) {
    uint32_t attributes = FILE_NORMAL;
    if (external & (UNIX_DIRECTORY | FILE_DIRECTORY))
        attributes |= FILE_DIRECTORY;
    if (external & FILE_ARCHIVE)
        attributes |= FILE_ARCHIVE;
    if (external & FILE_HIDDEN)
        attributes |= FILE_HIDDEN;
    if (!(external & UNIX_OWNER_WRITE) || (external & FILE_READ_ONLY))
        attributes |= FILE_READ_ONLY;
    if (external & FILE_SYSTEM)
        attributes |= FILE_SYSTEM;
    return attributes;
}

FileTime fileTimeFromDos(uint32_t dosDateTime) {
    uint32_t date = dosDateTime >> 16, time = dosDateTime & 0xFFFF;
    int64_t year = 1980 + (date >> 9);
    int month = (date >> 5) & 0x0F, day = date & 0x1F;
    int hour = time >> 11, minute = (time >> 5) & 0x3F, second = (time & 0x1F) * 2;
    if (month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month) || hour > 23 ||
        minute > 59 || second > 59)
        return {0, 0};
    int64_t seconds = daysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
    return fileTimeFromTicks(static_cast<uint64_t>(seconds + SECONDS_1601_TO_1970) *
                             TICKS_PER_SECOND);
}

bool fileTimeFromUnix(int64_t seconds, FileTime& time) {
    // The calendar of FILETIMEs ends with the year 30827; the 32-bit times of
    // a "UT" block never come near it, but the check keeps the sum in range.
    const int64_t lastSecond = daysFromCivil(30828, 1, 1) * 86400 - 1;
    if (seconds < 0 || seconds > lastSecond)
        return false;
    time =
        fileTimeFromTicks(static_cast<uint64_t>(seconds + SECONDS_1601_TO_1970) * TICKS_PER_SECOND);
    return true;
}

void applyExtendedTimestamp(const uint8_t* extra, uint32_t size, ArchiveEntry& entry) {
    uint64_t position = 0;
    while (position + 4 < size) {
        const uint8_t* block = extra + position;
        uint32_t dataSize = block[2] | block[3] << 8;
        if (block[0] != 'U' || block[1] != 'T') {
            position += 4 + dataSize;
            continue;
        }
        uint64_t end = position + 4 + dataSize < size ? position + 4 + dataSize : size;
        uint8_t flags = block[4];
        FileTime* times[] = {&entry.modificationTime, &entry.accessTime, &entry.creationTime};
        uint64_t at = position + 5;
        for (int bit = 0; bit < 3; ++bit) {
            if (!(flags & (1u << bit)))
                continue;
            if (at + 4 > end)
                break;
            auto seconds = static_cast<int32_t>(readLittle32(extra + at));
            fileTimeFromUnix(seconds, *times[bit]);
            at += 4;
        }
        return;
    }
}
