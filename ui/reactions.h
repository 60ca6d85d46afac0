// What the window does when the input box changes and when it is cleared.
#pragma once

namespace lumetra::ui {

// Shows the five encodings of the input box's whole text in the output boxes.
void refresh_outputs();

// Empties the input box (which refreshes the outputs) and the five outputs.
void clear_outputs();

}  // namespace lumetra::ui
