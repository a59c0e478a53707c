#include "content/zip_archive.h"

#include "content/zip_entry_description.h"
#include "content/zip_file_source.h"
#include "content/zip_file_system.h"
#include "content/zip_last_result.h"
#include "content/zip_memory_source.h"
#include "content/zip_minizip_source.h"
#include "content/zip_paths.h"

#include <climits>
#include <cstring>
#include <vector>

struct ZipArchive {
    unzFile archive = nullptr;
    // The entry whose stream is open for unpacking into memory, or -1.
    int32_t unzippingIndex = -1;
    ArchiveEntry cachedEntry{};
    int32_t cachedIndex = -1;
    // The current directory at open time and a separator.
    char baseDir[260] = {};
};

namespace {

constexpr uint32_t DIRECTORY_ATTRIBUTE = 0x10;
constexpr uint32_t UNPACK_BLOCK = 0x4000;

// The object behind a handle, or the result that refuses the handle.
ZipResult checkHandle(const ZipHandle* handle) {
    if (handle == nullptr)
        return ZIP_BAD_ARGUMENTS;
    if (handle->kind != ZIP_READER_KIND)
        return ZIP_WRONG_HANDLE_KIND;
    return ZIP_OK;
}

int32_t entryCount(ZipArchive& zip) {
    unz_global_info64 info{};
    if (unzGetGlobalInfo64(zip.archive, &info) != UNZ_OK)
        return 0;
    return info.number_entry > INT32_MAX ? INT32_MAX : static_cast<int32_t>(info.number_entry);
}

bool isEntryIndex(ZipArchive& zip, int32_t index) {
    return index >= 0 && index < entryCount(zip);
}

void closeEntryStream(ZipArchive& zip) {
    if (zip.unzippingIndex != -1) {
        unzCloseCurrentFile(zip.archive);
        zip.unzippingIndex = -1;
    }
}

// The index of minizip's current entry, or -1 when it has none.
int64_t currentIndex(ZipArchive& zip) {
    unz64_file_pos position{};
    if (unzGetFilePos64(zip.archive, &position) != UNZ_OK)
        return -1;
    return static_cast<int64_t>(position.num_of_file);
}

// Makes entry `index` the current one, from the first entry when it lies
// behind. False when the directory ends or breaks before it.
bool moveToEntry(ZipArchive& zip, int32_t index) {
    int64_t current = currentIndex(zip);
    if (current < 0 || index < current) {
        if (unzGoToFirstFile(zip.archive) != UNZ_OK)
            return false;
        current = 0;
    }
    while (current < index) {
        if (unzGoToNextFile(zip.archive) != UNZ_OK)
            return false;
        current = currentIndex(zip);
        if (current < 0)
            return false;
    }
    return true;
}

// Reads the current entry's local extra field, checking its local header
// against the directory record on the way.
ZipResult readLocalExtraField(ZipArchive& zip, std::vector<uint8_t>& extra) {
    int method = 0, level = 0;
    if (unzOpenCurrentFile2(zip.archive, &method, &level, 1) != UNZ_OK)
        return ZIP_CORRUPT;
    int size = unzGetLocalExtrafield(zip.archive, nullptr, 0);
    ZipResult result = size < 0 ? ZIP_READ_FAILED : ZIP_OK;
    if (size > 0) {
        extra.resize(static_cast<size_t>(size));
        if (unzGetLocalExtrafield(zip.archive, extra.data(), static_cast<unsigned>(size)) != size)
            result = ZIP_READ_FAILED;
    }
    unzCloseCurrentFile(zip.archive);
    return result;
}

// Describes the current entry, which has index `index`.
ZipResult describeCurrentEntry(ZipArchive& zip, int32_t index, ArchiveEntry& entry) {
    unz_file_info64 info{};
    char name[260] = {};
    if (unzGetCurrentFileInfo64(zip.archive, &info, name, sizeof name - 1, nullptr, 0, nullptr,
                                0) != UNZ_OK)
        return ZIP_CORRUPT;
    std::vector<uint8_t> extra;
    ZipResult result = readLocalExtraField(zip, extra);
    if (result != ZIP_OK)
        return result;
    entry = ArchiveEntry{};
    entry.index = index;
    std::memcpy(entry.name, name, sizeof entry.name);
    entry.attributes = attributesFromExternal(static_cast<uint32_t>(info.external_fa));
    entry.compressedSize = static_cast<int32_t>(info.compressed_size);
    entry.uncompressedSize = static_cast<int32_t>(info.uncompressed_size);
    FileTime dosTime = fileTimeFromDos(static_cast<uint32_t>(info.dosDate));
    entry.accessTime = entry.creationTime = entry.modificationTime = dosTime;
    applyExtendedTimestamp(extra.data(), static_cast<uint32_t>(extra.size()), entry);
    return ZIP_OK;
}

ZipResult getEntry(ZipArchive& zip, int32_t index, ArchiveEntry* entry) {
    if (entry == nullptr || index < -1 || index >= entryCount(zip))
        return ZIP_BAD_ARGUMENTS;
    closeEntryStream(zip);
    if (index != -1 && index == zip.cachedIndex) {
        *entry = zip.cachedEntry;
        return ZIP_OK;
    }
    if (index == -1) {
        *entry = ArchiveEntry{};
        entry->index = entryCount(zip);
        return ZIP_OK;
    }
    if (!moveToEntry(zip, index))
        return ZIP_CORRUPT;
    ArchiveEntry described;
    ZipResult result = describeCurrentEntry(zip, index, described);
    if (result != ZIP_OK)
        return result;
    *entry = described;
    zip.cachedEntry = described;
    zip.cachedIndex = index;
    return ZIP_OK;
}

// The file that an entry is unpacked into: a handle of the caller's, or a
// file created by name (owned here).
struct UnpackTarget {
    PlatformFile file;
    bool owned;
};

ZipResult openUnpackTarget(ZipArchive& zip, const ArchiveEntry& entry, void* target,
                           uint32_t targetKind, UnpackTarget& out) {
    if (targetKind == ZIP_FILE_HANDLE) {
        out = {reinterpret_cast<PlatformFile>(target), false};
        return isValidFile(out.file) ? ZIP_OK : ZIP_OPEN_FAILED;
    }
    const char* name = static_cast<const char*>(target);
    std::string directory = directoryPart(name);
    if (isSafeRelativePath(directory))
        createDirectories(zip.baseDir, directory);
    out = {createFileAnew(name, entry.attributes), true};
    return out.file == NO_PLATFORM_FILE ? ZIP_OPEN_FAILED : ZIP_OK;
}

// Copies the open entry stream into `file` in blocks; false on an inflate or
// write error, or when the unpacked data fails its CRC check.
bool copyEntryStream(ZipArchive& zip, PlatformFile file) {
    std::vector<char> block(UNPACK_BLOCK);
    bool ok = true;
    for (;;) {
        int count = unzReadCurrentFile(zip.archive, block.data(), UNPACK_BLOCK);
        if (count < 0)
            ok = false;
        if (count <= 0)
            break;
        if (!writeToFile(file, block.data(), static_cast<uint32_t>(count))) {
            ok = false;
            break;
        }
    }
    int closed = unzCloseCurrentFile(zip.archive);
    return ok && closed != UNZ_CRCERROR;
}

ZipResult extractToFile(ZipArchive& zip, int32_t index, void* target, uint32_t targetKind) {
    closeEntryStream(zip);
    if (!isEntryIndex(zip, index))
        return ZIP_BAD_ARGUMENTS;
    if (targetKind == ZIP_FILE_NAME && target == nullptr)
        return ZIP_BAD_ARGUMENTS;
    ArchiveEntry entry;
    ZipResult described = getEntry(zip, index, &entry);
    if (described != ZIP_OK)
        return described;
    if (entry.attributes & DIRECTORY_ATTRIBUTE) {
        if (targetKind == ZIP_FILE_NAME && isSafeRelativePath(entry.name))
            createDirectories(zip.baseDir, entry.name);
        return ZIP_OK;
    }
    UnpackTarget out;
    ZipResult opened = openUnpackTarget(zip, entry, target, targetKind, out);
    if (opened != ZIP_OK)
        return opened;
    bool ok = moveToEntry(zip, index) && unzOpenCurrentFile(zip.archive) == UNZ_OK &&
              copyEntryStream(zip, out.file);
    if (ok && isDiskFile(out.file))
        setFileTimes(out.file, entry.creationTime, entry.accessTime, entry.modificationTime);
    if (out.owned)
        closeFile(out.file);
    return ok ? ZIP_OK : ZIP_WRITE_FAILED;
}

ZipResult extractToMemory(ZipArchive& zip, int32_t index, void* target, uint32_t length) {
    if (target == nullptr || length == 0)
        return ZIP_BAD_ARGUMENTS;
    if (zip.unzippingIndex == -1 || index != zip.unzippingIndex) {
        closeEntryStream(zip);
        if (!isEntryIndex(zip, index))
            return ZIP_BAD_ARGUMENTS;
        if (!moveToEntry(zip, index) || unzOpenCurrentFile(zip.archive) != UNZ_OK)
            return ZIP_CORRUPT;
        zip.unzippingIndex = index;
    }
    unsigned piece = length > 0x40000000u ? 0x40000000u : length;
    int count = unzReadCurrentFile(zip.archive, target, piece);
    if (count > 0)
        return ZIP_MORE_DATA;
    int closed = unzCloseCurrentFile(zip.archive);
    zip.unzippingIndex = -1;
    return count == 0 && closed != UNZ_CRCERROR ? ZIP_OK : ZIP_FLATE_ERROR;
}

ZipArchive* openArchive(const void* source, uint32_t length, uint32_t sourceKind,
                        ZipResult& result) {
    ZipByteSource* bytes = nullptr;
    switch (sourceKind) {
    case ZIP_FILE_HANDLE:
        result = openFileHandleSource(reinterpret_cast<PlatformFile>(source), &bytes);
        break;
    case ZIP_FILE_NAME:
        result = source == nullptr ? ZIP_BAD_ARGUMENTS
                                   : openFileNameSource(static_cast<const char*>(source), &bytes);
        break;
    case ZIP_MEMORY:
        result = source == nullptr && length > 0 ? ZIP_BAD_ARGUMENTS : ZIP_OK;
        if (result == ZIP_OK)
            bytes = openMemorySource(source, length);
        break;
    default:
        result = ZIP_BAD_ARGUMENTS;
    }
    if (result != ZIP_OK)
        return nullptr;
    unzFile archive = openArchiveOver(bytes);
    if (archive == nullptr) {
        result = ZIP_CORRUPT;
        return nullptr;
    }
    auto* zip = new ZipArchive;
    zip->archive = archive;
    std::string baseDir = currentDirectoryWithSeparator();
    if (baseDir.size() < sizeof zip->baseDir)
        std::memcpy(zip->baseDir, baseDir.c_str(), baseDir.size() + 1);
    return zip;
}

} // namespace

