// The one way the program reports a failure: when it cannot run at all.
#pragma once

namespace lumetra::ui {

// Shows an error box with no owner window and ends the process with exit code
// -1, without the exit reaction: the window, a control or memory could not be had.
[[noreturn]] void fail_to_run(const char* reason);

}  // namespace lumetra::ui
