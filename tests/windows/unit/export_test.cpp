// Saving files under Wine: write_file's all-or-nothing rule and where the
// five files land.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "core/encoding_table.h"
#include "export/save_encoded_files.h"
#include "export/write_file.h"
#include "tests/support/hex_assert.h"
#include "ui/ui_layer.h"

namespace lumetra {
namespace {

bool file_exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string file_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string current_directory() {
  char path[MAX_PATH];
  const DWORD length = GetCurrentDirectoryA(MAX_PATH, path);
  return std::string(path, length);
}

std::string executable_folder() {
  char path[MAX_PATH];
  std::string folder(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
  return folder.substr(0, folder.find_last_of('\\'));
}

// A folder of its own under the system's temporary folder, emptied first.
std::string scratch_folder(const char* name) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + name;
  CreateDirectoryA(folder.c_str(), nullptr);
  for (const auto& row : encoding_table) DeleteFileA((folder + "\\" + row.file).c_str());
  DeleteFileA((folder + "\\file.bin").c_str());
  return folder;
}

TEST(WriteFile, CreatesOrTruncatesAndWritesExactlyTheBytes) {
  const std::string path = scratch_folder("lumetra-write") + "\\file.bin";
  const std::pair<const char*, std::string> writes[] = {
      {"new file", std::string("\x00\x01\xFF", 3)},
      {"longer content", std::string(70000, 'x')},
      {"shorter content truncates", "ab"},
      {"empty bytes leave an empty file", ""},
  };
  for (const auto& [what, bytes] : writes) {
    SCOPED_TRACE(what);
    EXPECT_TRUE(write_file(path, bytes));
    EXPECT_TRUE(file_exists(path));
    EXPECT_SAME_BYTES(file_bytes(path), bytes);
  }
  EXPECT_FALSE(write_file("", "abc")) << "an empty path writes nothing";
}

TEST(WriteFile, FileHeldOpenWithoutSharingIsLeftAlone) {
  const std::string path = scratch_folder("lumetra-held") + "\\file.bin";
  ASSERT_TRUE(write_file(path, "before"));
  HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(write_file(path, "after"));
  CloseHandle(held);
  EXPECT_EQ(file_bytes(path), "before");
}

TEST(WriteFile, KeepsOthersFromOpeningWhileWriting) {
  const std::string path = scratch_folder("lumetra-exclusive") + "\\file.bin";
  static std::string probed_path;
  static bool other_open_failed;
  probed_path = path;
  other_open_failed = false;
  // While our handle is open, a second opener for reading must be refused.
  const FileWriter probing = [](HANDLE file, LPCVOID data, DWORD size, LPDWORD written,
                                LPOVERLAPPED overlapped) -> BOOL {
    HANDLE other =
        CreateFileA(probed_path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, 0, nullptr);
    other_open_failed = other == INVALID_HANDLE_VALUE;
    if (!other_open_failed) CloseHandle(other);
    return WriteFile(file, data, size, written, overlapped);
  };
  EXPECT_TRUE(write_file(path, "abc", probing));
  EXPECT_TRUE(other_open_failed);
}

// A disk that fills up part-way: the file must not survive as a truncated
// copy that looks like a complete result.
TEST(WriteFile, WriteThatFailsPartWayRemovesTheFile) {
  const FileWriter short_write = [](HANDLE file, LPCVOID data, DWORD size, LPDWORD written,
                                    LPOVERLAPPED overlapped) -> BOOL {
    return WriteFile(file, data, size / 2, written, overlapped);  // reports success, half written
  };
  const FileWriter failed_write = [](HANDLE, LPCVOID, DWORD, LPDWORD written,
                                     LPOVERLAPPED) -> BOOL {
    *written = 0;
    SetLastError(ERROR_DISK_FULL);
    return FALSE;
  };
  const std::string path = scratch_folder("lumetra-partial") + "\\file.bin";
  for (FileWriter writer : {short_write, failed_write}) {
    ASSERT_TRUE(write_file(path, "old content"));
    EXPECT_FALSE(write_file(path, std::string(1000, 'n'), writer));
    EXPECT_FALSE(file_exists(path));
  }
}

TEST(DesktopFolder, EndsWithBackslashAndExists) {
  const Text folder = desktop_folder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

struct SavedFile {
  const char* file;
  std::string bytes;
};
// 中文 in the five encodings, in table order.
const SavedFile zhongwen_files[] = {
    {"Ansi.bin", "\xD6\xD0\xCE\xC4"},
    {"Unicode.bin", "\x2D\x4E\x87\x65"},
    {"UniBigEnd.bin", "\x4E\x2D\x65\x87"},
    {"UTF-8.bin", "\xE4\xB8\xAD\xE6\x96\x87"},
    {"UTF-7.bin", "+Ti1lhw-"},
};

std::string chosen_folder;
Text chosen() { return chosen_folder; }

TEST(WriteEncodedFiles, WritesTheFiveEncodingsIntoTheFolder) {
  chosen_folder = scratch_folder("lumetra-five") + "\\";
  write_encoded_files("\xD6\xD0\xCE\xC4", chosen);
  for (const auto& saved : zhongwen_files) {
    SCOPED_TRACE(saved.file);
    EXPECT_SAME_BYTES(file_bytes(chosen_folder + saved.file), saved.bytes);
  }
  // Input GBK does not decode still creates every file, empty.
  write_encoded_files("\xD6\xD0\x80", chosen);
  for (const auto& saved : zhongwen_files) {
    SCOPED_TRACE(saved.file);
    EXPECT_TRUE(file_exists(chosen_folder + saved.file));
    EXPECT_EQ(file_bytes(chosen_folder + saved.file), "");
  }
}

TEST(WriteEncodedFiles, OneUnwritableFileDoesNotStopTheOthers) {
  chosen_folder = scratch_folder("lumetra-skip") + "\\";
  const std::string held_path = chosen_folder + "UTF-8.bin";
  HANDLE held =
      CreateFileA(held_path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  write_encoded_files("\xD6\xD0\xCE\xC4", chosen);
  CloseHandle(held);
  for (const auto& saved : zhongwen_files) {
    SCOPED_TRACE(saved.file);
    const std::string expected = std::string(saved.file) == "UTF-8.bin" ? "" : saved.bytes;
    EXPECT_SAME_BYTES(file_bytes(chosen_folder + saved.file), expected);
  }
}

// Without a desktop folder each path is the bare file name. CTest starts this
// program in another folder; start-up moves to the executable's folder, so the
// files land there and not where the program was started.
TEST(WriteEncodedFiles, WithoutDesktopFolderFilesLandBesideTheExecutable) {
  const std::string started_in = current_directory();
  const std::string beside = executable_folder();
  ASSERT_NE(started_in, beside) << "the test must be started from another folder";
  for (const auto& saved : zhongwen_files) {
    DeleteFileA((beside + "\\" + saved.file).c_str());
    DeleteFileA((started_in + "\\" + saved.file).c_str());
  }
  ui::initialise_ui_layer();
  EXPECT_EQ(current_directory(), beside);
  write_encoded_files("\xD6\xD0\xCE\xC4", [] { return Text(); });
  for (const auto& saved : zhongwen_files) {
    SCOPED_TRACE(saved.file);
    EXPECT_SAME_BYTES(file_bytes(beside + "\\" + saved.file), saved.bytes);
    EXPECT_FALSE(file_exists(started_in + "\\" + saved.file));
    DeleteFileA((beside + "\\" + saved.file).c_str());
  }
}

}  // namespace
}  // namespace lumetra
