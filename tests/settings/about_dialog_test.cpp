#include "host/instance_handle_win32.h"
#include "settings/about_dialog_win32.h"
#include "settings/dialog_ids.h"
#include "settings/registry_key.h"
#include "settings/saver_settings.h"
#include "tests/settings/modal_dialog_driver.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

namespace {

// OK and Enter end the dialog with 1, Esc with 2; it has no close box, the
// focus starts on OK, and it touches no setting.
TEST(AboutDialog, ClosesWithTheIdOfTheCommand) {
    instanceHandle = GetModuleHandleA(nullptr);
    RegDeleteTreeA(HKEY_CURRENT_USER, settingsKeyPath);
    theSettings.setDefaults();
    const SaverSettings before = theSettings;
    const struct {
        const char* name;
        DialogStep close;
        INT_PTR expected;
    } cases[] = {
        {"OK button", [](HWND about) { clickButton(about, IDOK); }, 1},
        {"Enter", [](HWND about) { pressKey(about, VK_RETURN); }, 1},
        {"Esc", [](HWND about) { pressKey(about, VK_ESCAPE); }, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        INT_PTR result = runModalDialog(
            instanceHandle, IDD_ABOUT, ScreenSaverHelpDialog,
            {[](HWND about) {
                 EXPECT_EQ(windowText(about), "About");
                 EXPECT_EQ(GetWindowLongA(about, GWL_STYLE) & WS_SYSMENU, 0);
                 EXPECT_EQ(GetFocus(), GetDlgItem(about, IDOK));
                 EXPECT_EQ(itemText(about, IDC_ABOUT_CREDITS).rfind("QuenlowSaver - 2008\r\n", 0),
                           0u);
             },
             c.close});
        EXPECT_EQ(result, c.expected);
    }
    EXPECT_EQ(std::memcmp(&theSettings, &before, sizeof before), 0);
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, settingsKeyPath, 0, KEY_READ, &key), ERROR_SUCCESS);
}

} // namespace
