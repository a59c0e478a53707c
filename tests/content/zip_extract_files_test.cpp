// Unpacking into files by name, and the default-model archive walk: the same
// behaviour on both platforms.

#include "content/default_model_archive.h"
#include "content/zip_archive.h"
#include "tests/content/scratch_working_directory.h"
#include "tests/content/zip_builder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

struct OpenArchive {
    explicit OpenArchive(const BuiltZip& built)
        : zip(zipOpen(built.bytes.data(), static_cast<uint32_t>(built.bytes.size()), ZIP_MEMORY)) {}
    ~OpenArchive() { zipClose(zip); }
    ZipHandle* zip;
};

ZipResult extractByName(ZipHandle* zip, int32_t index, const std::string& name) {
    return zipExtract(zip, index, const_cast<char*>(name.c_str()), 0, ZIP_FILE_NAME);
}

TEST(ZipFileExtract, CreatesTheDirectoriesOfTheNameBeforeTheFile) {
    ScratchWorkingDirectory scratch;
    std::string data = patternData(40000); // more than one 16384-byte block
    BuiltZip built = buildZip({{"sub/dir/file.txt", data},
                               {"back\\slash\\file.txt", "b"},
                               {"tree/leaf/", "", false, 0x41ED0010}});
    OpenArchive archive(built);
    ASSERT_NE(archive.zip, nullptr);
    EXPECT_EQ(extractByName(archive.zip, 0, "sub/dir/file.txt"), ZIP_OK);
    EXPECT_TRUE(fs::is_directory(scratch.path() / "sub" / "dir"));
    EXPECT_TRUE(readWholeFile(scratch.path() / "sub" / "dir" / "file.txt") == data);
    EXPECT_EQ(extractByName(archive.zip, 1, "back\\slash\\file.txt"), ZIP_OK);
    EXPECT_EQ(readWholeFile(scratch.path() / "back" / "slash" / "file.txt"), "b");
    // A directory entry makes its directories, whatever the target name.
    EXPECT_EQ(extractByName(archive.zip, 2, "ignored"), ZIP_OK);
    EXPECT_TRUE(fs::is_directory(scratch.path() / "tree" / "leaf"));
    EXPECT_FALSE(fs::exists(scratch.path() / "ignored"));
}

TEST(ZipFileExtract, DirectoriesAreMadeOnlyForRelativeNamesWithoutDotDot) {
    ScratchWorkingDirectory scratch;
    fs::create_directory(scratch.path() / "work");
    fs::current_path(scratch.path() / "work");
    BuiltZip built = buildZip({{"x.txt", "x"}});
    OpenArchive archive(built);
    // Without a directory made for them, these names cannot be created.
    const char* refused[] = {"../made/x.txt",           "..\\made\\x.txt",
                             "a/../../made/x.txt",      "C:/quenlow-zip-made/x.txt",
                             "/quenlow-zip-made/x.txt", "\\quenlow-zip-made\\x.txt"};
    for (const char* name : refused) {
        EXPECT_EQ(extractByName(archive.zip, 0, name), ZIP_OPEN_FAILED) << name;
        EXPECT_FALSE(fs::exists(scratch.path() / "made")) << name;
        EXPECT_FALSE(fs::exists("/quenlow-zip-made")) << name;
        EXPECT_FALSE(fs::exists("C:/quenlow-zip-made")) << name;
    }
    // The file itself is still created at the name given.
    EXPECT_EQ(extractByName(archive.zip, 0, "../x.txt"), ZIP_OK);
    EXPECT_EQ(readWholeFile(scratch.path() / "x.txt"), "x");
}

TEST(ZipFileExtract, ReadOnlyEntryCannotBeUnpackedOverItself) {
    ScratchWorkingDirectory scratch;
    BuiltZip built = buildZip({{"locked.txt", "first", true, 0x00000020}, {"free.txt", "free"}});
    OpenArchive archive(built);
    EXPECT_EQ(extractByName(archive.zip, 0, "locked.txt"), ZIP_OK);
    EXPECT_EQ(extractByName(archive.zip, 0, "locked.txt"), ZIP_OPEN_FAILED);
    EXPECT_EQ(readWholeFile(scratch.path() / "locked.txt"), "first");
    // The archive stays usable, and a writable file is replaced each time.
    writeWholeFile(scratch.path() / "free.txt", "something longer than the entry");
    EXPECT_EQ(extractByName(archive.zip, 1, "free.txt"), ZIP_OK);
    EXPECT_EQ(extractByName(archive.zip, 1, "free.txt"), ZIP_OK);
    EXPECT_EQ(readWholeFile(scratch.path() / "free.txt"), "free");
}

