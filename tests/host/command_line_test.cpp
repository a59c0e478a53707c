#include "host/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct DispatchCase {
    const char* tail;
    RunMode mode;
    const char* previewText; // expected text after p, or null
};

class CommandLineDispatch : public ::testing::TestWithParam<DispatchCase> {};

TEST_P(CommandLineDispatch, TheFirstNonSeparatorDecides) {
    const DispatchCase& c = GetParam();
    CommandLineChoice choice = parseCommandLine(c.tail);
    EXPECT_EQ(choice.mode, c.mode) << '"' << c.tail << '"';
    if (c.previewText != nullptr) {
        ASSERT_NE(choice.previewHandleText, nullptr);
        EXPECT_STREQ(choice.previewHandleText, c.previewText);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tails, CommandLineDispatch,
    ::testing::Values(DispatchCase{"", RunMode::ConfigDialog, nullptr},
                      DispatchCase{"/- -//", RunMode::ConfigDialog, nullptr},
                      DispatchCase{"/c", RunMode::ConfigDialogForeground, nullptr},
                      DispatchCase{"-C", RunMode::ConfigDialogForeground, nullptr},
                      DispatchCase{"/c:1234", RunMode::ConfigDialogForeground, nullptr},
                      DispatchCase{"/s", RunMode::FullScreen, nullptr},
                      DispatchCase{"-S", RunMode::FullScreen, nullptr},
                      DispatchCase{" s", RunMode::FullScreen, nullptr},
                      DispatchCase{"/s /p 12", RunMode::FullScreen, nullptr},
                      DispatchCase{"/p 1234", RunMode::Preview, "1234"},
                      DispatchCase{"/P1234", RunMode::Preview, "1234"},
                      DispatchCase{"/p   1234xyz", RunMode::Preview, "1234xyz"},
                      DispatchCase{"/p", RunMode::Preview, ""},
                      DispatchCase{"/p:1234", RunMode::Preview, ":1234"},
                      DispatchCase{"/p\t5", RunMode::Preview, "\t5"},
                      DispatchCase{"/a", RunMode::ChangePassword, nullptr},
                      DispatchCase{"/w anything", RunMode::Windowed, nullptr},
                      DispatchCase{"/x", RunMode::Invalid, nullptr},
                      DispatchCase{"/?", RunMode::Invalid, nullptr},
                      DispatchCase{"\ts", RunMode::Invalid, nullptr},
                      DispatchCase{"5", RunMode::Invalid, nullptr},
                      DispatchCase{"\xE9", RunMode::Invalid, nullptr}),
    [](const auto& info) { return "tail" + std::to_string(info.index); });

TEST(CommandLine, WindowHandleIsTheLeadingDigits) {
    struct {
        const char* text;
        uint32_t value;
    } cases[] = {{"1234", 1234}, {"1234xyz", 1234}, {"", 0},
                 {"0", 0},       {":1234", 0},      {"-5", 0},
                 {"+5", 0},      {"\t5", 0},        {"4294967295", 4294967295u},
                 {"007", 7}};
    for (const auto& c : cases)
        EXPECT_EQ(parseWindowHandle(c.text), c.value) << '"' << c.text << '"';
}

} // namespace