ZipHandle* zipOpen(const void* source, uint32_t length, uint32_t sourceKind) {
    ZipResult result = ZIP_OK;
    ZipArchive* zip = openArchive(source, length, sourceKind, result);
    recordZipResult(result);
    return zip == nullptr ? nullptr : new ZipHandle{ZIP_READER_KIND, zip};
}

ZipResult zipGetEntry(ZipHandle* handle, int32_t index, ArchiveEntry* entry) {
    ZipResult checked = checkHandle(handle);
    if (checked != ZIP_OK)
        return recordZipResult(checked);
    return recordZipResult(getEntry(*handle->archive, index, entry));
}

ZipResult zipExtract(ZipHandle* handle, int32_t index, void* target, uint32_t length,
                     uint32_t targetKind) {
    ZipResult checked = checkHandle(handle);
    if (checked != ZIP_OK)
        return recordZipResult(checked);
    ZipArchive& zip = *handle->archive;
    switch (targetKind) {
    case ZIP_FILE_HANDLE:
    case ZIP_FILE_NAME:
        return recordZipResult(extractToFile(zip, index, target, targetKind));
    case ZIP_MEMORY:
        return recordZipResult(extractToMemory(zip, index, target, length));
    default:
        return recordZipResult(ZIP_BAD_ARGUMENTS);
    }
}

