#include "host/entry_point_win32.h"

#include "host/command_line.h"
#include "host/instance_handle_win32.h"
#include "host/library_function_win32.h"
#include "host/saver_window_win32.h"
#include "host/windows_version_win32.h"
#include "settings/common_controls_win32.h"
#include "settings/configuration_dialog_win32.h"
#include "settings/dialog_ids.h"

// The slider class must be registered before the template is instantiated.
INT_PTR runConfigDialog(HWND owner) {
    initCommonControls();
    return DialogBoxParamA(instanceHandle, MAKEINTRESOURCEA(IDD_CONFIGURE), owner,
                           ScreenSaverConfigureDialog, 0);
}

int runPreview(const char* text) {
    HWND parent = reinterpret_cast<HWND>(static_cast<UINT_PTR>(parseWindowHandle(text)));
    if (parent == nullptr || !IsWindow(parent))
        return -1;
    return runSaverWindow(parent);
}

void changeSaverPassword(HWND owner) {
    if (!isWindows9x())
        return;
    HMODULE library = LoadLibraryA("MPR.DLL");
    if (library == nullptr)
        return;
    using ChangeFunction = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, LPVOID);
    auto change = libraryFunction<ChangeFunction>(library, "PwdChangePasswordA");
    if (change != nullptr)
        change("SCRSAVE", owner, 0, nullptr);
    FreeLibrary(library);
}

int runCommandLine(const char* tail) {
    CommandLineChoice choice = parseCommandLine(tail);
    switch (choice.mode) {
    case RunMode::ConfigDialog:
        return static_cast<int>(runConfigDialog(nullptr));
    case RunMode::ConfigDialogForeground:
        return static_cast<int>(runConfigDialog(GetForegroundWindow()));
    case RunMode::ChangePassword:
        changeSaverPassword(nullptr);
        return -1;
    case RunMode::Preview:
        return runPreview(choice.previewHandleText);
    case RunMode::FullScreen:
        return runSaverWindow(nullptr);
    case RunMode::Windowed:
        return runWindowedSaver();
    case RunMode::Invalid:
        break;
    }
    return -1;
}
