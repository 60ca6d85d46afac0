// Every code of the GBK code space through all five targets and back.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/convert_encoding.h"
#include "tests/support/hex_assert.h"

namespace lumetra {
namespace {

// The code point of a UCS-2 big-endian unit, written as UTF-8.
std::string utf8_of(std::string_view ucs2_be) {
  const unsigned cp =
      (static_cast<unsigned char>(ucs2_be[0]) << 8) | static_cast<unsigned char>(ucs2_be[1]);
  std::string out;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {  // 110xxxxx 10xxxxxx
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {  // 1110xxxx 10xxxxxx 10xxxxxx
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
  return out;
}

void check_code(const std::string& code, int& converting) {
  const Bytes gb18030 = convert_encoding(code, "GBK", "GB18030");
  const Bytes internal = convert_encoding(code, "GBK", "UCS-2-INTERNAL");
  const Bytes big = convert_encoding(code, "GBK", "UCS-2");
  const Bytes utf8 = convert_encoding(code, "GBK", "UTF-8");
  const Bytes utf7 = convert_encoding(code, "GBK", "UTF-7");
  if (gb18030.empty()) {
    // All or nothing across the targets: the input decides, not the target.
    EXPECT_TRUE(internal.empty() && big.empty() && utf8.empty() && utf7.empty())
        << testing::as_hex(code);
    return;
  }
  ++converting;
  SCOPED_TRACE(testing::as_hex(code));
  EXPECT_SAME_BYTES(gb18030, code);
  ASSERT_EQ(big.size(), 2u);
  EXPECT_SAME_BYTES(internal, std::string({big[1], big[0]}));
  EXPECT_SAME_BYTES(utf8, utf8_of(big));
  EXPECT_SAME_BYTES(convert_encoding(gb18030, "GB18030", "GBK"), code);
  EXPECT_SAME_BYTES(convert_encoding(internal, "UCS-2-INTERNAL", "GBK"), code);
  EXPECT_SAME_BYTES(convert_encoding(big, "UCS-2", "GBK"), code);
  EXPECT_SAME_BYTES(convert_encoding(utf8, "UTF-8", "GBK"), code);
  EXPECT_SAME_BYTES(convert_encoding(utf7, "UTF-7", "GBK"), code);
}

TEST(GbkSweep, EveryCodeThatConvertsRoundTripsThroughAllTargets) {
  int converting = 0;
  for (int b = 0; b < 256; ++b) check_code(std::string(1, static_cast<char>(b)), converting);
  const int single = converting;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      check_code(std::string{static_cast<char>(lead), static_cast<char>(trail)}, converting);
    }
  }
  std::printf("GBK codes that convert: %d (%d single bytes, %d pairs)\n", converting, single,
              converting - single);
  // The single bytes 0x00 to 0x7F always decode; the sweep must have seen them.
  EXPECT_GE(single, 128);
}

}  // namespace
}  // namespace lumetra
