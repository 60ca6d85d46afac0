#include "tests/windows/e2e/screen.h"

#include <algorithm>
#include <cstring>

#include "tests/windows/e2e/files.h"
#include "tests/windows/e2e/run.h"
#include "ui/gdi_handles.h"

namespace lumetra::e2e {

COLORREF screen_pixel(POINT screen) {
  ui::WindowDc dc(nullptr);
  return GetPixel(dc.get(), screen.x, screen.y);
}

int Capture::count(COLORREF colour) const {
  return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
}

Capture capture_screen(RECT area) {
  Capture image;
  image.area = area;
  image.width = std::max(0L, area.right - area.left);
  image.height = std::max(0L, area.bottom - area.top);
  if (image.width == 0 || image.height == 0) return image;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;

  ui::WindowDc screen(nullptr);
  void* bits = nullptr;
  ui::Bitmap bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  ui::MemoryDc memory(screen.get());
  if (!bitmap || !memory || !bits) return image;
  {
    ui::SelectedObject selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, image.width, image.height, screen.get(), area.left, area.top,
           SRCCOPY);
    GdiFlush();
  }
  const auto* row = static_cast<const unsigned char*>(bits);
  image.pixels.reserve(static_cast<std::size_t>(image.width) * image.height);
  for (int i = 0; i < image.width * image.height; ++i) {
    const unsigned char* p = row + 4 * static_cast<std::size_t>(i);  // B, G, R, unused
    image.pixels.push_back(RGB(p[2], p[1], p[0]));
  }
  return image;
}

Capture capture_window(HWND window) {
  RECT area;
  GetWindowRect(window, &area);
  return capture_screen(area);
}

Capture capture_client(HWND window) {
  RECT area;
  GetClientRect(window, &area);
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&area), 2);
  return capture_screen(area);
}

bool write_bmp(const Capture& image, const std::string& path) {
  const int stride = (image.width * 3 + 3) & ~3;
  const DWORD pixel_bytes = static_cast<DWORD>(stride) * image.height;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + pixel_bytes;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = image.width;
  header.biHeight = image.height;  // bottom-up
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = pixel_bytes;

  std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
  bytes.append(reinterpret_cast<const char*>(&header), sizeof header);
  std::string row(static_cast<std::size_t>(stride), '\0');
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const COLORREF c = image.at(x, y);
      row[3 * x] = static_cast<char>(GetBValue(c));
      row[3 * x + 1] = static_cast<char>(GetGValue(c));
      row[3 * x + 2] = static_cast<char>(GetRValue(c));
    }
    bytes += row;
  }
  return write_file(path, bytes);
}

std::string colour_name(COLORREF colour) {
  if (colour == CLR_INVALID) return "CLR_INVALID";
  return format("RGB(%d, %d, %d)", GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

}  // namespace lumetra::e2e
