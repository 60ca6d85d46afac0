// SaveDC/RestoreDC for one scope: colours, modes, clipping, viewport and
// selections come back as they were, whoever changed them in between.
#pragma once

#include <windows.h>

namespace lumetra::ui {

class SavedDc {
 public:
  explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDc() {
    if (saved_) RestoreDC(dc_, saved_);
  }
  SavedDc(const SavedDc&) = delete;
  SavedDc& operator=(const SavedDc&) = delete;

 private:
  HDC dc_;  // not owned
  int saved_;
};

}  // namespace lumetra::ui
