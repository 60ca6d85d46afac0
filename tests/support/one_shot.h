// Reference conversion: one libiconv call into a buffer large enough from the
// start, then the flush. What convert_encoding must match byte for byte.
#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

namespace lumetra::testing {

inline std::string one_shot_convert(std::string_view input, const char* source,
                                    const char* target) {
  iconv_t cd = iconv_open(target, source);
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  std::string buffer(input.size() * 8 + 16, '\0');
  const char* in = input.data();
  std::size_t in_left = input.size();
  char* out = buffer.data();
  std::size_t out_left = buffer.size();
  bool ok = !input.empty() &&
            iconv(cd, &in, &in_left, &out, &out_left) != static_cast<size_t>(-1) &&
            iconv(cd, nullptr, nullptr, &out, &out_left) != static_cast<size_t>(-1);
  iconv_close(cd);
  if (!ok) return {};
  buffer.resize(buffer.size() - out_left);
  return buffer;
}

}  // namespace lumetra::testing
