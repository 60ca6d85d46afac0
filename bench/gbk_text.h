// Deterministic GBK sample texts for the benchmarks: Chinese mixed with ASCII,
// the same bytes on every run and every machine.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace lumetra::bench {

// Roughly two Chinese characters for every ASCII one, like a typed sentence
// with a few Latin words, digits and punctuation in it. Every byte sequence
// is one GBK character: ASCII 0x20 to 0x7E and "\r\n", or a GB2312 level-1
// hanzi (lead 0xB0 to 0xD6, trail 0xA1 to 0xFE, all assigned), so the whole
// text converts into every target. When only one byte is left and the next
// character would need two, a space ends the text: the cut never splits a
// character, and the text has exactly `size` bytes.
inline std::string gbk_text(std::size_t size) {
  std::string text;
  text.reserve(size);
  std::uint32_t state = 0x4C554D45;  // fixed seed: "LUME"
  auto next = [&state]() {
    state = state * 1664525u + 1013904223u;  // Numerical Recipes LCG
    return state >> 8;
  };
  while (text.size() < size) {
    const std::uint32_t r = next();
    const std::size_t left = size - text.size();
    const bool chinese = r % 3 != 0;
    if (chinese && left >= 2) {
      text += static_cast<char>(0xB0 + (r >> 4) % (0xD6 - 0xB0 + 1));
      text += static_cast<char>(0xA1 + (r >> 12) % (0xFE - 0xA1 + 1));
    } else if (chinese) {
      text += ' ';
    } else if (r % 97 == 0 && left >= 2) {
      text += "\r\n";
    } else {
      text += static_cast<char>(0x20 + (r >> 4) % (0x7E - 0x20 + 1));
    }
  }
  return text;
}

}  // namespace lumetra::bench
