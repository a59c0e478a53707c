#include "content/zip_archive.h"
#include "content/zip_entry_description.h"
#include "tests/content/zip_builder.h"
#include "tests/content/zip_test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

constexpr int64_t DEFAULT_DOS_UNIX = 1223543618; // 2008-10-09 09:13:38 as UTC

struct ZipCloser {
    void operator()(ZipHandle* zip) const { zipClose(zip); }
};
using Zip = std::unique_ptr<ZipHandle, ZipCloser>;

Zip openMemory(const std::vector<uint8_t>& bytes) {
    return Zip(zipOpen(bytes.data(), static_cast<uint32_t>(bytes.size()), ZIP_MEMORY));
}

std::vector<ZipBuilderEntry> threeEntries() {
    return {{"first.txt", "one"}, {"second.txt", "two two"}, {"third.txt", "three three three"}};
}

TEST(ZipEntries, IndexMinusOneGivesTheCountAndAnEmptyRecord) {
    BuiltZip built = buildZip(threeEntries());
    Zip zip = openMemory(built.bytes);
    ASSERT_TRUE(zip);
    ArchiveEntry entry;
    std::memset(&entry, 0x5A, sizeof entry);
    EXPECT_EQ(zipGetEntry(zip.get(), -1, &entry), ZIP_OK);
    EXPECT_EQ(entry.index, 3);
    EXPECT_STREQ(entry.name, "");
    EXPECT_EQ(entry.attributes, 0u);
    EXPECT_EQ(ticksOf(entry.modificationTime), 0u);
    EXPECT_EQ(ticksOf(entry.accessTime), 0u);
    EXPECT_EQ(ticksOf(entry.creationTime), 0u);
    EXPECT_EQ(entry.compressedSize, 0);
    EXPECT_EQ(entry.uncompressedSize, 0);
}

TEST(ZipEntries, DescribesNamesSizesAndDosTimesAsTheyStand) {
    std::vector<ZipBuilderEntry> entries = threeEntries();
    entries[1].deflate = false;
    entries[2].dosTime = dosDateTime(2000, 2, 29, 23, 59, 58);
    BuiltZip built = buildZip(entries);
    Zip zip = openMemory(built.bytes);
    ArchiveEntry entry{};
    ASSERT_EQ(zipGetEntry(zip.get(), 1, &entry), ZIP_OK);
    EXPECT_EQ(entry.index, 1);
    EXPECT_STREQ(entry.name, "second.txt");
    EXPECT_EQ(entry.compressedSize, 7);
    EXPECT_EQ(entry.uncompressedSize, 7);
    EXPECT_EQ(ticksOf(entry.modificationTime), ticksOfUnix(DEFAULT_DOS_UNIX));
    EXPECT_EQ(ticksOf(entry.accessTime), ticksOfUnix(DEFAULT_DOS_UNIX));
    EXPECT_EQ(ticksOf(entry.creationTime), ticksOfUnix(DEFAULT_DOS_UNIX));
    ASSERT_EQ(zipGetEntry(zip.get(), 2, &entry), ZIP_OK);
    EXPECT_EQ(ticksOf(entry.modificationTime), ticksOfUnix(951868798));
    EXPECT_EQ(entry.uncompressedSize, 17);
}

TEST(ZipEntries, LongNamesAreCutTo259Characters) {
    std::string longName(300, 'n');
    BuiltZip built = buildZip({{longName, "x"}});
    Zip zip = openMemory(built.bytes);
    ArchiveEntry entry{};
    ASSERT_EQ(zipGetEntry(zip.get(), 0, &entry), ZIP_OK);
    EXPECT_EQ(std::string(entry.name), longName.substr(0, 259));
}

