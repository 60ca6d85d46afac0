// Whether the window's events reach their reactions. They do not while the
// window is being created, nor once the program has begun to exit.
#pragma once

namespace lumetra::ui {

void open_reactions();
void close_reactions();
bool reactions_open();

}  // namespace lumetra::ui
