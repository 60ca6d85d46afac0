#include "ui/main_window.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "ui/events.h"
#include "ui/fatal_error.h"
#include "ui/label.h"

namespace lumetra::ui {
namespace {

constexpr DWORD edit_style = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | ES_LEFT | ES_AUTOHSCROLL;
constexpr DWORD label_style = WS_CHILD | WS_CLIPSIBLINGS;
constexpr DWORD button_style =
    WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;

// Both fonts are bold SimSun; only the character height differs.
Font make_font(FontKind kind) {
  LOGFONTA logical{};
  logical.lfHeight = kind == FontKind::edit_box ? -14 : -12;
  logical.lfWeight = FW_BOLD;
  logical.lfCharSet = DEFAULT_CHARSET;
  logical.lfOutPrecision = OUT_DEFAULT_PRECIS;
  logical.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  logical.lfQuality = PROOF_QUALITY;
  logical.lfPitchAndFamily = DEFAULT_PITCH;
  std::strcpy(logical.lfFaceName, "宋体");
  return Font(CreateFontIndirectA(&logical));
}

const char* class_of(ControlKind kind) {
  switch (kind) {
    case ControlKind::edit_box:
      return "EDIT";
    case ControlKind::label:
      return label_class_name;
    case ControlKind::push_button:
      return "BUTTON";
  }
  return nullptr;
}

DWORD style_of(const ControlRecord& record) {
  switch (record.kind) {
    case ControlKind::edit_box:
      return edit_style | (record.read_only ? ES_READONLY : 0);
    case ControlKind::label:
      return label_style;
    case ControlKind::push_button:
      return button_style;
  }
  return 0;
}

}  // namespace

MainWindow::MainWindow(const WindowDescription& description) : description_(description) {
  // Tab stops by tab-order value, then creation order (the reverse of description order).
  for (std::size_t i = control_count; i-- > 0;) {
    if (description_.controls[i].tab_stop) tab_order_.push_back(i);
  }
  std::stable_sort(tab_order_.begin(), tab_order_.end(), [this](std::size_t a, std::size_t b) {
    return description_.controls[a].tab_order < description_.controls[b].tab_order;
  });
}

bool MainWindow::create(HINSTANCE instance) {
  if (!create_window(instance)) return false;
  if (!create_controls(instance)) return false;
  arrange_z_order();
  for (HWND control : controls_) ShowWindow(control, SW_SHOWNA);

  // From here the window is ready and its events count.
  open_reactions();
  if (description_.window.creation_complete) description_.window.creation_complete(window_);

  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  return true;
}

bool MainWindow::create_window(HINSTANCE instance) {
  const WindowRecord& record = description_.window;
  WNDCLASSEXA window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = record.class_name;
  if (!RegisterClassExA(&window_class) || !register_label_class(instance)) return false;

  // Centred on the whole screen, not the work area.
  const int left = (GetSystemMetrics(SM_CXSCREEN) - record.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - record.height) / 2;
  window_ = CreateWindowExA(record.ex_style, record.class_name, record.caption, record.style, left,
                            top, record.width, record.height, nullptr, nullptr, instance, this);
  if (!window_) return false;

  RECT outer;
  GetWindowRect(window_, &outer);
  if (outer.right - outer.left != record.width || outer.bottom - outer.top != record.height) {
    SetWindowPos(window_, nullptr, 0, 0, record.width, record.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  large_icon_ = Icon(static_cast<HICON>(LoadImageA(instance, record.icon, IMAGE_ICON, 32, 32, 0)));
  small_icon_ = Icon(static_cast<HICON>(LoadImageA(instance, record.icon, IMAGE_ICON, 16, 16, 0)));
  SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large_icon_.get()));
  SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_.get()));
  SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  return true;
}

bool MainWindow::create_controls(HINSTANCE instance) {
  fonts_.resize(control_count);
  for (std::size_t i = control_count; i-- > 0;) {
    const ControlRecord& record = description_.controls[i];
    const DWORD ex_style = record.kind == ControlKind::edit_box ? WS_EX_STATICEDGE : 0;
    HWND control = CreateWindowExA(ex_style, class_of(record.kind), record.text, style_of(record),
                                   record.left, record.top, record.width, record.height, window_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(record.id)),
                                   instance, nullptr);
    if (!control) return false;
    controls_[i] = control;

    fonts_[i] = make_font(record.font);
    HGDIOBJ font =
        fonts_[i] ? static_cast<HGDIOBJ>(fonts_[i].get()) : GetStockObject(DEFAULT_GUI_FONT);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    if (record.kind == ControlKind::edit_box) {
      SendMessageA(control, EM_LIMITTEXT, 0, 0);  // 0: the platform's largest limit
    } else if (record.kind == ControlKind::label) {
      set_label_colour(control, record.text_colour.value_or(RGB(0, 0, 0)));
    }
  }
  return true;
}

void MainWindow::arrange_z_order() {
  HWND above = HWND_TOP;
  for (HWND control : controls_) {
    SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = control;
  }
}

HWND MainWindow::control(const char* name) const {
  for (std::size_t i = 0; i < control_count; ++i) {
    if (std::strcmp(description_.controls[i].name, name) == 0) return controls_[i];
  }
  return nullptr;
}