// The archive block must stay unchanged while open; breaking that rule here
// shows which calls go back to the archive and which are served from the
// cache.
TEST(ZipEntries, RepeatedIndexComesFromTheCacheOtherIndexesFromTheArchive) {
    BuiltZip built = buildZip(threeEntries());
    Zip zip = openMemory(built.bytes);
    ArchiveEntry entry{};
    ASSERT_EQ(zipGetEntry(zip.get(), 1, &entry), ZIP_OK);
    built.bytes[built.localHeaderOffsets[1]] = 'X'; // break entry 1's local header
    EXPECT_EQ(zipGetEntry(zip.get(), 1, &entry), ZIP_OK);
    EXPECT_STREQ(entry.name, "second.txt");
    EXPECT_EQ(zipGetEntry(zip.get(), -1, &entry), ZIP_OK); // leaves the cache as it is
    EXPECT_EQ(zipGetEntry(zip.get(), 1, &entry), ZIP_OK);
    ASSERT_EQ(zipGetEntry(zip.get(), 0, &entry), ZIP_OK);
    EXPECT_EQ(zipGetEntry(zip.get(), 1, &entry), ZIP_CORRUPT);
    ASSERT_EQ(zipGetEntry(zip.get(), 2, &entry), ZIP_OK);
    EXPECT_STREQ(entry.name, "third.txt");
}

TEST(ZipEntries, LowerIndexRestartsFromTheFirstEntry) {
    BuiltZip built = buildZip(threeEntries());
    Zip zip = openMemory(built.bytes);
    ArchiveEntry entry{};
    const int32_t order[] = {2, 0, 1, 0, 2};
    const char* names[] = {"first.txt", "second.txt", "third.txt"};
    for (int32_t index : order) {
        ASSERT_EQ(zipGetEntry(zip.get(), index, &entry), ZIP_OK) << index;
        EXPECT_EQ(entry.index, index);
        EXPECT_STREQ(entry.name, names[index]);
    }
}

struct AttributeCase {
    uint32_t external;
    uint32_t attributes;
    const char* what;
};

const AttributeCase attributeCases[] = {
    {0x81B60020, 0xA0, "mode 0100666 with the DOS archive bit: normal and archive"},
    {0x00000000, 0x81, "no Unix mode: read-only"},
    {0x00000020, 0xA1, "DOS archive bit only: archive and read-only"},
    {0x81A40000, 0x80, "mode 0100644: normal"},
    {0x81240000, 0x81, "mode 0100444: read-only"},
    {0x81B60001, 0x81, "DOS read-only bit despite owner write"},
    {0x41ED0010, 0x90, "mode 040755 with the DOS directory bit"},
    {0x41ED0000, 0x90, "mode 040755 alone: directory"},
    {0x00800010, 0x90, "DOS directory bit alone"},
    {0x81B60002, 0x82, "hidden"},
    {0x81B60004, 0x84, "system"},
    {0x81B60027, 0xA7, "archive, system, hidden and read-only"},
};

TEST(ZipEntries, AttributesFollowTheRuleThroughTheArchive) {
    std::vector<ZipBuilderEntry> entries;
    for (const AttributeCase& c : attributeCases) {
        entries.push_back({c.what, "data"});
        entries.back().externalAttributes = c.external;
    }
    BuiltZip built = buildZip(entries);
    Zip zip = openMemory(built.bytes);
    for (size_t i = 0; i < entries.size(); ++i) {
        ArchiveEntry entry{};
        ASSERT_EQ(zipGetEntry(zip.get(), static_cast<int32_t>(i), &entry), ZIP_OK);
        EXPECT_EQ(entry.attributes, attributeCases[i].attributes) << attributeCases[i].what;
        EXPECT_EQ(attributesFromExternal(attributeCases[i].external), attributeCases[i].attributes)
            << attributeCases[i].what;
    }
}

// Which of the three times a local extra field sets: -1 keeps the DOS time.
struct TimestampCase {
    const char* what;
    std::string extra;
    int64_t modification, access, creation;
};

