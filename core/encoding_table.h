// The five target encodings, in the one order the display and the export walk.
#pragma once

#include <array>

namespace lumetra {

// Every conversion reads the input box as GBK, whatever the machine's code page is.
inline constexpr const char* source_encoding = "GBK";

// All fields are zero-terminated because they go straight to iconv_open,
// window lookups and file names.
struct EncodingRow {
  const char* target;  // name handed to libiconv
  const char* box;     // output edit box that shows the dump
  const char* label;   // text of the label left of that box
  const char* file;    // file the export writes
};

inline constexpr std::array<EncodingRow, 5> encoding_table{{
    {"GB18030", "Ansi", "Ansi :", "Ansi.bin"},
    {"UCS-2-INTERNAL", "Unicode", "Unicode :", "Unicode.bin"},
    {"UCS-2", "UniBigEnd", "UniBigEnd :", "UniBigEnd.bin"},
    {"UTF-8", "UTF8", "UTF-8 :", "UTF-8.bin"},
    // The colon comes first here, with the blank after it.
    {"UTF-7", "UTF7", "UTF-7: ", "UTF-7.bin"},
}};

}  // namespace lumetra
