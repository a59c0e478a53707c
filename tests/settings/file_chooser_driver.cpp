#include "tests/settings/file_chooser_driver.h"

#include <dlgs.h>

#include <string>

namespace {

constexpr UINT tickMilliseconds = 20;
constexpr DWORD cancelAfterMilliseconds = 10000;

struct Drive {
    std::function<void(HWND)> action;
    bool acted = false;
    DWORD actedAt = 0;
};

Drive* currentDrive = nullptr;
UINT_PTR timer = 0;

BOOL CALLBACK findChooser(HWND window, LPARAM found) {
    char className[16] = "", title[32] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, title, sizeof title);
    if (lstrcmpA(className, "#32770") == 0 && lstrcmpA(title, "Open a file") == 0 &&
        IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND chooser = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findChooser, reinterpret_cast<LPARAM>(&chooser));
    if (currentDrive == nullptr || chooser == nullptr)
        return;
    if (!currentDrive->acted) {
        currentDrive->acted = true;
        currentDrive->actedAt = GetTickCount();
        currentDrive->action(chooser);
    } else if (GetTickCount() - currentDrive->actedAt > cancelAfterMilliseconds) {
        pressCancel(chooser);
    }
}

} // namespace

ChooserDriver::ChooserDriver(std::function<void(HWND chooser)> action) {
    currentDrive = new Drive{std::move(action)};
    timer = SetTimer(nullptr, 0, tickMilliseconds, tick);
}

ChooserDriver::~ChooserDriver() {
    KillTimer(nullptr, timer);
    delete currentDrive;
    currentDrive = nullptr;
}

bool ChooserDriver::acted() const {
    return currentDrive != nullptr && currentDrive->acted;
}

// The explorer-style dialog names its file-name box cmb13; older templates
// have the edit control edt1.
void typeNameAndOpen(HWND chooser, const char* name) {
    if (!SetDlgItemTextA(chooser, cmb13, name))
        SetDlgItemTextA(chooser, edt1, name);
    PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(chooser, IDOK)));
}

void pressCancel(HWND chooser) {
    PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(chooser, IDCANCEL)));
}

std::string chooserItemText(HWND chooser, int id) {
    char text[256] = "";
    GetDlgItemTextA(chooser, id, text, sizeof text);
    return text;
}
