#pragma once

// Message boxes the user must see: the model readers' errors and warnings and
// the JPEG library's messages. Both have a single OK button.

// A box with no owner window and no icon.
void showMessageBox(const char* text, const char* caption);

// A box owned by the active window, with the error icon.
void showErrorMessageBox(const char* text, const char* caption);
