// What the program should show and save, computed with the program's own
// encoding core rather than written out by hand: for texts of many kilobytes
// nothing else is practical. Also test texts of a given size, and a snapshot
// of a folder to tell what a run touched.
#pragma once

#include <windows.h>

#include <array>
#include <map>
#include <string>
#include <string_view>

namespace lumetra::e2e {

// The five converted byte sequences of a GBK text, in output box order.
std::array<std::string, 5> core_bytes(std::string_view gbk);
// Their dumps: what the five boxes show.
std::array<std::string, 5> core_dumps(std::string_view gbk);

// Exactly `size` bytes of valid GBK: Chinese characters, ASCII letters,
// digits and blanks, no line break (the input box is single-line).
std::string gbk_text(std::size_t size);

// One entry of a folder as the file system reports it.
struct FolderEntry {
  long long size = 0;
  FILETIME written{};
  DWORD attributes = 0;

  bool operator==(const FolderEntry& other) const {
    return size == other.size && written.dwLowDateTime == other.written.dwLowDateTime &&
           written.dwHighDateTime == other.written.dwHighDateTime && attributes == other.attributes;
  }
};

// Names (without "." and "..") to their entries. Works on folders whose files
// have paths too long to open, since only the folder's own path is used.
std::map<std::string, FolderEntry> list_folder(const std::string& folder);

}  // namespace lumetra::e2e
