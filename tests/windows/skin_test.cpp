// The olive-green skin, checked pixel by pixel: the paint routines drawn into
// memory bitmaps, and a small window of skinned controls read back from the
// screen while real mouse input and focus changes drive the button's states.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "ui/gdi_handles.h"
#include "ui/offscreen_image.h"
#include "ui/skin.h"
#include "ui/skin_paint.h"

namespace {

using namespace lumetra::ui;
// The look's colours, written out here rather than taken from the code under test.
namespace colours {
constexpr COLORREF edit_edge = RGB(164, 185, 127);
constexpr COLORREF button_border = RGB(55, 98, 6);
constexpr COLORREF band_normal_top = RGB(255, 255, 255);
constexpr COLORREF band_normal_bottom = RGB(226, 223, 214);
constexpr COLORREF band_hot_top = RGB(255, 240, 207);
constexpr COLORREF band_hot_bottom = RGB(229, 151, 0);
constexpr COLORREF face_top = RGB(252, 252, 251);
constexpr COLORREF face_bottom = RGB(236, 225, 201);
constexpr COLORREF pressed = RGB(239, 227, 206);
}  // namespace colours

// Insets from the button's edge: the face inside the 2-pixel band, the focus rectangle.
constexpr int face_inset = 4;
constexpr int focus_inset = 3;

// Gradient rows are compared within 2 per channel: the end rows are meant to
// be exact, but this leaves room for a gradient that rounds differently.
constexpr int gradient_tolerance = 2;

constexpr int edit_width = 400, edit_height = 24;
constexpr int button_width = 116, button_height = 24;
const char caption[] = "开始转换文字编码";

std::string describe(COLORREF c) {
  char text[40];
  std::snprintf(text, sizeof text, "RGB(%d, %d, %d)", GetRValue(c), GetGValue(c), GetBValue(c));
  return text;
}

bool close_to(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
         std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

bool dark(COLORREF c) { return GetRValue(c) < 96 && GetGValue(c) < 96 && GetBValue(c) < 96; }

// Any W x H image: a memory bitmap or a control on the screen.
using PixelReader = std::function<COLORREF(int x, int y)>;

struct Probe {
  const char* where;
  int x, y;
};

void expect_pixels(const PixelReader& at, const std::vector<Probe>& probes, COLORREF expected,
                   int tolerance, const std::string& context) {
  for (const auto& p : probes) {
    const COLORREF actual = at(p.x, p.y);
    EXPECT_TRUE(close_to(actual, expected, tolerance))
        << context << ": " << p.where << " (" << p.x << ", " << p.y << ") is " << describe(actual)
        << ", expected " << describe(expected) << " +-" << tolerance;
  }
}

// Bounding box of the caption's dark pixels inside the face.
RECT caption_box(const PixelReader& at, int width, int height) {
  RECT box{width, height, -1, -1};
  for (int y = face_inset; y < height - face_inset; ++y) {
    for (int x = face_inset; x < width - face_inset; ++x) {
      if (!dark(at(x, y))) continue;
      box.left = std::min<LONG>(box.left, x);
      box.top = std::min<LONG>(box.top, y);
      box.right = std::max<LONG>(box.right, x);
      box.bottom = std::max<LONG>(box.bottom, y);
    }
  }
  return box;
}

// Pixels of the focus ring (inset 3) that differ from `reference`.
int focus_ring_differences(const PixelReader& at, const PixelReader& reference, int width,
                           int height, bool* adjacent_pair) {
  const int inset = focus_inset;
  int differences = 0;
  *adjacent_pair = false;
  bool previous = false;
  for (int x = inset; x < width - inset; ++x) {
    const bool differs = at(x, inset) != reference(x, inset);
    if (differs && previous) *adjacent_pair = true;
    previous = differs;
    differences += differs;
    differences += at(x, height - 1 - inset) != reference(x, height - 1 - inset);
  }
  for (int y = inset + 1; y < height - 1 - inset; ++y) {
    differences += at(inset, y) != reference(inset, y);
    differences += at(width - 1 - inset, y) != reference(width - 1 - inset, y);
  }
  return differences;
}

// Every pixel outside the focus ring that differs from `reference`.
int differences_off_focus_ring(const PixelReader& at, const PixelReader& reference, int width,
                               int height) {
  const int inset = focus_inset;
  int differences = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool on_ring =
          (x >= inset && x < width - inset && y >= inset && y < height - inset) &&
          (x == inset || x == width - 1 - inset || y == inset || y == height - 1 - inset);
      if (!on_ring && at(x, y) != reference(x, y)) ++differences;
    }
  }
  return differences;
}