std::vector<TimestampCase> timestampCases() {
    const int32_t m = 1600000001, a = 1600000003, c = 1500000005;
    std::string other = extraBlock(0x7875, std::string("\x01\x04\xe8\x03\x00\x00", 6));
    return {
        {"flags 1: modification only", extendedTimestamp(1, {m}), m, -1, -1},
        {"flags 3: modification and access", extendedTimestamp(3, {m, a}), m, a, -1},
        {"flags 7: all three", extendedTimestamp(7, {m, a, c}), m, a, c},
        {"flags 5: modification and creation", extendedTimestamp(5, {m, c}), m, -1, c},
        {"flags 2: access only", extendedTimestamp(2, {a}), -1, a, -1},
        {"after another block", other + extendedTimestamp(7, {m, a, c}), m, a, c},
        {"flags 7 with only one time in the block", extendedTimestamp(7, {m}), m, -1, -1},
        {"flags 7 with one time, then another block", extendedTimestamp(7, {m}) + other, m, -1, -1},
        {"block cut by the end of the field", extendedTimestamp(3, {m, a}).substr(0, 11), m, -1,
         -1},
        {"time before 1970", extendedTimestamp(3, {-86400, a}), -1, a, -1},
        {"only the second UT block is ignored",
         extendedTimestamp(1, {m}) + extendedTimestamp(7, {a, a, a}), m, -1, -1},
        {"no UT block", other, -1, -1, -1},
        {"block header without data", std::string("UT\x05\x00", 4), -1, -1, -1},
    };
}

TEST(ZipEntries, ExtendedTimestampReplacesTheTimesItHolds) {
    std::vector<TimestampCase> cases = timestampCases();
    std::vector<ZipBuilderEntry> entries;
    for (const TimestampCase& c : cases) {
        entries.push_back({c.what, "data"});
        entries.back().localExtra = c.extra;
    }
    BuiltZip built = buildZip(entries);
    Zip zip = openMemory(built.bytes);
    auto expected = [](int64_t unixTime) {
        return ticksOfUnix(unixTime < 0 ? DEFAULT_DOS_UNIX : unixTime);
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        ArchiveEntry entry{};
        ASSERT_EQ(zipGetEntry(zip.get(), static_cast<int32_t>(i), &entry), ZIP_OK) << cases[i].what;
        EXPECT_EQ(ticksOf(entry.modificationTime), expected(cases[i].modification))
            << cases[i].what;
        EXPECT_EQ(ticksOf(entry.accessTime), expected(cases[i].access)) << cases[i].what;
        EXPECT_EQ(ticksOf(entry.creationTime), expected(cases[i].creation)) << cases[i].what;
    }
}

TEST(ZipEntries, DosFieldsThatNameNoMomentGiveZeroTimes) {
    EXPECT_EQ(ticksOf(fileTimeFromDos(0)), 0u); // month 0, day 0
    EXPECT_EQ(ticksOf(fileTimeFromDos(dosDateTime(2001, 2, 29, 0, 0, 0))), 0u);
    EXPECT_EQ(ticksOf(fileTimeFromDos(dosDateTime(2001, 1, 1, 24, 0, 0))), 0u);
    EXPECT_EQ(ticksOf(fileTimeFromDos(dosDateTime(2107, 12, 31, 23, 59, 58))),
              ticksOfUnix(4354819198));
    FileTime kept{7, 7};
    EXPECT_FALSE(fileTimeFromUnix(-1, kept));
    EXPECT_EQ(ticksOf(kept), ticksOf(FileTime{7, 7}));
    EXPECT_TRUE(fileTimeFromUnix(0x7FFFFFFF, kept));
    EXPECT_EQ(ticksOf(kept), ticksOfUnix(0x7FFFFFFF));
}

TEST(ZipEntries, LocalExtraFieldBeyondTheArchiveIsAReadError) {
    BuiltZip built = buildZip({{"a.txt", "aaaa", false}, {"b.txt", "bbbb", false}});
    // Entry 1's local extra length (offset 28) reaches past the end.
    built.bytes[built.localHeaderOffsets[1] + 28] = 0xFF;
    built.bytes[built.localHeaderOffsets[1] + 29] = 0xFF;
    Zip zip = openMemory(built.bytes);
    ArchiveEntry entry{};
    EXPECT_EQ(zipGetEntry(zip.get(), 1, &entry), ZIP_READ_FAILED);
    EXPECT_EQ(zipGetEntry(zip.get(), 0, &entry), ZIP_OK);
}

