#include "tests/windows/e2e/program.h"

#include <cstdio>
#include <vector>

namespace lumetra::e2e {
namespace {

struct WindowSearch {
  DWORD process_id;
  HWND found;
};

BOOL CALLBACK match_process(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char class_name[64] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  if (owner == search->process_id && lstrcmpA(class_name, main_window_class) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

GUITHREADINFO gui_info(DWORD thread_id) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(thread_id, &info)) {
    info = GUITHREADINFO{};
    info.cbSize = sizeof info;
  }
  return info;
}

}  // namespace

Program::Program(Run& run, const std::string& exe, const std::string& working_folder) : run_(run) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::vector<char> command_line(exe.begin(), exe.end());
  command_line.insert(command_line.begin(), '"');
  command_line.push_back('"');
  command_line.push_back('\0');
  if (!CreateProcessA(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      working_folder.empty() ? nullptr : working_folder.c_str(), &startup, &info)) {
    run.abort(format("CreateProcessA(%s) failed with error %lu", exe.c_str(), GetLastError()));
  }
  process_ = OwnedHandle(info.hProcess);
  thread_ = OwnedHandle(info.hThread);
  process_id_ = info.dwProcessId;
  thread_id_ = info.dwThreadId;
  WaitForInputIdle(process_.get(), 10000);

  const bool shown = wait_until(
      [&] {
        WindowSearch search{process_id_, nullptr};
        EnumWindows(match_process, reinterpret_cast<LPARAM>(&search));
        window_ = search.found;
        return window_ && IsWindowVisible(window_) && active() == window_;
      },
      20000);
  if (!shown) {
    run.abort(window_ ? "the main window did not become visible and active within 20 s"
                      : "no window of class LumetraWindow appeared within 20 s");
  }
  // The window thread has shown the window; let it finish the first paint.
  sync();
  pause(100);
}

Program::~Program() {
  if (running()) {
    std::printf("(the program was still running at the end of the scenario; ended it)\n");
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
  }
}

HWND Program::control(int id) const {
  HWND control = GetDlgItem(window_, id);
  if (!control) run_.abort(format("the window has no control with id %d", id));
  return control;
}

std::string Program::text(int id) const {
  HWND box = control(id);
  const LRESULT length = SendMessageA(box, WM_GETTEXTLENGTH, 0, 0);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT got =
      SendMessageA(box, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(got < 0 ? 0 : got));
  return text;
}

std::string Program::caption() const {
  char buffer[512] = {};
  const LRESULT got =
      SendMessageA(window_, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return std::string(buffer, static_cast<std::size_t>(got < 0 ? 0 : got));
}

HWND Program::focus() const { return gui_info(thread_id_).hwndFocus; }

HWND Program::active() const { return gui_info(thread_id_).hwndActive; }

int Program::focus_id() const {
  HWND focused = focus();
  if (!focused || GetParent(focused) != window_) return 0;
  return GetDlgCtrlID(focused);
}

bool Program::responsive(DWORD milliseconds) const {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, milliseconds, &result) != 0;
}

bool Program::running() const {
  return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Program::wait_exit(DWORD milliseconds) {
  if (!process_ || WaitForSingleObject(process_.get(), milliseconds) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  if (!GetExitCodeProcess(process_.get(), &code)) return std::nullopt;
  return code;
}

}  // namespace lumetra::e2e
