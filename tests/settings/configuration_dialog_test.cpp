#include "host/instance_handle_win32.h"
#include "settings/common_controls_win32.h"
#include "settings/configuration_dialog_win32.h"
#include "settings/dialog_ids.h"
#include "settings/registry_key.h"
#include "settings/saver_settings.h"
#include "settings/setting_table.h"
#include "tests/settings/expected_bindings.h"
#include "tests/settings/file_chooser_driver.h"
#include "tests/settings/modal_dialog_driver.h"
#include "tests/settings/stored_settings_win32.h"
#include "tests/support/trace_capture.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

namespace {

using StoredValues = std::map<std::string, DWORD>;

// Every value under the settings key with its type; empty when there is no key.
StoredValues storedValues(std::map<std::string, DWORD>* types = nullptr) {
    StoredValues values;
    for (const auto& [name, stored] : storedSettings()) {
        values[name] = stored.data;
        if (types != nullptr)
            (*types)[name] = stored.type;
    }
    return values;
}

void storeValue(const char* name, DWORD value) {
    storeSettingDword(name, value);
}

bool sameSettings(const SaverSettings& a, const SaverSettings& b) {
    if (std::strcmp(a.modelPath, b.modelPath) != 0)
        return false;
    for (const SettingDescription& setting : settingTable)
        if (a.*setting.field != b.*setting.field)
            return false;
    return true;
}

int sliderPosition(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageA(dialog, id, TBM_GETPOS, 0, 0));
}

// What the user sees: every slider's position and label, every box's mark.
struct Shown {
    std::map<int, int> positions;
    std::map<int, std::string> labels;
    std::map<int, UINT> marks;
    bool operator==(const Shown& other) const {
        return positions == other.positions && labels == other.labels && marks == other.marks;
    }
};

Shown shown(HWND dialog) {
    Shown result;
    for (const ExpectedSlider& slider : expectedSliders) {
        result.positions[slider.sliderId] = sliderPosition(dialog, slider.sliderId);
        result.labels[slider.labelId] = itemText(dialog, slider.labelId);
    }
    for (const ExpectedCheckBox& box : expectedCheckBoxes)
        result.marks[box.id] = IsDlgButtonChecked(dialog, box.id);
    return result;
}

// The defaults as the dialog shows them: X offset 134, speed 20, Z rotation
// 360, Z speed 20, X and Y speeds 1, scale 100, the rest 0, both boxes clear.
void expectDefaultsShown(HWND dialog) {
    for (const ExpectedSlider& slider : expectedSliders) {
        SCOPED_TRACE("slider " + std::to_string(slider.sliderId));
        EXPECT_EQ(sliderPosition(dialog, slider.sliderId), slider.defaultValue);
        EXPECT_EQ(itemText(dialog, slider.labelId), std::to_string(slider.defaultValue));
    }
    for (const ExpectedCheckBox& box : expectedCheckBoxes)
        EXPECT_EQ(IsDlgButtonChecked(dialog, box.id), static_cast<UINT>(BST_UNCHECKED)) << box.id;
}

class ConfigDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        instanceHandle = GetModuleHandleA(nullptr);
        initCommonControls();
        RegDeleteTreeA(HKEY_CURRENT_USER, settingsKeyPath);
        SetEnvironmentVariableA("TEMP", "C:\\users\\tester\\Temp");
        startProgram();
    }
    void TearDown() override {
        if (dialog != nullptr)
            DestroyWindow(dialog);
        RegDeleteTreeA(HKEY_CURRENT_USER, settingsKeyPath);
    }

    // As the program does before it looks at its command line.
    static void startProgram() {
        theSettings.setDefaults();
        theSettings.readRegistry();
    }

    // The dialog without its modal loop, hidden: its procedure and its
    // controls work as in the modal one.
    HWND open() {
        dialog = CreateDialogParamA(instanceHandle, MAKEINTRESOURCEA(IDD_CONFIGURE), nullptr,
                                    ScreenSaverConfigureDialog, 0);
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }

    static INT_PTR runModal(std::vector<DialogStep> steps) {
        return runModalDialog(instanceHandle, IDD_CONFIGURE, ScreenSaverConfigureDialog,
                              std::move(steps));
    }

    HWND dialog = nullptr;
};

TEST_F(ConfigDialog, WithoutARegistryKeyItShowsTheDefaults) {
    TraceCapture traces;
    open();
    expectDefaultsShown(dialog);
    const std::vector<std::string>& texts = traces.texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(),
                        "ScreenSaverConfigureDialog:\tCaught a WM_INITDIALOG signal"),
              texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Setting values"), texts.end());
}

