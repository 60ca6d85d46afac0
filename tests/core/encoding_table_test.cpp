#include "core/encoding_table.h"

#include <gtest/gtest.h>

#include <string_view>

namespace lumetra {
namespace {

TEST(EncodingTable, HoldsTheFiveRowsInDisplayAndExportOrder) {
  struct Expected {
    std::string_view target, box, label, file;
  };
  constexpr Expected expected[] = {
      {"GB18030", "Ansi", "Ansi :", "Ansi.bin"},
      {"UCS-2-INTERNAL", "Unicode", "Unicode :", "Unicode.bin"},
      {"UCS-2", "UniBigEnd", "UniBigEnd :", "UniBigEnd.bin"},
      {"UTF-8", "UTF8", "UTF-8 :", "UTF-8.bin"},
      {"UTF-7", "UTF7", "UTF-7: ", "UTF-7.bin"},
  };
  ASSERT_EQ(encoding_table.size(), std::size(expected));
  for (std::size_t i = 0; i < encoding_table.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(encoding_table[i].target, expected[i].target);
    EXPECT_EQ(encoding_table[i].box, expected[i].box);
    EXPECT_EQ(encoding_table[i].label, expected[i].label);
    EXPECT_EQ(encoding_table[i].file, expected[i].file);
  }
  EXPECT_EQ(std::string_view(source_encoding), "GBK");
}

}  // namespace
}  // namespace lumetra
