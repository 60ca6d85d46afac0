// The input box's text as last read by a reaction; released at exit.
#pragma once

#include "core/text.h"

namespace lumetra {

extern Text current_text;  // UI thread only

}  // namespace lumetra