TEST_F(ConfigDialog, EverySliderHasItsRangeLineSizeOneAndPageSizeFive) {
    open();
    for (const ExpectedSlider& expected : expectedSliders) {
        SCOPED_TRACE("slider " + std::to_string(expected.sliderId));
        HWND slider = GetDlgItem(dialog, expected.sliderId);
        EXPECT_EQ(SendMessageA(slider, TBM_GETRANGEMIN, 0, 0), expected.minimum);
        EXPECT_EQ(SendMessageA(slider, TBM_GETRANGEMAX, 0, 0), expected.maximum);
        EXPECT_EQ(SendMessageA(slider, TBM_GETLINESIZE, 0, 0), 1);
        EXPECT_EQ(SendMessageA(slider, TBM_GETPAGESIZE, 0, 0), 5);
    }
}

// The keys move the real slider by its line and page sizes; the slider
// reports each move with WM_HSCROLL and the label follows. theSettings stays.
TEST_F(ConfigDialog, LabelsFollowTheThumbWithoutTouchingTheSettings) {
    open();
    const SaverSettings before = theSettings;
    struct Key {
        UINT key;
        int expected(const ExpectedSlider& s, int from) const {
            switch (key) {
            case VK_HOME:
                return s.minimum;
            case VK_RIGHT:
                return from + 1;
            case VK_NEXT:
                return from + 5;
            case VK_LEFT:
                return from - 1;
            default:
                return s.maximum; // VK_END
            }
        }
    } const keys[] = {{VK_HOME}, {VK_RIGHT}, {VK_NEXT}, {VK_LEFT}, {VK_END}};
    for (const ExpectedSlider& expected : expectedSliders) {
        HWND slider = GetDlgItem(dialog, expected.sliderId);
        for (const Key& key : keys) {
            SCOPED_TRACE("slider " + std::to_string(expected.sliderId) + ", key " +
                         std::to_string(key.key));
            int want = key.expected(expected, sliderPosition(dialog, expected.sliderId));
            SendMessageA(slider, WM_KEYDOWN, key.key, 1);
            SendMessageA(slider, WM_KEYUP, key.key, 0xC0000001);
            EXPECT_EQ(sliderPosition(dialog, expected.sliderId), want);
            EXPECT_EQ(itemText(dialog, expected.labelId), std::to_string(want));
        }
    }
    EXPECT_TRUE(sameSettings(theSettings, before));
}

TEST_F(ConfigDialog, ScrollMessagesAreMatchedToTheirSliderOnly) {
    TraceCapture traces;
    open();
    const Shown before = shown(dialog);
    HWND notSliders[] = {nullptr, GetDlgItem(dialog, IDOK), GetDlgItem(dialog, IDC_XOFF_LABEL),
                         dialog};
    for (HWND window : notSliders)
        EXPECT_EQ(ScreenSaverConfigureDialog(dialog, WM_HSCROLL, TB_THUMBTRACK,
                                             reinterpret_cast<LPARAM>(window)),
                  FALSE);
    EXPECT_TRUE(shown(dialog) == before);

    HWND speed = GetDlgItem(dialog, IDC_XROTS_SLIDER);
    SendMessageA(speed, TBM_SETPOS, TRUE, 77); // moves the thumb without notifying
    EXPECT_EQ(itemText(dialog, IDC_XROTS_LABEL), "1");
    EXPECT_EQ(ScreenSaverConfigureDialog(dialog, WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 77),
                                         reinterpret_cast<LPARAM>(speed)),
              TRUE);
    EXPECT_EQ(itemText(dialog, IDC_XROTS_LABEL), "77");
    EXPECT_EQ(traces.last(), "Caught some xrotation speed input");
    EXPECT_EQ(theSettings.xrots, 1);
}

// Stored values outside a slider's range or a box's two states.
TEST_F(ConfigDialog, OutOfRangeValuesShowTheStoredNumberAndOkSavesWhatTheControlsHold) {
    storeValue("scale", 5000);
    storeValue("xrots", 0);
    storeValue("blur", 2);
    startProgram();
    INT_PTR result = runModal({[](HWND dialog) {
        EXPECT_EQ(sliderPosition(dialog, IDC_SCALE_SLIDER), 1000);
        EXPECT_EQ(itemText(dialog, IDC_SCALE_LABEL), "5000");
        EXPECT_EQ(sliderPosition(dialog, IDC_XROTS_SLIDER), 1);
        EXPECT_EQ(itemText(dialog, IDC_XROTS_LABEL), "0");
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_BLUR_CHECK), static_cast<UINT>(BST_UNCHECKED));
        clickButton(dialog, IDOK);
    }});
    EXPECT_EQ(result, 1);
    StoredValues values = storedValues();
    EXPECT_EQ(values["scale"], 1000u);
    EXPECT_EQ(values["xrots"], 1u);
    EXPECT_EQ(values["blur"], 0u);
}

