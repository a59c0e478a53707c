#include "common/message_box_record.h"
#include "formats/3ds/jpeg_file.h"
#include "tests/formats/3ds/texture_test_support.h"
#include "tests/support/jpeg_writer.h"
#include "tests/support/scratch_directory.h"
#include "tests/support/trace_capture.h"

#include <gtest/gtest.h>

namespace {

class JpegFile : public ::testing::Test {
  protected:
    void SetUp() override { clearRecordedMessageBoxes(); }
    void TearDown() override { clearRecordedMessageBoxes(); }

    std::string write(const std::string& name, const Bytes& bytes) {
        std::string path = directory.file(name);
        writeBytes(path, bytes);
        return path;
    }

    ScratchDirectory directory;
};

// Top half red, bottom half blue: the first rows delivered are the bottom.
TEST_F(JpegFile, RowsComeBottomFirstAsRgb) {
    std::vector<uint8_t> samples;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            samples.insert(samples.end(), {uint8_t(y < 8 ? 255 : 0), 0, uint8_t(y < 8 ? 0 : 255)});
    std::string path = write("halves.jpg", encodeJpeg(16, 16, 3, samples));
    int width = 0, height = 0;
    ASSERT_TRUE(probeJpegSize(path.c_str(), width, height));
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 16);
    std::vector<uint8_t> pixels(16 * 16 * 3);
    ASSERT_TRUE(decodeJpeg(path.c_str(), pixels.data(), 16, 16));
    const uint8_t* bottom = &pixels[(1 * 16 + 8) * 3];
    const uint8_t* top = &pixels[(14 * 16 + 8) * 3];
    EXPECT_LT(bottom[0], 20);
    EXPECT_GT(bottom[2], 235);
    EXPECT_GT(top[0], 235);
    EXPECT_LT(top[2], 20);
    EXPECT_TRUE(recordedMessageBoxes().empty());
}

TEST_F(JpegFile, GreyPicturesAreExpandedToRgb) {
    std::vector<uint8_t> samples(7 * 5);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<uint8_t>(i * 7);
    std::string path = write("grey.jpg", encodeJpeg(7, 5, 1, samples, 100));
    int width = 0, height = 0;
    ASSERT_TRUE(probeJpegSize(path.c_str(), width, height));
    ASSERT_EQ(width, 7);
    ASSERT_EQ(height, 5);
    std::vector<uint8_t> pixels(7 * 5 * 3 + 16, 0xAB);
    ASSERT_TRUE(decodeJpeg(path.c_str(), pixels.data(), 7, 5));
    for (int i = 0; i < 7 * 5; ++i) {
        EXPECT_EQ(pixels[i * 3], pixels[i * 3 + 1]) << i;
        EXPECT_EQ(pixels[i * 3], pixels[i * 3 + 2]) << i;
    }
    EXPECT_NEAR(pixels[(4 * 7 + 6) * 3], 6 * 7, 3); // top row, last pixel
    EXPECT_EQ(pixels[7 * 5 * 3], 0xAB);             // nothing written past the picture
}

// Refused from the frame header, before any pixel memory is asked for.
TEST_F(JpegFile, PicturesTooLargeForATextureAreRefused) {
    Bytes small = solidJpeg(8, 8, 10, 20, 30);
    struct Size {
        uint16_t width, height;
    };
    for (Size size : {Size{20000, 8}, Size{8, 16385}, Size{9000, 9000}, Size{65500, 65500}}) {
        SCOPED_TRACE(std::to_string(size.width) + " x " + std::to_string(size.height));
        std::string path = write("huge.jpg", withDeclaredJpegSize(small, size.width, size.height));
        TraceCapture traces;
        int width = -1, height = -1;
        EXPECT_FALSE(probeJpegSize(path.c_str(), width, height));
        EXPECT_EQ(width, -1);
        EXPECT_EQ(traces.last(), "JPEG too large for a texture: " + std::to_string(size.width) +
                                     " x " + std::to_string(size.height));
        std::vector<uint8_t> pixels(8 * 8 * 3);
        EXPECT_FALSE(decodeJpeg(path.c_str(), pixels.data(), size.width, size.height));
    }
    EXPECT_TRUE(recordedMessageBoxes().empty());
}

TEST_F(JpegFile, TheLargestAcceptedSideDecodes) {
    std::string path = write("wide.jpg", solidJpeg(16384, 2, 0, 200, 0));
    int width = 0, height = 0;
    ASSERT_TRUE(probeJpegSize(path.c_str(), width, height));
    EXPECT_EQ(width, 16384);
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 3);
    EXPECT_TRUE(decodeJpeg(path.c_str(), pixels.data(), width, height));
}

TEST_F(JpegFile, ADestinationOfAnotherSizeIsNotWritten) {
    std::string path = write("small.jpg", solidJpeg(8, 8, 10, 20, 30));
    std::vector<uint8_t> pixels(4 * 4 * 3, 0xAB);
    TraceCapture traces;
    EXPECT_FALSE(decodeJpeg(path.c_str(), pixels.data(), 4, 4));
    EXPECT_EQ(pixels, std::vector<uint8_t>(4 * 4 * 3, 0xAB));
    EXPECT_EQ(traces.last(), "JPEG picture changed between size probe and decode");
}

// A file cut in its header first warns of the premature end, then fails:
// both messages are shown; so is the error of a file that is no JPEG.
TEST_F(JpegFile, FatalErrorsShowTheLibraryMessageAndFail) {
    Bytes jpeg = solidJpeg(16, 16, 10, 20, 30);
    std::string headerCut = write("cut.jpg", Bytes(jpeg.begin(), jpeg.begin() + 20));
    std::string notJpeg = write("text.jpg", text("not a picture"));
    int width = 0, height = 0;
    EXPECT_FALSE(probeJpegSize(headerCut.c_str(), width, height));
    EXPECT_FALSE(probeJpegSize(notJpeg.c_str(), width, height));
    std::vector<uint8_t> pixels(16 * 16 * 3);
    EXPECT_FALSE(decodeJpeg(notJpeg.c_str(), pixels.data(), 16, 16));
    const auto& boxes = recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 4u);
    for (const RecordedMessageBox& box : boxes) {
        EXPECT_EQ(box.caption, "JPEG Library Error");
        EXPECT_TRUE(box.errorIcon);
    }
    EXPECT_EQ(boxes[0].text, "Premature end of JPEG file");
    EXPECT_EQ(boxes[1].text, "JPEG datastream contains no image");
    EXPECT_NE(boxes[2].text.find("Not a JPEG file"), std::string::npos) << boxes[2].text;
    EXPECT_EQ(boxes[3].text, boxes[2].text);
}

TEST_F(JpegFile, MissingFilesFailSilently) {
    int width = 0, height = 0;
    TraceCapture traces;
    std::string path = directory.file("absent.jpg");
    EXPECT_FALSE(probeJpegSize(path.c_str(), width, height));
    EXPECT_EQ(traces.last(), "Failed to open file");
    uint8_t pixel[3];
    EXPECT_FALSE(decodeJpeg(path.c_str(), pixel, 1, 1));
    EXPECT_EQ(traces.last(), "Failed to open texture file");
    EXPECT_TRUE(recordedMessageBoxes().empty());
}

} // namespace
