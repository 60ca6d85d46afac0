#include "tests/windows/e2e/actions.h"

#include "tests/windows/e2e/input.h"
#include "tests/windows/e2e/lumetra_window.h"

namespace lumetra::e2e {

std::string dump(std::string_view bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    out += format("%02X", static_cast<unsigned char>(bytes[i]));
    if ((i + 1) % 16 == 0) out += "\r\n";
  }
  return out;
}

std::array<std::string, 5> Encodings::dumps() const {
  return {dump(gbk), dump(ucs2_little), dump(ucs2_big), dump(utf8), dump(utf7)};
}

Encodings encodings(std::string_view gbk, std::wstring_view utf16, std::u8string_view utf8,
                    std::string_view utf7) {
  Encodings e;
  e.gbk = gbk;
  for (wchar_t unit : utf16) {
    const auto low = static_cast<char>(unit & 0xFF);
    const auto high = static_cast<char>((unit >> 8) & 0xFF);
    e.ucs2_little += {low, high};
    e.ucs2_big += {high, low};
  }
  e.utf8.assign(reinterpret_cast<const char*>(utf8.data()), utf8.size());
  e.utf7 = utf7;
  return e;
}

bool expect_outputs(Run& run, const Program& app, const std::array<std::string, 5>& expected,
                    const std::string& what) {
  wait_until([&] {
    for (std::size_t i = 0; i < output_ids.size(); ++i) {
      if (app.text(output_ids[i]) != expected[i]) return false;
    }
    return true;
  });
  bool all = true;
  for (std::size_t i = 0; i < output_ids.size(); ++i) {
    all &= run.expect_bytes(what + ": box " + control_name(output_ids[i]), app.text(output_ids[i]),
                            expected[i]);
  }
  return all;
}

bool expect_outputs_empty(Run& run, const Program& app, const std::string& what) {
  return expect_outputs(run, app, {}, what);
}

bool expect_input(Run& run, const Program& app, std::string_view expected,
                  const std::string& what) {
  wait_until([&] { return app.text(id::汉字) == expected; });
  return run.expect_bytes(what + ": input box " + control_name(id::汉字), app.text(id::汉字),
                          expected);
}

void paste(Run& run, std::string_view gbk) {
  run.require(set_clipboard_text(gbk), "could not put the text on the clipboard");
  chord({VK_CONTROL}, 'V');
}

void erase_focused_text() {
  press(VK_END);
  chord({VK_SHIFT}, VK_HOME);
  press(VK_DELETE);
}

bool expect_focus(Run& run, const Program& app, int id, const std::string& what) {
  wait_until([&] { return app.focus_id() == id; }, 2000);
  const int actual = app.focus_id();
  return run.check(actual == id, format("%s: the focus is in %s, expected %s", what.c_str(),
                                        actual ? control_name(actual).c_str() : "no control",
                                        control_name(id).c_str()));
}

bool tab_to(Run& run, const Program& app, int id) {
  for (std::size_t presses = 0; presses <= tab_order.size() && app.focus_id() != id; ++presses) {
    const int before = app.focus_id();
    press(VK_TAB);
    wait_until([&] { return app.focus_id() != before; }, 1000);
  }
  return expect_focus(run, app, id, "after tabbing to " + control_name(id));
}

void expect_clean_exit(Run& run, Program& app, const std::string& how) {
  const std::optional<DWORD> code = app.wait_exit(10000);
  if (!run.check(code.has_value(), how + ": the program did not end within 10 s")) return;
  run.expect_equal(how + ": exit code", static_cast<long long>(*code), 0);
}

void close_with_esc(Run& run, Program& app) {
  press(VK_ESCAPE);
  expect_clean_exit(run, app, "Esc");
}

}  // namespace lumetra::e2e