Font make_button_font() {
  LOGFONTA font{};
  font.lfHeight = -12;
  font.lfWeight = FW_BOLD;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = PROOF_QUALITY;
  lstrcpyA(font.lfFaceName, "宋体");
  return Font(CreateFontIndirectA(&font));
}

// A button look painted into a memory bitmap through the paint routine.
class PaintedButton {
 public:
  PaintedButton(const ButtonLook& look, HFONT font)
      : screen_(nullptr), image_(screen_.get(), button_width, button_height) {
    paint_button(image_.dc(), {0, 0, button_width, button_height}, look, font, caption);
  }
  PixelReader reader() const {
    return [dc = image_.dc()](int x, int y) { return GetPixel(dc, x, y); };
  }

 private:
  WindowDc screen_;
  OffscreenImage image_;
};

// The checks every look shares: rings, border, corners, band rows, face.
struct ExpectedLook {
  COLORREF band_top, band_bottom, face_top, face_bottom;
};

void expect_button_layers(const PixelReader& at, const ExpectedLook& expected,
                          const std::string& context) {
  const int w = button_width, h = button_height;
  const COLORREF button_face = GetSysColor(COLOR_BTNFACE);
  expect_pixels(at,
                {{"outer ring top", w / 2, 0},
                 {"outer ring bottom", w / 2, h - 1},
                 {"outer ring left", 0, h / 2},
                 {"outer ring right", w - 1, h / 2},
                 {"outer corner", 0, 0},
                 {"outer corner", w - 1, h - 1},
                 {"rounded corner top-left", 1, 1},
                 {"rounded corner top-right", w - 2, 1},
                 {"rounded corner bottom-left", 1, h - 2},
                 {"rounded corner bottom-right", w - 2, h - 2}},
                button_face, 0, context);
  expect_pixels(at,
                {{"border top", w / 2, 1},
                 {"border bottom", w / 2, h - 2},
                 {"border left", 1, h / 2},
                 {"border right", w - 2, h / 2},
                 {"top-left (2,2)", 2, 2},
                 {"top-left (1,2)", 1, 2},
                 {"top-left (2,1)", 2, 1},
                 {"top-right", w - 3, 2},
                 {"top-right", w - 2, 2},
                 {"top-right", w - 3, 1},
                 {"bottom-left", 2, h - 3},
                 {"bottom-left", 1, h - 3},
                 {"bottom-left", 2, h - 2},
                 {"bottom-right", w - 3, h - 3},
                 {"bottom-right", w - 2, h - 3},
                 {"bottom-right", w - 3, h - 2}},
                colours::button_border, 0, context);
  expect_pixels(at,
                {{"band top row", w / 2, 2}, {"band top row", 10, 2}, {"band top row", w - 4, 2}},
                expected.band_top, gradient_tolerance, context);
  expect_pixels(at,
                {{"band bottom row", w / 2, h - 3},
                 {"band bottom row", 10, h - 3},
                 {"band bottom row", w - 4, h - 3}},
                expected.band_bottom, gradient_tolerance, context);
  expect_pixels(at, {{"face top row", 5, 4}, {"face top row", w - 6, 4}}, expected.face_top,
                gradient_tolerance, context);
  expect_pixels(at, {{"face bottom row", 5, h - 5}, {"face bottom row", w - 6, h - 5}},
                expected.face_bottom, gradient_tolerance, context);
}

const ExpectedLook normal_look{colours::band_normal_top, colours::band_normal_bottom,
                               colours::face_top, colours::face_bottom};
const ExpectedLook hot_look{colours::band_hot_top, colours::band_hot_bottom, colours::face_top,
                            colours::face_bottom};
const ExpectedLook pressed_look{colours::pressed, colours::pressed, colours::pressed,
                                colours::pressed};

struct LookCase {
  const char* name;
  ButtonLook look;
  ExpectedLook expected;
  bool focus_rect;
};

