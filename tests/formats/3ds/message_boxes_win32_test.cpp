// The boxes the model readers show, as real Windows message boxes under
// Wine: watched, read and closed without blocking the test.

#include "tests/formats/3ds/message_box_watcher_win32.h"
#include "tests/formats/3ds/wgl_test_context_win32.h"

#include "formats/3ds/material_texture.h"
#include "formats/3ds/model_3ds.h"
#include "tests/content/scratch_working_directory.h"
#include "tests/support/chunk_writer_3ds.h"
#include "tests/support/jpeg_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct ModelFileCase {
    const char* label;
    Bytes bytes;
    bool loads;
    const char* text; // %s: the model's path
    const char* caption;
};

void PrintTo(const ModelFileCase& c, std::ostream* out) {
    *out << c.label;
}

class ModelFileBoxes : public ::testing::TestWithParam<ModelFileCase> {};

std::string withPath(std::string text, const std::string& path) {
    size_t at = text.find("%s");
    return at == std::string::npos ? text : text.replace(at, 2, path);
}

// The reader's boxes have no owner, even while a window is active, and no
// icon.
TEST_P(ModelFileBoxes, ShowTheirTextOnceWithoutOwnerOrIcon) {
    const ModelFileCase& c = GetParam();
    ScratchWorkingDirectory directory;
    std::string path = (directory.path() / "Model.3DS").string();
    writeBytes(path, c.bytes);
    WglTestContext activeWindow(true); // which the boxes must not take as owner
    ASSERT_EQ(GetActiveWindow(), activeWindow.window());
    MessageBoxWatcher boxes;
    ASSERT_TRUE(boxes.valid());
    Model3DS model;
    EXPECT_EQ(model.load(path.c_str()), c.loads);
    ASSERT_EQ(boxes.boxes().size(), 1u);
    const WatchedMessageBox& box = boxes.boxes()[0];
    EXPECT_EQ(box.caption, c.caption);
    EXPECT_EQ(box.text, withPath(c.text, path));
    EXPECT_EQ(box.owner, nullptr);
    EXPECT_EQ(box.icon, nullptr);
}

const char* const primaryText = "Unable to load PRIMARY chuck from file: %s!";

INSTANTIATE_TEST_SUITE_P(
    Files, ModelFileBoxes,
    ::testing::Values(ModelFileCase{"an MS3D file", cat({text("MS3D000000"), u32(4)}), false,
                                    primaryText, "Error"},
                      ModelFileCase{"shorter than a header", Bytes{0x4D, 0x4D, 0x06}, false,
                                    primaryText, "Error"},
                      ModelFileCase{
                          "version 4", chunkBytes(chunk(0x4D4D, {}, {chunk(0x0002, u32(4))})), true,
                          "This 3DS file is over version 3 so it may load incorrectly", "Warning"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

// JPEG damage reaches the user in boxes owned by the active window, with the
// error icon: the first warning of a decompression, then any fatal error,
// which leaves the texture unset; after a warning alone the picture is
// still uploaded.
struct JpegCase {
    const char* label;
    size_t keptAfterScanStart; // bytes kept from the start-of-scan marker on; 0: cut in the header
    std::vector<std::string> texts;
    bool uploads;
};

void PrintTo(const JpegCase& c, std::ostream* out) {
    *out << c.label;
}

class JpegBoxes : public ::testing::TestWithParam<JpegCase> {};

Bytes cutJpeg(size_t keptAfterScanStart) {
    std::vector<uint8_t> samples(64 * 64 * 3);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<uint8_t>((i * 7919) >> 3);
    Bytes jpeg = encodeJpeg(64, 64, 3, samples);
    if (keptAfterScanStart == 0)
        return Bytes(jpeg.begin(), jpeg.begin() + 30);
    size_t scan = 0;
    while (scan + 1 < jpeg.size() && !(jpeg[scan] == 0xFF && jpeg[scan + 1] == 0xDA))
        ++scan;
    return Bytes(jpeg.begin(), jpeg.begin() + std::min(jpeg.size(), scan + keptAfterScanStart));
}

TEST_P(JpegBoxes, ShowTheLibrarysMessageOwnedByTheActiveWindow) {
    const JpegCase& c = GetParam();
    WglTestContext gl(true);
    ASSERT_TRUE(gl.valid());
    ScratchWorkingDirectory directory;
    writeBytes((directory.path() / "CUT.JPG").string(), cutJpeg(c.keptAfterScanStart));
    HWND active = GetActiveWindow();
    EXPECT_EQ(active, gl.window());
    unsigned int textures[Model3DS::textureSlots] = {};
    MessageBoxWatcher boxes;
    ASSERT_TRUE(boxes.valid());
    loadMaterialTexture(textures, "CUT.JPG", 0, (directory.path() / "Model.3DS").string().c_str());
    std::vector<std::string> texts;
    for (const WatchedMessageBox& box : boxes.boxes()) {
        texts.push_back(box.text);
        EXPECT_EQ(box.caption, "JPEG Library Error");
        EXPECT_EQ(box.owner, active);
        EXPECT_EQ(box.icon, LoadIconA(nullptr, IDI_ERROR));
    }
    EXPECT_EQ(texts, c.texts);
    EXPECT_EQ(textures[0] != 0, c.uploads);
    if (c.uploads) {
        EXPECT_EQ(readTextureLevelZero(textures[0]).width, 64);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, JpegBoxes,
    ::testing::Values(JpegCase{"cut in the header",
                               0,
                               {"Premature end of JPEG file", "JPEG datastream contains no image"},
                               false},
                      JpegCase{"cut in the picture", 500, {"Premature end of JPEG file"}, true}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

} // namespace
