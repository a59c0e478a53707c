// The committed default-model archive as the program embeds it.

#include "content/zip_archive.h"
#include "tests/content/scratch_working_directory.h"
#include "tests/content/zip_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string RESOURCES = std::string(QUENLOW_SOURCE_DIR) + "/resources/";

uint32_t little32(const std::string& bytes, size_t at) {
    return static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8 |
           static_cast<uint8_t>(bytes[at + 2]) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3])) << 24;
}

TEST(DefaultModelArchive, HoldsTheTextureThenTheModelAsCommitted) {
    std::string archive = readWholeFile(RESOURCES + "default_model.zip");
    ZipHandle* zip = zipOpen(archive.data(), static_cast<uint32_t>(archive.size()), ZIP_MEMORY);
    ASSERT_NE(zip, nullptr) << "resources/default_model.zip is missing or unreadable";
    ArchiveEntry entry{};
    ASSERT_EQ(zipGetEntry(zip, -1, &entry), ZIP_OK);
    EXPECT_EQ(entry.index, 2);
    EXPECT_STREQ(entry.name, "");
    struct Member {
        const char* name;
        const char* committed;
        int64_t dosTimeAsUtc;
    };
    const Member members[] = {{"quenlow.jpg", "default_model/quenlow.jpg", 1223543618},
                              {"Quenlow.3DS", "default_model/Quenlow.3DS", 1223543688}};
    for (int32_t index = 0; index < 2; ++index) {
        const Member& member = members[index];
        std::string expected = readWholeFile(RESOURCES + member.committed);
        ASSERT_EQ(zipGetEntry(zip, index, &entry), ZIP_OK);
        EXPECT_STREQ(entry.name, member.name);
        EXPECT_EQ(entry.attributes, 0xA0u) << "normal and archive";
        EXPECT_EQ(ticksOf(entry.modificationTime), ticksOfUnix(member.dosTimeAsUtc));
        EXPECT_EQ(ticksOf(entry.accessTime), ticksOfUnix(member.dosTimeAsUtc));
        EXPECT_EQ(ticksOf(entry.creationTime), ticksOfUnix(member.dosTimeAsUtc));
        EXPECT_EQ(entry.uncompressedSize, static_cast<int32_t>(expected.size()));
        EXPECT_LT(entry.compressedSize, entry.uncompressedSize);
        EXPECT_TRUE(
            unpackToMemory(zip, index, static_cast<uint32_t>(expected.size()), 16384).data ==
            expected)
            << member.name;
    }
    zipClose(zip);
}

TEST(DefaultModelArchive, ModelIsA3dsFileNamingTheTextureInCapitals) {
    std::string model = readWholeFile(RESOURCES + "default_model/Quenlow.3DS");
    ASSERT_GE(model.size(), 16u);
    EXPECT_EQ(static_cast<uint8_t>(model[0]) | static_cast<uint8_t>(model[1]) << 8, 0x4D4D);
    EXPECT_EQ(little32(model, 2), model.size());
    // The top level: version 3, the editor chunk, the keyframer.
    std::vector<uint32_t> ids;
    for (size_t at = 6; at + 6 <= model.size(); at += little32(model, at + 2)) {
        ids.push_back(static_cast<uint8_t>(model[at]) | static_cast<uint8_t>(model[at + 1]) << 8);
        if (little32(model, at + 2) < 6)
            break;
    }
    EXPECT_EQ(ids, (std::vector<uint32_t>{0x0002, 0x3D3D, 0xB000}));
    EXPECT_EQ(little32(model, 12), 3u);
    EXPECT_NE(model.find(std::string("QUENLOW.JPG\0", 12)), std::string::npos);
    EXPECT_NE(model.find(std::string("Sphere01\0", 9)), std::string::npos);
    std::string texture = readWholeFile(RESOURCES + "default_model/quenlow.jpg");
    EXPECT_EQ(texture.substr(0, 3), "\xFF\xD8\xFF");
}

} // namespace