TEST(ZipFileExtract, CorruptLocalHeaderFailsThatEntryOnly) {
    ScratchWorkingDirectory scratch;
    BuiltZip built = buildZip({{"a.txt", "aaa"}, {"b.txt", "bbb"}, {"c.txt", "ccc"}});
    built.bytes[built.localHeaderOffsets[1] + 26] ^= 0x01; // name length 5 -> 4
    OpenArchive archive(built);
    EXPECT_EQ(extractByName(archive.zip, 1, "b.txt"), ZIP_CORRUPT);
    EXPECT_FALSE(fs::exists(scratch.path() / "b.txt"));
    EXPECT_EQ(extractByName(archive.zip, 2, "c.txt"), ZIP_OK);
    EXPECT_EQ(extractByName(archive.zip, 0, "a.txt"), ZIP_OK);
    EXPECT_EQ(readWholeFile(scratch.path() / "c.txt"), "ccc");
}

TEST(ZipFileExtract, DamagedDataStopsWithAWriteErrorAndKeepsThePartlyWrittenFile) {
    ScratchWorkingDirectory scratch;
    std::string data = patternData(50000);
    BuiltZip built = buildZip({{"damaged.bin", data}});
    for (uint32_t i = 4000; i < 4100; ++i)
        built.bytes[built.localHeaderOffsets[0] + 30 + 11 + i] ^= 0x5A;
    OpenArchive archive(built);
    EXPECT_EQ(extractByName(archive.zip, 0, "damaged.bin"), ZIP_WRITE_FAILED);
    EXPECT_TRUE(fs::exists(scratch.path() / "damaged.bin"));
}

TEST(ModelArchiveUnpacking, SkipsMembersThatWouldLandOutsideTheDirectory) {
    ScratchWorkingDirectory scratch;
    fs::create_directory(scratch.path() / "temp");
    fs::create_directory(scratch.path() / "temp" / "inner");
    fs::current_path(scratch.path() / "temp");
    BuiltZip built = buildZip({{"quenlow.jpg", "jpeg"},
                               {"../escaped.txt", "no"},
                               {"inner/../../escaped2.txt", "no"},
                               {"inner\\..\\..\\escaped3.txt", "no"},
                               {"..", "no"},
                               {"/tmp/quenlow-absolute.txt", "no"},
                               {"\\quenlow-absolute.txt", "no"},
                               {"C:escaped4.txt", "no"},
                               {"c:/escaped5.txt", "no"},
                               {"inner/kept.txt", "kept"},
                               {"Quenlow.3DS", "model"}});
    EXPECT_TRUE(unpackModelArchive(built.bytes.data(), static_cast<uint32_t>(built.bytes.size())));
    EXPECT_EQ(readWholeFile(scratch.path() / "temp" / "quenlow.jpg"), "jpeg");
    EXPECT_EQ(readWholeFile(scratch.path() / "temp" / "Quenlow.3DS"), "model");
    EXPECT_EQ(readWholeFile(scratch.path() / "temp" / "inner" / "kept.txt"), "kept");
    std::vector<fs::path> found;
    for (const auto& item : fs::recursive_directory_iterator(scratch.path()))
        found.push_back(fs::relative(item.path(), scratch.path()));
    EXPECT_EQ(found.size(), 5u); // temp, temp/inner and the three files
    EXPECT_FALSE(fs::exists("/tmp/quenlow-absolute.txt"));
}

TEST(ModelArchiveUnpacking, AnUnreadableArchiveWritesNothing) {
    ScratchWorkingDirectory scratch;
    std::string noise = patternData(300);
    EXPECT_FALSE(unpackModelArchive(noise.data(), static_cast<uint32_t>(noise.size())));
    EXPECT_FALSE(unpackModelArchive(nullptr, 0));
    EXPECT_TRUE(fs::is_empty(scratch.path()));
}

} // namespace
