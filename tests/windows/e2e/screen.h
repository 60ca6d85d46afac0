// What the screen shows: single pixels through GetPixel on the screen DC, and
// whole rectangles read back with BitBlt for scans and screenshots.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace lumetra::e2e {

COLORREF screen_pixel(POINT screen);

// A rectangle of the screen as COLORREF values, row by row from the top.
struct Capture {
  RECT area{};  // in screen coordinates
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;

  COLORREF at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  int count(COLORREF colour) const;
};

Capture capture_screen(RECT area);
// A window's outer rectangle, or a control's client area, as on the screen.
Capture capture_window(HWND window);
Capture capture_client(HWND window);

// 24-bit bottom-up BMP, which ImageMagick's convert reads.
bool write_bmp(const Capture& image, const std::string& path);

std::string colour_name(COLORREF colour);  // "RGB(255, 0, 0)"

}  // namespace lumetra::e2e
