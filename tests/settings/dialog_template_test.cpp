#include "host/instance_handle_win32.h"
#include "settings/common_controls_win32.h"
#include "settings/configuration_dialog_win32.h"
#include "settings/dialog_ids.h"
#include "settings/setting_table.h"
#include "tests/settings/dialog_template_reader.h"
#include "tests/settings/expected_bindings.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

struct ExpectedItem {
    int id;
    const char* className;
    const char* text;
    uint32_t style;
    int x, y, width, height;
};

// The configuration dialog's controls in tab order.
const ExpectedItem configurationItems[] = {
    {101, "STATIC", "#502", 0x5000000E, 5, 5, 187, 51},
    {120, "BUTTON", "Centering", 0x50000007, 5, 60, 188, 111},
    {101, "STATIC", "Offset X Axis (degrees)", 0x50020000, 15, 80, 73, 8},
    {121, "STATIC", "XOFF", 0x50020002, 160, 80, 25, 8},
    {122, "MSCTLS_TRACKBAR32", "X Offset", 0x50010018, 10, 90, 180, 14},
    {101, "STATIC", "Offset Y Axis (degrees)", 0x50020000, 15, 110, 74, 8},
    {123, "STATIC", "YOFF", 0x50020002, 160, 110, 25, 8},
    {124, "MSCTLS_TRACKBAR32", "Y Offset", 0x50010018, 10, 120, 180, 14},
    {101, "STATIC", "Offset Z Axis (degrees)", 0x50020000, 15, 140, 93, 8},
    {125, "STATIC", "ZOFF", 0x50020002, 160, 140, 25, 8},
    {126, "MSCTLS_TRACKBAR32", "Z Offset", 0x50010018, 10, 150, 180, 14},
    {130, "BUTTON", "Movement", 0x50000007, 200, 5, 318, 189},
    {101, "STATIC", "Movement Speed", 0x50020000, 210, 20, 75, 8},
    {131, "STATIC", "VEL", 0x50020002, 355, 20, 25, 8},
    {132, "MSCTLS_TRACKBAR32", "Movement Speed", 0x50010018, 205, 30, 180, 14},
    {148, "BUTTON", "Motion Blur", 0x50010002, 395, 20, 75, 8},
    {149, "BUTTON", "Lighting", 0x50010002, 395, 32, 75, 8},
    {101, "STATIC", "Rotate X Axis (degrees)", 0x50020000, 210, 50, 75, 8},
    {133, "STATIC", "XROT", 0x50020002, 355, 50, 25, 8},
    {134, "MSCTLS_TRACKBAR32", "X Rotation", 0x50010018, 205, 60, 180, 14},
    {101, "STATIC", "Rotate X Axis (speed)", 0x50020000, 395, 50, 75, 8},
    {140, "STATIC", "XROTS", 0x50020002, 485, 50, 25, 8},
    {141, "MSCTLS_TRACKBAR32", "X Rotation Speed", 0x50010018, 390, 60, 125, 14},
    {101, "STATIC", "Rotate Y Axis (degrees)", 0x50020000, 210, 80, 75, 8},
    {135, "STATIC", "YROT", 0x50020002, 355, 80, 25, 8},
    {136, "MSCTLS_TRACKBAR32", "Y Rotation", 0x50010018, 205, 95, 180, 14},
    {101, "STATIC", "Rotate Y Axis (speed)", 0x50020000, 395, 80, 75, 8},
    {142, "STATIC", "YROTS", 0x50020002, 485, 80, 25, 8},
    {143, "MSCTLS_TRACKBAR32", "Y Rotation Speed", 0x50010018, 390, 95, 125, 14},
    {101, "STATIC", "Rotate Z Axis (degrees)", 0x50020000, 210, 115, 77, 8},
    {137, "STATIC", "ZROT", 0x50020002, 355, 115, 25, 8},
    {138, "MSCTLS_TRACKBAR32", "Z Rotation", 0x50010018, 205, 130, 180, 14},
    {101, "STATIC", "Rotate Z Axis (speed)", 0x50020000, 395, 115, 75, 8},
    {144, "STATIC", "ZROTS", 0x50020002, 485, 115, 25, 8},
    {145, "MSCTLS_TRACKBAR32", "Z Rotation Speed", 0x50010018, 390, 130, 125, 14},
    {101, "STATIC", "Scale", 0x50020000, 210, 150, 77, 8},
    {146, "STATIC", "SCALE", 0x50020002, 355, 150, 25, 8},
    {147, "MSCTLS_TRACKBAR32", "Scale", 0x50010018, 205, 165, 180, 14},
    {1, "BUTTON", "OK", 0x50010001, 5, 178, 50, 14},
    {2, "BUTTON", "Cancel", 0x50010000, 60, 178, 50, 14},
    {150, "BUTTON", "Default", 0x50010000, 115, 178, 50, 14},
    {151, "BUTTON", "?", 0x50010000, 170, 178, 23, 14},
};

