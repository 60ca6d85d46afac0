// The window as the program is meant to build it: every control with its
// child identifier, class, place, size, styles, text and text colour, in
// creation order. Strings are GBK, as the program's ANSI controls hold them.
#pragma once

#include <windows.h>

#include <array>
#include <string_view>

namespace lumetra::e2e {

static_assert(sizeof("中文") == 5, "compile the driver with -fexec-charset=GBK");

namespace id {
inline constexpr int 标签1 = 1001;
inline constexpr int 汉字 = 1002;
inline constexpr int Ansi = 1003;
inline constexpr int 标签2 = 1004;
inline constexpr int Unicode = 1005;
inline constexpr int 标签3 = 1006;
inline constexpr int UniBigEnd = 1007;
inline constexpr int 标签4 = 1008;
inline constexpr int UTF8 = 1009;
inline constexpr int 标签5 = 1010;
inline constexpr int UTF7 = 1011;
inline constexpr int 标签6 = 1012;
inline constexpr int 按钮1 = 1013;
inline constexpr int 按钮2 = 1014;
}  // namespace id

inline constexpr COLORREF no_colour = CLR_INVALID;

struct ExpectedControl {
  int id;
  const char* name;
  const char* class_name;
  int left, top, width, height;  // in the main window's client area
  const char* text;
  COLORREF text_colour;
  DWORD style;
  DWORD ex_style;
};

inline constexpr DWORD edit_style =
    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | ES_LEFT | ES_AUTOHSCROLL;
inline constexpr DWORD output_style = edit_style | ES_READONLY;
inline constexpr DWORD label_style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
inline constexpr DWORD button_style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS |
                                      BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;

// clang-format off
inline constexpr std::array<ExpectedControl, 14> expected_controls{{
    {id::标签1,     "标签1",       "LumetraLabel", 15,  8,   72,  20, "文本:",            RGB(0, 0, 0),     label_style,  0},
    {id::汉字,      "汉字",        "Edit",         89,  6,   400, 24, "",                 RGB(0, 0, 0),     edit_style,   WS_EX_STATICEDGE},
    {id::Ansi,      "Ansi",        "Edit",         89,  46,  400, 24, "",                 RGB(255, 0, 0),   output_style, WS_EX_STATICEDGE},
    {id::标签2,     "标签2",       "LumetraLabel", 31,  48,  56,  20, "Ansi :",           RGB(255, 0, 0),   label_style,  0},
    {id::Unicode,   "Unicode",     "Edit",         89,  86,  400, 24, "",                 RGB(0, 0, 255),   output_style, WS_EX_STATICEDGE},
    {id::标签3,     "标签3",       "LumetraLabel", 7,   88,  80,  20, "Unicode :",        RGB(0, 0, 255),   label_style,  0},
    {id::UniBigEnd, "UniBigEnd",   "Edit",         89,  126, 400, 24, "",                 RGB(0, 128, 0),   output_style, WS_EX_STATICEDGE},
    {id::标签4,     "标签4",       "LumetraLabel", 7,   128, 80,  20, "UniBigEnd :",      RGB(0, 128, 0),   label_style,  0},
    {id::UTF8,      "UTF8",        "Edit",         89,  166, 400, 24, "",                 RGB(255, 0, 255), output_style, WS_EX_STATICEDGE},
    {id::标签5,     "标签5",       "LumetraLabel", 7,   168, 80,  20, "UTF-8 :",          RGB(255, 0, 255), label_style,  0},
    {id::UTF7,      "UTF7",        "Edit",         89,  206, 400, 24, "",                 RGB(0, 0, 0),     output_style, WS_EX_STATICEDGE},
    {id::标签6,     "标签6",       "LumetraLabel", 7,   208, 80,  20, "UTF-7: ",          RGB(0, 0, 0),     label_style,  0},
    {id::按钮1,     "按钮1",       "Button",       81,  237, 116, 24, "开始转换文字编码", no_colour,        button_style, 0},
    {id::按钮2,     "按钮2",       "Button",       316, 237, 88,  24, "清空编码显示",     no_colour,        button_style, 0},
}};
// clang-format on

// The five output boxes in the order the program fills them.
inline constexpr std::array<int, 5> output_ids{id::Ansi, id::Unicode, id::UniBigEnd, id::UTF8,
                                               id::UTF7};
// The input box and the five output boxes.
inline constexpr std::array<int, 6> edit_ids{id::汉字,      id::Ansi, id::Unicode,
                                             id::UniBigEnd, id::UTF8, id::UTF7};
// Tab order: the tab stops in creation order.
inline constexpr std::array<int, 8> tab_order{id::汉字, id::Ansi, id::Unicode, id::UniBigEnd,
                                              id::UTF8, id::UTF7, id::按钮1,   id::按钮2};

const ExpectedControl& expected_control(int id);
// "汉字 (1002)".
std::string control_name(int id);

}  // namespace lumetra::e2e
