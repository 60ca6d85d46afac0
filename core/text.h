// The two value types the program passes around.
#pragma once

#include <string>

namespace lumetra {

// Bytes in the ANSI code page (GBK). An empty string is also the "absent" text:
// the program never tells the two apart.
using Text = std::string;

// A length-counted byte sequence, possibly holding zeros. Empty means both
// "nothing" and "failed".
using Bytes = std::string;

}  // namespace lumetra
