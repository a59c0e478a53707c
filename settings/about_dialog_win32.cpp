#include "settings/about_dialog_win32.h"

#include "common/trace.h"
#include "settings/common_controls_win32.h"

INT_PTR CALLBACK ScreenSaverHelpDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        initCommonControls();
        trace("ScreenSaverHelpDialog:\tCaught a WM_INITDIALOG signal");
        return TRUE;
    case WM_COMMAND:
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}
