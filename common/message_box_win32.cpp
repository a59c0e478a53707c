#include "common/message_box.h"

#include <windows.h>

void showMessageBox(const char* text, const char* caption) {
    MessageBoxA(nullptr, text, caption, MB_OK);
}

void showErrorMessageBox(const char* text, const char* caption) {
    MessageBoxA(GetActiveWindow(), text, caption, MB_OK | MB_ICONERROR);
}