TEST_F(ConfigDialog, CheckBoxesToggleOnTheirOwnCommand) {
    open();
    struct Case {
        int pressed;
        UINT blur, lighting;
    } const cases[] = {
        {IDC_BLUR_CHECK, BST_CHECKED, BST_UNCHECKED},
        {IDC_LIGHTING_CHECK, BST_CHECKED, BST_CHECKED},
        {IDC_BLUR_CHECK, BST_UNCHECKED, BST_CHECKED},
        {999, BST_UNCHECKED, BST_CHECKED}, // no such control: nothing happens
        {IDC_LIGHTING_CHECK, BST_UNCHECKED, BST_UNCHECKED},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("command " + std::to_string(c.pressed));
        EXPECT_EQ(
            ScreenSaverConfigureDialog(dialog, WM_COMMAND, MAKEWPARAM(c.pressed, BN_CLICKED), 0),
            TRUE);
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_BLUR_CHECK), c.blur);
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_LIGHTING_CHECK), c.lighting);
    }
    // A real click: the plain check box does not mark itself, the procedure does.
    SendDlgItemMessageA(dialog, IDC_LIGHTING_CHECK, BM_CLICK, 0, 0);
    EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_LIGHTING_CHECK), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(theSettings.lighting, 0) << "only OK copies the boxes into the settings";
}

TEST_F(ConfigDialog, DefaultResetsEveryControlAndWritesNothing) {
    for (const SettingDescription& setting : settingTable)
        storeValue(setting.name, setting.sliderId != 0 ? setting.maximum - 1 : 1);
    startProgram();
    const StoredValues stored = storedValues();
    open();
    ASSERT_EQ(IsDlgButtonChecked(dialog, IDC_BLUR_CHECK), static_cast<UINT>(BST_CHECKED));
    ASSERT_EQ(sliderPosition(dialog, IDC_SCALE_SLIDER), 999);

    SendDlgItemMessageA(dialog, IDC_DEFAULT_BUTTON, BM_CLICK, 0, 0);

    expectDefaultsShown(dialog);
    SaverSettings defaults;
    defaults.setDefaults();
    EXPECT_TRUE(sameSettings(theSettings, defaults));
    EXPECT_STREQ(theSettings.modelPath, "none");
    EXPECT_EQ(storedValues(), stored);
}

TEST_F(ConfigDialog, DefaultThenOkWritesTheDefaults) {
    storeValue("xoff", 7);
    storeValue("lighting", 1);
    startProgram();
    INT_PTR result = runModal({[](HWND dialog) { clickButton(dialog, IDC_DEFAULT_BUTTON); },
                               [](HWND dialog) { clickButton(dialog, IDOK); }});
    EXPECT_EQ(result, 1);
    StoredValues values = storedValues();
    for (const SettingDescription& setting : settingTable)
        EXPECT_EQ(values[setting.name], static_cast<DWORD>(setting.defaultValue)) << setting.name;
}

// Cancel, Esc and the caption's close box all end with 2 and keep the
// registry and theSettings as they were, whatever the controls were moved to.
TEST_F(ConfigDialog, CancelWritesNothing) {
    const std::pair<const char*, DialogStep> cancels[] = {
        {"Cancel button", [](HWND dialog) { clickButton(dialog, IDCANCEL); }},
        {"Esc", [](HWND dialog) { pressKey(dialog, VK_ESCAPE); }},
        {"close box", [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& [name, cancel] : cancels) {
        SCOPED_TRACE(name);
        const SaverSettings before = theSettings;
        INT_PTR result = runModal({[](HWND dialog) {
                                       pressKey(GetDlgItem(dialog, IDC_VEL_SLIDER), VK_NEXT);
                                       clickButton(dialog, IDC_BLUR_CHECK);
                                   },
                                   [](HWND dialog) {
                                       EXPECT_EQ(itemText(dialog, IDC_VEL_LABEL), "25");
                                       EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_BLUR_CHECK),
                                                 static_cast<UINT>(BST_CHECKED));
                                   },
                                   cancel});
        EXPECT_EQ(result, 2);
        EXPECT_TRUE(storedValues().empty()) << "the key was created";
        EXPECT_TRUE(sameSettings(theSettings, before));
    }
}

