#include "core/hex_dump.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/support/hex_assert.h"
#include "tests/support/hex_dump_reference.h"

namespace lumetra {
namespace {

std::string counting_bytes(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += static_cast<char>(i);
  return s;
}

TEST(HexDump, FormatsTwoUppercaseDigitsWithBreakAfterEverySixteenthByte) {
  const std::string sixteen = "000102030405060708090A0B0C0D0E0F\r\n";
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"\x0A", "0A"},
      {"\xFF", "FF"},
      {std::string(1, '\0'), "00"},
      {"\xD6\xD0\xCE\xC4", "D6D0CEC4"},
      {counting_bytes(16), sixteen},
      {counting_bytes(17), sixteen + "10"},
      {counting_bytes(32), sixteen + "101112131415161718191A1B1C1D1E1F\r\n"},
  };
  for (const auto& [bytes, dump] : cases) {
    SCOPED_TRACE(testing::as_hex(bytes));
    EXPECT_EQ(hex_dump(bytes), dump);
    EXPECT_EQ(testing::reference_hex_dump(bytes), dump) << "reference itself is off";
  }
}

TEST(HexDump, AgreesWithLiteralFormattingOnRandomInput) {
  std::mt19937 random(20261211);
  std::uniform_int_distribution<int> byte(0, 255);
  auto random_bytes = [&](std::size_t n) {
    std::string s(n, '\0');
    for (auto& c : s) c = static_cast<char>(byte(random));
    return s;
  };
  for (int round = 0; round < 400; ++round) {
    const std::string bytes = random_bytes(static_cast<std::size_t>(round % 101));
    ASSERT_EQ(hex_dump(bytes), testing::reference_hex_dump(bytes)) << testing::as_hex(bytes);
  }
  for (std::size_t n : {4096u, 65535u, 65536u, 100003u}) {
    const std::string bytes = random_bytes(n);
    const Text dump = hex_dump(bytes);
    EXPECT_EQ(dump.size(), hex_dump_length(n));
    EXPECT_SAME_BYTES(dump, testing::reference_hex_dump(bytes));
  }
}

}  // namespace
}  // namespace lumetra
