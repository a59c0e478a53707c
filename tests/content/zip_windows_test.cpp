// The Windows side of the ZIP reader: attributes and times of unpacked
// files, file handles as sources and targets, and the default-model
// installation from the embedded resource into TEMP.

#include "content/default_model_installation_win32.h"
#include "content/zip_archive.h"
#include "host/instance_handle_win32.h"
#include "tests/content/scratch_working_directory.h"
#include "tests/content/zip_builder.h"
#include "tests/content/zip_test_support.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr int32_t MODIFIED = 1600000001, ACCESSED = 1600000003, CREATED = 1500000005;

struct FileTimes {
    uint64_t creation, access, modification;
};

uint64_t ticksOfFiletime(const FILETIME& time) {
    return static_cast<uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

FileTimes timesOf(HANDLE file) {
    FILETIME creation{}, access{}, modification{};
    EXPECT_TRUE(GetFileTime(file, &creation, &access, &modification));
    return {ticksOfFiletime(creation), ticksOfFiletime(access), ticksOfFiletime(modification)};
}

FileTimes timesOf(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << path;
    FileTimes times = timesOf(file);
    CloseHandle(file);
    return times;
}

void* asTarget(HANDLE handle) {
    return static_cast<void*>(handle);
}

ZipResult extractByName(ZipHandle* zip, int32_t index, const char* name) {
    return zipExtract(zip, index, const_cast<char*>(name), 0, ZIP_FILE_NAME);
}

BuiltZip timedArchive() {
    ZipBuilderEntry timed("timed.txt", "timed");
    timed.localExtra = extendedTimestamp(7, {MODIFIED, ACCESSED, CREATED});
    timed.externalAttributes = 0x81240022; // mode 0100444, archive and hidden
    ZipBuilderEntry plain("plain.txt", patternData(20000));
    plain.dosTime = dosDateTime(2008, 10, 9, 9, 14, 48);
    return buildZip({timed, plain});
}

struct OpenArchive {
    explicit OpenArchive(const BuiltZip& built)
        : zip(zipOpen(built.bytes.data(), static_cast<uint32_t>(built.bytes.size()), ZIP_MEMORY)) {}
    ~OpenArchive() { zipClose(zip); }
    ZipHandle* zip;
};

TEST(ZipWindowsFiles, UnpackedFilesGetTheEntryAttributesAndTimes) {
    ScratchWorkingDirectory scratch;
    BuiltZip built = timedArchive();
    OpenArchive archive(built);
    ASSERT_EQ(extractByName(archive.zip, 0, "timed.txt"), ZIP_OK);
    DWORD attributes = GetFileAttributesA("timed.txt");
    EXPECT_EQ(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
              DWORD{FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN});
    FileTimes times = timesOf("timed.txt");
    EXPECT_EQ(times.modification, ticksOfUnix(MODIFIED));
    EXPECT_EQ(times.access, ticksOfUnix(ACCESSED));
    // Wine keeps no creation time of its own (the Unix file has none to set).
    if (times.creation != times.modification) {
        EXPECT_EQ(times.creation, ticksOfUnix(CREATED));
    }

    ASSERT_EQ(extractByName(archive.zip, 1, "plain.txt"), ZIP_OK);
    EXPECT_EQ(GetFileAttributesA("plain.txt") & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
              0u);
    // The DOS time as it stands: 09:14:48 whatever the time zone.
    FILETIME written{};
    HANDLE file =
        CreateFileA("plain.txt", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_TRUE(GetFileTime(file, nullptr, nullptr, &written));
    CloseHandle(file);
    SYSTEMTIME calendar{};
    ASSERT_TRUE(FileTimeToSystemTime(&written, &calendar));
    EXPECT_EQ(calendar.wYear, 2008);
    EXPECT_EQ(calendar.wMonth, 10);
    EXPECT_EQ(calendar.wDay, 9);
    EXPECT_EQ(calendar.wHour, 9);
    EXPECT_EQ(calendar.wMinute, 14);
    EXPECT_EQ(calendar.wSecond, 48);
    EXPECT_TRUE(readWholeFile("plain.txt") == patternData(20000));
}

TEST(ZipWindowsFiles, ReadOnlyFileIsNotReplacedAndStaysAsItWas) {
    ScratchWorkingDirectory scratch;
    BuiltZip built = buildZip({{"locked.txt", "locked", true, 0x00000020}, {"next.txt", "next"}});
    OpenArchive archive(built);
    ASSERT_EQ(extractByName(archive.zip, 0, "locked.txt"), ZIP_OK);
    EXPECT_NE(GetFileAttributesA("locked.txt") & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(extractByName(archive.zip, 0, "locked.txt"), ZIP_OPEN_FAILED);
    EXPECT_EQ(readWholeFile("locked.txt"), "locked");
    EXPECT_EQ(extractByName(archive.zip, 1, "next.txt"), ZIP_OK);
}

TEST(ZipWindowsFiles, WritesIntoAnOpenHandleAndLeavesItOpen) {
    ScratchWorkingDirectory scratch;
    BuiltZip built = timedArchive();
    OpenArchive archive(built);
    HANDLE file = CreateFileA("target.bin", GENERIC_WRITE | GENERIC_READ, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_EQ(zipExtract(archive.zip, 0, asTarget(file), 0, ZIP_FILE_HANDLE), ZIP_OK);
    EXPECT_EQ(timesOf(file).modification, ticksOfUnix(MODIFIED)); // a disk file gets the times
    DWORD written = 0;
    EXPECT_TRUE(WriteFile(file, "+", 1, &written, nullptr)) << "the handle stays open";
    CloseHandle(file);
    EXPECT_EQ(readWholeFile("target.bin"), "timed+");
    EXPECT_EQ(zipExtract(archive.zip, 0, asTarget(INVALID_HANDLE_VALUE), 0, ZIP_FILE_HANDLE),
              ZIP_OPEN_FAILED);
    EXPECT_EQ(zipExtract(archive.zip, 0, nullptr, 0, ZIP_FILE_HANDLE), ZIP_OPEN_FAILED);
}

TEST(ZipWindowsFiles, CorruptLocalHeaderFailsThatEntryOnly) {
    ScratchWorkingDirectory scratch;
    BuiltZip built = buildZip({{"a.txt", "aaa"}, {"b.txt", "bbb"}});
    built.bytes[built.localHeaderOffsets[0] + 14] ^= 0xFF; // CRC differs from the directory's
    OpenArchive archive(built);
    EXPECT_EQ(extractByName(archive.zip, 0, "a.txt"), ZIP_CORRUPT);
    EXPECT_EQ(GetFileAttributesA("a.txt"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(extractByName(archive.zip, 1, "b.txt"), ZIP_OK);
    EXPECT_EQ(readWholeFile("b.txt"), "bbb");
}

TEST(ZipWindowsSources, OpensByNameAndByHandleFromItsPosition) {
    ScratchWorkingDirectory scratch;
    BuiltZip built = timedArchive();
    std::string bytes(built.bytes.begin(), built.bytes.end());
    writeWholeFile("archive.zip", bytes);
    writeWholeFile("prefixed.bin", patternData(777) + bytes);

    ZipHandle* byName = zipOpen("archive.zip", 0, ZIP_FILE_NAME);
    ASSERT_NE(byName, nullptr);
    EXPECT_TRUE(unpackToMemory(byName, 1, 20000, 4096).data == patternData(20000));
    zipClose(byName);

    HANDLE file = CreateFileA("prefixed.bin", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    ASSERT_NE(SetFilePointer(file, 777, nullptr, FILE_BEGIN), INVALID_SET_FILE_POINTER);
    ZipHandle* byHandle = zipOpen(file, 0, ZIP_FILE_HANDLE);
    ASSERT_NE(byHandle, nullptr);
    ArchiveEntry entry{};
    ASSERT_EQ(zipGetEntry(byHandle, 0, &entry), ZIP_OK);
    EXPECT_STREQ(entry.name, "timed.txt");
    EXPECT_TRUE(unpackToMemory(byHandle, 1, 20000, 4096).data == patternData(20000));
    zipClose(byHandle);
    EXPECT_NE(GetFileType(file), FILE_TYPE_UNKNOWN) << "the caller's handle stays open";
    CloseHandle(file);
}

TEST(ZipWindowsSources, RefusesPipesAndMissingFiles) {
    ScratchWorkingDirectory scratch;
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, nullptr, 0));
    EXPECT_EQ(zipOpen(readEnd, 0, ZIP_FILE_HANDLE), nullptr);
    char text[64];
    zipResultText(ZIP_LAST_RESULT, text, sizeof text);
    EXPECT_STREQ(text, "Zip-bug: trying to seek the unseekable");
    CloseHandle(readEnd);
    CloseHandle(writeEnd);
    EXPECT_EQ(zipOpen("missing.zip", 0, ZIP_FILE_NAME), nullptr);
    zipResultText(ZIP_LAST_RESULT, text, sizeof text);
    EXPECT_STREQ(text, "Couldn't create/open file");
}

// TEMP and the resource module for one test; both come back afterwards.
class DefaultModelInstallation : public ::testing::Test {
  protected:
    void SetUp() override {
        char buffer[MAX_PATH];
        DWORD length = GetEnvironmentVariableA("TEMP", buffer, sizeof buffer);
        savedTemp_ = length > 0 && length < sizeof buffer ? std::string(buffer) : std::string();
        savedInstance_ = instanceHandle;
        char exe[MAX_PATH];
        GetModuleFileNameA(nullptr, exe, sizeof exe);
        fs::path module = fs::path(exe).parent_path() / "default_model_test_resources.dll";
        resources_ = LoadLibraryA(module.string().c_str());
        ASSERT_NE(resources_, nullptr) << module << " was not built beside the test program";
        instanceHandle = resources_;
        fs::create_directory(scratch_.path() / "temp");
        temp_ = (scratch_.path() / "temp").string();
        SetEnvironmentVariableA("TEMP", temp_.c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableA("TEMP", savedTemp_.empty() ? nullptr : savedTemp_.c_str());
        instanceHandle = savedInstance_;
        if (resources_ != nullptr)
            FreeLibrary(resources_);
    }

    std::string inTemp(const char* name) const { return (fs::path(temp_) / name).string(); }

    ScratchWorkingDirectory scratch_;
    std::string temp_;

  private:
    std::string savedTemp_;
    HINSTANCE savedInstance_ = nullptr;
    HMODULE resources_ = nullptr;
};

TEST_F(DefaultModelInstallation, UnpacksBothMembersIntoTempWithTheirDosTimes) {
    ASSERT_TRUE(installDefaultModel());
    fs::path current = fs::current_path();
    EXPECT_TRUE(fs::equivalent(current, temp_)) << "TEMP stays the current directory";
    std::string texture = readWholeFile(inTemp("quenlow.jpg"));
    std::string model = readWholeFile(inTemp("Quenlow.3DS"));
    EXPECT_EQ(texture.substr(0, 3), "\xFF\xD8\xFF");
    EXPECT_EQ(model.substr(0, 2), "MM");
    EXPECT_EQ(timesOf(inTemp("quenlow.jpg")).modification,
              ticksOfUnix(1223543618)); // 2008-10-09 09:13:38 as it stands
    EXPECT_EQ(timesOf(inTemp("Quenlow.3DS")).modification, ticksOfUnix(1223543688));
    EXPECT_EQ(GetFileAttributesA(inTemp("Quenlow.3DS").c_str()) & FILE_ATTRIBUTE_READONLY, 0u);

    // Each run writes both files anew.
    writeWholeFile(inTemp("Quenlow.3DS"), "edited");
    ASSERT_TRUE(installDefaultModel());
    EXPECT_TRUE(readWholeFile(inTemp("Quenlow.3DS")) == model);
}

TEST_F(DefaultModelInstallation, AReadOnlyTextureIsLeftAndTheModelStillWritten) {
    ASSERT_TRUE(installDefaultModel());
    writeWholeFile(inTemp("quenlow.jpg"), "kept");
    SetFileAttributesA(inTemp("quenlow.jpg").c_str(), FILE_ATTRIBUTE_READONLY);
    writeWholeFile(inTemp("Quenlow.3DS"), "edited");
    EXPECT_TRUE(installDefaultModel());
    EXPECT_TRUE(readWholeFile(inTemp("quenlow.jpg")) == "kept") << "the texture was replaced";
    EXPECT_EQ(readWholeFile(inTemp("Quenlow.3DS")).substr(0, 2), "MM");
}

TEST_F(DefaultModelInstallation, WithoutAUsableTempNothingIsWritten) {
    fs::current_path(scratch_.path());
    SetEnvironmentVariableA("TEMP", nullptr);
    EXPECT_FALSE(installDefaultModel());
    writeWholeFile(scratch_.path() / "a-file", "x");
    SetEnvironmentVariableA("TEMP", (scratch_.path() / "a-file").string().c_str());
    EXPECT_FALSE(installDefaultModel());
    SetEnvironmentVariableA("TEMP", (scratch_.path() / "missing").string().c_str());
    EXPECT_FALSE(installDefaultModel());
    EXPECT_FALSE(fs::exists(scratch_.path() / "quenlow.jpg"));
    EXPECT_FALSE(fs::exists(scratch_.path() / "Quenlow.3DS"));
    EXPECT_TRUE(fs::is_empty(scratch_.path() / "temp"));
}

TEST_F(DefaultModelInstallation, AModuleWithoutTheResourceWritesNothing) {
    instanceHandle = GetModuleHandleA(nullptr); // the test program has no resource 503
    EXPECT_FALSE(installDefaultModel());
    EXPECT_TRUE(fs::is_empty(temp_));
}

} // namespace
