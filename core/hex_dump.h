// The text an output box shows for a byte sequence.
#pragma once

#include <string_view>

#include "core/text.h"

namespace lumetra {

// Two uppercase hex digits per byte, no separators, "\r\n" after every
// sixteenth byte (so a dump of a multiple of 16 bytes ends with "\r\n").
Text hex_dump(std::string_view bytes);

// Length of hex_dump's result for n bytes.
constexpr std::size_t hex_dump_length(std::size_t n) { return 2 * n + 2 * (n / 16); }

}  // namespace lumetra
