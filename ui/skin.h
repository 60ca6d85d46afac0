// The flat olive-green look of the window's edit boxes and push buttons.
#pragma once

#include <windows.h>

namespace lumetra::ui {

// Skins every edit box and push button among the children of `window`, in
// colour scheme `scheme` (the program passes 2, the only scheme it has).
// Run once, while the window is still hidden; the skin stays until the
// controls are destroyed. Labels and other children keep their own look.
void apply_skin(HWND window, int scheme);

// Controls carrying the skin right now; a destroyed control leaves the count.
int skinned_controls();

}  // namespace lumetra::ui
