// The main window as data: one window record and one record per control.
#pragma once

#include <windows.h>

#include <array>
#include <optional>

namespace lumetra::ui {

enum class ControlKind { edit_box, label, push_button };
enum class FontKind { edit_box, label_and_button };

// Runs on the control's one bound event: content changed for an edit box,
// clicked for a push button.
using Reaction = void (*)();

struct ControlRecord {
  const char* name;
  ControlKind kind;
  int id;  // child window identifier
  int left, top, width, height;
  const char* text;
  std::optional<COLORREF> text_colour;  // push buttons have none of their own
  bool read_only;
  bool tab_stop;
  int tab_order;  // ties go to creation order
  FontKind font;
  Reaction reaction;  // nullptr: no reaction bound
};

struct WindowRecord {
  const char* class_name;
  const char* caption;
  int left, top;      // never used: the window is centred on the screen
  int width, height;  // outer size, frame and caption included
  DWORD style;
  DWORD ex_style;
  const char* icon;                        // resource name
  void (*creation_complete)(HWND window);  // runs once all controls exist, before the window shows
};

inline constexpr std::size_t control_count = 14;

struct WindowDescription {
  WindowRecord window;
  // In description order: topmost first. Creation runs the other way round.
  std::array<ControlRecord, control_count> controls;
};

extern const WindowDescription main_window_description;

// Window class of the self-drawn labels.
inline constexpr const char* label_class_name = "LumetraLabel";

}  // namespace lumetra::ui
