#include "host/frame_rate_limit.h"
#include "settings/registry_key.h"
#include "settings/saver_settings.h"
#include "settings/setting_table.h"
#include "tests/settings/stored_settings_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>

namespace {

class SettingsRegistry : public ::testing::Test {
  protected:
    void SetUp() override {
        deleteKey();
        SetEnvironmentVariableA("TEMP", "C:\\users\\tester\\Temp");
        settings.setDefaults();
    }
    void TearDown() override { deleteKey(); }

    static void deleteKey() { RegDeleteTreeA(HKEY_CURRENT_USER, settingsKeyPath); }

    SaverSettings settings;
};

TEST_F(SettingsRegistry, WithoutAKeyTheDefaultsStayAndTheModelIsInTemp) {
    frameRateLimit = 77;
    settings.readRegistry();
    for (const SettingDescription& setting : settingTable)
        EXPECT_EQ(settings.*setting.field, setting.defaultValue) << setting.name;
    EXPECT_STREQ(settings.modelPath, "C:\\users\\tester\\Temp\\Quenlow.3DS");
    EXPECT_EQ(frameRateLimit, 77u) << "the cap is read only when the key opens";
}

TEST_F(SettingsRegistry, DefaultsMatchTheTable) {
    settings.xoff = 1;
    settings.setDefaults();
    EXPECT_STREQ(settings.modelPath, "none");
    EXPECT_EQ(settings.xoff, 134);
    EXPECT_EQ(settings.vel, 20);
    EXPECT_EQ(settings.xrots, 1);
    EXPECT_EQ(settings.yrots, 1);
    EXPECT_EQ(settings.zrot, 360);
    EXPECT_EQ(settings.zrots, 20);
    EXPECT_EQ(settings.scale, 100);
    EXPECT_EQ(settings.yoff + settings.zoff + settings.xrot + settings.yrot + settings.blur +
                  settings.lighting,
              0);
}

TEST_F(SettingsRegistry, ValuesAreTakenByTheirBytesWhateverTheirType) {
    storeSetting("scale", REG_BINARY, std::string("\x88\x13\x00\x00", 4)); // 5000, unclamped
    storeSetting("vel", REG_SZ, "12345");                                  // 5 bytes: ignored
    storeSetting("xrot", REG_BINARY, std::string("\x2C\x01", 2));          // zero-extended: 300
    storeSetting("yoff", REG_BINARY, std::string("\xFF\xFF\xFF\xFF", 4));  // -1
    settings.readRegistry();
    EXPECT_EQ(settings.scale, 5000);
    EXPECT_EQ(settings.vel, 20);
    EXPECT_EQ(settings.xrot, 300);
    EXPECT_EQ(settings.yoff, -1);
    EXPECT_EQ(settings.zrot, 360) << "a missing value keeps its field";
}

TEST_F(SettingsRegistry, ADeletedValueKeepsItsEarlierValue) {
    storeSettingDword("yoff", 45);
    settings.readRegistry();
    ASSERT_EQ(settings.yoff, 45);
    RegDeleteKeyValueA(HKEY_CURRENT_USER, settingsKeyPath, "yoff");
    settings.readRegistry();
    EXPECT_EQ(settings.yoff, 45);
}

TEST_F(SettingsRegistry, WriteCreatesExactlyTheThirteenDwords) {
    settings.xoff = 12;
    settings.scale = 5000;
    settings.blur = 1;
    frameRateLimit = 30;
    ASSERT_TRUE(settings.writeRegistry());

    std::map<std::string, DWORD> values;
    for (const auto& [name, stored] : storedSettings()) {
        EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD)) << name;
        EXPECT_EQ(stored.size, 4u) << name;
        values[name] = stored.data;
    }

    ASSERT_EQ(values.size(), settingCount);
    EXPECT_EQ(values.count("FrameRateLimit"), 0u);
    for (const SettingDescription& setting : settingTable)
        EXPECT_EQ(values[setting.name], static_cast<DWORD>(settings.*setting.field))
            << setting.name;

    SaverSettings reread;
    reread.setDefaults();
    reread.readRegistry();
    EXPECT_EQ(reread.xoff, 12);
    EXPECT_EQ(reread.scale, 5000);
    EXPECT_EQ(reread.blur, 1);
}

TEST_F(SettingsRegistry, FrameRateLimitIsReadWithTheSettings) {
    struct Case {
        DWORD type;
        std::string bytes;
        uint32_t expected;
    } cases[] = {
        {REG_DWORD, std::string("\x1E\0\0\0", 4), 30},
        {REG_BINARY, std::string("\x3C", 1), 60},
        {REG_SZ, "too long", 0},
    };
    for (const Case& c : cases) {
        storeSetting("FrameRateLimit", c.type, c.bytes);
        frameRateLimit = 99;
        settings.readRegistry();
        EXPECT_EQ(frameRateLimit, c.expected);
    }
    RegDeleteKeyValueA(HKEY_CURRENT_USER, settingsKeyPath, "FrameRateLimit");
    frameRateLimit = 99;
    settings.readRegistry();
    EXPECT_EQ(frameRateLimit, 0u);
}

TEST_F(SettingsRegistry, ATempThatDoesNotFitLeavesTheModelPathEmpty) {
    const std::string longest(259 - 12, 'T'); // plus "\Quenlow.3DS" is exactly 259
    SetEnvironmentVariableA("TEMP", longest.c_str());
    settings.readRegistry();
    EXPECT_EQ(std::string(settings.modelPath), longest + "\\Quenlow.3DS");

    SetEnvironmentVariableA("TEMP", (longest + "T").c_str());
    settings.readRegistry();
    EXPECT_STREQ(settings.modelPath, "");

    SetEnvironmentVariableA("TEMP", nullptr);
    settings.readRegistry();
    EXPECT_STREQ(settings.modelPath, "");
}

} // namespace
