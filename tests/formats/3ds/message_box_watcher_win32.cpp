#include "tests/formats/3ds/message_box_watcher_win32.h"

namespace {

// The hook procedure gets no context of its own.
std::vector<WatchedMessageBox>* watchedBoxes = nullptr;

// Marks a box already recorded, should it be activated again before it goes.
constexpr const char* recordedMark = "QuenlowWatchedBox";

// The static control that holds a box's text.
constexpr int messageTextId = 0xFFFF;

bool isDialog(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return std::string(className) == "#32770";
}

std::string textOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The icon of the box's visible icon control, if any.
HICON iconOf(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        LONG style = GetWindowLongA(child, GWL_STYLE);
        if ((style & SS_TYPEMASK) == SS_ICON && (style & WS_VISIBLE) != 0)
            return reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    }
    return nullptr;
}

} // namespace

MessageBoxWatcher::MessageBoxWatcher() {
    if (watchedBoxes != nullptr)
        return;
    hook_ = SetWindowsHookExA(WH_CBT, onCbt, nullptr, GetCurrentThreadId());
    if (hook_ != nullptr)
        watchedBoxes = &boxes_;
}

MessageBoxWatcher::~MessageBoxWatcher() {
    if (hook_ == nullptr)
        return;
    UnhookWindowsHookEx(hook_);
    watchedBoxes = nullptr;
}

LRESULT CALLBACK MessageBoxWatcher::onCbt(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && watchedBoxes != nullptr && isDialog(window) &&
        GetDlgItem(window, messageTextId) != nullptr && GetPropA(window, recordedMark) == nullptr) {
        SetPropA(window, recordedMark, window);
        watchedBoxes->push_back({textOf(window), textOf(GetDlgItem(window, messageTextId)),
                                 GetWindow(window, GW_OWNER), iconOf(window)});
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    }
    if (code == HCBT_DESTROYWND)
        RemovePropA(window, recordedMark);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
