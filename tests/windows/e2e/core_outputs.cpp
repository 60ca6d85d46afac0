#include "tests/windows/e2e/core_outputs.h"

#include <memory>

#include "core/convert_encoding.h"
#include "core/encoding_table.h"
#include "core/hex_dump.h"

namespace lumetra::e2e {

std::array<std::string, 5> core_bytes(std::string_view gbk) {
  std::array<std::string, 5> out;
  for (std::size_t i = 0; i < encoding_table.size(); ++i) {
    out[i] = convert_encoding(gbk, source_encoding, encoding_table[i].target);
  }
  return out;
}

std::array<std::string, 5> core_dumps(std::string_view gbk) {
  std::array<std::string, 5> out;
  for (std::size_t i = 0; i < encoding_table.size(); ++i) {
    out[i] = hex_dump(convert_encoding(gbk, source_encoding, encoding_table[i].target));
  }
  return out;
}

std::string gbk_text(std::size_t size) {
  // Mostly Chinese, so that every target differs in length from the input.
  static constexpr std::string_view pieces[] = {"汉字编码", "Lumetra ", "转换显示",
                                                "42 ",      "中文",     "abc"};
  std::string text;
  text.reserve(size);
  for (std::size_t i = 0;; ++i) {
    const std::string_view piece = pieces[i % std::size(pieces)];
    if (text.size() + piece.size() > size) break;
    text += piece;
  }
  text.append(size - text.size(), 'x');  // whole characters only above, so this never splits one
  return text;
}

std::map<std::string, FolderEntry> list_folder(const std::string& folder) {
  std::map<std::string, FolderEntry> entries;
  WIN32_FIND_DATAA found;
  std::unique_ptr<void, decltype(&FindClose)> search(FindFirstFileA((folder + "*").c_str(), &found),
                                                     &FindClose);
  if (search.get() == INVALID_HANDLE_VALUE) {
    (void)search.release();  // nothing to close
    return entries;
  }
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    FolderEntry& entry = entries[name];
    entry.size = (static_cast<long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    entry.written = found.ftLastWriteTime;
    entry.attributes = found.dwFileAttributes;
  } while (FindNextFileA(search.get(), &found));
  return entries;
}

}  // namespace lumetra::e2e
