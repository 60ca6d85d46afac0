// The life of the process: start-up, the message loop and the exit.
#pragma once

namespace lumetra {

// Sets up the window and runs the message loop until the window is closed.
int run_program();

// The exit reaction: releases current_text.
void release_current_text();

// Everything after the process's own start-up: run_program, then the exit
// sequence. Returns the process exit code.
int run_process();

}  // namespace lumetra
