#include "ui/skin.h"

#include <commctrl.h>
#include <windowsx.h>

#include <memory>
#include <string>

#include "ui/gdi_handles.h"
#include "ui/offscreen_image.h"
#include "ui/saved_dc.h"
#include "ui/skin_paint.h"

// The skin hangs on each control through SetWindowSubclass rather than by
// replacing GWLP_WNDPROC: the comctl32 chain calls the control's own
// procedure through DefSubclassProc without our keeping its address, stays
// correct if anything else subclasses the control later, and carries the
// per-control state as reference data instead of a window property.

namespace lumetra::ui {
namespace {

constexpr int olive_scheme = 2;
constexpr UINT_PTR skin_subclass_id = 0x4C53;  // "LS"

int skinned_count = 0;

// Answered with 1 by a control that carries the skin, so applying it twice
// skins nothing twice. (mingw's comctl32 import library has no
// GetWindowSubclass.)
UINT skinned_query() {
  static const UINT message = RegisterWindowMessageA("LumetraSkinned");
  return message;
}

enum class Kind { edit_box, push_button };

struct SkinnedControl {
  explicit SkinnedControl(Kind k, bool ro) : kind(k), read_only(ro) { ++skinned_count; }
  ~SkinnedControl() { --skinned_count; }
  SkinnedControl(const SkinnedControl&) = delete;
  SkinnedControl& operator=(const SkinnedControl&) = delete;

  const Kind kind;
  const bool read_only;  // edit boxes: taken from ES_READONLY when skinned
  bool mouse_over = false;
};

bool has_class(HWND window, const char* name) {
  char buffer[32] = {};
  GetClassNameA(window, buffer, sizeof buffer);
  return lstrcmpiA(buffer, name) == 0;
}

std::string window_text(HWND window) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(
      static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

// Edit boxes: the control paints its client area into the off-screen image
// (the edit control draws into the DC passed as WM_PAINT's wParam instead of
// calling BeginPaint), then the two rings go over its static edge and the
// outermost client pixels, and the whole window rectangle is copied at once.
// With `client_too` false only the non-client ring reaches the screen, so a
// frame repaint never draws over the caret outside BeginPaint.
void paint_edit_box(HWND edit, const SkinnedControl& control, bool client_too) {
  RECT window_rect, client;
  GetWindowRect(edit, &window_rect);
  GetClientRect(edit, &client);
  POINT origin{0, 0};
  ClientToScreen(edit, &origin);
  origin.x -= window_rect.left;
  origin.y -= window_rect.top;
  const int width = window_rect.right - window_rect.left;
  const int height = window_rect.bottom - window_rect.top;

  WindowDc screen(edit, WindowDc::Area::whole_window);
  if (!screen) return;
  OffscreenImage image(screen.get(), width, height);
  if (!image) return;
  {
    // The edit control clips the DC to its client rectangle and leaves it so.
    SavedDc saved(image.dc());
    SetViewportOrgEx(image.dc(), origin.x, origin.y, nullptr);
    DefSubclassProc(edit, WM_PAINT, reinterpret_cast<WPARAM>(image.dc()), 0);
  }
  paint_edit_rings(image.dc(), {0, 0, width, height}, control.read_only);
  if (!client_too) {
    ExcludeClipRect(screen.get(), origin.x, origin.y, origin.x + client.right,
                    origin.y + client.bottom);
  }
  image.copy_to(screen.get());
}

LRESULT edit_box_message(HWND edit, UINT message, WPARAM wparam, LPARAM lparam,
                         SkinnedControl& control) {
  switch (message) {
    case WM_NCPAINT:
      paint_edit_box(edit, control, false);
      return 0;
    case WM_PAINT: {
      PaintScope paint(edit);  // validates, and hides the caret while we copy
      paint_edit_box(edit, control, true);
      return 0;
    }
    default:
      return DefSubclassProc(edit, message, wparam, lparam);
  }
}

ButtonLook look_of(HWND button, const SkinnedControl& control) {
  const auto state = SendMessageA(button, BM_GETSTATE, 0, 0);
  return {control.mouse_over, (state & BST_PUSHED) != 0, (state & BST_FOCUS) != 0};
}

void paint_push_button(HWND button, const SkinnedControl& control, HDC target) {
  RECT area;
  GetClientRect(button, &area);
  OffscreenImage image(target, area.right, area.bottom);
  if (!image) return;
  const auto font = reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0));
  paint_button(image.dc(), area, look_of(button, control), font, window_text(button));
  image.copy_to(target);
}

// Synchronous, so the new look is on screen when the message returns.
void repaint(HWND button) {
  RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

bool track_leave(HWND button) {
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, button, 0};
  return _TrackMouseEvent(&track) != FALSE;
}

void follow_mouse(HWND button, SkinnedControl& control, WPARAM keys, LPARAM position) {
  RECT area;
  GetClientRect(button, &area);
  // While the button holds the capture, moves outside it arrive here too.
  if (!PtInRect(&area, POINT{GET_X_LPARAM(position), GET_Y_LPARAM(position)})) return;
  if (control.mouse_over) {
    // Wine drops the leave tracking when the button takes and releases the
    // capture for a click, and the hover would then never end; arming it
    // again on each move over the button costs nothing.
    track_leave(button);
    return;
  }
  if ((keys & MK_LBUTTON) || !track_leave(button)) return;
  control.mouse_over = true;
  repaint(button);
}

LRESULT push_button_message(HWND button, UINT message, WPARAM wparam, LPARAM lparam,
                            SkinnedControl& control) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel; erasing first would flicker
    case WM_PAINT: {
      PaintScope paint(button);
      paint_push_button(button, control, paint.dc());
      return 0;
    }
    case WM_PRINTCLIENT:
      paint_push_button(button, control, reinterpret_cast<HDC>(wparam));
      return 0;
    case WM_MOUSEMOVE: {
      const LRESULT result = DefSubclassProc(button, message, wparam, lparam);
      follow_mouse(button, control, wparam, lparam);
      return result;
    }
    case WM_MOUSELEAVE: {
      const LRESULT result = DefSubclassProc(button, message, wparam, lparam);
      control.mouse_over = false;
      repaint(button);
      return result;
    }
    // The button's own handling changes its pushed and focus states (and
    // paints the system look straight onto the screen); ours follows it.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
    case BM_SETSTATE:
    case BM_SETSTYLE: {
      const LRESULT result = DefSubclassProc(button, message, wparam, lparam);
      // A click's reaction may have destroyed the button, and this state with it.
      if (!IsWindow(button)) return result;
      // The capture of a click ends the leave tracking; keep it while over.
      if (control.mouse_over && (message == WM_LBUTTONUP || message == WM_CAPTURECHANGED)) {
        track_leave(button);
      }
      repaint(button);
      return result;
    }
    default:
      return DefSubclassProc(button, message, wparam, lparam);
  }
}

