#include "tools/default_model/model_archive.h"

#include <minizip/zip.h>
#include <zlib.h>

namespace {

constexpr uint32_t EXTERNAL_ATTRIBUTES = 0x81B60020;
constexpr uLong MADE_BY_UNIX_2_0 = 0x0314;

bool addMember(zipFile zip, const ArchiveMember& member) {
    zip_fileinfo info{};
    info.dosDate = member.dosDateTime;
    info.external_fa = EXTERNAL_ATTRIBUTES;
    if (zipOpenNewFileInZip4(zip, member.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                             Z_DEFLATED, 9, 0, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY, nullptr, 0,
                             MADE_BY_UNIX_2_0, 0) != ZIP_OK)
        return false;
    bool written = zipWriteInFileInZip(zip, member.data.data(),
                                       static_cast<unsigned>(member.data.size())) == ZIP_OK;
    return zipCloseFileInZip(zip) == ZIP_OK && written;
}

} // namespace

bool writeModelArchive(const std::string& path, const std::vector<ArchiveMember>& members) {
    zipFile zip = zipOpen(path.c_str(), APPEND_STATUS_CREATE);
    if (zip == nullptr)
        return false;
    bool ok = true;
    for (const ArchiveMember& member : members)
        ok = ok && addMember(zip, member);
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}