DialogTemplate loadTemplate(int id) {
    DialogTemplate dialog;
    std::string error;
    EXPECT_TRUE(readDialogTemplate(GetModuleHandleA(nullptr), id, dialog, error)) << error;
    return dialog;
}

void expectItem(const DialogItem& item, const ExpectedItem& expected, size_t index) {
    SCOPED_TRACE("control #" + std::to_string(index + 1) + " \"" + expected.text + "\"");
    EXPECT_EQ(item.id, expected.id);
    EXPECT_EQ(item.className, expected.className);
    EXPECT_EQ(item.text, expected.text);
    EXPECT_EQ(item.style, expected.style);
    EXPECT_EQ(item.exStyle, 0u);
    EXPECT_EQ(item.x, expected.x);
    EXPECT_EQ(item.y, expected.y);
    EXPECT_EQ(item.width, expected.width);
    EXPECT_EQ(item.height, expected.height);
}

void expectFrame(const DialogTemplate& dialog, const char* caption, uint32_t style, int width,
                 int height) {
    EXPECT_EQ(dialog.caption, caption);
    EXPECT_EQ(dialog.style, style);
    EXPECT_EQ(dialog.exStyle, 0u);
    EXPECT_EQ(dialog.x, 0);
    EXPECT_EQ(dialog.y, 0);
    EXPECT_EQ(dialog.width, width);
    EXPECT_EQ(dialog.height, height);
    EXPECT_EQ(dialog.menu, "");
    EXPECT_EQ(dialog.className, "");
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.typeface, "MS Sans Serif");
}

TEST(ConfigTemplate, HoldsTheFrameAndTheControlsInTabOrder) {
    DialogTemplate dialog = loadTemplate(IDD_CONFIGURE);
    expectFrame(dialog, "Ferrovin Screensaver Config", 0x80C800C0, 522, 198);
    ASSERT_EQ(dialog.items.size(), std::size(configurationItems));
    for (size_t i = 0; i < dialog.items.size(); ++i)
        expectItem(dialog.items[i], configurationItems[i], i);
}

// The settings table drives filling, reading and the scroll messages; its
// controls must be the template's sliders, labels and check boxes.
TEST(ConfigTemplate, AgreesWithTheSettingTable) {
    DialogTemplate dialog = loadTemplate(IDD_CONFIGURE);
    std::set<int> trackbars, rightLabels, checkBoxes;
    for (const DialogItem& item : dialog.items) {
        if (item.className == "MSCTLS_TRACKBAR32")
            trackbars.insert(item.id);
        else if (item.className == "STATIC" && (item.style & SS_TYPEMASK) == SS_RIGHT)
            rightLabels.insert(item.id);
        else if (item.className == "BUTTON" && (item.style & BS_TYPEMASK) == BS_CHECKBOX)
            checkBoxes.insert(item.id);
    }

    std::set<int> tableSliders, tableLabels, tableCheckBoxes;
    size_t slider = 0, box = 0;
    for (const SettingDescription& setting : settingTable) {
        SCOPED_TRACE(setting.name);
        if (setting.sliderId != 0) {
            ASSERT_LT(slider, std::size(expectedSliders));
            const ExpectedSlider& expected = expectedSliders[slider++];
            EXPECT_EQ(setting.sliderId, expected.sliderId);
            EXPECT_EQ(setting.labelId, expected.labelId);
            EXPECT_EQ(setting.field, expected.field);
            EXPECT_EQ(setting.minimum, expected.minimum);
            EXPECT_EQ(setting.maximum, expected.maximum);
            EXPECT_EQ(setting.defaultValue, expected.defaultValue);
            EXPECT_EQ(setting.checkBoxId, 0);
            tableSliders.insert(setting.sliderId);
            tableLabels.insert(setting.labelId);
        } else {
            ASSERT_LT(box, std::size(expectedCheckBoxes));
            const ExpectedCheckBox& expected = expectedCheckBoxes[box++];
            EXPECT_EQ(setting.checkBoxId, expected.id);
            EXPECT_EQ(setting.field, expected.field);
            EXPECT_EQ(setting.labelId, 0);
            tableCheckBoxes.insert(setting.checkBoxId);
        }
    }
    EXPECT_EQ(slider, std::size(expectedSliders));
    EXPECT_EQ(box, std::size(expectedCheckBoxes));
    EXPECT_EQ(trackbars, tableSliders);
    EXPECT_EQ(rightLabels, tableLabels);
    EXPECT_EQ(checkBoxes, tableCheckBoxes);
}