TEST(ZipMemoryExtract, PiecesReportMoreDataUntilTheEntryIsComplete) {
    std::string data = patternData(2500);
    for (bool deflate : {true, false}) {
        BuiltZip built = buildZip({{"small", "x"}, {"big", data, deflate}});
        Zip zip = openMemory(built.bytes);
        MemoryUnpack first = unpackToMemory(zip.get(), 1, 2500, 1000);
        EXPECT_EQ(first.results,
                  (std::vector<ZipResult>{ZIP_MORE_DATA, ZIP_MORE_DATA, ZIP_MORE_DATA, ZIP_OK}));
        EXPECT_TRUE(first.data == data);
        // After completion the next call starts the entry again.
        MemoryUnpack again = unpackToMemory(zip.get(), 1, 2500, 1000);
        EXPECT_EQ(again.results.size(), 4u);
        EXPECT_TRUE(again.data == data);
    }
}

TEST(ZipMemoryExtract, DescribingOrSwitchingEntriesRestartsTheStream) {
    std::string data = patternData(2500);
    BuiltZip built = buildZip({{"small", "tiny"}, {"big", data}});
    Zip zip = openMemory(built.bytes);
    std::string buffer(1000, '\0');
    ASSERT_EQ(zipExtract(zip.get(), 1, &buffer[0], 1000, ZIP_MEMORY), ZIP_MORE_DATA);
    ArchiveEntry entry{};
    ASSERT_EQ(zipGetEntry(zip.get(), 0, &entry), ZIP_OK);
    EXPECT_TRUE(unpackToMemory(zip.get(), 1, 2500, 1000).data == data);
    ASSERT_EQ(zipExtract(zip.get(), 1, &buffer[0], 1000, ZIP_MEMORY), ZIP_MORE_DATA);
    EXPECT_EQ(unpackToMemory(zip.get(), 0, 4, 1000).data, "tiny");
    EXPECT_TRUE(unpackToMemory(zip.get(), 1, 2500, 1000).data == data);
}

TEST(ZipMemoryExtract, DamagedDataEndsWithAFlationError) {
    std::string data = patternData(3000);
    BuiltZip built = buildZip({{"deflated", data}, {"stored", data, false}, {"fine", "ok"}});
    // Garble the middle of the deflated data and one byte of the stored data.
    uint32_t deflatedStart = built.localHeaderOffsets[0] + 30 + 8;
    for (uint32_t i = 20; i < 60; ++i)
        built.bytes[deflatedStart + i] ^= 0xA5;
    built.bytes[built.localHeaderOffsets[1] + 30 + 6 + 100] ^= 0x01;
    Zip zip = openMemory(built.bytes);
    EXPECT_EQ(unpackToMemory(zip.get(), 0, 3000, 1000).results.back(), ZIP_FLATE_ERROR);
    EXPECT_EQ(unpackToMemory(zip.get(), 1, 3000, 1000).results.back(), ZIP_FLATE_ERROR);
    EXPECT_EQ(unpackToMemory(zip.get(), 2, 2, 1000).data, "ok");
}

TEST(ZipMemoryExtract, CorruptLocalHeaderFailsThatEntryOnly) {
    BuiltZip built = buildZip(threeEntries());
    built.bytes[built.localHeaderOffsets[1] + 8] ^= 0x08; // method 8 -> 0
    Zip zip = openMemory(built.bytes);
    char buffer[100];
    EXPECT_EQ(zipExtract(zip.get(), 1, buffer, sizeof buffer, ZIP_MEMORY), ZIP_CORRUPT);
    EXPECT_EQ(unpackToMemory(zip.get(), 2, 17, 100).data, "three three three");
    EXPECT_EQ(unpackToMemory(zip.get(), 0, 3, 100).data, "one");
}

TEST(ZipHandles, NullAndForeignHandlesAreRefusedByEveryOperation) {
    ZipHandle foreign{2, nullptr};
    ArchiveEntry entry{};
    char buffer[16];
    int32_t index = 0;
    struct Case {
        ZipHandle* handle;
        ZipResult expected;
    };
    for (Case c : {Case{nullptr, ZIP_BAD_ARGUMENTS}, Case{&foreign, ZIP_WRONG_HANDLE_KIND}}) {
        EXPECT_EQ(zipGetEntry(c.handle, 0, &entry), c.expected);
        EXPECT_EQ(zipExtract(c.handle, 0, buffer, sizeof buffer, ZIP_MEMORY), c.expected);
        EXPECT_EQ(zipFindEntry(c.handle, "a", false, &index, &entry), c.expected);
        EXPECT_EQ(zipClose(c.handle), c.expected);
        EXPECT_FALSE(zipIsReader(c.handle));
    }
}

