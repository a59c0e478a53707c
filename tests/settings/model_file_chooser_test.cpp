// The model-file chooser under Wine, driven from inside its own dialog loop.

#include "settings/model_file_chooser_win32.h"
#include "tests/content/scratch_working_directory.h"
#include "tests/settings/file_chooser_driver.h"
#include "tests/support/trace_capture.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <dlgs.h>

#include <cstring>
#include <string>

namespace {

std::string currentDirectory() {
    char path[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof path, path);
    return path;
}

class ModelFileChooser : public ::testing::Test {
  protected:
    void SetUp() override { std::memset(buffer, 'x', sizeof buffer); }

    // Runs the chooser with the action; what the dialog showed is noted.
    bool choose(const std::function<void(HWND)>& action) {
        ChooserDriver driver([&](HWND chooser) {
            fileType = chooserItemText(chooser, cmb1);
            action(chooser);
        });
        bool chosen = OpenFileDialog(buffer);
        EXPECT_TRUE(driver.acted()) << "the chooser was never shown";
        return chosen;
    }

    ScratchWorkingDirectory working;
    char buffer[260];
    std::string fileType;
};

TEST_F(ModelFileChooser, CancellingLeavesTheBufferUntouched) {
    TraceCapture traces;
    EXPECT_FALSE(choose(pressCancel));
    EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(260, 'x'));
    EXPECT_EQ(fileType, "3D Models   (*.blend, *.ms3d, *.3ds)");
    EXPECT_EQ(traces.texts(), (std::vector<std::string>{"OpenFileDialog: entry",
                                                        "OpenFileDialog: FAILED to get a file."}));
}

// The dialog starts in the current directory, so a bare name comes back as
// the full path of the file there.
TEST_F(ModelFileChooser, PickingAFileReturnsItsFullPath) {
    writeWholeFile(working.path() / "ship.ms3d", "MS3D000000");
    TraceCapture traces;
    ASSERT_TRUE(choose([](HWND chooser) { typeNameAndOpen(chooser, "ship.ms3d"); }));
    EXPECT_STRCASEEQ(buffer, (currentDirectory() + "\\ship.ms3d").c_str());
    EXPECT_EQ(traces.last(), "OpenFileDialog: Got a file.");
}

// Nothing requires the file to exist, nor to be of a kind the loader knows.
TEST_F(ModelFileChooser, ANameOfNoFileIsReturnedToo) {
    ASSERT_TRUE(choose([](HWND chooser) { typeNameAndOpen(chooser, "absent.blend"); }));
    EXPECT_STRCASEEQ(buffer, (currentDirectory() + "\\absent.blend").c_str());
}

} // namespace
