#include "ui/skin.h"

namespace lumetra::ui {

// Not yet drawn: the controls keep the system look.
void apply_skin(HWND, int) {}

}  // namespace lumetra::ui
