#include "ui/fatal_error.h"

#include <windows.h>

namespace lumetra::ui {

void fail_to_run(const char* reason) {
  MessageBoxA(nullptr, reason, "Lumetra", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace lumetra::ui