TEST(ZipHandles, IndexesOutsideTheArchiveAndUnknownKindsAreFaultyArguments) {
    BuiltZip built = buildZip(threeEntries());
    Zip zip = openMemory(built.bytes);
    ASSERT_TRUE(zipIsReader(zip.get()));
    ArchiveEntry entry{};
    char buffer[16] = "x.txt";
    for (int32_t index : {-2, 3, 1000, INT32_MIN}) {
        EXPECT_EQ(zipGetEntry(zip.get(), index, &entry), ZIP_BAD_ARGUMENTS) << index;
        EXPECT_EQ(zipExtract(zip.get(), index, buffer, sizeof buffer, ZIP_MEMORY),
                  ZIP_BAD_ARGUMENTS)
            << index;
        EXPECT_EQ(zipExtract(zip.get(), index, buffer, 0, ZIP_FILE_NAME), ZIP_BAD_ARGUMENTS)
            << index;
    }
    EXPECT_EQ(zipExtract(zip.get(), -1, buffer, sizeof buffer, ZIP_MEMORY), ZIP_BAD_ARGUMENTS);
    EXPECT_EQ(zipExtract(zip.get(), 0, buffer, sizeof buffer, 4), ZIP_BAD_ARGUMENTS);
    EXPECT_EQ(zipExtract(zip.get(), 0, buffer, 0, ZIP_MEMORY), ZIP_BAD_ARGUMENTS);
    EXPECT_EQ(zipExtract(zip.get(), 0, nullptr, 16, ZIP_MEMORY), ZIP_BAD_ARGUMENTS);
    EXPECT_EQ(zipGetEntry(zip.get(), 0, nullptr), ZIP_BAD_ARGUMENTS);
    EXPECT_EQ(zipOpen(built.bytes.data(), 10, 0), nullptr);
    EXPECT_EQ(zipResultText(ZIP_LAST_RESULT, nullptr, 0), std::strlen("Caller: faulty arguments"));
}

TEST(ZipHandles, SourcesWithoutAReadableDirectoryGiveNoHandle) {
    BuiltZip built = buildZip(threeEntries());
    std::vector<uint8_t> truncated(built.bytes.begin(), built.bytes.end() - 10);
    std::string pattern = patternData(500);
    std::vector<uint8_t> noise(pattern.begin(), pattern.end());
    std::vector<uint8_t> empty;
    for (const std::vector<uint8_t>* bytes : {&truncated, &noise, &empty}) {
        ZipHandle* zip = zipOpen(bytes->data(), static_cast<uint32_t>(bytes->size()), ZIP_MEMORY);
        EXPECT_EQ(zip, nullptr);
        char text[64];
        zipResultText(ZIP_LAST_RESULT, text, sizeof text);
        EXPECT_STREQ(text, "Zipfile is corrupt or not a zipfile");
    }
    EXPECT_EQ(zipOpen("/no/such/archive.zip", 0, ZIP_FILE_NAME), nullptr);
    EXPECT_EQ(zipResultText(ZIP_LAST_RESULT, nullptr, 0), std::strlen("Couldn't create/open file"));
}

