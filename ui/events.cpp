#include "ui/events.h"

namespace lumetra::ui {
namespace {
bool open = false;  // UI thread only
}  // namespace

void open_reactions() { open = true; }
void close_reactions() { open = false; }
bool reactions_open() { return open; }

}  // namespace lumetra::ui
