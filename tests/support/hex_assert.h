// Byte comparisons that print both sides as hex with the first differing offset.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace lumetra::testing {

inline std::string as_hex(std::string_view bytes, std::size_t limit = 64) {
  std::string out;
  char pair[4];
  for (std::size_t i = 0; i < bytes.size() && i < limit; ++i) {
    std::snprintf(pair, sizeof pair, "%02X ", static_cast<unsigned char>(bytes[i]));
    out += pair;
  }
  if (bytes.size() > limit) out += "...";
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

inline ::testing::AssertionResult same_bytes(const char* actual_expr, const char* expected_expr,
                                             std::string_view actual, std::string_view expected) {
  if (actual == expected) return ::testing::AssertionSuccess();
  std::size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
  const std::size_t from = at > 8 ? at - 8 : 0;
  return ::testing::AssertionFailure()
         << actual_expr << " differs from " << expected_expr << " at offset " << at
         << "\n  actual   (" << actual.size() << " bytes, from " << from
         << "): " << as_hex(actual.substr(from)) << "\n  expected (" << expected.size()
         << " bytes, from " << from << "): " << as_hex(expected.substr(from));
}

}  // namespace lumetra::testing

#define EXPECT_SAME_BYTES(actual, expected) \
  EXPECT_PRED_FORMAT2(::lumetra::testing::same_bytes, actual, expected)
#define ASSERT_SAME_BYTES(actual, expected) \
  ASSERT_PRED_FORMAT2(::lumetra::testing::same_bytes, actual, expected)
