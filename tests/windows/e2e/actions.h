// Steps that many scenarios share: what the five boxes should show for a text,
// waiting for them, pasting, erasing, and closing the program with a check of
// its exit code.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "tests/windows/e2e/program.h"
#include "tests/windows/e2e/run.h"

namespace lumetra::e2e {

// Uppercase hex, two digits a byte, "\r\n" after every sixteenth byte: what an
// output box shows for the bytes.
std::string dump(std::string_view bytes);

// One text in the five encodings, in output box order.
struct Encodings {
  std::string gbk;  // also what GB18030 gives for it
  std::string ucs2_little;
  std::string ucs2_big;
  std::string utf8;
  std::string utf7;

  std::array<std::string, 5> bytes() const { return {gbk, ucs2_little, ucs2_big, utf8, utf7}; }
  std::array<std::string, 5> dumps() const;
};

// Builds the four fixed forms from the compiler's own literals: `gbk` from a
// plain literal (GBK execution charset), the UCS-2 forms from a wide literal,
// UTF-8 from a u8 literal. UTF-7 is given as written.
Encodings encodings(std::string_view gbk, std::wstring_view utf16, std::u8string_view utf8,
                    std::string_view utf7);

// Waits until the five output boxes show `expected`, then checks each.
bool expect_outputs(Run& run, const Program& app, const std::array<std::string, 5>& expected,
                    const std::string& what);
bool expect_outputs_empty(Run& run, const Program& app, const std::string& what);
// Waits until the input box holds `expected`, then checks it.
bool expect_input(Run& run, const Program& app, std::string_view expected, const std::string& what);

// The clipboard holds `gbk` as CF_TEXT, then Ctrl+V.
void paste(Run& run, std::string_view gbk);
// End, Shift+Home, Delete: the focused box loses all its text.
void erase_focused_text();
// Waits until the control has the focus; checks it.
bool expect_focus(Run& run, const Program& app, int id, const std::string& what);

// Presses Tab until the control has the focus; checks that it got there
// within one round of the tab order.
bool tab_to(Run& run, const Program& app, int id);

// Checks that the program has ended within 10 s with exit code 0.
void expect_clean_exit(Run& run, Program& app, const std::string& how);
// Esc, then expect_clean_exit.
void close_with_esc(Run& run, Program& app);

}  // namespace lumetra::e2e
