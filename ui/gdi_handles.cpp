#include "ui/gdi_handles.h"

namespace lumetra::ui {
namespace {
// Touched on the UI thread only.
int live_count = 0;
}  // namespace

int live_gdi_objects() { return live_count; }

void detail::count_gdi_object(int delta) { live_count += delta; }

}  // namespace lumetra::ui
