// The window's content operations and reactions, in-process under Wine: the
// real description with counting wrappers around the input box's reaction.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>

#include "app/current_text.h"
#include "app/exit_reaction.h"
#include "app/program.h"
#include "tests/support/hex_assert.h"
#include "ui/content.h"
#include "ui/main_window.h"
#include "ui/reactions.h"
#include "ui/ui_layer.h"

namespace lumetra {
namespace {

int input_changes = 0;
std::string text_seen_by_reaction;

void counting_refresh() {
  ++input_changes;
  text_seen_by_reaction = ui::read_content(ui::input_box_name);
  ui::refresh_outputs();
}

ui::WindowDescription counting_description() {
  ui::WindowDescription description = ui::main_window_description;
  for (auto& control : description.controls) {
    if (control.reaction == ui::refresh_outputs) control.reaction = counting_refresh;
  }
  return description;
}

const char* const output_boxes[] = {"Ansi", "Unicode", "UniBigEnd", "UTF8", "UTF7"};

class WindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static const ui::WindowDescription description = counting_description();
    ui::load_window(description);
  }
  void SetUp() override { input_changes = 0; }
  HWND window() const { return ui::main_window()->handle(); }
};

TEST_F(WindowTest, CaptionIsTheGbkBytes) {
  ASSERT_EQ(GetACP(), 936u) << "the test prefix must run with the GBK code page";
  char caption[128] = {};
  const int length = GetWindowTextA(window(), caption, sizeof caption);
  EXPECT_SAME_BYTES(std::string(caption, length),
                    "Lumetra" + std::string(21, ' ') + "\xD6\xC6\xD7\xF7:Quorvane");
}

TEST_F(WindowTest, WriteRaisesContentChangedOnceAfterTheTextIsInPlace) {
  const char* texts[] = {"", "", "\xD6\xD0\xCE\xC4", "\xD6\xD0\xCE\xC4", ""};
  for (const char* text : texts) {
    SCOPED_TRACE(testing::as_hex(text));
    input_changes = 0;
    ui::write_content(ui::input_box_name, text);
    EXPECT_EQ(input_changes, 1) << "unchanged or not, one event per write";
    EXPECT_EQ(text_seen_by_reaction, text);
    EXPECT_EQ(current_text, text);
  }
  // Writing an output box runs no reaction.
  input_changes = 0;
  ui::write_content("Ansi", "41");
  EXPECT_EQ(input_changes, 0);
  EXPECT_EQ(ui::read_content("Ansi"), "41");
}

TEST_F(WindowTest, RefreshShowsTheFiveDumpsAndClearEmptiesEverything) {
  ui::write_content(ui::input_box_name, "\xD6\xD0\xCE\xC4");
  const char* const dumps[] = {"D6D0CEC4", "2D4E8765", "4E2D6587", "E4B8ADE69687",
                               "2B5469316C68772D"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(ui::read_content(output_boxes[i]), dumps[i]);

  // Nine characters: 18 GBK bytes, a line break inside the one-line box.
  std::string nine;
  for (int i = 0; i < 9; ++i) nine += "\xD6\xD0";
  ui::write_content(ui::input_box_name, nine);
  const std::string ansi = ui::read_content("Ansi");
  EXPECT_EQ(ansi, "D6D0D6D0D6D0D6D0D6D0D6D0D6D0D6D0\r\nD6D0");
  EXPECT_EQ(SendMessageA(ui::main_window()->control("Ansi"), EM_GETLINECOUNT, 0, 0), 1);
  EXPECT_EQ(ui::read_content("UTF8").size(), 32u + 2u + 22u);

  input_changes = 0;
  ui::clear_outputs();
  EXPECT_EQ(input_changes, 1) << "the clear's write into the input box refreshes once";
  EXPECT_EQ(ui::read_content(ui::input_box_name), "");
  for (const char* box : output_boxes) EXPECT_EQ(ui::read_content(box), "") << box;
  EXPECT_TRUE(current_text.empty());
}

TEST_F(WindowTest, BadInputEmptiesEveryOutput) {
  ui::write_content(ui::input_box_name, "\xD6\xD0\xCE\xC4");
  ui::write_content(ui::input_box_name, "\xD6\xD0\x80\xCE\xC4");
  for (const char* box : output_boxes) EXPECT_EQ(ui::read_content(box), "") << box;
}

TEST_F(WindowTest, ReadsLongTextWhole) {
  std::string text;
  while (text.size() < 300000)
    text +=
        "\xD6\xD0"
        "abc\xCE\xC4";
  ui::write_content(ui::input_box_name, text);
  EXPECT_EQ(ui::read_content(ui::input_box_name).size(), text.size());
  EXPECT_SAME_BYTES(ui::read_content(ui::input_box_name), text);
  // Each dump shows from its start after the write.
  HWND ansi = ui::main_window()->control("Ansi");
  DWORD start = 1, end = 1;
  SendMessageA(ansi, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(SendMessageA(ansi, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  ui::clear_outputs();
}

// Width, height and bits per pixel of an icon's colour image.
std::array<int, 3> icon_shape(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return {0, 0, 0};
  BITMAP bitmap{};
  GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return {bitmap.bmWidth, bitmap.bmHeight, bitmap.bmBitsPixel};
}

TEST_F(WindowTest, CarriesTheProgramIconLargeAndSmall) {
  const auto large = reinterpret_cast<HICON>(SendMessageA(window(), WM_GETICON, ICON_BIG, 0));
  const auto small = reinterpret_cast<HICON>(SendMessageA(window(), WM_GETICON, ICON_SMALL, 0));
  EXPECT_EQ(icon_shape(large), (std::array<int, 3>{32, 32, 32}));
  EXPECT_EQ(icon_shape(small)[0], 16);
  EXPECT_EQ(icon_shape(small)[1], 16);
}

int exit_runs = 0;
TEST(ExitReaction, RunsOnceAndTheLastRegistrationWins) {
  register_exit_reaction([] { exit_runs += 100; });
  register_exit_reaction([] { ++exit_runs; });
  run_exit_reaction();
  run_exit_reaction();
  EXPECT_EQ(exit_runs, 1);

  current_text = "\xD6\xD0";
  register_exit_reaction(release_current_text);
  run_exit_reaction();
  EXPECT_TRUE(current_text.empty());
  EXPECT_EQ(current_text.capacity(), Text().capacity()) << "the text's memory is released";
}

}  // namespace
}  // namespace lumetra