TEST(ZipResultTexts, CopiesAreCutAndTerminatedAndCodeOneIsTheLastResult) {
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(zipResultText(ZIP_OK, buffer, 5), 7u);
    EXPECT_STREQ(buffer, "Succ");
    EXPECT_EQ(buffer[5], 'x');
    EXPECT_EQ(zipResultText(ZIP_OK, buffer, 1), 7u);
    EXPECT_STREQ(buffer, "");
    buffer[0] = 'x';
    EXPECT_EQ(zipResultText(ZIP_OK, buffer, 0), 7u);
    EXPECT_EQ(buffer[0], 'x');

    char text[80];
    const std::pair<ZipResult, const char*> texts[] = {
        {ZIP_DUPLICATE_FAILED, "Culdn't duplicate handle"},
        {ZIP_MORE_DATA, "Still more data to unzip"},
        {ZIP_WRONG_HANDLE_KIND, "Caller: mixing creation and opening of zip"},
        {ZIP_FLATE_ERROR, "Zip-bug: an internal error during flation"},
        {0x00000900, "unknown zip result code"},
        {0x00000002, "unknown zip result code"},
    };
    for (const auto& [code, expected] : texts) {
        EXPECT_EQ(zipResultText(code, text, sizeof text), std::strlen(expected));
        EXPECT_STREQ(text, expected);
    }

    zipGetEntry(nullptr, 0, nullptr);
    zipResultText(ZIP_LAST_RESULT, text, sizeof text);
    EXPECT_STREQ(text, "Caller: faulty arguments");
    BuiltZip built = buildZip(threeEntries());
    Zip zip = openMemory(built.bytes);
    zipResultText(ZIP_LAST_RESULT, text, sizeof text);
    EXPECT_STREQ(text, "Success");
}

TEST(ZipFind, FindsNamesWithOrWithoutCase) {
    BuiltZip built = buildZip({{"Alpha.TXT", "a"}, {"dir/Beta.txt", "bb"}, {"gamma", "ccc"}});
    Zip zip = openMemory(built.bytes);
    int32_t index = 99;
    ArchiveEntry entry{};
    EXPECT_EQ(zipFindEntry(zip.get(), "dir/Beta.txt", false, &index, &entry), ZIP_OK);
    EXPECT_EQ(index, 1);
    EXPECT_STREQ(entry.name, "dir/Beta.txt");
    EXPECT_EQ(entry.uncompressedSize, 2);

    EXPECT_EQ(zipFindEntry(zip.get(), "alpha.txt", false, &index, &entry), ZIP_NOT_FOUND);
    EXPECT_EQ(index, -1);
    EXPECT_EQ(entry.index, -1);
    EXPECT_STREQ(entry.name, "");
    EXPECT_EQ(entry.uncompressedSize, 0);

    EXPECT_EQ(zipFindEntry(zip.get(), "alpha.txt", true, &index, &entry), ZIP_OK);
    EXPECT_EQ(index, 0);
    EXPECT_STREQ(entry.name, "Alpha.TXT");
    EXPECT_EQ(zipFindEntry(zip.get(), "GAMMA", true, &index, nullptr), ZIP_OK);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(zipFindEntry(zip.get(), "missing", true, nullptr, nullptr), ZIP_NOT_FOUND);
}

TEST(ZipFind, NamesOver255CharactersAreNeverFound) {
    std::string name255(255, 'q'), name256(256, 'q');
    BuiltZip built = buildZip({{name255, "a"}, {name256, "b"}});
    Zip zip = openMemory(built.bytes);
    int32_t index = 99;
    EXPECT_EQ(zipFindEntry(zip.get(), name255.c_str(), false, &index, nullptr), ZIP_OK);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(zipFindEntry(zip.get(), name256.c_str(), false, &index, nullptr), ZIP_NOT_FOUND);
    EXPECT_EQ(index, -1);
}

TEST(ZipFind, AFoundEntryClosesTheMemoryStream) {
    std::string data = patternData(2500);
    BuiltZip built = buildZip({{"big", data}, {"other", "x"}});
    Zip zip = openMemory(built.bytes);
    std::string buffer(1000, '\0');
    ASSERT_EQ(zipExtract(zip.get(), 0, &buffer[0], 1000, ZIP_MEMORY), ZIP_MORE_DATA);
    int32_t index = -1;
    EXPECT_EQ(zipFindEntry(zip.get(), "nothing", false, &index, nullptr), ZIP_NOT_FOUND);
    ASSERT_EQ(zipExtract(zip.get(), 0, &buffer[0], 1000, ZIP_MEMORY), ZIP_MORE_DATA);
    EXPECT_EQ(buffer, data.substr(1000, 1000)); // the stream went on
    EXPECT_EQ(zipFindEntry(zip.get(), "big", false, &index, nullptr), ZIP_OK);
    EXPECT_TRUE(unpackToMemory(zip.get(), 0, 2500, 1000).data == data);
}

} // namespace
