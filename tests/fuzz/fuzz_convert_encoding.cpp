// Arbitrary bytes as GBK input, converted into every target and checked
// against one libiconv call into a buffer that is large enough from the start.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/convert_encoding.h"
#include "core/encoding_table.h"
#include "tests/support/one_shot.h"

namespace {

std::string as_hex(std::string_view bytes) {
  std::string out;
  char pair[4];
  for (std::size_t i = 0; i < bytes.size() && i < 256; ++i) {
    std::snprintf(pair, sizeof pair, "%02X ", static_cast<unsigned char>(bytes[i]));
    out += pair;
  }
  return bytes.size() > 256 ? out + "..." : out;
}

[[noreturn]] void fail(const char* what, const char* target, std::string_view input,
                       std::string_view actual, std::string_view expected) {
  std::fprintf(stderr, "%s (target %s)\n  input    %s\n  actual   %s\n  expected %s\n", what,
               target, as_hex(input).c_str(), as_hex(actual).c_str(), as_hex(expected).c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  bool any_converted = false;
  bool any_failed = false;
  for (const lumetra::EncodingRow& row : lumetra::encoding_table) {
    const lumetra::Bytes actual =
        lumetra::convert_encoding(input, lumetra::source_encoding, row.target);
    const std::string expected =
        lumetra::testing::one_shot_convert(input, lumetra::source_encoding, row.target);
    if (actual != expected)
      fail("differs from the one-shot conversion", row.target, input, actual, expected);
    // Every character GBK decodes fits every target, so only the input can
    // make a conversion fail, and then it fails for all five.
    (actual.empty() ? any_failed : any_converted) = true;
    if (!actual.empty() && std::string_view(row.target) == "GB18030" && actual != input) {
      fail("GB18030 result is not the GBK input", row.target, input, actual, input);
    }
  }
  if (any_converted && any_failed) {
    std::fprintf(stderr, "converted into some targets only: %s\n", as_hex(input).c_str());
    std::abort();
  }
  return 0;
}
