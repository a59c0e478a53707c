#include "settings/configuration_dialog_win32.h"

#include "common/trace.h"
#include "host/instance_handle_win32.h"
#include "settings/about_dialog_win32.h"
#include "settings/common_controls_win32.h"
#include "settings/dialog_ids.h"
#include "settings/model_file_chooser_win32.h"
#include "settings/saver_settings.h"
#include "settings/setting_table.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>

namespace {

// A value label: the number in decimal, at most 15 characters.
void showNumber(HWND dialog, int labelId, int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    SetDlgItemTextA(dialog, labelId, text);
}

void fillSlider(HWND dialog, const SettingDescription& setting) {
    const int32_t value = theSettings.*setting.field;
    const int id = setting.sliderId;
    SendDlgItemMessageA(dialog, id, TBM_SETRANGE, FALSE,
                        MAKELPARAM(setting.minimum, setting.maximum));
    SendDlgItemMessageA(dialog, id, TBM_SETPOS, TRUE, value);
    SendDlgItemMessageA(dialog, id, TBM_SETLINESIZE, 0, 1);
    SendDlgItemMessageA(dialog, id, TBM_SETPAGESIZE, 0, 5);
    showNumber(dialog, setting.labelId, value);
}

// Only exactly 1 marks a box; the scene takes any non-zero value as on.
void fillCheckBox(HWND dialog, const SettingDescription& setting) {
    const bool marked = theSettings.*setting.field == 1;
    CheckDlgButton(dialog, setting.checkBoxId, marked ? BST_CHECKED : BST_UNCHECKED);
}

// A box in any state but marked or unmarked leaves its setting as it was.
void readCheckBox(HWND dialog, const SettingDescription& setting) {
    switch (IsDlgButtonChecked(dialog, setting.checkBoxId)) {
    case BST_UNCHECKED:
        theSettings.*setting.field = 0;
        break;
    case BST_CHECKED:
        theSettings.*setting.field = 1;
        break;
    default:
        break;
    }
}

// The path control is not part of the shipped template; without it, or when
// it is empty, the model path stays.
void readModelPath(HWND dialog) {
    HWND pathControl = GetDlgItem(dialog, IDC_MODEL_PATH);
    if (pathControl == nullptr)
        return;
    char text[sizeof theSettings.modelPath];
    if (GetWindowTextA(pathControl, text, sizeof text) > 0)
        std::memcpy(theSettings.modelPath, text, sizeof text);
}

// The check boxes are plain ones: the procedure sets and clears their marks.
void toggleCheckBox(HWND dialog, int id) {
    switch (IsDlgButtonChecked(dialog, id)) {
    case BST_UNCHECKED:
        CheckDlgButton(dialog, id, BST_CHECKED);
        break;
    case BST_CHECKED:
        CheckDlgButton(dialog, id, BST_UNCHECKED);
        break;
    default:
        trace("Box has an invalid value???");
        break;
    }
}

void browseForModel(HWND dialog) {
    trace("User hit the BROWSE button");
    char fileName[260];
    if (OpenFileDialog(fileName))
        SetDlgItemTextA(dialog, IDC_MODEL_PATH, fileName);
}

void acceptAndClose(HWND dialog) {
    trace("User hit OK");
    readConfigControls(dialog);
    theSettings.writeRegistry();
    EndDialog(dialog, IDOK);
}

void restoreDefaults(HWND dialog) {
    trace("User hit the DEFAULT button");
    theSettings.setDefaults();
    fillConfigControls(dialog);
}

// Owned by the foreground window, which is this dialog while the user works in it.
void showAbout() {
    trace("User hit the HELP button");
    DialogBoxParamA(instanceHandle, MAKEINTRESOURCEA(IDD_ABOUT), GetForegroundWindow(),
                    ScreenSaverHelpDialog, 0);
}

void handleCommand(HWND dialog, int id) {
    trace("ScreenSaverConfigureDialog:\tCaught a WM_COMMAND signal");
    switch (id) {
    case IDOK:
        acceptAndClose(dialog);
        break;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        break;
    case IDC_BROWSE:
        browseForModel(dialog);
        break;
    case IDC_BLUR_CHECK:
        trace("User hit the motion blur checkbox...");
        toggleCheckBox(dialog, id);
        break;
    case IDC_LIGHTING_CHECK:
        trace("User hit the lighting checkbox...");
        toggleCheckBox(dialog, id);
        break;
    case IDC_DEFAULT_BUTTON:
        restoreDefaults(dialog);
        break;
    case IDC_HELP_BUTTON:
        showAbout();
        break;
    default:
        break;
    }
}

} // namespace

bool fillConfigControls(HWND dialog) {
    trace("Setting values");
    SetDlgItemTextA(dialog, IDC_MODEL_PATH, theSettings.modelPath);
    for (const SettingDescription& setting : settingTable) {
        if (setting.sliderId != 0)
            fillSlider(dialog, setting);
        else
            fillCheckBox(dialog, setting);
    }
    return true;
}

bool readConfigControls(HWND dialog) {
    readModelPath(dialog);
    for (const SettingDescription& setting : settingTable) {
        if (setting.sliderId != 0)
            theSettings.*setting.field = static_cast<int32_t>(
                SendDlgItemMessageA(dialog, setting.sliderId, TBM_GETPOS, 0, 0));
        else
            readCheckBox(dialog, setting);
    }
    return true;
}

bool showSliderValue(HWND dialog, HWND slider) {
    if (slider == nullptr)
        return false;
    for (const SettingDescription& setting : settingTable) {
        if (setting.sliderId == 0 || GetDlgItem(dialog, setting.sliderId) != slider)
            continue;
        if (setting.sliderId == IDC_XROTS_SLIDER)
            trace("Caught some xrotation speed input");
        showNumber(dialog, setting.labelId,
                   static_cast<int>(SendMessageA(slider, TBM_GETPOS, 0, 0)));
        return true;
    }
    return false;
}

INT_PTR CALLBACK ScreenSaverConfigureDialog(HWND dialog, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        initCommonControls();
        trace("ScreenSaverConfigureDialog:\tCaught a WM_INITDIALOG signal");
        fillConfigControls(dialog);
        return TRUE;
    case WM_HSCROLL:
        return showSliderValue(dialog, reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    case WM_COMMAND:
        handleCommand(dialog, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}
