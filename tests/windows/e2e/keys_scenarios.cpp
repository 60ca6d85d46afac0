// Keys, focus and closing: the Tab cycle, keys that must change nothing, the
// read-only output boxes, the focus after another window was active, and the
// three ways of ending the program.
#include "tests/windows/e2e/e2e.h"

namespace lumetra::e2e {
namespace {

void tab_cycle(Run& run) {
  Program app(run, run.lumetra_exe());
  expect_focus(run, app, id::汉字, "at start");
  press('X');
  expect_input(run, app, "x", "after typing x");

  run.step("Tab forwards through the eight tab stops and back to 汉字");
  for (std::size_t i = 1; i <= tab_order.size(); ++i) {
    press(VK_TAB);
    if (!expect_focus(run, app, tab_order[i % tab_order.size()], format("after %zu Tab", i))) break;
  }
  run.step("Shift+Tab backwards");
  for (std::size_t i = 1; i <= tab_order.size(); ++i) {
    chord({VK_SHIFT}, VK_TAB);
    const int expected = tab_order[(tab_order.size() - i) % tab_order.size()];
    if (!expect_focus(run, app, expected, format("after %zu Shift+Tab", i))) break;
  }
  // Had a Tab reached the input box it would hold a tab character now.
  expect_input(run, app, "x", "after the Tab cycles");
  close_with_esc(run, app);
}

// Enter and F1 change nothing: no text, no outputs, no focus move, no click of
// a button (a clicked 按钮1 would save files, a clicked 按钮2 would clear).
void keys_without_effect(Run& run) {
  const std::string desktop = desktop_folder();
  run.require(!desktop.empty(), "the prefix has no desktop folder");
  for (const char* name : saved_file_names) {
    run.require(remove_file(desktop + name), std::string("could not delete ") + name);
  }
  Program app(run, run.lumetra_exe());
  paste(run, "中文");
  const std::array<std::string, 5> shown{"D6D0CEC4", "2D4E8765", "4E2D6587", "E4B8ADE69687",
                                         "2B5469316C68772D"};
  expect_outputs(run, app, shown, "after pasting 中文");

  struct Case {
    const char* what;
    int focus;
    WORD vk;
  };
  const Case cases[] = {
      {"Enter in 汉字", id::汉字, VK_RETURN},   {"Enter on 按钮1", id::按钮1, VK_RETURN},
      {"Enter on 按钮2", id::按钮2, VK_RETURN}, {"F1 in 汉字", id::汉字, VK_F1},
      {"Enter in Ansi", id::Ansi, VK_RETURN},
  };
  for (const Case& c : cases) {
    run.step(c.what);
    tab_to(run, app, c.focus);
    press(c.vk);
    app.sync();
    pause(settle_ms);
    expect_input(run, app, "中文", c.what);
    expect_outputs(run, app, shown, c.what);
    expect_focus(run, app, c.focus, std::string("after ") + c.what);
    run.check(app.running(), std::string("the program ended after ") + c.what);
  }
  for (const char* name : saved_file_names) {
    run.check(!file_size(desktop + name), std::string(name) + " was written: a key clicked 按钮1");
  }
  close_with_esc(run, app);
}

void output_boxes_read_only(Run& run) {
  Program app(run, run.lumetra_exe());
  const Encodings nine = encodings("汉字编码转换显示器", L"汉字编码转换显示器",
                                   u8"汉字编码转换显示器", "+bElbV38WeAGPbGNiZj55OlZo-");
  paste(run, nine.gbk);
  expect_outputs(run, app, nine.dumps(), "after pasting nine characters");

  run.step("typing, deleting and pasting into Ansi change nothing");
  tab_to(run, app, id::Ansi);
  press('Z');
  press(VK_SPACE);
  press(VK_BACK);
  press(VK_DELETE);
  paste(run, "abc");
  chord({VK_CONTROL}, 'X');
  app.sync();
  pause(settle_ms);
  expect_outputs(run, app, nine.dumps(), "after typing into Ansi");
  expect_input(run, app, nine.gbk, "after typing into Ansi");

  run.step("Home, Shift+End, Ctrl+C copies the whole dump of Ansi");
  empty_clipboard();
  press(VK_HOME);
  chord({VK_SHIFT}, VK_END);
  chord({VK_CONTROL}, 'C');
  wait_until([] { return clipboard_text().has_value(); }, 2000);
  run.expect_bytes("clipboard after copying Ansi", clipboard_text().value_or("(none)"),
                   dump(nine.gbk));

  close_with_esc(run, app);
}

// Another window takes the activation; when the program is active again the
// control that had the focus has it again.
void focus_comes_back(Run& run) {
  Program app(run, run.lumetra_exe());
  for (int focus : {id::Unicode, id::汉字}) {
    run.step("focus in " + control_name(focus) + ", then another window is active");
    tab_to(run, app, focus);
    {
      DriverWindow other;
      SetForegroundWindow(other.get());
      wait_until([&] { return GetForegroundWindow() == other.get(); }, 3000);
      run.check(GetForegroundWindow() == other.get(), "the driver's window did not become active");
      run.check(app.active() != app.window(), "the program's window is still active");

      run.step("click the program's caption");
      RECT outer;
      GetWindowRect(app.window(), &outer);
      const int caption_y =
          outer.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
      click_screen({outer.left + 200, caption_y});
      wait_until([&] { return app.active() == app.window(); }, 3000);
      run.check(app.active() == app.window(), "the program's window did not become active again");
    }
    expect_focus(run, app, focus, "after the program was active again");
    pause(500);  // keep the next Tab apart from the caption click
  }
  close_with_esc(run, app);
}

// The close box's middle, found by asking the window what each point of its
// caption is.
POINT close_box(const Program& app) {
  RECT outer;
  GetWindowRect(app.window(), &outer);
  const int y = outer.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  int first = -1, last = -1;
  for (int x = outer.right - 1; x > outer.right - 80; --x) {
    const LRESULT hit = SendMessageA(app.window(), WM_NCHITTEST, 0, MAKELPARAM(x, y));
    if (hit == HTCLOSE) {
      if (last < 0) last = x;
      first = x;
    } else if (last >= 0) {
      break;
    }
  }
  return {last < 0 ? -1 : (first + last) / 2, y};
}

enum class Closing { esc, close_box, alt_f4 };

void close_each_way(Run& run, Closing how, const char* name) {
  for (bool typed : {false, true}) {
    run.step(std::string(name) + (typed ? " after typing" : " right after start"));
    Program app(run, run.lumetra_exe());
    if (typed) {
      paste(run, "中文");
      expect_outputs(run, app,
                     {"D6D0CEC4", "2D4E8765", "4E2D6587", "E4B8ADE69687", "2B5469316C68772D"},
                     "before closing");
    }
    switch (how) {
      case Closing::esc:
        press(VK_ESCAPE);
        break;
      case Closing::close_box: {
        const POINT box = close_box(app);
        if (!run.check(box.x >= 0, "no point of the caption is the close box (HTCLOSE)")) continue;
        click_screen(box);
        break;
      }
      case Closing::alt_f4:
        chord({VK_MENU}, VK_F4);
        break;
    }
    expect_clean_exit(run, app, std::string(name) + (typed ? " after typing" : " at start"));
  }
}

void close_esc(Run& run) { close_each_way(run, Closing::esc, "Esc"); }
void close_box_click(Run& run) { close_each_way(run, Closing::close_box, "the close box"); }
void close_alt_f4(Run& run) { close_each_way(run, Closing::alt_f4, "Alt+F4"); }

}  // namespace

const ScenarioTable keys_scenarios{{
    {"tab_cycle", tab_cycle},
    {"keys_without_effect", keys_without_effect},
    {"output_boxes", output_boxes_read_only},
    {"focus_return", focus_comes_back},
    {"close_esc", close_esc},
    {"close_box", close_box_click},
    {"close_alt_f4", close_alt_f4},
}};

}  // namespace lumetra::e2e