ZipResult zipClose(ZipHandle* handle) {
    ZipResult checked = checkHandle(handle);
    if (checked != ZIP_OK)
        return recordZipResult(checked);
    closeEntryStream(*handle->archive);
    unzClose(handle->archive->archive);
    delete handle->archive;
    delete handle;
    return recordZipResult(ZIP_OK);
}

ZipResult zipFindEntry(ZipHandle* handle, const char* name, bool ignoreCase, int32_t* index,
                       ArchiveEntry* entry) {
    ZipResult checked = checkHandle(handle);
    if (checked != ZIP_OK || name == nullptr)
        return recordZipResult(checked != ZIP_OK ? checked : ZIP_BAD_ARGUMENTS);
    ZipArchive& zip = *handle->archive;
    if (unzLocateFile(zip.archive, name, ignoreCase ? 2 : 1) != UNZ_OK) {
        if (index != nullptr)
            *index = -1;
        if (entry != nullptr) {
            *entry = ArchiveEntry{};
            entry->index = -1;
        }
        return recordZipResult(ZIP_NOT_FOUND);
    }
    closeEntryStream(zip);
    auto found = static_cast<int32_t>(currentIndex(zip));
    if (index != nullptr)
        *index = found;
    return recordZipResult(entry == nullptr ? ZIP_OK : getEntry(zip, found, entry));
}

bool zipIsReader(const ZipHandle* handle) {
    return handle != nullptr && handle->kind == ZIP_READER_KIND;
}
