#pragma once

// Lets the user pick a model file; true and the full path in `fileName`
// (260 bytes) when one was chosen, false with `fileName` untouched otherwise.
// The open-file dialog is not built yet: until it is, no file is chosen.
inline bool OpenFileDialog(char* fileName) {
    (void)fileName;
    return false;
}
