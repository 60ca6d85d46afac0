// Colours as the screen shows them: label text, the text of every edit box,
// the button-face backgrounds, and the labels' right alignment.
#include <map>

#include "tests/windows/e2e/e2e.h"

namespace lumetra::e2e {
namespace {

// Where the text of one control lies and which colour most of it has.
struct Ink {
  int pixels = 0;
  int exact = 0;  // pixels of exactly the expected colour
  COLORREF most_common = CLR_INVALID;
  int left = -1, right = -1, top = -1, bottom = -1;  // in the capture, inclusive
};

Ink find_ink(const Capture& image, COLORREF background, COLORREF expected, int margin) {
  Ink ink;
  std::map<COLORREF, int> counts;
  for (int y = margin; y < image.height - margin; ++y) {
    for (int x = margin; x < image.width - margin; ++x) {
      const COLORREF c = image.at(x, y);
      if (c == background) continue;
      ++ink.pixels;
      ink.exact += c == expected;
      ++counts[c];
      if (ink.left < 0 || x < ink.left) ink.left = x;
      if (x > ink.right) ink.right = x;
      if (ink.top < 0) ink.top = y;
      ink.bottom = y;
    }
  }
  int best = 0;
  for (const auto& [colour, count] : counts) {
    if (count > best) best = count, ink.most_common = colour;
  }
  return ink;
}

void check_ink(Run& run, const std::string& what, const Ink& ink, COLORREF expected) {
  if (!run.check(ink.pixels > 0, what + ": no text on the screen")) return;
  run.check(
      ink.exact >= 10 && ink.most_common == expected,
      format("%s: %d of %d text pixels are %s; the most common is %s", what.c_str(), ink.exact,
             ink.pixels, colour_name(expected).c_str(), colour_name(ink.most_common).c_str()));
}

void colours(Run& run) {
  Program app(run, run.lumetra_exe());
  const COLORREF face = GetSysColor(COLOR_BTNFACE);

  run.step("the client area and the empty boxes are button face");
  for (POINT p : {POINT{3, 35}, POINT{495, 150}, POINT{250, 33}, POINT{250, 250}}) {
    ClientToScreen(app.window(), &p);
    run.check(screen_pixel(p) == face, format("window background at screen (%ld, %ld) is %s", p.x,
                                              p.y, colour_name(screen_pixel(p)).c_str()));
  }
  for (int box : edit_ids) {
    // Two pixels in from the edge: the skin draws the edge rings.
    const Ink ink = find_ink(capture_client(app.control(box)), face, face, 2);
    run.expect_equal(control_name(box) + ": pixels other than button face inside the empty box",
                     ink.pixels, 0);
  }

  run.step("label text colours and right alignment");
  int colon_right = -1;
  for (int label : {id::标签1, id::标签2, id::标签3, id::标签4, id::标签5, id::标签6}) {
    const ExpectedControl& expected = expected_control(label);
    const Capture image = capture_client(app.control(label));
    const Ink ink = find_ink(image, face, expected.text_colour, 0);
    check_ink(run, control_name(label), ink, expected.text_colour);
    if (ink.pixels == 0) continue;
    // Vertically centred: as much room above the text as below, give or take
    // the glyphs' own asymmetry.
    const int above = ink.top, below = image.height - 1 - ink.bottom;
    run.check(std::abs(above - below) <= 3, format("%s: %d pixels above the text, %d below",
                                                   control_name(label).c_str(), above, below));
    const int right = expected.left + ink.right;  // in the window's client area
    if (label == id::标签1) {
      colon_right = right;
      run.check(right >= 80 && right <= 87,
                format("%s: the text ends at x = %d, not at the right edge 87",
                       control_name(label).c_str(), right));
    } else if (label != id::标签6) {
      run.expect_equal(control_name(label) + ": right end of the colon", right, colon_right);
    } else {
      // "UTF-7: " ends in a blank, so its colon stands one blank further left.
      run.check(right < colon_right - 1 && right > colon_right - 10,
                format("%s: the colon ends at x = %d, the others at %d",
                       control_name(label).c_str(), right, colon_right));
    }
  }

  run.step("text colours of the six boxes with 中文 typed");
  paste(run, "中文");
  expect_outputs(run, app, encodings("中文", L"中文", u8"中文", "+Ti1lhw-").dumps(),
                 "after typing 中文");
  // The caret, or a box's selection, would add pixels of other colours; the
  // focus goes to a button.
  tab_to(run, app, id::按钮1);
  app.sync();
  pause(300);
  for (int box : edit_ids) {
    const COLORREF expected = expected_control(box).text_colour;
    check_ink(run, control_name(box), find_ink(capture_client(app.control(box)), face, expected, 2),
              expected);
  }
  close_with_esc(run, app);
}

}  // namespace

const ScenarioTable colour_scenarios{{
    {"colours", colours},
}};

}  // namespace lumetra::e2e
