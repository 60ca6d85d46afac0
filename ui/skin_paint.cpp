#include "ui/skin_paint.h"

#include "ui/gdi_handles.h"
#include "ui/saved_dc.h"

namespace lumetra::ui {
namespace {

// A solid rectangle without a brush: ExtTextOut with ETO_OPAQUE fills the
// rectangle in the background colour, so a repaint creates no GDI object
// for its dozens of gradient rows.
void fill_solid(HDC dc, const RECT& rect, COLORREF colour) {
  SetBkColor(dc, colour);
  ExtTextOutA(dc, rect.left, rect.top, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void frame_solid(HDC dc, const RECT& r, COLORREF colour) {
  fill_solid(dc, {r.left, r.top, r.right, r.top + 1}, colour);
  fill_solid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, colour);
  fill_solid(dc, {r.left, r.top, r.left + 1, r.bottom}, colour);
  fill_solid(dc, {r.right - 1, r.top, r.right, r.bottom}, colour);
}

int mix(int from, int to, int step, int steps) {
  // Rounded to nearest, so the first row is `from` and the last row `to` exactly.
  return from + ((to - from) * 2 * step + (to > from ? steps : -steps)) / (2 * steps);
}

// Vertical gradient, one solid row per pixel: the top row in `top`, the
// bottom row in `bottom`.
void fill_gradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom) {
  const int rows = r.bottom - r.top;
  const int steps = rows > 1 ? rows - 1 : 1;
  for (int i = 0; i < rows; ++i) {
    const COLORREF colour = RGB(mix(GetRValue(top), GetRValue(bottom), i, steps),
                                mix(GetGValue(top), GetGValue(bottom), i, steps),
                                mix(GetBValue(top), GetBValue(bottom), i, steps));
    fill_solid(dc, {r.left, r.top + i, r.right, r.top + i + 1}, colour);
  }
}

RECT inset(const RECT& r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

}  // namespace

void paint_edit_rings(HDC dc, const RECT& whole, bool read_only) {
  SavedDc saved(dc);
  frame_solid(dc, whole, skin_colours::edit_edge);
  frame_solid(dc, inset(whole, 1), GetSysColor(read_only ? COLOR_BTNFACE : COLOR_WINDOW));
}

void paint_button(HDC dc, const RECT& area, const ButtonLook& look, HFONT font,
                  std::string_view caption) {
  using namespace skin_colours;
  SavedDc saved(dc);

  const COLORREF button_face = GetSysColor(COLOR_BTNFACE);
  fill_solid(dc, area, button_face);
  const RECT border = inset(area, button_layers::border);
  frame_solid(dc, border, button_border);

  const RECT band = inset(area, button_layers::band);
  const RECT face = inset(area, button_layers::face);
  if (look.pressed) {
    fill_solid(dc, band, pressed);
  } else {
    const bool hot = look.mouse_over || look.focused;
    fill_gradient(dc, band, hot ? band_hot_top : band_normal_top,
                  hot ? band_hot_bottom : band_normal_bottom);
    fill_gradient(dc, face, face_top, face_bottom);
  }

  // Corners rounded by one pixel: the border's corner pixel turns button
  // face and the band's corner pixel takes the border colour instead.
  const int left = border.left, top = border.top;
  const int right = border.right - 1, bottom = border.bottom - 1;
  const struct {
    int x, y, dx, dy;
  } corners[] = {
      {left, top, 1, 1}, {right, top, -1, 1}, {left, bottom, 1, -1}, {right, bottom, -1, -1}};
  for (const auto& c : corners) {
    SetPixelV(dc, c.x, c.y, button_face);
    SetPixelV(dc, c.x + c.dx, c.y + c.dy, button_border);
  }

  if (!caption.empty()) {
    SelectedObject selected_font(
        dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, skin_colours::caption);
    SetBkMode(dc, TRANSPARENT);
    RECT text_area = face;
    if (look.pressed) OffsetRect(&text_area, 1, 1);
    DrawTextA(dc, caption.data(), static_cast<int>(caption.size()), &text_area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }

  if (look.focused && !look.pressed) {
    const RECT focus = inset(area, button_layers::focus_rect);
    // DrawFocusRect inverts with the text and background colours in effect.
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace lumetra::ui