LRESULT CALLBACK skin_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                DWORD_PTR reference) {
  auto* control = reinterpret_cast<SkinnedControl*>(reference);
  if (message == skinned_query() && message != 0) return 1;
  if (message == WM_NCDESTROY) {
    const std::unique_ptr<SkinnedControl> owned(control);
    RemoveWindowSubclass(window, skin_procedure, skin_subclass_id);
    return DefSubclassProc(window, message, wparam, lparam);
  }
  return control->kind == Kind::edit_box
             ? edit_box_message(window, message, wparam, lparam, *control)
             : push_button_message(window, message, wparam, lparam, *control);
}

std::unique_ptr<SkinnedControl> skin_state_for(HWND child) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(child, GWL_STYLE));
  if (has_class(child, "Edit")) {
    return std::make_unique<SkinnedControl>(Kind::edit_box, (style & ES_READONLY) != 0);
  }
  const DWORD type = style & BS_TYPEMASK;
  if (has_class(child, "Button") && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)) {
    return std::make_unique<SkinnedControl>(Kind::push_button, false);
  }
  return nullptr;  // labels and everything else keep their own look
}

void skin_control(HWND child) {
  if (skinned_query() != 0 && SendMessageA(child, skinned_query(), 0, 0) == 1) return;
  auto state = skin_state_for(child);
  if (!state) return;
  if (!SetWindowSubclass(child, skin_procedure, skin_subclass_id,
                         reinterpret_cast<DWORD_PTR>(state.get()))) {
    return;
  }
  state.release();  // owned by the subclass now; freed on WM_NCDESTROY
  RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

}  // namespace

void apply_skin(HWND window, int scheme) {
  if (scheme != olive_scheme) return;  // the only scheme the program has
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    skin_control(child);
  }
}

int skinned_controls() { return skinned_count; }

}  // namespace lumetra::ui