TEST(ConfigTemplate, BannerIsA282By78TrueColourBitmap) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(IDB_BANNER), RT_BITMAP);
    ASSERT_NE(resource, nullptr) << "bitmap 502 is not in the module";
    ASSERT_GE(SizeofResource(module, resource), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    std::memcpy(&header, LockResource(LoadResource(module, resource)), sizeof header);
    EXPECT_EQ(header.biWidth, 282);
    EXPECT_EQ(header.biHeight, 78);
    EXPECT_EQ(header.biBitCount, 24);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
}

// The live dialog: every control exists in tab order with its class, at the
// template's place; the banner control carries the 282 x 78 bitmap.
TEST(ConfigTemplate, InstantiatesEveryControlWhereTheTemplatePutsIt) {
    instanceHandle = GetModuleHandleA(nullptr);
    initCommonControls();
    HWND dialog = CreateDialogParamA(instanceHandle, MAKEINTRESOURCEA(IDD_CONFIGURE), nullptr,
                                     ScreenSaverConfigureDialog, 0);
    ASSERT_NE(dialog, nullptr);
    HWND child = GetWindow(dialog, GW_CHILD);
    for (size_t i = 0; i < std::size(configurationItems); ++i) {
        const ExpectedItem& expected = configurationItems[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + " \"" + expected.text + "\"");
        ASSERT_NE(child, nullptr);
        EXPECT_EQ(GetDlgCtrlID(child), expected.id);
        char className[64];
        GetClassNameA(child, className, sizeof className);
        EXPECT_EQ(lstrcmpiA(className, expected.className), 0) << className;
        // The dialog manager scales a control's position and size separately.
        RECT place{expected.x, expected.y, expected.width, expected.height};
        MapDialogRect(dialog, &place);
        RECT actual;
        GetWindowRect(child, &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, place.left);
        EXPECT_EQ(actual.top, place.top);
        if (i == 0) {
            EXPECT_EQ(actual.right - actual.left, 282) << "the banner sizes itself to its bitmap";
            EXPECT_EQ(actual.bottom - actual.top, 78);
            EXPECT_NE(SendMessageA(child, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
        } else {
            EXPECT_EQ(actual.right - actual.left, place.right);
            EXPECT_EQ(actual.bottom - actual.top, place.bottom);
        }
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "more controls than the template lists";
    DestroyWindow(dialog);
}

TEST(AboutTemplate, HoldsTheFrameTheBannerTheCreditAndOk) {
    DialogTemplate dialog = loadTemplate(IDD_ABOUT);
    expectFrame(dialog, "About", 0x80C000C0, 198, 150);
    EXPECT_EQ(dialog.style & WS_SYSMENU, 0u) << "no system menu, hence no close box";
    ASSERT_EQ(dialog.items.size(), 3u);
    const ExpectedItem fixedItems[] = {
        {101, "STATIC", "#502", 0x5000000E, 5, 5, 187, 51},
        {504, "STATIC", dialog.items[1].text.c_str(), 0x50000001, 0, 60, 198, 40},
        {1, "BUTTON", "OK", 0x50010001, 77, 130, 45, 14},
    };
    for (size_t i = 0; i < 3; ++i)
        expectItem(dialog.items[i], fixedItems[i], i);
}

// Five lines, each ended by a line break: the product and year, an empty
// line, the author credit, an empty line, where the project lives.
TEST(AboutTemplate, CreditReadsProductAuthorAndHome) {
    DialogTemplate dialog = loadTemplate(IDD_ABOUT);
    ASSERT_EQ(dialog.items.size(), 3u);
    std::string credit = dialog.items[1].text;
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = credit.find("\r\n", start)) != std::string::npos;
         start = end + 2)
        lines.push_back(credit.substr(start, end - start));
    ASSERT_EQ(lines.size(), 5u) << credit;
    EXPECT_EQ(credit.substr(credit.size() - 2), "\r\n");
    EXPECT_EQ(lines[0], "QuenlowSaver - 2008");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2].rfind("Written by: ", 0), 0u) << lines[2];
    EXPECT_GT(lines[2].size(), std::string("Written by: ").size());
    EXPECT_EQ(lines[3], "");
    EXPECT_FALSE(lines[4].empty());
}

} // namespace
