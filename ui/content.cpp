#include "ui/content.h"

#include <windows.h>

#include "ui/main_window.h"
#include "ui/ui_layer.h"

namespace lumetra::ui {
namespace {

HWND box_named(const char* name) {
  MainWindow* window = main_window();
  return window ? window->control(name) : nullptr;
}

}  // namespace

Text read_content(const char* box_name) {
  HWND box = box_named(box_name);
  if (!box) return {};
  // The length the control reports can exceed the ANSI text (it converts from
  // its own storage), never fall short of it by design; still, read again with
  // a larger buffer whenever the text filled the one we gave.
  // One byte of slack past the terminator tells a complete read from a cut one.
  std::size_t capacity = static_cast<std::size_t>(GetWindowTextLengthA(box)) + 2;
  Text text;
  for (;;) {
    text.resize(capacity);
    const int copied = GetWindowTextA(box, text.data(), static_cast<int>(capacity));
    if (static_cast<std::size_t>(copied) + 1 < capacity || copied == 0) {
      text.resize(static_cast<std::size_t>(copied));
      return text;
    }
    capacity *= 2;
  }
}

void write_content(const char* box_name, const Text& text) {
  MainWindow* window = main_window();
  HWND box = box_named(box_name);
  if (window && box) window->replace_text(box, text.c_str());
}

}  // namespace lumetra::ui
