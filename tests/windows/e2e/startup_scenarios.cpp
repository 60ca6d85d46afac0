// Start-up: where the window stands, what it and every control look like to
// the window manager, and the state it starts in.
#include <string>

#include "tests/windows/e2e/e2e.h"

namespace lumetra::e2e {
namespace {

void check_main_window(Run& run, const Program& app, POINT origin) {
  HWND window = app.window();
  RECT outer;
  GetWindowRect(window, &outer);
  run.expect_equal("outer left", outer.left, origin.x);
  run.expect_equal("outer top", outer.top, origin.y);
  run.expect_equal("outer width", outer.right - outer.left, 512);
  run.expect_equal("outer height", outer.bottom - outer.top, 296);

  const std::string caption = "Lumetra" + std::string(21, ' ') + "制作:Quorvane";
  run.expect_bytes("caption", app.caption(), caption);
  run.expect_bytes("制作 in the caption is GBK", caption.substr(28, 4), "\xD6\xC6\xD7\xF7");

  char class_name[64] = {};
  GetClassNameA(window, class_name, sizeof class_name);
  run.expect_bytes("main window class", class_name, main_window_class);

  // The system gives every top-level window WS_CLIPSIBLINGS and every
  // captioned one WS_EX_WINDOWEDGE; neither is the program's choice.
  const DWORD style = GetWindowLongA(window, GWL_STYLE);
  run.expect_equal(
      "main window style (without WS_CLIPSIBLINGS)", style & ~WS_CLIPSIBLINGS,
      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE);
  const DWORD ex_style = GetWindowLongA(window, GWL_EXSTYLE);
  run.expect_equal("main window extended style (without WS_EX_WINDOWEDGE)",
                   ex_style & ~WS_EX_WINDOWEDGE, 0);
  run.check(GetWindow(window, GW_OWNER) == nullptr, "the main window has an owner");

  // Wine answers WM_GETICON from another process with 0 even for a window whose
  // icons are set, so the icons are checked in-process by the window test.
}

void check_control(Run& run, const Program& app, const ExpectedControl& expected) {
  const std::string name = expected.name;
  HWND control = GetDlgItem(app.window(), expected.id);
  if (!run.check(control != nullptr,
                 format("%s: no control with id %d", name.c_str(), expected.id))) {
    return;
  }
  char class_name[64] = {};
  GetClassNameA(control, class_name, sizeof class_name);
  run.expect_bytes(name + ": class", class_name, expected.class_name);

  RECT area;
  GetWindowRect(control, &area);
  MapWindowPoints(HWND_DESKTOP, app.window(), reinterpret_cast<POINT*>(&area), 2);
  run.expect_equal(name + ": left", area.left, expected.left);
  run.expect_equal(name + ": top", area.top, expected.top);
  run.expect_equal(name + ": width", area.right - area.left, expected.width);
  run.expect_equal(name + ": height", area.bottom - area.top, expected.height);

  run.expect_equal(name + ": style", GetWindowLongA(control, GWL_STYLE), expected.style);
  run.expect_equal(name + ": extended style", GetWindowLongA(control, GWL_EXSTYLE),
                   expected.ex_style);
  run.check(IsWindowVisible(control) && IsWindowEnabled(control),
            name + ": not visible and enabled");
  run.expect_bytes(name + ": text", app.text(expected.id), expected.text);

  const std::string_view kind = expected.class_name;
  if (kind == "Edit") {
    // EM_LIMITTEXT 0 gives a single-line box the largest limit there is.
    run.expect_equal(name + ": text limit", SendMessageA(control, EM_GETLIMITTEXT, 0, 0),
                     0x7FFFFFFE);
    DWORD start = 1, end = 1;
    SendMessageA(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    run.check(start == 0 && end == 0,
              format("%s: selection %lu..%lu, expected the caret at 0", name.c_str(), start, end));
  } else if (kind == "LumetraLabel") {
    SetLastError(0);
    const DWORD class_style = GetClassLongA(control, GCL_STYLE);
    run.expect_equal(name + ": class style (error " + std::to_string(GetLastError()) + ")",
                     class_style, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
  }
}

void check_z_order(Run& run, const Program& app) {
  std::string actual, expected;
  for (auto c = expected_controls.rbegin(); c != expected_controls.rend(); ++c) {
    expected += format("%d ", c->id);
  }
  for (HWND child = GetWindow(app.window(), GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    actual += format("%d ", GetDlgCtrlID(child));
  }
  run.check(actual == expected, "z-order of the controls, topmost first:\n  actual   " + actual +
                                    "\n  expected " + expected);
}

void check_start(Run& run, int screen_width, int screen_height, POINT origin) {
  run.require(GetSystemMetrics(SM_CXSCREEN) == screen_width &&
                  GetSystemMetrics(SM_CYSCREEN) == screen_height,
              format("the prefix's screen is %dx%d, the scenario needs %dx%d",
                     GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), screen_width,
                     screen_height));
  Program app(run, run.lumetra_exe());

  run.step("the main window");
  check_main_window(run, app, origin);

  run.step("the fourteen controls");
  for (const ExpectedControl& control : expected_controls) check_control(run, app, control);
  check_z_order(run, app);

  run.step("the start state");
  expect_focus(run, app, id::汉字, "right after start");
  for (int box : edit_ids) {
    run.expect_equal(control_name(box) + ": text length at start",
                     SendMessageA(app.control(box), WM_GETTEXTLENGTH, 0, 0), 0);
  }
  close_with_esc(run, app);
}

void start_on_1024x768(Run& run) { check_start(run, 1024, 768, {256, 236}); }
void start_on_1920x1080(Run& run) { check_start(run, 1920, 1080, {704, 392}); }

}  // namespace

const ScenarioTable startup_scenarios{{
    {"startup", start_on_1024x768},
    {"startup_1920", start_on_1920x1080},
}};

}  // namespace lumetra::e2e