const LookCase look_cases[] = {
    {"normal", {false, false, false}, normal_look, false},
    {"mouse over", {true, false, false}, hot_look, false},
    {"pressed", {false, true, false}, pressed_look, false},
    {"focus", {false, false, true}, hot_look, true},
    {"mouse over and focus", {true, false, true}, hot_look, true},
    {"pressed wins over mouse over and focus", {true, true, true}, pressed_look, false},
};

TEST(SkinPaint, ButtonLayersPerState) {
  const Font font = make_button_font();
  for (const auto& c : look_cases) {
    PaintedButton painted(c.look, font.get());
    expect_button_layers(painted.reader(), c.expected, c.name);
  }
}

TEST(SkinPaint, GradientRunsDownTheBandAndFace) {
  PaintedButton painted({}, nullptr);
  const auto at = painted.reader();
  // Each channel moves monotonically from the top row to the bottom row
  // (down the band's left column, between its two corner pixels).
  COLORREF previous = at(2, 3);
  for (int y = 4; y < button_height - 3; ++y) {
    const COLORREF c = at(2, y);
    EXPECT_LE(GetGValue(c), GetGValue(previous)) << "band row " << y;
    EXPECT_LE(GetBValue(c), GetBValue(previous)) << "band row " << y;
    previous = c;
  }
  const COLORREF middle = at(5, button_height / 2);
  EXPECT_LT(GetBValue(middle), GetBValue(colours::face_top) - 2) << describe(middle);
  EXPECT_GT(GetBValue(middle), GetBValue(colours::face_bottom) + 2) << describe(middle);
}

TEST(SkinPaint, FocusRectangleIsDottedThreePixelsInside) {
  const Font font = make_button_font();
  for (const auto& c : look_cases) {
    ButtonLook without_focus = c.look;
    without_focus.focused = false;
    // Focus turns the band orange like mouse over; compare against that band.
    if (c.look.focused && !c.look.pressed) without_focus.mouse_over = true;
    PaintedButton painted(c.look, font.get());
    PaintedButton reference(without_focus, font.get());
    bool adjacent = false;
    const int on_ring = focus_ring_differences(painted.reader(), reference.reader(), button_width,
                                               button_height, &adjacent);
    EXPECT_EQ(differences_off_focus_ring(painted.reader(), reference.reader(), button_width,
                                         button_height),
              0)
        << c.name;
    const int ring_length = 2 * (button_width - 6) + 2 * (button_height - 8);
    if (c.focus_rect) {
      // Dotted: about every other pixel of the ring, never two in a row.
      EXPECT_GE(on_ring, ring_length * 2 / 5) << c.name;
      EXPECT_LE(on_ring, ring_length * 3 / 5) << c.name;
      EXPECT_FALSE(adjacent) << c.name << ": the top edge is not dotted";
    } else {
      EXPECT_EQ(on_ring, 0) << c.name;
    }
  }
}

TEST(SkinPaint, CaptionCentredAndMovedOneRightAndDownWhilePressed) {
  const Font font = make_button_font();
  PaintedButton normal({}, font.get());
  PaintedButton pressed({false, true, false}, font.get());
  const RECT n = caption_box(normal.reader(), button_width, button_height);
  const RECT p = caption_box(pressed.reader(), button_width, button_height);
  ASSERT_GE(n.right, n.left) << "no caption pixels in the normal look";
  // Centred in the face, to a pixel of rounding.
  EXPECT_LE(std::abs((n.left - face_inset) - (button_width - face_inset - 1 - n.right)), 1)
      << "caption spans x " << n.left << ".." << n.right;
  EXPECT_LE(std::abs((n.top - face_inset) - (button_height - face_inset - 1 - n.bottom)), 2)
      << "caption spans y " << n.top << ".." << n.bottom;
  EXPECT_EQ(p.left, n.left + 1);
  EXPECT_EQ(p.top, n.top + 1);
  EXPECT_EQ(p.right, n.right + 1);
  EXPECT_EQ(p.bottom, n.bottom + 1);
}

