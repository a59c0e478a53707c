#include "settings/common_controls_win32.h"

#include <windows.h>

#include <commctrl.h>

void initCommonControls() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
}
