#include "tests/settings/modal_dialog_driver.h"

namespace {

constexpr UINT tickMilliseconds = 20;
constexpr DWORD abandonAfterMilliseconds = 5000;

struct Run {
    std::vector<DialogStep> steps;
    size_t next = 0;
    DWORD lastStepTime = 0;
};

Run* currentRun = nullptr;

BOOL CALLBACK findFrontDialog(HWND window, LPARAM found) {
    char className[16];
    if (GetClassNameA(window, className, sizeof className) > 0 &&
        lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window) && IsWindowEnabled(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

HWND frontDialog() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findFrontDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = frontDialog();
    if (currentRun == nullptr || dialog == nullptr)
        return;
    Run& run = *currentRun;
    if (run.next < run.steps.size()) {
        // Copied first: the step may start a nested loop that ticks again.
        DialogStep step = run.steps[run.next++];
        step(dialog);
        run.lastStepTime = GetTickCount();
    } else if (GetTickCount() - run.lastStepTime > abandonAfterMilliseconds) {
        EndDialog(dialog, abandonedResult);
    }
}

} // namespace

INT_PTR runModalDialog(HINSTANCE instance, int templateId, DLGPROC procedure,
                       std::vector<DialogStep> steps) {
    Run run{std::move(steps), 0, GetTickCount()};
    currentRun = &run;
    UINT_PTR timer = SetTimer(nullptr, 0, tickMilliseconds, tick);
    INT_PTR result = DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), nullptr, procedure, 0);
    KillTimer(nullptr, timer);
    currentRun = nullptr;
    return result;
}

void clickButton(HWND dialog, int id) {
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void pressKey(HWND target, UINT key) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(target, focus))
        target = focus;
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

std::string windowText(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string itemText(HWND dialog, int id) {
    return windowText(GetDlgItem(dialog, id));
}