TEST(SkinPaint, EditRings) {
  WindowDc screen(nullptr);
  for (const bool read_only : {false, true}) {
    OffscreenImage image(screen.get(), edit_width, edit_height);
    paint_edit_rings(image.dc(), {0, 0, edit_width, edit_height}, read_only);
    const PixelReader at = [dc = image.dc()](int x, int y) { return GetPixel(dc, x, y); };
    const std::string context = read_only ? "read-only box" : "editable box";
    expect_pixels(at,
                  {{"top", edit_width / 2, 0},
                   {"bottom", edit_width / 2, edit_height - 1},
                   {"left", 0, edit_height / 2},
                   {"right", edit_width - 1, edit_height / 2},
                   {"corner", 0, 0},
                   {"corner", edit_width - 1, edit_height - 1}},
                  colours::edit_edge, 0, context + " outer ring");
    expect_pixels(at,
                  {{"top", edit_width / 2, 1},
                   {"bottom", edit_width / 2, edit_height - 2},
                   {"left", 1, edit_height / 2},
                   {"right", edit_width - 2, edit_height / 2},
                   {"corner", 1, 1}},
                  GetSysColor(read_only ? COLOR_BTNFACE : COLOR_WINDOW), 0,
                  context + " inner ring");
  }
}

// ---------------------------------------------------------------------------
// A window laid out like the program's, shown on the screen.

LRESULT CALLBACK test_window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

int clicks = 0;

class SkinnedWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    static const ATOM registered = [] {
      WNDCLASSA wc{};
      wc.lpfnWndProc = test_window_procedure;
      wc.hInstance = GetModuleHandleA(nullptr);
      wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
      wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
      wc.lpszClassName = "SkinTestWindow";
      return RegisterClassA(&wc);
    }();
    ASSERT_NE(registered, 0);
    window_ = CreateWindowExA(0, "SkinTestWindow", "skin test",
                              WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN, 60, 60, 460, 170,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    const DWORD edit_style =
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | ES_LEFT | ES_AUTOHSCROLL;
    input_ = child(WS_EX_STATICEDGE, "Edit", "", edit_style, 10, 10, edit_width, edit_height);
    output_ = child(WS_EX_STATICEDGE, "Edit", "", edit_style | ES_READONLY, 10, 44, edit_width,
                    edit_height);
    button_ = child(0, "Button", caption,
                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | BS_PUSHBUTTON |
                        BS_CENTER | BS_VCENTER | BS_MULTILINE,
                    10, 78, button_width, button_height);
    label_ = child(0, "Static", "label", WS_CHILD | WS_VISIBLE | SS_RIGHT, 10, 112, 80, 20);
    SendMessageA(button_, WM_SETFONT, reinterpret_cast<WPARAM>(button_font_.get()), FALSE);
    skinned_before_ = skinned_controls();
    apply_skin(window_, 2);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetFocus(input_);
    settle();
  }
  void TearDown() override {
    if (window_) DestroyWindow(window_);
    pump();
  }

  HWND child(DWORD ex_style, const char* cls, const char* text, DWORD style, int x, int y, int w,
             int h) {
    return CreateWindowExA(ex_style, cls, text, style, x, y, w, h, window_, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  }

  static void pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  // Wine copies a window's drawing to the X screen shortly after it is made.
  static void settle() {
    for (int i = 0; i < 6; ++i) {
      pump();
      Sleep(25);
    }
    GdiFlush();
  }
  // Waits (pumping) until `done` holds, for at most two seconds.
  static bool wait_for(const std::function<bool()>& done) {
    for (int i = 0; i < 100; ++i) {
      settle();
      if (done()) return true;
    }
    return false;
  }

  static PixelReader on_screen(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    return [left = r.left, top = r.top](int x, int y) {
      WindowDc screen(nullptr);
      return GetPixel(screen.get(), left + x, top + y);
    };
  }

  static void move_pointer(int x, int y) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx =
        (x * 65535 + GetSystemMetrics(SM_CXSCREEN) / 2) / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy =
        (y * 65535 + GetSystemMetrics(SM_CYSCREEN) / 2) / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
    SetCursorPos(x, y);
  }
  static void left_button(bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
  }
  POINT button_centre() const {
    RECT r;
    GetWindowRect(button_, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  bool band_top_is(COLORREF colour) const {
    return close_to(on_screen(button_)(button_width / 2, 2), colour, gradient_tolerance);
  }

  Font button_font_ = make_button_font();
  HWND window_ = nullptr;
  HWND input_ = nullptr, output_ = nullptr, button_ = nullptr, label_ = nullptr;
  int skinned_before_ = 0;
};

LRESULT CALLBACK test_window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
      const auto dc = reinterpret_cast<HDC>(wparam);
      const bool read_only =
          (GetWindowLongPtrA(reinterpret_cast<HWND>(lparam), GWL_STYLE) & ES_READONLY) != 0;
      SetTextColor(dc, read_only ? RGB(255, 0, 0) : RGB(0, 0, 0));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED) ++clicks;
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

