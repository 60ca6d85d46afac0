// The program under test: started with CreateProcessA, its window found by
// class and process, its controls by their child identifiers, and the process
// ended on scope exit if a scenario left it running.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "tests/windows/e2e/files.h"
#include "tests/windows/e2e/run.h"

namespace lumetra::e2e {

class Program {
 public:
  // Starts `exe` in `working_folder` (the driver's own when empty) and waits
  // until its main window is visible and active. Aborts the scenario if not.
  Program(Run& run, const std::string& exe, const std::string& working_folder = "");
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  HWND window() const { return window_; }
  DWORD thread_id() const { return thread_id_; }
  // A control by its child identifier; aborts when the window has none.
  HWND control(int id) const;

  // Whole text through WM_GETTEXT: GetWindowTextA gives nothing across processes.
  std::string text(int id) const;
  std::string caption() const;

  HWND focus() const;
  HWND active() const;
  // Child identifier of the control with the focus, 0 when none of ours has it.
  int focus_id() const;

  // True when the window handles a message within `milliseconds`.
  bool responsive(DWORD milliseconds = 2000) const;
  // Waits until the window's thread has handled everything sent to it before.
  void sync() const { responsive(5000); }

  bool running() const;
  // The exit code once the process has ended within `milliseconds`.
  std::optional<DWORD> wait_exit(DWORD milliseconds = 10000);

 private:
  Run& run_;
  OwnedHandle process_;
  OwnedHandle thread_;
  DWORD process_id_ = 0;
  DWORD thread_id_ = 0;
  HWND window_ = nullptr;
};

// The main window's class, as the program registers it.
inline constexpr const char* main_window_class = "LumetraWindow";

}  // namespace lumetra::e2e
