#include "ui/ui_layer.h"

#include <windows.h>

#include <memory>
#include <string>

#include "ui/events.h"
#include "ui/fatal_error.h"
#include "ui/main_window.h"

namespace lumetra::ui {
namespace {
std::unique_ptr<MainWindow> window;  // UI thread only
}  // namespace

void initialise_ui_layer() {
  // Long enough for any path the loader accepts; a failure leaves the folder as it was.
  std::string path(32768, '\0');
  const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
  if (length == 0 || length >= path.size()) return;
  path.resize(length);
  const std::size_t cut = path.find_last_of('\\');
  if (cut == std::string::npos) return;
  path.resize(cut == 2 && path[1] == ':' ? cut + 1 : cut);  // keep "C:\" a root
  SetCurrentDirectoryA(path.c_str());
}

void load_window(const WindowDescription& description) {
  close_reactions();  // events raised during creation are dropped
  window = std::make_unique<MainWindow>(description);
  if (!window->create(GetModuleHandleA(nullptr))) {
    fail_to_run("Lumetra cannot create its window.");
  }
}

int run_message_loop() {
  if (!window || !window->handle()) return 0;
  MSG message;
  for (;;) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);  // WM_QUIT
    if (got == -1) return 0;
    if (window->take_key(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void release_ui_layer() { window.reset(); }

MainWindow* main_window() { return window.get(); }

}  // namespace lumetra::ui
