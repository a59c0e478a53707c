#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Acts on the model-file chooser from inside its own message loop: while the
// driver lives, a thread timer looks for this thread's visible "Open a file"
// dialog and runs the action on it once. A dialog still open 10 s after the
// action is cancelled, so a test that went wrong fails instead of hanging.
//   ChooserDriver driver([](HWND chooser) { typeNameAndOpen(chooser, "ship.ms3d"); });
//   bool chosen = OpenFileDialog(buffer);
class ChooserDriver {
  public:
    explicit ChooserDriver(std::function<void(HWND chooser)> action);
    ~ChooserDriver();
    ChooserDriver(const ChooserDriver&) = delete;
    ChooserDriver& operator=(const ChooserDriver&) = delete;

    bool acted() const;
};

// Types name into the chooser's file-name box and presses its Open button.
void typeNameAndOpen(HWND chooser, const char* name);

void pressCancel(HWND chooser);

// The text of one of the chooser's controls (for example cmb1, the file type).
std::string chooserItemText(HWND chooser, int id);