// OK by its button and by Enter (the default button) writes the thirteen
// values that the controls hold, as DWORDs, and nothing else.
TEST_F(ConfigDialog, OkWritesExactlyTheThirteenValues) {
    const std::pair<const char*, DialogStep> oks[] = {
        {"OK button", [](HWND dialog) { clickButton(dialog, IDOK); }},
        {"Enter", [](HWND dialog) { pressKey(dialog, VK_RETURN); }},
    };
    for (const auto& [name, ok] : oks) {
        SCOPED_TRACE(name);
        RegDeleteTreeA(HKEY_CURRENT_USER, settingsKeyPath);
        startProgram();
        INT_PTR result = runModal({[](HWND dialog) {
                                       pressKey(GetDlgItem(dialog, IDC_SCALE_SLIDER), VK_END);
                                       pressKey(GetDlgItem(dialog, IDC_XOFF_SLIDER), VK_NEXT);
                                       clickButton(dialog, IDC_LIGHTING_CHECK);
                                   },
                                   ok});
        EXPECT_EQ(result, 1);

        std::map<std::string, DWORD> types;
        StoredValues values = storedValues(&types);
        EXPECT_EQ(values.size(), settingCount);
        EXPECT_EQ(values.count("FrameRateLimit"), 0u);
        for (const SettingDescription& setting : settingTable) {
            SCOPED_TRACE(setting.name);
            ASSERT_EQ(values.count(setting.name), 1u);
            EXPECT_EQ(types[setting.name], static_cast<DWORD>(REG_DWORD));
            EXPECT_EQ(static_cast<int32_t>(values[setting.name]), theSettings.*setting.field);
        }
        EXPECT_EQ(values["scale"], 1000u);
        EXPECT_EQ(values["xoff"], 139u);
        EXPECT_EQ(values["lighting"], 1u);
        EXPECT_EQ(values["zrot"], 360u);
    }
}

// "?" runs the About dialog modally over this one; closing it comes back to
// the configuration as the user left it.
TEST_F(ConfigDialog, HelpOpensTheAboutDialogAndReturnsToTheUnchangedDialog) {
    HWND configuration = nullptr;
    Shown before;
    INT_PTR result = runModal({
        [&](HWND dialog) {
            configuration = dialog;
            pressKey(GetDlgItem(dialog, IDC_ZOFF_SLIDER), VK_NEXT);
            clickButton(dialog, IDC_LIGHTING_CHECK);
        },
        [&](HWND dialog) {
            before = shown(dialog);
            clickButton(dialog, IDC_HELP_BUTTON);
        },
        [&](HWND about) {
            EXPECT_EQ(windowText(about), "About");
            EXPECT_EQ(GetWindow(about, GW_OWNER), configuration);
            EXPECT_FALSE(IsWindowEnabled(configuration)) << "the About dialog is modal";
            pressKey(about, VK_RETURN);
        },
        [&](HWND dialog) {
            EXPECT_EQ(dialog, configuration);
            EXPECT_TRUE(shown(dialog) == before);
            EXPECT_EQ(itemText(dialog, IDC_ZOFF_LABEL), "5");
            clickButton(dialog, IDCANCEL);
        },
    });
    EXPECT_EQ(result, 2);
    EXPECT_TRUE(storedValues().empty());
}

// The procedure serves a path control (111) and a Browse button (112) that
// the shipped template lacks; a rebuilt template gets them working.
TEST_F(ConfigDialog, ModelPathControlIsFilledAndReadWhenPresent) {
    TraceCapture traces;
    open();
    const std::string startPath = theSettings.modelPath;
    readConfigControls(dialog);
    EXPECT_EQ(theSettings.modelPath, startPath) << "without the control the path stays";

    HWND path = CreateWindowA("EDIT", "", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 100, 20, dialog,
                              reinterpret_cast<HMENU>(IDC_MODEL_PATH), instanceHandle, nullptr);
    ASSERT_NE(path, nullptr);
    fillConfigControls(dialog);
    EXPECT_EQ(windowText(path), startPath);

    {
        ChooserDriver cancel(pressCancel);
        EXPECT_EQ(ScreenSaverConfigureDialog(dialog, WM_COMMAND, IDC_BROWSE, 0), TRUE);
        EXPECT_TRUE(cancel.acted()) << "Browse shows the model-file chooser";
    }
    const std::vector<std::string>& texts = traces.texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "User hit the BROWSE button"), texts.end());
    EXPECT_EQ(windowText(path), startPath) << "no file was chosen";
    {
        ChooserDriver pick(
            [](HWND chooser) { typeNameAndOpen(chooser, "C:\\windows\\ship.ms3d"); });
        EXPECT_EQ(ScreenSaverConfigureDialog(dialog, WM_COMMAND, IDC_BROWSE, 0), TRUE);
    }
    EXPECT_STRCASEEQ(windowText(path).c_str(), "C:\\windows\\ship.ms3d");

    SetWindowTextA(path, "");
    readConfigControls(dialog);
    EXPECT_EQ(theSettings.modelPath, startPath) << "an empty control keeps the path";

    SetWindowTextA(path, std::string(300, 'm').c_str());
    readConfigControls(dialog);
    EXPECT_EQ(std::string(theSettings.modelPath), std::string(259, 'm'));
}

} // namespace
