// Memory running out inside a reaction, in the test build lumetra_oom whose
// operator new fails above a size set in its environment: the program shows
// its error box with no owner, ends with exit code -1 once it is dismissed,
// and writes nothing.
#include "tests/windows/e2e/core_outputs.h"
#include "tests/windows/e2e/e2e.h"

namespace lumetra::e2e {
namespace {

struct BoxSearch {
  DWORD process_id;
  HWND found;
};

BOOL CALLBACK match_message_box(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<BoxSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char class_name[16] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  if (owner == search->process_id && lstrcmpA(class_name, "#32770") == 0 &&
      IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// The environment variable for the program started in this scope only.
class EnvironmentSetting {
 public:
  EnvironmentSetting(const char* name, const char* value) : name_(name) {
    SetEnvironmentVariableA(name, value);
  }
  ~EnvironmentSetting() { SetEnvironmentVariableA(name_, nullptr); }
  EnvironmentSetting(const EnvironmentSetting&) = delete;
  EnvironmentSetting& operator=(const EnvironmentSetting&) = delete;

 private:
  const char* name_;
};

std::string window_text(HWND window) {
  char buffer[512] = {};
  const LRESULT got =
      SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return std::string(buffer, static_cast<std::size_t>(got < 0 ? 0 : got));
}

void out_of_memory_in_reaction(Run& run) {
  const std::string desktop = desktop_folder();
  run.require(!desktop.empty(), "the prefix has no desktop folder");
  for (const char* name : saved_file_names) {
    run.require(remove_file(desktop + name), std::string("could not remove ") + name);
  }

  // 64 KiB: far above anything start-up or a short text needs, far below
  // what reading a 256 KiB input box asks for.
  const EnvironmentSetting threshold("LUMETRA_OOM_ABOVE_BYTES", "65536");
  Program app(run, run.lumetra_exe());
  run.step("a short text still works under the limit");
  paste(run, "中文");
  expect_outputs(run, app, core_dumps("中文"), "under the limit");

  run.step("paste 256 KiB: reading the input box runs out of memory");
  paste(run, gbk_text(256 << 10));
  DWORD process_id = 0;
  GetWindowThreadProcessId(app.window(), &process_id);
  HWND box = nullptr;
  wait_until(
      [&] {
        BoxSearch search{process_id, nullptr};
        EnumWindows(match_message_box, reinterpret_cast<LPARAM>(&search));
        box = search.found;
        return box != nullptr;
      },
      30000);
  run.require(box != nullptr, "no message box appeared within 30 s");
  run.check(GetWindow(box, GW_OWNER) == nullptr, "the message box has an owner window");
  run.expect_bytes("message box caption", window_text(box), "Lumetra");
  // 0xFFFF: the message box's static text. The program has a second box for
  // other failures; this one must be the out-of-memory one.
  const std::string message = window_text(GetDlgItem(box, 0xFFFF));
  std::printf("(message box text: %s)\n", message.c_str());
  run.check(message.find("out of memory") != std::string::npos,
            "the message box does not tell of memory: " + message);
  run.check(app.running(), "the program ended before its message box was dismissed");

  run.step("dismiss the box with Enter");
  SetForegroundWindow(box);
  pause(100);
  press(VK_RETURN);
  const std::optional<DWORD> code = app.wait_exit(10000);
  if (run.check(code.has_value(), "the program did not end within 10 s of the box")) {
    run.expect_equal("exit code", static_cast<long long>(*code), 0xFFFFFFFFll);
  }
  for (const char* name : saved_file_names) {
    run.check(!file_size(desktop + name).has_value(),
              std::string(name) + " was written to the desktop");
  }
}

}  // namespace

const ScenarioTable oom_scenarios{{
    {"out_of_memory", out_of_memory_in_reaction},
}};

}  // namespace lumetra::e2e