const ControlRecord* MainWindow::record_of(HWND control) const {
  for (std::size_t i = 0; i < control_count; ++i) {
    if (controls_[i] == control) return &description_.controls[i];
  }
  return nullptr;
}

void MainWindow::raise_event(HWND control) {
  if (!reactions_open()) return;  // dropped, not queued
  const ControlRecord* record = record_of(control);
  if (record && record->reaction) record->reaction();
}

void MainWindow::replace_text(HWND box, const char* text) {
  muted_box_ = box;
  SetWindowTextA(box, text);
  muted_box_ = nullptr;
  // Show the start of the text. The edit control's own WM_SETTEXT already puts
  // the caret at 0 and scrolls there; scrolling again costs as much as a tenth
  // of the write on a long dump under Wine, so only mend it if it did not.
  DWORD start = 0, end = 0;
  SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  // A single-line box answers EM_GETFIRSTVISIBLELINE with its first visible character.
  if (start != 0 || end != 0 || SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0) != 0) {
    SendMessageA(box, EM_SETSEL, 0, 0);
    SendMessageA(box, EM_SCROLLCARET, 0, 0);
  }
  raise_event(box);
}

void MainWindow::on_command(WPARAM wparam, LPARAM lparam) {
  HWND control = reinterpret_cast<HWND>(lparam);
  const ControlRecord* record = record_of(control);
  if (!record) return;
  const WORD code = HIWORD(wparam);
  if (record->kind == ControlKind::edit_box && code == EN_CHANGE && control != muted_box_) {
    raise_event(control);
  } else if (record->kind == ControlKind::push_button && code == BN_CLICKED) {
    raise_event(control);
  }
}

LRESULT MainWindow::on_control_colour(HDC dc, HWND control) {
  const ControlRecord* record = record_of(control);
  if (!record || record->kind != ControlKind::edit_box) {
    return DefWindowProcA(window_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
  }
  SetTextColor(dc, record->text_colour.value_or(RGB(0, 0, 0)));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  // A system brush: owned by the system, never deleted.
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

void MainWindow::focus_remembered_control() {
  if (remembered_focus_ && IsWindow(remembered_focus_) && IsWindowVisible(remembered_focus_) &&
      IsWindowEnabled(remembered_focus_)) {
    SetFocus(remembered_focus_);
    return;
  }
  for (std::size_t index : tab_order_) {
    HWND candidate = controls_[index];
    if (IsWindowVisible(candidate) && IsWindowEnabled(candidate)) {
      SetFocus(candidate);
      return;
    }
  }
}

void MainWindow::on_activate(WPARAM wparam) {
  if (LOWORD(wparam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(window_, focus)) remembered_focus_ = focus;
  } else if (!HIWORD(wparam)) {  // not while minimised
    focus_remembered_control();
  }
}

void MainWindow::move_focus(bool backwards) {
  const std::size_t count = tab_order_.size();
  if (count == 0) return;
  HWND focus = GetFocus();
  std::size_t at = count;  // none: Tab goes to the first, Shift+Tab to the last
  for (std::size_t i = 0; i < count; ++i) {
    if (controls_[tab_order_[i]] == focus) at = i;
  }
  for (std::size_t step = 1; step <= count; ++step) {
    std::size_t next;
    if (at == count) {
      next = backwards ? count - step : step - 1;
    } else {
      next = backwards ? (at + count - step) % count : (at + step) % count;
    }
    HWND candidate = controls_[tab_order_[next]];
    if (IsWindowVisible(candidate) && IsWindowEnabled(candidate)) {
      SetFocus(candidate);
      return;
    }
  }
}

bool MainWindow::take_key(const MSG& message) {
  if (!window_ || message.message != WM_KEYDOWN) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  switch (message.wParam) {
    case VK_TAB:
      move_focus(GetKeyState(VK_SHIFT) < 0);
      return true;
    case VK_ESCAPE:
      SendMessageA(window_, WM_CLOSE, 0, 0);
      return true;
    case VK_RETURN:  // neither button is a default button
    case VK_F1:
      return true;
    default:
      return false;
  }
}

void MainWindow::release_resources() {
  fonts_.clear();
  large_icon_ = Icon();
  small_icon_ = Icon();
  controls_.fill(nullptr);
  remembered_focus_ = nullptr;
}

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wparam, lparam);
  // No exception may cross the system's frames: running out of memory inside a
  // reaction ends the program here.
  try {
    return self->handle_message(message, wparam, lparam);
  } catch (const std::bad_alloc&) {
    fail_to_run("Lumetra has run out of memory and must close.");
  } catch (...) {
    fail_to_run("Lumetra has met an unexpected error and must close.");
  }
}

LRESULT MainWindow::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      on_command(wparam, lparam);
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:  // read-only edit boxes ask with this one
      return on_control_colour(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_ACTIVATE:
      on_activate(wparam);
      return 0;
    case WM_SETFOCUS:
      focus_remembered_control();
      return 0;
    case WM_NCDESTROY: {
      HWND window = window_;
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      window_ = nullptr;
      release_resources();
      // The window and all its children are gone: no other window of ours exists.
      PostQuitMessage(0);
      return DefWindowProcA(window, message, wparam, lparam);
    }
    default:
      return DefWindowProcA(window_, message, wparam, lparam);
  }
}

}  // namespace lumetra::ui
