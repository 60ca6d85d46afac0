#include "ui/window_description.h"

#include "core/encoding_table.h"
#include "export/save_encoded_files.h"
#include "ui/reactions.h"
#include "ui/skin.h"

namespace lumetra::ui {
namespace {

constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF red = RGB(255, 0, 0);
constexpr COLORREF blue = RGB(0, 0, 255);
constexpr COLORREF green = RGB(0, 128, 0);
constexpr COLORREF magenta = RGB(255, 0, 255);

constexpr auto edit = ControlKind::edit_box;
constexpr auto label = ControlKind::label;
constexpr auto button = ControlKind::push_button;
constexpr auto edit_font = FontKind::edit_box;
constexpr auto small_font = FontKind::label_and_button;

// Output boxes and their labels take their names and texts from the encoding table.
constexpr const EncodingRow& ansi = encoding_table[0];
constexpr const EncodingRow& unicode = encoding_table[1];
constexpr const EncodingRow& big_endian = encoding_table[2];
constexpr const EncodingRow& utf8 = encoding_table[3];
constexpr const EncodingRow& utf7 = encoding_table[4];

constexpr int olive_scheme = 2;
void apply_olive_skin(HWND window) { apply_skin(window, olive_scheme); }

}  // namespace

// clang-format off
const WindowDescription main_window_description{
    {"LumetraWindow",
     "Lumetra                     制作:Quorvane",
     50, 50, 512, 296,
     WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
     0,
     "DEFAULT_ICON",
     apply_olive_skin},
    {{
      // name         kind    id    left top  width height text              colour   r/o    tab    order font        reaction
      {"按钮2",       button, 1014, 316, 237, 88,  24, "清空编码显示",       {},      false, true,  0, small_font, clear_outputs},
      {"按钮1",       button, 1013, 81,  237, 116, 24, "开始转换文字编码",   {},      false, true,  0, small_font, save_encoded_files},
      {"标签6",       label,  1012, 7,   208, 80,  20, utf7.label,          black,   false, false, 0, small_font, nullptr},
      {utf7.box,      edit,   1011, 89,  206, 400, 24, "",                  black,   true,  true,  0, edit_font,  nullptr},
      {"标签5",       label,  1010, 7,   168, 80,  20, utf8.label,          magenta, false, false, 0, small_font, nullptr},
      {utf8.box,      edit,   1009, 89,  166, 400, 24, "",                  magenta, true,  true,  0, edit_font,  nullptr},
      {"标签4",       label,  1008, 7,   128, 80,  20, big_endian.label,    green,   false, false, 0, small_font, nullptr},
      {big_endian.box, edit,  1007, 89,  126, 400, 24, "",                  green,   true,  true,  0, edit_font,  nullptr},
      {"标签3",       label,  1006, 7,   88,  80,  20, unicode.label,       blue,    false, false, 0, small_font, nullptr},
      {unicode.box,   edit,   1005, 89,  86,  400, 24, "",                  blue,    true,  true,  0, edit_font,  nullptr},
      {"标签2",       label,  1004, 31,  48,  56,  20, ansi.label,          red,     false, false, 0, small_font, nullptr},
      {ansi.box,      edit,   1003, 89,  46,  400, 24, "",                  red,     true,  true,  0, edit_font,  nullptr},
      {"汉字",        edit,   1002, 89,  6,   400, 24, "",                  black,   false, true,  0, edit_font,  refresh_outputs},
      {"标签1",       label,  1001, 15,  8,   72,  20, "文本:",             black,   false, false, 0, small_font, nullptr},
    }}};
// clang-format on

}  // namespace lumetra::ui
