#pragma once

#include <windows.h>

// Procedure of the configuration dialog (template IDD_CONFIGURE). The sliders
// and check boxes are the working copy of theSettings: OK copies them into it
// and writes the registry (dialog result 1), Cancel and Esc discard (2),
// Default resets theSettings and the controls, "?" runs the About dialog.
INT_PTR CALLBACK ScreenSaverConfigureDialog(HWND dialog, UINT message, WPARAM wParam,
                                            LPARAM lParam);

// Puts theSettings into the controls. A value label shows the stored number
// even when its slider clamps the position to its range.
bool fillConfigControls(HWND dialog);

// Copies the controls into theSettings.
bool readConfigControls(HWND dialog);

// Shows the position of `slider` in its value label; false when `slider` is
// none of the dialog's sliders.
bool showSliderValue(HWND dialog, HWND slider);
