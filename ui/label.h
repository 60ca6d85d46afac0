// The self-drawn label class: one line of right-aligned text, vertically
// centred, in its own colour on the button face.
#pragma once

#include <windows.h>

namespace lumetra::ui {

// Registers the label window class; false if the system refused it.
bool register_label_class(HINSTANCE instance);

// The label keeps its colour in its window extra bytes; WM_SETFONT sets its font.
void set_label_colour(HWND label, COLORREF colour);

// Fills `area` with the button face and draws `text` right-aligned in it.
void paint_label(HDC dc, const RECT& area, const char* text, HFONT font, COLORREF colour);

}  // namespace lumetra::ui
