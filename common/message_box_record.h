#pragma once

#include <string>
#include <vector>

// The native build shows no windows: each message box is recorded here
// instead, in the order shown, so tests and tools can report it.
struct RecordedMessageBox {
    std::string text;
    std::string caption;
    bool errorIcon; // showErrorMessageBox (owned by the active window)
};

const std::vector<RecordedMessageBox>& recordedMessageBoxes();
void clearRecordedMessageBoxes();
