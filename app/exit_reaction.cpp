#include "app/exit_reaction.h"

#include <utility>

namespace lumetra {
namespace {
ExitReaction slot = nullptr;  // UI thread only
}  // namespace

void register_exit_reaction(ExitReaction reaction) { slot = reaction; }

void run_exit_reaction() {
  if (ExitReaction reaction = std::exchange(slot, nullptr)) reaction();
}

}  // namespace lumetra
