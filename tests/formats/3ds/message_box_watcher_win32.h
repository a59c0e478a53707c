#pragma once

// Records and closes the message boxes this thread shows while the watcher
// lives, so code that shows one can be tested without blocking: when a box
// becomes active, its caption, text, owner and icon are kept and the box is
// sent IDOK (as if OK was pressed). One watcher at a time.

#include <windows.h>

#include <string>
#include <vector>

struct WatchedMessageBox {
    std::string caption;
    std::string text;
    HWND owner;
    HICON icon; // null when the box shows none
};

class MessageBoxWatcher {
  public:
    MessageBoxWatcher();
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    bool valid() const { return hook_ != nullptr; }
    const std::vector<WatchedMessageBox>& boxes() const { return boxes_; }

  private:
    static LRESULT CALLBACK onCbt(int code, WPARAM wParam, LPARAM lParam);

    HHOOK hook_ = nullptr;
    std::vector<WatchedMessageBox> boxes_;
};
