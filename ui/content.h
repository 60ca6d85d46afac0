// Whole-text reads and writes of the window's edit boxes, by control name.
#pragma once

#include "core/text.h"

namespace lumetra::ui {

inline constexpr const char* input_box_name = "汉字";

// The box's whole current text in the ANSI code page; empty for an empty box.
Text read_content(const char* box_name);

// Replaces the box's whole text, then raises its content-changed event exactly
// once (even when the text did not change) and shows the start of the text.
void write_content(const char* box_name, const Text& text);

}  // namespace lumetra::ui
