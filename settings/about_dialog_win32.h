#pragma once

#include <windows.h>

// Procedure of the About dialog (template IDD_ABOUT): every command ends the
// dialog with the id of its control, so OK and Enter give 1 and Esc gives 2.
INT_PTR CALLBACK ScreenSaverHelpDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
