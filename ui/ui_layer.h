// The user-interface layer as the program's start-up sees it.
#pragma once

#include "ui/window_description.h"

namespace lumetra::ui {

class MainWindow;

// Makes the executable's folder the current directory, so files saved under a
// bare name land beside the program whatever folder it was started from.
void initialise_ui_layer();

// Creates the window with all its controls and shows it. A window or control
// that cannot be created ends the program (error box, exit code -1).
void load_window(const WindowDescription& description);

// Returns at once if no window exists; otherwise dispatches messages until
// WM_QUIT and returns its code.
int run_message_loop();

// Releases what the layer holds once the window is gone.
void release_ui_layer();

// The loaded window, or nullptr before load_window and after release_ui_layer.
MainWindow* main_window();

}  // namespace lumetra::ui