TEST_F(SkinnedWindow, SkinsEditBoxesAndPushButtonsOnly) {
  EXPECT_EQ(skinned_controls() - skinned_before_, 3) << "two edit boxes and one push button";
  apply_skin(window_, 2);
  EXPECT_EQ(skinned_controls() - skinned_before_, 3) << "applying twice skins nothing twice";
  // The static label keeps its own look: plain background, no ring.
  const auto label = on_screen(label_);
  EXPECT_EQ(label(0, 0), GetSysColor(COLOR_BTNFACE)) << describe(label(0, 0));
  EXPECT_EQ(label(1, 10), GetSysColor(COLOR_BTNFACE)) << describe(label(1, 10));
}

TEST_F(SkinnedWindow, EditBoxRingsOnScreen) {
  const struct {
    HWND box;
    const char* name;
    COLORREF inner;
  } boxes[] = {{input_, "input box", GetSysColor(COLOR_WINDOW)},
               {output_, "output box", GetSysColor(COLOR_BTNFACE)}};
  for (const auto& b : boxes) {
    const auto at = on_screen(b.box);
    expect_pixels(at,
                  {{"top", edit_width / 2, 0},
                   {"bottom", edit_width / 2, edit_height - 1},
                   {"left", 0, edit_height / 2},
                   {"right", edit_width - 1, edit_height / 2},
                   {"corner", 0, 0},
                   {"corner", edit_width - 1, edit_height - 1}},
                  colours::edit_edge, 0, std::string(b.name) + " outer ring");
    expect_pixels(at,
                  {{"top", edit_width / 2, 1},
                   {"bottom", edit_width / 2, edit_height - 2},
                   {"left", 1, edit_height / 2},
                   {"right", edit_width - 2, edit_height / 2}},
                  b.inner, 0, std::string(b.name) + " inner ring");
    // Inside the rings the control's own background (its WM_CTLCOLOR brush),
    // away from the caret at the left.
    expect_pixels(at, {{"client", edit_width - 10, edit_height / 2}, {"client", edit_width / 2, 2}},
                  GetSysColor(COLOR_BTNFACE), 0, std::string(b.name) + " background");
  }
}

TEST_F(SkinnedWindow, TypingStillWorksAndIsPaintedInsideTheRings) {
  for (const char c : std::string("WWWW")) SendMessageA(input_, WM_CHAR, c, 0);
  for (const char c : std::string("WWWW")) SendMessageA(output_, WM_CHAR, c, 0);
  char text[16] = {};
  GetWindowTextA(input_, text, sizeof text);
  EXPECT_STREQ(text, "WWWW");
  GetWindowTextA(output_, text, sizeof text);
  EXPECT_STREQ(text, "") << "the read-only box took typing";
  const auto at = on_screen(input_);
  ASSERT_TRUE(wait_for([&] {
    for (int x = 2; x < 60; ++x)
      for (int y = 2; y < edit_height - 2; ++y)
        if (dark(at(x, y))) return true;
    return false;
  })) << "no text drawn in the input box";
  EXPECT_EQ(at(0, 0), colours::edit_edge) << describe(at(0, 0));
  EXPECT_EQ(at(1, edit_height / 2), GetSysColor(COLOR_WINDOW)) << describe(at(1, edit_height / 2));
}

TEST_F(SkinnedWindow, ButtonOnScreenIsThePaintedImage) {
  PaintedButton painted({}, button_font_.get());
  const auto expected = painted.reader();
  const auto actual = on_screen(button_);
  int differences = 0;
  for (int y = 0; y < button_height; ++y)
    for (int x = 0; x < button_width; ++x) differences += actual(x, y) != expected(x, y);
  EXPECT_EQ(differences, 0);
}

