#include "app/program.h"

#include <new>

#include "app/current_text.h"
#include "app/exit_reaction.h"
#include "ui/events.h"
#include "ui/fatal_error.h"
#include "ui/ui_layer.h"

namespace lumetra {

void release_current_text() { Text().swap(current_text); }

int run_program() {
  ui::initialise_ui_layer();
  current_text.clear();
  register_exit_reaction(release_current_text);
  ui::load_window(ui::main_window_description);
  ui::run_message_loop();
  return 0;
}

int run_process() {
  int exit_code = 0;
  try {
    exit_code = run_program();
  } catch (const std::bad_alloc&) {
    ui::fail_to_run("Lumetra has run out of memory and must close.");
  }
  // The window is gone: from here no event reaches a reaction.
  ui::close_reactions();
  run_exit_reaction();
  ui::release_ui_layer();
  return exit_code;
}

}  // namespace lumetra
