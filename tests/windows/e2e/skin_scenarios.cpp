// The olive-green skin on the real program: each push-button state reached by
// real input, read back from the screen; the rings of the six edit boxes; the
// labels left plain. One screenshot per button state goes into the working
// folder (the build tree) as skin_<state>.bmp.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "tests/windows/e2e/e2e.h"

namespace lumetra::e2e {
namespace {

constexpr COLORREF edit_edge = RGB(164, 185, 127);
constexpr COLORREF button_border = RGB(55, 98, 6);
constexpr COLORREF band_normal_top = RGB(255, 255, 255);
constexpr COLORREF band_normal_bottom = RGB(226, 223, 214);
constexpr COLORREF band_hot_top = RGB(255, 240, 207);
constexpr COLORREF band_hot_bottom = RGB(229, 151, 0);
constexpr COLORREF face_top = RGB(252, 252, 251);
constexpr COLORREF face_bottom = RGB(236, 225, 201);
constexpr COLORREF pressed_colour = RGB(239, 227, 206);

// Gradient end rows are compared within 2 per channel; every other colour exactly.
constexpr int gradient_tolerance = 2;
constexpr int face_inset = 4;
constexpr int focus_inset = 3;

bool close_to(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
         std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

bool dark(COLORREF c) { return GetRValue(c) < 96 && GetGValue(c) < 96 && GetBValue(c) < 96; }

struct Probe {
  const char* where;
  int x, y;
};

void expect_pixels(Run& run, const Capture& image, std::initializer_list<Probe> probes,
                   COLORREF expected, int tolerance, const std::string& context) {
  for (const Probe& p : probes) {
    const COLORREF actual = image.at(p.x, p.y);
    run.check(close_to(actual, expected, tolerance),
              format("%s: %s (%d, %d) is %s, expected %s +-%d", context.c_str(), p.where, p.x, p.y,
                     colour_name(actual).c_str(), colour_name(expected).c_str(), tolerance));
  }
}

struct Look {
  const char* name;
  COLORREF band_top, band_bottom, face_top, face_bottom;
};
const Look normal_look{"normal", band_normal_top, band_normal_bottom, face_top, face_bottom};
const Look hot_look{"mouse over", band_hot_top, band_hot_bottom, face_top, face_bottom};
const Look pressed_look{"pressed", pressed_colour, pressed_colour, pressed_colour, pressed_colour};

// Rings, border at the middle of each edge, the rounded corners, the band's
// top and bottom rows and the face's, on a capture of the button's rectangle.
void expect_button_layers(Run& run, const Capture& b, const Look& look,
                          const std::string& context) {
  const int w = b.width, h = b.height;
  expect_pixels(run, b,
                {{"outer ring top", w / 2, 0},
                 {"outer ring bottom", w / 2, h - 1},
                 {"outer ring left", 0, h / 2},
                 {"outer ring right", w - 1, h / 2},
                 {"rounded corner top-left", 1, 1},
                 {"rounded corner top-right", w - 2, 1},
                 {"rounded corner bottom-left", 1, h - 2},
                 {"rounded corner bottom-right", w - 2, h - 2}},
                GetSysColor(COLOR_BTNFACE), 0, context);
  expect_pixels(run, b,
                {{"border top", w / 2, 1},
                 {"border bottom", w / 2, h - 2},
                 {"border left", 1, h / 2},
                 {"border right", w - 2, h / 2},
                 {"corner (2,2)", 2, 2},
                 {"corner (1,2)", 1, 2},
                 {"corner (2,1)", 2, 1},
                 {"corner (w-3,2)", w - 3, 2},
                 {"corner (w-2,2)", w - 2, 2},
                 {"corner (w-3,1)", w - 3, 1},
                 {"corner (2,h-3)", 2, h - 3},
                 {"corner (1,h-3)", 1, h - 3},
                 {"corner (2,h-2)", 2, h - 2},
                 {"corner (w-3,h-3)", w - 3, h - 3},
                 {"corner (w-2,h-3)", w - 2, h - 3},
                 {"corner (w-3,h-2)", w - 3, h - 2}},
                button_border, 0, context);
  expect_pixels(run, b, {{"band top row", w / 2, 2}, {"band top row", 8, 2}}, look.band_top,
                gradient_tolerance, context);
  expect_pixels(run, b, {{"band bottom row", w / 2, h - 3}, {"band bottom row", 8, h - 3}},
                look.band_bottom, gradient_tolerance, context);
  expect_pixels(run, b, {{"face top row", 5, 4}, {"face top row", w - 6, 4}}, look.face_top,
                gradient_tolerance, context);
  expect_pixels(run, b, {{"face bottom row", 5, h - 5}, {"face bottom row", w - 6, h - 5}},
                look.face_bottom, gradient_tolerance, context);
}

// The dotted focus rectangle 3 pixels inside the edge: along its top row
// every other pixel differs from the plain band row it sits on (row 3 is one
// colour from edge to edge without it).
int focus_dots(const Capture& b) {
  int dots = 0;
  for (int x = focus_inset + 1; x < b.width - focus_inset - 1; ++x) {
    dots += b.at(x, focus_inset) != b.at(x - 1, focus_inset);
  }
  return dots;
}

void expect_focus_rectangle(Run& run, const Capture& b, bool shown, const std::string& context) {
  const int dots = focus_dots(b);
  const int length = b.width - 2 * focus_inset - 2;
  if (shown) {
    run.check(dots >= length * 4 / 5,
              format("%s: no dotted focus rectangle on row %d (%d changes along %d pixels)",
                     context.c_str(), focus_inset, dots, length));
    // The left edge of the rectangle too, every other pixel.
    int left = 0;
    for (int y = focus_inset + 1; y < b.height - focus_inset - 1; ++y)
      left += b.at(focus_inset, y) != b.at(focus_inset + 1, y);
    run.check(left >= (b.height - 2 * focus_inset - 2) / 3,
              format("%s: the focus rectangle has no left edge", context.c_str()));
  } else {
    run.expect_equal(context + ": colour changes along the band's row " +
                         std::to_string(focus_inset) + " (a focus rectangle)",
                     dots, 0);
  }
}

// Where the caption's dark pixels start.
POINT caption_start(const Capture& b) {
  POINT start{b.width, b.height};
  for (int y = face_inset; y < b.height - face_inset; ++y)
    for (int x = face_inset; x < b.width - face_inset; ++x)
      if (dark(b.at(x, y))) {
        start.x = std::min<LONG>(start.x, x);
        start.y = std::min<LONG>(start.y, y);
      }
  return start;
}

void left_button(bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof input);
}

POINT centre_of(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Waits until the button's band top row shows `colour`.
bool wait_for_band(HWND button, COLORREF colour) {
  return wait_until([&] {
    const Capture b = capture_window(button);
    return b.width > 0 && close_to(b.at(b.width / 2, 2), colour, gradient_tolerance);
  });
}

void screenshot(Run& run, const Program& app, const char* state) {
  const std::string path = std::string("skin_") + state + ".bmp";
  run.check(write_bmp(capture_window(app.window()), path), "cannot write " + path);
}

void button_states(Run& run) {
  Program app(run, run.lumetra_exe());
  HWND button = app.control(id::按钮2);
  // A neutral place for the pointer: the window's background between the buttons.
  POINT away{250, 249};
  ClientToScreen(app.window(), &away);
  move_pointer(away);
  pause(settle_ms);

  run.step("normal");
  const Capture normal = capture_window(button);
  expect_button_layers(run, normal, normal_look, "按钮2 normal");
  expect_focus_rectangle(run, normal, false, "按钮2 normal");
  expect_button_layers(run, capture_window(app.control(id::按钮1)), normal_look, "按钮1 normal");
  const POINT normal_caption = caption_start(normal);
  run.check(normal_caption.x < normal.width, "按钮2: no caption pixels");
  screenshot(run, app, "normal");

  run.step("pointer moved onto the button");
  move_pointer(centre_of(button));
  run.check(wait_for_band(button, band_hot_top), "mouse over: the band did not turn orange");
  const Capture hover = capture_window(button);
  expect_button_layers(run, hover, hot_look, "按钮2 mouse over");
  expect_focus_rectangle(run, hover, false, "按钮2 mouse over");
  run.expect_equal("mouse over: caption x", caption_start(hover).x, normal_caption.x);
  screenshot(run, app, "mouse_over");

  run.step("left button held down on the button");
  // Under load Wine now and then drops a button event sent through SendInput;
  // press again, at most three times, until the button has seen the press.
  bool press_seen = false;
  for (int attempt = 0; attempt < 3 && !press_seen; ++attempt) {
    if (attempt > 0) {
      left_button(false);
      pause(settle_ms);
      move_pointer(centre_of(button));
      pause(settle_ms);
    }
    left_button(true);
    press_seen = wait_for_band(button, pressed_colour);
  }
  run.check(press_seen, "pressed: no solid band");
  const Capture pressed = capture_window(button);
  expect_button_layers(run, pressed, pressed_look, "按钮2 pressed");
  const POINT pressed_caption = caption_start(pressed);
  run.expect_equal("pressed: caption starts one pixel right", pressed_caption.x,
                   normal_caption.x + 1);
  run.expect_equal("pressed: caption starts one pixel down", pressed_caption.y,
                   normal_caption.y + 1);
  screenshot(run, app, "pressed");

  run.step("released over the button: clicked, focused, orange with the focus rectangle");
  left_button(false);
  run.check(wait_for_band(button, band_hot_top), "released: the band is not orange");
  pause(settle_ms);
  const Capture released = capture_window(button);
  expect_button_layers(run, released, hot_look, "按钮2 released");
  expect_focus_rectangle(run, released, true, "按钮2 released");
  run.expect_equal("focus after the click", app.focus_id(), id::按钮2);

  run.step("pointer moved away: the focus keeps the orange band");
  move_pointer(away);
  pause(settle_ms * 2);
  const Capture left_alone = capture_window(button);
  expect_button_layers(run, left_alone, hot_look, "按钮2 after the pointer left");
  expect_focus_rectangle(run, left_alone, true, "按钮2 after the pointer left");

  run.step("Tab onto the button from 按钮1, pointer away");
  chord({VK_SHIFT}, VK_TAB);  // 按钮2 -> 按钮1
  expect_focus(run, app, id::按钮1, "after Shift+Tab");
  run.check(wait_for_band(button, band_normal_top), "按钮2 did not go back to normal");
  const Capture unfocused = capture_window(button);
  expect_button_layers(run, unfocused, normal_look, "按钮2 after losing the focus");
  expect_focus_rectangle(run, unfocused, false, "按钮2 after losing the focus");
  press(VK_TAB);  // 按钮1 -> 按钮2
  expect_focus(run, app, id::按钮2, "after Tab");
  run.check(wait_for_band(button, band_hot_top), "focus: the band did not turn orange");
  const Capture focused = capture_window(button);
  expect_button_layers(run, focused, hot_look, "按钮2 focus");
  expect_focus_rectangle(run, focused, true, "按钮2 focus");
  run.expect_equal("focus: caption x", caption_start(focused).x, normal_caption.x);
  screenshot(run, app, "focus");

  close_with_esc(run, app);
}

void edit_boxes_and_labels(Run& run) {
  Program app(run, run.lumetra_exe());
  pause(settle_ms);
  run.step("outer ring of all six edit boxes");
  COLORREF output_inner = CLR_INVALID;
  for (int box : edit_ids) {
    const Capture e = capture_window(app.control(box));
    const int w = e.width, h = e.height;
    const std::string name = control_name(box);
    expect_pixels(run, e,
                  {{"outer ring top", w / 2, 0},
                   {"outer ring bottom", w / 2, h - 1},
                   {"outer ring left", 0, h / 2},
                   {"outer ring right", w - 1, h / 2},
                   {"outer corner", 0, 0},
                   {"outer corner", w - 1, h - 1}},
                  edit_edge, 0, name);
    const COLORREF inner = box == id::汉字 ? GetSysColor(COLOR_WINDOW) : GetSysColor(COLOR_BTNFACE);
    expect_pixels(run, e,
                  {{"inner ring top", w / 2, 1},
                   {"inner ring bottom", w / 2, h - 2},
                   {"inner ring left", 1, h / 2},
                   {"inner ring right", w - 2, h / 2}},
                  inner, 0, name);
    if (box == id::Ansi) output_inner = e.at(w / 2, 1);
  }
  run.step("the input box's inner ring against an output box's");
  const Capture input = capture_window(app.control(id::汉字));
  run.check(
      input.at(input.width / 2, 1) != output_inner,
      format("the input box's inner ring %s is the output boxes' %s",
             colour_name(input.at(input.width / 2, 1)).c_str(), colour_name(output_inner).c_str()));

  run.step("labels stay plain: right-aligned text on the button face");
  for (const ExpectedControl& c : expected_controls) {
    if (std::string_view(c.class_name) != "LumetraLabel") continue;
    const Capture label = capture_window(app.control(c.id));
    const std::string name = control_name(c.id);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    int left = label.width, right = -1, text_pixels = 0, skin_pixels = 0;
    for (int y = 0; y < label.height; ++y)
      for (int x = 0; x < label.width; ++x) {
        const COLORREF p = label.at(x, y);
        skin_pixels += p == edit_edge || p == button_border;
        if (p == face) continue;
        ++text_pixels;
        left = std::min(left, x);
        right = std::max(right, x);
      }
    expect_pixels(run, label,
                  {{"corner", 0, 0},
                   {"corner", label.width - 1, 0},
                   {"corner", 0, label.height - 1},
                   {"corner", label.width - 1, label.height - 1}},
                  face, 0, name);
    run.expect_equal(name + ": skin-coloured pixels", skin_pixels, 0);
    if (!run.check(text_pixels > 0, name + ": no text")) continue;
    // Right-aligned: far less room on the right than on the left.
    run.check(label.width - 1 - right < left,
              format("%s: text spans x %d..%d of %d, not right-aligned", name.c_str(), left, right,
                     label.width));
  }
  close_with_esc(run, app);
}

}  // namespace

const ScenarioTable skin_scenarios{{
    {"skin_button_states", button_states},
    {"skin_edit_boxes_and_labels", edit_boxes_and_labels},
}};

}  // namespace lumetra::e2e
