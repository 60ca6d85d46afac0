// hex_dump written the slow, literal way: "%X" per byte, the pad count in
// double, and the line break decided with fmod. The fast version must agree.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

namespace lumetra::testing {

inline std::string reference_hex_dump(std::string_view bytes) {
  std::string buffer;
  for (std::size_t i = 1; i <= bytes.size(); ++i) {
    const unsigned b = static_cast<unsigned char>(bytes[i - 1]);
    char digits[8];
    std::snprintf(digits, sizeof digits, "%X", b);
    const int pad = static_cast<int>(2.0 - static_cast<double>(std::strlen(digits)));
    for (int k = 0; k < pad; ++k) buffer += '0';
    buffer += digits;
    if (std::fabs(std::fmod(static_cast<double>(i), 16.0)) <= 1e-7) buffer += "\r\n";
  }
  return buffer;
}

}  // namespace lumetra::testing
