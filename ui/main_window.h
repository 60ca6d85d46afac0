// The program's one window, built from its description table.
#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "ui/gdi_handles.h"
#include "ui/window_description.h"

namespace lumetra::ui {

// A loaded icon, destroyed with DestroyIcon.
class Icon {
 public:
  explicit Icon(HICON icon = nullptr) : icon_(icon) {}
  ~Icon() {
    if (icon_) DestroyIcon(icon_);
  }
  Icon(Icon&& other) noexcept : icon_(std::exchange(other.icon_, nullptr)) {}
  Icon& operator=(Icon&& other) noexcept {
    std::swap(icon_, other.icon_);
    return *this;
  }
  Icon(const Icon&) = delete;
  Icon& operator=(const Icon&) = delete;
  HICON get() const { return icon_; }

 private:
  HICON icon_;
};

class MainWindow {
 public:
  explicit MainWindow(const WindowDescription& description);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Builds the window and its controls and shows it. False if the window or a
  // control could not be created.
  bool create(HINSTANCE instance);

  // The window's HWND while it exists, else nullptr.
  HWND handle() const { return window_; }

  // The control of that description name, or nullptr.
  HWND control(const char* name) const;

  // Keys the window takes before the focused control sees them (Tab, Shift+Tab,
  // Esc; Enter and F1 do nothing). True when the message was consumed.
  bool take_key(const MSG& message);

  // Replaces an edit box's text without the platform's own change notice,
  // then raises the box's content-changed event once.
  void replace_text(HWND box, const char* text);

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam);

  bool create_window(HINSTANCE instance);
  bool create_controls(HINSTANCE instance);
  void arrange_z_order();
  const ControlRecord* record_of(HWND control) const;
  void raise_event(HWND control);
  void on_command(WPARAM wparam, LPARAM lparam);
  LRESULT on_control_colour(HDC dc, HWND control);
  void on_activate(WPARAM wparam);
  void focus_remembered_control();
  void move_focus(bool backwards);
  void release_resources();

  const WindowDescription& description_;
  HWND window_ = nullptr;
  std::array<HWND, control_count> controls_{};  // by description index; owned by the window
  std::vector<Font> fonts_;                     // one per control, released with the window
  Icon large_icon_, small_icon_;
  std::vector<std::size_t> tab_order_;  // description indices
  HWND remembered_focus_ = nullptr;
  HWND muted_box_ = nullptr;  // its own EN_CHANGE is not the event while we replace its text
};

}  // namespace lumetra::ui
