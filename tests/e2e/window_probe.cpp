// Looks at and talks to the saver's windows from another Windows process, for
// the end-to-end tests.
//
//   window_probe info TITLE             key=value lines about the saver window
//   window_probe post TITLE MSG WPARAM LPARAM
//   window_probe preview SCR [SECONDS]  owns a window, runs SCR /p HANDLE in it,
//                                       reports the child, then closes the owner
//
// Numbers may be decimal or 0x-hexadecimal. Exit code 0 on success, 1 when the
// window is not found, 2 on bad usage.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* saverClass = "WindowsScreenSaverClass";

HWND findSaver(const char* title) {
    for (int i = 0; i < 100; ++i) {
        HWND window = FindWindowA(saverClass, title);
        if (window != nullptr)
            return window;
        Sleep(100);
    }
    return nullptr;
}

unsigned long long number(const char* text) {
    return std::strtoull(text, nullptr, 0);
}

void printWindow(HWND window) {
    RECT rect, client;
    GetWindowRect(window, &rect);
    GetClientRect(window, &client);
    LONG style = GetWindowLongA(window, GWL_STYLE);
    LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    char title[256] = "";
    GetWindowTextA(window, title, sizeof title);
    std::printf("title=%s\n", title);
    std::printf("rect=%ld,%ld,%ld,%ld\n", rect.left, rect.top, rect.right, rect.bottom);
    std::printf("client=%ld,%ld\n", client.right, client.bottom);
    std::printf("style=0x%08lX\nexstyle=0x%08lX\n", static_cast<unsigned long>(style),
                static_cast<unsigned long>(exStyle));
    std::printf("topmost=%d\n", (exStyle & WS_EX_TOPMOST) != 0);
    std::printf("foreground=%d\n", GetForegroundWindow() == window);
    std::printf("virtual_screen=%d,%d,%d,%d\n", GetSystemMetrics(SM_XVIRTUALSCREEN),
                GetSystemMetrics(SM_YVIRTUALSCREEN), GetSystemMetrics(SM_CXVIRTUALSCREEN),
                GetSystemMetrics(SM_CYVIRTUALSCREEN));
}

int info(const char* title) {
    HWND window = findSaver(title);
    if (window == nullptr)
        return 1;
    printWindow(window);
    return 0;
}

int post(const char* title, const char* message, const char* wParam, const char* lParam) {
    HWND window = findSaver(title);
    if (window == nullptr)
        return 1;
    PostMessageA(window, static_cast<UINT>(number(message)), static_cast<WPARAM>(number(wParam)),
                 static_cast<LPARAM>(number(lParam)));
    return 0;
}

// Runs the saver as a preview inside a window of this process, the way the
// Display control panel does, and closes that window after the given time.
int preview(const char* scr, double seconds) {
    HWND owner =
        CreateWindowExA(0, "STATIC", "Preview owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 60, 320,
                        240, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(owner);
    RECT ownerClient;
    GetClientRect(owner, &ownerClient);
    char commandLine[1024];
    std::snprintf(commandLine, sizeof commandLine, "\"%s\" /p %llu", scr,
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(owner)));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return 1;
    // The child exists from its creation message on; wait until it is shown.
    HWND child = nullptr;
    for (int i = 0; i < 200 && (child == nullptr || !IsWindowVisible(child)); ++i) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        child = FindWindowExA(owner, nullptr, saverClass, nullptr);
        Sleep(50);
    }
    std::printf("owner_client=%ld,%ld\n", ownerClient.right, ownerClient.bottom);
    std::printf("child_found=%d\n", child != nullptr);
    if (child != nullptr) {
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, owner, reinterpret_cast<POINT*>(&rect), 2);
        std::printf("child_rect=%ld,%ld,%ld,%ld\n", rect.left, rect.top, rect.right, rect.bottom);
        printWindow(child);
        std::printf("owner_foreground=%d\n", GetForegroundWindow() == owner);
    }
    DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds * 1000);
    while (GetTickCount() < deadline) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        Sleep(10);
    }
    DWORD closed = GetTickCount();
    DestroyWindow(owner);
    DWORD waited = WaitForSingleObject(process.hProcess, 10000);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    std::printf("ended=%d\nend_ms=%lu\nexit_code=%ld\n", waited == WAIT_OBJECT_0,
                GetTickCount() - closed, static_cast<long>(exitCode));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "info") == 0)
        return info(argv[2]);
    if (argc == 6 && std::strcmp(argv[1], "post") == 0)
        return post(argv[2], argv[3], argv[4], argv[5]);
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "preview") == 0)
        return preview(argv[2], argc == 4 ? std::atof(argv[3]) : 2.0);
    std::fprintf(stderr, "usage: window_probe info TITLE | post TITLE MSG WPARAM LPARAM | "
                         "preview SCR [SECONDS]\n");
    return 2;
}
