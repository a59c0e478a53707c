#include "host/input_state.h"
#include "host/message_chain_win32.h"
#include "host/saver_window_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

// A plain window stands in for the saver window: defaultSaverProc and the
// system-command branch of saverWindowProc act on it without the scene.
class MessageChain : public ::testing::Test {
  protected:
    void SetUp() override {
        window = CreateWindowExA(0, "STATIC", "chain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        isPreview = isWindowed = false;
        firstMouseMoveSeen = closeArmed = false;
        showFps = monitorOff = passwordDialogActive = false;
        SetCursorPos(200, 200);
        GetCursorPos(&lastCursorPos);
        drain();
    }
    void TearDown() override { DestroyWindow(window); }

    // Removes waiting messages; true when one of them was WM_CLOSE.
    bool drain() {
        bool closePosted = false;
        MSG message;
        while (PeekMessageA(&message, window, 0, 0, PM_REMOVE))
            closePosted |= message.message == WM_CLOSE;
        return closePosted;
    }

    LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return defaultSaverProc(window, message, wParam, lParam);
    }

    // Moves the cursor by (dx, dy) and delivers the mouse-move message.
    void moveMouse(int dx, int dy) {
        POINT p;
        GetCursorPos(&p);
        SetCursorPos(p.x + dx, p.y + dy);
        send(WM_MOUSEMOVE);
    }

    HWND window = nullptr;
};

TEST_F(MessageChain, KeysOtherThanSToggleNothingAndClose) {
    send(WM_KEYDOWN, 'S');
    EXPECT_TRUE(showFps);
    EXPECT_FALSE(drain());
    send(WM_KEYDOWN, 'S');
    EXPECT_FALSE(showFps);
    EXPECT_FALSE(closeArmed);

    send(WM_KEYDOWN, 'A');
    EXPECT_TRUE(closeArmed);
    EXPECT_TRUE(drain());
}

TEST_F(MessageChain, ClicksAndDeactivationClose) {
    for (UINT message : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_SYSKEYDOWN}) {
        closeArmed = false;
        send(message);
        EXPECT_TRUE(closeArmed) << message;
        EXPECT_TRUE(drain()) << message;
    }
    closeArmed = false;
    send(WM_ACTIVATEAPP, 1);
    EXPECT_FALSE(drain());
    send(WM_ACTIVATEAPP, 0);
    EXPECT_TRUE(drain());
}

TEST_F(MessageChain, MouseMovementBeyondFourPixelsCloses) {
    moveMouse(10, 10); // the first message neither arms nor closes by itself
    EXPECT_FALSE(closeArmed);
    EXPECT_TRUE(drain()) << "a close is posted but finds the saver unarmed";
    EXPECT_EQ(send(WM_CLOSE), 0);
    EXPECT_TRUE(IsWindow(window));

    GetCursorPos(&lastCursorPos);
    moveMouse(3, 1); // sum 4: stays
    EXPECT_TRUE(closeArmed);
    EXPECT_FALSE(drain());
    moveMouse(3, 2); // sum 5 from the new position: closes
    EXPECT_TRUE(drain());
}

TEST_F(MessageChain, AnUnarmedCloseIsIgnoredAndAnArmedOneDestroys) {
    monitorOff = true;
    EXPECT_EQ(send(WM_CLOSE), 0);
    EXPECT_FALSE(monitorOff) << "any close request resumes drawing";
    EXPECT_TRUE(IsWindow(window));
    closeArmed = true;
    passwordDialogActive = true;
    send(WM_CLOSE);
    EXPECT_TRUE(IsWindow(window)) << "no second password check while one is open";
    passwordDialogActive = false;
    send(WM_CLOSE);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(MessageChain, TheWindowedModeNeverClosesOnInput) {
    isWindowed = true;
    send(WM_KEYDOWN, 'A');
    send(WM_LBUTTONDOWN);
    moveMouse(1, 1);
    moveMouse(50, 50);
    EXPECT_FALSE(drain());
    EXPECT_TRUE(closeArmed) << "the second mouse move arms the close button";
    send(WM_CLOSE);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(MessageChain, ThePreviewLeavesEverythingToTheSystem) {
    isPreview = true;
    send(WM_KEYDOWN, 'A');
    send(WM_KEYDOWN, 'S');
    moveMouse(50, 50);
    moveMouse(50, 50);
    EXPECT_FALSE(closeArmed);
    EXPECT_FALSE(showFps);
    EXPECT_FALSE(drain());
    send(WM_CLOSE);
    EXPECT_FALSE(IsWindow(window)) << "a close request ends the preview at once";
}

TEST_F(MessageChain, SetCursorIsAnsweredWithoutTheDefault) {
    EXPECT_EQ(send(WM_SETCURSOR), 1);
    isWindowed = true;
    EXPECT_EQ(send(WM_SETCURSOR), 1);
}

TEST_F(MessageChain, ScreenSaverAndTaskSwitchCommandsAreSwallowed) {
    for (WPARAM command : {0xF140, 0xF040, 0xF050})
        EXPECT_EQ(saverWindowProc(window, WM_SYSCOMMAND, command, 0), 0);
    saverWindowProc(window, WM_SYSCOMMAND, 0xF170, 2);
    EXPECT_TRUE(monitorOff);
    monitorOff = false;
    saverWindowProc(window, WM_SYSCOMMAND, 0xF170, 1);
    EXPECT_TRUE(monitorOff);
    monitorOff = false;
    saverWindowProc(window, WM_SYSCOMMAND, 0xF170, static_cast<LPARAM>(-1));
    EXPECT_FALSE(monitorOff) << "power on is not a power-down";
    isWindowed = true;
    saverWindowProc(window, WM_SYSCOMMAND, 0xF170, 2);
    EXPECT_FALSE(monitorOff);
}

TEST(PasswordCheck, OutsideWindows9xThereIsNoPassword) {
    EXPECT_NE(verifySaverPassword(nullptr), 0);
    EXPECT_FALSE(passwordDialogActive);
}

} // namespace
