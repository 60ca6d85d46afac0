#include "ui/label.h"

#include <string>

#include "ui/gdi_handles.h"
#include "ui/window_description.h"

namespace lumetra::ui {
namespace {

// Window extra bytes of a label.
constexpr int colour_slot = 0;
constexpr int font_slot = sizeof(LONG_PTR);

std::string window_text(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

LRESULT CALLBACK label_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_SETFONT:
      SetWindowLongPtrA(window, font_slot, static_cast<LONG_PTR>(wparam));
      if (LOWORD(lparam)) InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return GetWindowLongPtrA(window, font_slot);
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(window, message, wparam, lparam);
      InvalidateRect(window, nullptr, TRUE);
      return result;
    }
    case WM_PAINT: {
      PaintScope paint(window);
      RECT client;
      GetClientRect(window, &client);
      paint_label(paint.dc(), client, window_text(window).c_str(),
                  reinterpret_cast<HFONT>(GetWindowLongPtrA(window, font_slot)),
                  static_cast<COLORREF>(GetWindowLongPtrA(window, colour_slot)));
      return 0;
    }
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

}  // namespace

bool register_label_class(HINSTANCE instance) {
  WNDCLASSEXA label_class{};
  label_class.cbSize = sizeof label_class;
  label_class.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  label_class.lpfnWndProc = label_procedure;
  label_class.cbWndExtra = 2 * sizeof(LONG_PTR);
  label_class.hInstance = instance;
  label_class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  label_class.hbrBackground = nullptr;  // the label fills itself
  label_class.lpszClassName = label_class_name;
  return RegisterClassExA(&label_class) != 0;
}

void set_label_colour(HWND label, COLORREF colour) {
  SetWindowLongPtrA(label, colour_slot, static_cast<LONG_PTR>(colour));
}

void paint_label(HDC dc, const RECT& area, const char* text, HFONT font, COLORREF colour) {
  FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  if (!text || !*text) return;
  SelectedObject selected(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetTextColor(dc, colour);
  SetBkMode(dc, TRANSPARENT);
  RECT box = area;
  DrawTextA(dc, text, -1, &box, DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
}

}  // namespace lumetra::ui