TEST_F(SkinnedWindow, ButtonStatesUnderRealInput) {
  const auto at = on_screen(button_);
  const POINT centre = button_centre();
  expect_button_layers(at, normal_look, "normal");
  const RECT normal_caption = caption_box(at, button_width, button_height);

  // Pointer onto the button: mouse over, no focus rectangle.
  move_pointer(centre.x, centre.y);
  ASSERT_TRUE(wait_for([&] { return band_top_is(colours::band_hot_top); })) << "no mouse over";
  expect_button_layers(at, hot_look, "mouse over");
  EXPECT_EQ(at(10, 3), at(11, 3)) << "a focus rectangle without the focus";

  // Left button down on it: pressed, caption one pixel right and down.
  left_button(true);
  ASSERT_TRUE(wait_for([&] { return band_top_is(colours::pressed); })) << "not pressed";
  expect_button_layers(at, pressed_look, "pressed");
  const RECT pressed_caption = caption_box(at, button_width, button_height);
  EXPECT_EQ(pressed_caption.left, normal_caption.left + 1);
  EXPECT_EQ(pressed_caption.top, normal_caption.top + 1);

  // Released over it: clicked, focused, orange band again with the dotted rectangle.
  const int clicks_before = clicks;
  left_button(false);
  ASSERT_TRUE(wait_for([&] { return band_top_is(colours::band_hot_top); })) << "still pressed";
  expect_button_layers(at, hot_look, "released");
  EXPECT_EQ(clicks, clicks_before + 1);
  EXPECT_EQ(GetFocus(), button_);
  EXPECT_NE(at(10, 3), at(11, 3)) << "no dotted focus rectangle";

  // Pointer away: mouse over ends, the focus keeps the orange band.
  move_pointer(5, 5);
  settle();
  SetFocus(input_);
  ASSERT_TRUE(wait_for([&] { return band_top_is(colours::band_normal_top); }))
      << "mouse over did not end";
  expect_button_layers(at, normal_look, "pointer away, focus elsewhere");

  // Focus alone gives the orange band and the dotted rectangle.
  SetFocus(button_);
  ASSERT_TRUE(wait_for([&] { return band_top_is(colours::band_hot_top); })) << "no focus look";
  expect_button_layers(at, hot_look, "focus");
  EXPECT_NE(at(10, 3), at(11, 3)) << "no dotted focus rectangle";
}

TEST_F(SkinnedWindow, MouseOverEndsWhenThePointerLeaves) {
  const POINT centre = button_centre();
  move_pointer(centre.x, centre.y);
  ASSERT_TRUE(wait_for([&] { return band_top_is(colours::band_hot_top); }));
  move_pointer(centre.x, centre.y + 60);
  EXPECT_TRUE(wait_for([&] { return band_top_is(colours::band_normal_top); }))
      << "WM_MOUSELEAVE did not restore the normal band";
}

TEST_F(SkinnedWindow, DestroyedControlLeavesTheSkin) {
  const int before = skinned_controls();
  const int gdi_before = live_gdi_objects();
  HWND extra = child(0, "Button", "x", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 200, 78, 60, 24);
  apply_skin(window_, 2);
  EXPECT_EQ(skinned_controls(), before + 1);
  DestroyWindow(extra);
  EXPECT_EQ(skinned_controls(), before);
  DestroyWindow(window_);
  window_ = nullptr;
  EXPECT_EQ(skinned_controls(), skinned_before_);
  EXPECT_EQ(live_gdi_objects(), gdi_before);
}

TEST_F(SkinnedWindow, ThousandsOfRepaintsLeakNoGdiObject) {
  const int before = live_gdi_objects();
  constexpr int rounds = 500;
  int state_changes = 0;
  for (int i = 0; i < rounds; ++i) {
    SendMessageA(button_, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(button_, BM_SETSTATE, TRUE, 0);
    SendMessageA(button_, BM_SETSTATE, FALSE, 0);
    SendMessageA(button_, WM_MOUSELEAVE, 0, 0);
    SetFocus(button_);
    SetFocus(input_);
    state_changes += 6;
    RedrawWindow(input_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    RedrawWindow(output_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    if (i % 100 == 0) pump();
  }
  settle();
  std::printf("live GDI objects before %d, after %d, over %d state changes and %d edit repaints\n",
              before, live_gdi_objects(), state_changes, 2 * rounds);
  EXPECT_EQ(live_gdi_objects(), before);
  // The last state drawn is on the screen: normal band, rings intact.
  expect_button_layers(on_screen(button_), normal_look, "after the repaints");
  EXPECT_EQ(on_screen(output_)(0, 0), colours::edit_edge);
}

}  // namespace
