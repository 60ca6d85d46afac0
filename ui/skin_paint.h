// Drawing of the olive-green skin. Each routine draws into any DC, so the
// same code paints the off-screen image of a control on screen and the
// bitmaps the tests read pixels back from.
#pragma once

#include <windows.h>

#include <string_view>

namespace lumetra::ui {

namespace skin_colours {
inline constexpr COLORREF edit_edge = RGB(164, 185, 127);
inline constexpr COLORREF button_border = RGB(55, 98, 6);
inline constexpr COLORREF band_normal_top = RGB(255, 255, 255);
inline constexpr COLORREF band_normal_bottom = RGB(226, 223, 214);
inline constexpr COLORREF band_hot_top = RGB(255, 240, 207);
inline constexpr COLORREF band_hot_bottom = RGB(229, 151, 0);
inline constexpr COLORREF face_top = RGB(252, 252, 251);
inline constexpr COLORREF face_bottom = RGB(236, 225, 201);
inline constexpr COLORREF pressed = RGB(239, 227, 206);
inline constexpr COLORREF caption = RGB(0, 0, 0);
}  // namespace skin_colours

// The states that decide a push button's look. Pressed wins over mouse
// over, which wins over focus; the focus rectangle shows whenever the
// button has the focus and is not pressed.
struct ButtonLook {
  bool mouse_over = false;
  bool pressed = false;
  bool focused = false;
};

// Geometry of the button layers, as insets from the button's edge.
namespace button_layers {
inline constexpr int border = 1;      // 1-pixel border inside the button-face ring
inline constexpr int band = 2;        // 2-pixel band inside the border
inline constexpr int face = 4;        // the face inside the band
inline constexpr int focus_rect = 3;  // the dotted focus rectangle
}  // namespace button_layers

// The two pixel rings of a skinned edit box around `whole`, the box's
// window rectangle: the outer ring in the edge colour, the inner one in the
// window colour (editable) or the button-face colour (read-only).
void paint_edit_rings(HDC dc, const RECT& whole, bool read_only);

// A push button's whole face in `area`: rings, border with rounded corners,
// band, face, caption in `font` (or the default GUI font when null) and the
// focus rectangle.
void paint_button(HDC dc, const RECT& area, const ButtonLook& look, HFONT font,
                  std::string_view caption);

}  // namespace lumetra::ui
