// The live display: what the five output boxes show while the input changes,
// and the clear button.
#include "tests/windows/e2e/e2e.h"

namespace lumetra::e2e {
namespace {

const std::array<std::string, 5> letter_a{"61", "6100", "0061", "61", "61"};
const std::array<std::string, 5> zhongwen{"D6D0CEC4", "2D4E8765", "4E2D6587", "E4B8ADE69687",
                                          "2B5469316C68772D"};

// Nine characters are 18 bytes in GBK and UCS-2 and 27 in UTF-8: every dump
// has a line break after its 32nd digit. UTF-7 is one base64 run of 144 bits:
// 24 digits with no pending bits, then "-".
Encodings nine_characters() {
  return encodings("汉字编码转换显示器", L"汉字编码转换显示器", u8"汉字编码转换显示器",
                   "+bElbV38WeAGPbGNiZj55OlZo-");
}

void typing_and_deleting(Run& run) {
  Program app(run, run.lumetra_exe());
  expect_focus(run, app, id::汉字, "at start");

  run.step("type a");
  press('A');
  expect_input(run, app, "a", "after typing a");
  expect_outputs(run, app, letter_a, "after typing a");

  run.step("Backspace deletes the only character");
  press(VK_BACK);
  expect_input(run, app, "", "after Backspace");
  expect_outputs_empty(run, app, "after deleting all text");

  run.step("paste 中文");
  paste(run, "中文");
  expect_input(run, app, "中文", "after pasting 中文");
  expect_outputs(run, app, zhongwen, "after pasting 中文");

  run.step("delete 中文 with two Backspaces");
  press(VK_BACK);
  expect_outputs(run, app, {"D6D0", "2D4E", "4E2D", "E4B8AD", "2B5469302D"}, "after one Backspace");
  press(VK_BACK);
  expect_outputs_empty(run, app, "after deleting all text");
  close_with_esc(run, app);
}

void pasting(Run& run) {
  Program app(run, run.lumetra_exe());

  run.step("paste 中文 (CF_TEXT D6 D0 CE C4)");
  paste(run, "中文");
  expect_input(run, app, "\xD6\xD0\xCE\xC4", "after pasting 中文");
  expect_outputs(run, app, zhongwen, "after pasting 中文");

  run.step("paste nine characters after erasing");
  erase_focused_text();
  expect_outputs_empty(run, app, "after erasing");
  const Encodings nine = nine_characters();
  paste(run, nine.gbk);
  expect_input(run, app, nine.gbk, "after pasting nine characters");
  expect_outputs(run, app, nine.dumps(), "nine characters");
  run.check(app.text(id::Ansi).find("\r\n") == 32, "Ansi: the line break is not after digit 32");
  for (int box : output_ids) {
    HWND control = app.control(box);
    run.check((GetWindowLongA(control, GWL_STYLE) & ES_MULTILINE) == 0,
              control_name(box) + " is a multi-line box");
    run.expect_equal(control_name(box) + ": lines", SendMessageA(control, EM_GETLINECOUNT, 0, 0),
                     1);
    // For a single-line box this is the first visible character.
    run.expect_equal(control_name(box) + ": first visible character",
                     SendMessageA(control, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  }
  close_with_esc(run, app);
}

// A text that GBK does not decode empties all five boxes at once, even where
// part of it would convert.
void undecodable_input(Run& run) {
  Program app(run, run.lumetra_exe());
  struct Case {
    const char* what;
    std::string_view tail;  // pasted after an "a"
  };
  const Case cases[] = {
      {"byte 0x80 (the euro sign of code page 936, not GBK)", "\x80"},
      {"user-defined character 0xAAA1", "\xAA\xA1"},
  };
  for (const Case& c : cases) {
    run.step(std::string("a, then ") + c.what);
    erase_focused_text();
    press('A');
    expect_outputs(run, app, letter_a, "before the bad text");
    paste(run, c.tail);
    std::string expected_input = "a";
    expected_input += c.tail;
    if (!wait_until([&] { return app.text(id::汉字) == expected_input; }, 3000)) {
      // The clipboard's code page conversion did not give these bytes back;
      // no key can type them either, so put them in directly.
      run.step(format("the paste gave %s; setting the text with WM_SETTEXT instead",
                      hex(app.text(id::汉字)).c_str()));
      SendMessageA(app.control(id::汉字), WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>(expected_input.c_str()));
    }
    expect_input(run, app, expected_input, c.what);
    expect_outputs_empty(run, app, c.what);
  }
  close_with_esc(run, app);
}

void clear_button(Run& run) {
  Program app(run, run.lumetra_exe());
  paste(run, "中文");
  expect_outputs(run, app, zhongwen, "before clearing");

  run.step("click " + control_name(id::按钮2));
  click_centre(app.control(id::按钮2));
  expect_input(run, app, "", "after the clear button");
  expect_outputs_empty(run, app, "after the clear button");
  expect_focus(run, app, id::按钮2, "after clicking the clear button");

  run.step("the next keystroke starts from an empty input");
  tab_to(run, app, id::汉字);
  press('A');
  expect_input(run, app, "a", "after clearing and typing a");
  expect_outputs(run, app, letter_a, "after clearing and typing a");

  run.step("clearing an empty window leaves it empty");
  press(VK_BACK);
  expect_outputs_empty(run, app, "after Backspace");
  click_centre(app.control(id::按钮2));
  app.sync();
  pause(settle_ms);
  expect_input(run, app, "", "after clearing an empty window");
  expect_outputs_empty(run, app, "after clearing an empty window");
  close_with_esc(run, app);
}

}  // namespace

const ScenarioTable display_scenarios{{
    {"display_typing", typing_and_deleting},
    {"display_paste", pasting},
    {"display_undecodable", undecodable_input},
    {"clear", clear_button},
}};

}  // namespace lumetra::e2e
