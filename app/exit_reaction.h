// The one routine that runs when the program exits, at most once.
#pragma once

namespace lumetra {

using ExitReaction = void (*)();

// Replaces whatever routine the slot held.
void register_exit_reaction(ExitReaction reaction);

// Runs the registered routine, if any, and empties the slot.
void run_exit_reaction();

}  // namespace lumetra
