// An off-screen image of a control's whole rectangle: drawn into first and
// copied to the screen in one BitBlt, so no half-painted state ever shows.
#pragma once

#include <windows.h>

#include "ui/gdi_handles.h"

namespace lumetra::ui {

class OffscreenImage {
 public:
  // Compatible with `screen`, the DC the image is later copied to.
  OffscreenImage(HDC screen, int width, int height)
      : dc_(screen),
        bitmap_(CreateCompatibleBitmap(screen, width, height)),
        selected_(dc_.get(), bitmap_.get()),
        width_(width),
        height_(height) {}

  HDC dc() const { return dc_.get(); }
  explicit operator bool() const { return dc_ && bitmap_; }

  void copy_to(HDC target, int x = 0, int y = 0) const {
    BitBlt(target, x, y, width_, height_, dc_.get(), 0, 0, SRCCOPY);
  }

 private:
  // Declaration order matters: the bitmap is deselected before it is
  // deleted, and both go before the DC.
  MemoryDc dc_;
  Bitmap bitmap_;
  SelectedObject selected_;
  int width_;
  int height_;
};

}  // namespace lumetra::ui
