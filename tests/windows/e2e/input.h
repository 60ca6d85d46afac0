// Real input, the way a person gives it: keys and clicks through SendInput,
// which Wine delivers to the foreground window's focus, and the clipboard.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace lumetra::e2e {

// One key down and up.
void press(WORD vk);
// Holds the modifiers (VK_CONTROL, VK_SHIFT, VK_MENU) around one key press.
void chord(std::initializer_list<WORD> modifiers, WORD vk);
// Types the characters themselves (KEYEVENTF_UNICODE), whatever the layout.
void type_text(std::wstring_view text);

// Moves the pointer there (a real move, so hover tracking sees it).
void move_pointer(POINT screen);
// Left button down and up at a screen point.
void click_screen(POINT screen);
// Left button down and up at a point of a window's client area.
void click_client(HWND window, int x, int y);
// Clicks the middle of a control.
void click_centre(HWND control);
// Presses at `from`, moves to `to` and releases there.
void drag_screen(POINT from, POINT to);

// Puts ANSI (code page 936) bytes on the clipboard as CF_TEXT; Wine derives
// the Unicode form from it with the prefix's code page.
bool set_clipboard_text(std::string_view bytes);
// The clipboard's CF_TEXT, or nothing when it has none.
std::optional<std::string> clipboard_text();
bool empty_clipboard();

// A visible top-level window of the driver's own, used to take the activation
// away from the program under test the way another program would.
class DriverWindow {
 public:
  DriverWindow();
  ~DriverWindow();
  DriverWindow(const DriverWindow&) = delete;
  DriverWindow& operator=(const DriverWindow&) = delete;
  HWND get() const { return window_; }

 private:
  HWND window_ = nullptr;
};

}  // namespace lumetra::e2e
