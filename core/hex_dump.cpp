#include "core/hex_dump.h"

#include <array>
#include <cstring>

namespace lumetra {
namespace {

// "00" "01" ... "FF": the two digits of every byte value, side by side.
constexpr std::array<char, 512> make_digit_pairs() {
  constexpr char digits[] = "0123456789ABCDEF";
  std::array<char, 512> pairs{};
  for (int b = 0; b < 256; ++b) {
    pairs[2 * b] = digits[b >> 4];
    pairs[2 * b + 1] = digits[b & 0xF];
  }
  return pairs;
}

constexpr std::array<char, 512> digit_pairs = make_digit_pairs();

inline char* put_byte(char* out, unsigned char b) {
  std::memcpy(out, &digit_pairs[2 * b], 2);
  return out + 2;
}

}  // namespace

Text hex_dump(std::string_view bytes) {
  Text dump(hex_dump_length(bytes.size()), '\0');
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  char* out = dump.data();

  std::size_t full_lines = bytes.size() / 16;
  for (; full_lines > 0; --full_lines) {
    for (int i = 0; i < 16; ++i) out = put_byte(out, in[i]);
    in += 16;
    *out++ = '\r';
    *out++ = '\n';
  }
  for (std::size_t rest = bytes.size() % 16; rest > 0; --rest) out = put_byte(out, *in++);
  return dump;
}

}  // namespace lumetra
