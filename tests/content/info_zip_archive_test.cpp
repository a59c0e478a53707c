// Archives written by Info-ZIP's zip at test time: its "UT" blocks, Unix
// modes and directory entries, read from memory, by file name and through a
// file descriptor.

#include "content/zip_archive.h"
#include "tests/content/scratch_working_directory.h"
#include "tests/content/zip_test_support.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr int64_t MODIFIED = 1600000001; // odd: the DOS time rounds it to ...02
constexpr int64_t ACCESSED = 1600000003;

void setTimes(const fs::path& path, int64_t accessed, int64_t modified) {
    const timespec times[2] = {{static_cast<time_t>(accessed), 0},
                               {static_cast<time_t>(modified), 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

// Writes a.txt (0644), ro.txt (0444) and sub/b.txt with fixed times and packs
// them with Info-ZIP's zip into made.zip; returns its path.
fs::path makeInfoZipArchive(const fs::path& directory) {
    std::string zip = QUENLOW_INFO_ZIP;
    if (zip.empty() || !fs::exists(zip))
        ADD_FAILURE() << "Info-ZIP's zip was not found when the build was configured; install "
                         "it (scripts/bootstrap installs the package \"zip\") and configure again";
    fs::create_directory(directory / "sub");
    writeWholeFile(directory / "a.txt", patternData(5000));
    writeWholeFile(directory / "ro.txt", "read only\n");
    writeWholeFile(directory / "sub" / "b.txt", "b\n");
    fs::permissions(directory / "ro.txt", fs::perms(0444));
    for (const char* name : {"a.txt", "ro.txt", "sub/b.txt", "sub"})
        setTimes(directory / name, ACCESSED, MODIFIED);
    std::string command = "cd '" + directory.string() + "' && TZ=UTC ZIPOPT= '" + zip +
                          "' -q -r made.zip a.txt ro.txt sub";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    return directory / "made.zip";
}

void expectInfoZipEntries(ZipHandle* zip) {
    ASSERT_NE(zip, nullptr);
    ArchiveEntry entry{};
    ASSERT_EQ(zipGetEntry(zip, -1, &entry), ZIP_OK);
    ASSERT_EQ(entry.index, 4);
    struct Expected {
        const char* name;
        uint32_t attributes;
    };
    const Expected expected[] = {
        {"a.txt", 0x80}, {"ro.txt", 0x81}, {"sub/", 0x90}, {"sub/b.txt", 0x80}};
    for (int32_t index = 0; index < 4; ++index) {
        ASSERT_EQ(zipGetEntry(zip, index, &entry), ZIP_OK);
        EXPECT_STREQ(entry.name, expected[index].name);
        EXPECT_EQ(entry.attributes, expected[index].attributes) << entry.name;
        // The local "UT" block holds modification and access times; the
        // creation time keeps the DOS time, written in UTC here.
        EXPECT_EQ(ticksOf(entry.modificationTime), ticksOfUnix(MODIFIED)) << entry.name;
        if (index != 2) { // zip reads the directory, which changes its access time
            EXPECT_EQ(ticksOf(entry.accessTime), ticksOfUnix(ACCESSED)) << entry.name;
        }
        EXPECT_EQ(ticksOf(entry.creationTime), ticksOfUnix(MODIFIED + 1)) << entry.name;
    }
    EXPECT_TRUE(unpackToMemory(zip, 0, 5000, 4096).data == patternData(5000));
    EXPECT_EQ(unpackToMemory(zip, 3, 2, 4096).data, "b\n");
}

TEST(ZipInfoZip, ReadsTimesModesAndDirectoriesFromMemory) {
    ScratchWorkingDirectory scratch;
    std::string bytes = readWholeFile(makeInfoZipArchive(scratch.path()));
    ZipHandle* zip = zipOpen(bytes.data(), static_cast<uint32_t>(bytes.size()), ZIP_MEMORY);
    expectInfoZipEntries(zip);
    EXPECT_EQ(zipClose(zip), ZIP_OK);
}

TEST(ZipInfoZip, ReadsByFileNameAndThroughADescriptorFromItsPosition) {
    ScratchWorkingDirectory scratch;
    fs::path made = makeInfoZipArchive(scratch.path());
    ZipHandle* byName = zipOpen(made.c_str(), 0, ZIP_FILE_NAME);
    expectInfoZipEntries(byName);
    zipClose(byName);

    // The archive after 1000 other bytes, read from the descriptor's position.
    writeWholeFile(scratch.path() / "prefixed.bin", patternData(1000) + readWholeFile(made));
    int fd = open((scratch.path() / "prefixed.bin").c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(lseek(fd, 1000, SEEK_SET), 1000);
    ZipHandle* byHandle =
        zipOpen(reinterpret_cast<void*>(static_cast<intptr_t>(fd)), 0, ZIP_FILE_HANDLE);
    expectInfoZipEntries(byHandle);
    zipClose(byHandle);
    EXPECT_NE(fcntl(fd, F_GETFD), -1); // the caller's descriptor stays open
    close(fd);
}

TEST(ZipInfoZip, UnpackedFilesGetTheEntryTimesAndReadOnlyMode) {
    ScratchWorkingDirectory scratch;
    fs::path made = makeInfoZipArchive(scratch.path());
    fs::create_directory(scratch.path() / "out");
    fs::current_path(scratch.path() / "out");
    ZipHandle* zip = zipOpen(made.c_str(), 0, ZIP_FILE_NAME);
    ASSERT_NE(zip, nullptr);
    EXPECT_EQ(zipExtract(zip, 1, const_cast<char*>("ro.txt"), 0, ZIP_FILE_NAME), ZIP_OK);
    EXPECT_EQ(zipExtract(zip, 1, const_cast<char*>("ro.txt"), 0, ZIP_FILE_NAME), ZIP_OPEN_FAILED);
    int fd = open("copy.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    EXPECT_EQ(
        zipExtract(zip, 3, reinterpret_cast<void*>(static_cast<intptr_t>(fd)), 0, ZIP_FILE_HANDLE),
        ZIP_OK);
    close(fd);
    zipClose(zip);
    struct stat status {};
    ASSERT_EQ(stat("ro.txt", &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0444u);
    EXPECT_EQ(status.st_mtim.tv_sec, MODIFIED);
    EXPECT_EQ(status.st_atim.tv_sec, ACCESSED);
    EXPECT_EQ(readWholeFile("copy.txt"), "b\n");
    ASSERT_EQ(stat("copy.txt", &status), 0);
    EXPECT_EQ(status.st_mtim.tv_sec, MODIFIED);
}

TEST(ZipInfoZip, FileSourcesRefuseWhatTheyCannotRead) {
    ScratchWorkingDirectory scratch;
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    EXPECT_EQ(
        zipOpen(reinterpret_cast<void*>(static_cast<intptr_t>(pipeEnds[0])), 0, ZIP_FILE_HANDLE),
        nullptr);
    char text[64];
    zipResultText(ZIP_LAST_RESULT, text, sizeof text);
    EXPECT_STREQ(text, "Zip-bug: trying to seek the unseekable");
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    EXPECT_EQ(zipOpen(reinterpret_cast<void*>(intptr_t{-1}), 0, ZIP_FILE_HANDLE), nullptr);
    EXPECT_EQ(zipOpen("missing.zip", 0, ZIP_FILE_NAME), nullptr);
    zipResultText(ZIP_LAST_RESULT, text, sizeof text);
    EXPECT_STREQ(text, "Couldn't create/open file");
    writeWholeFile("plain.txt", "not an archive");
    EXPECT_EQ(zipOpen("plain.txt", 0, ZIP_FILE_NAME), nullptr);
    zipResultText(ZIP_LAST_RESULT, text, sizeof text);
    EXPECT_STREQ(text, "Zipfile is corrupt or not a zipfile");
}

} // namespace
