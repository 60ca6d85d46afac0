// Owning wrappers for GDI handles. Every font, brush, pen, bitmap and DC the
// program makes lives in one of these, so nothing is released by hand.
//
// Wine's GetGuiResources is a stub, so the wrappers keep their own count of
// the GDI objects alive; tests read it to prove repaints leak nothing.
#pragma once

#include <windows.h>

#include <utility>

namespace lumetra::ui {

// Number of GDI objects and memory DCs currently owned by the types below.
int live_gdi_objects();

namespace detail {
void count_gdi_object(int delta);
}

// Any HGDIOBJ kind that DeleteObject releases: HFONT, HBRUSH, HPEN, HBITMAP.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {
    if (handle_) detail::count_gdi_object(+1);
  }
  ~GdiObject() { reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

  void reset() {
    if (handle_) {
      DeleteObject(handle_);
      detail::count_gdi_object(-1);
      handle_ = nullptr;
    }
  }

 private:
  Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Bitmap = GdiObject<HBITMAP>;

// Selects an object into a DC for one scope and puts the old one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;  // not owned
  HGDIOBJ old_;
};

// A memory DC compatible with another DC; deleted with DeleteDC.
class MemoryDc {
 public:
  explicit MemoryDc(HDC compatible_with) : dc_(CreateCompatibleDC(compatible_with)) {
    if (dc_) detail::count_gdi_object(+1);
  }
  ~MemoryDc() {
    if (dc_) {
      DeleteDC(dc_);
      detail::count_gdi_object(-1);
    }
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HDC dc_;
};

// A window's DC from GetDC or GetWindowDC, released with ReleaseDC.
class WindowDc {
 public:
  enum class Area { client, whole_window };
  explicit WindowDc(HWND window, Area area = Area::client)
      : window_(window), dc_(area == Area::client ? GetDC(window) : GetWindowDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;  // not owned
  HDC dc_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
  ~PaintScope() { EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

  HDC dc() const { return dc_; }
  const RECT& area() const { return paint_.rcPaint; }

 private:
  HWND window_;  // not owned
  PAINTSTRUCT paint_{};
  HDC dc_;
};

}  // namespace lumetra::ui
