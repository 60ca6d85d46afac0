// Paths and files: the prefix's desktop folder, reading and removing the saved
// files, and holding a file open the way another program would.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace lumetra::e2e {

// CTest hands over Unix paths; Wine sees the Unix root as drive Z:.
// "/x/y" becomes "Z:\x\y"; anything else is returned unchanged.
std::string windows_path(std::string_view path);

// The desktop folder of the prefix, ending in "\"; empty if the shell has none.
std::string desktop_folder();

// The folder part of a path, ending in "\".
std::string folder_of(std::string_view path);

// Whole content of a file, or nothing when it cannot be opened or read.
std::optional<std::string> read_file(const std::string& path);
// Size of a file without opening it (so the program under test is never
// refused its own exclusive open), or nothing when it does not exist.
std::optional<long long> file_size(const std::string& path);
bool write_file(const std::string& path, std::string_view bytes);
// Deletes the file; true when it is gone afterwards.
bool remove_file(const std::string& path);
bool make_folder(const std::string& path);

// The five files the program saves, in the order it writes them.
inline constexpr const char* saved_file_names[5] = {"Ansi.bin", "Unicode.bin", "UniBigEnd.bin",
                                                    "UTF-8.bin", "UTF-7.bin"};

// A kernel handle closed on scope exit.
class OwnedHandle {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(HANDLE handle)
      : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
  ~OwnedHandle() { reset(); }
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = other.handle_;
      other.handle_ = nullptr;
    }
    return *this;
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;

  HANDLE get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void reset() {
    if (handle_) CloseHandle(handle_);
    handle_ = nullptr;
  }

 private:
  HANDLE handle_ = nullptr;
};

// A file created with the given content and held open with share mode 0, so
// no other opener can read or write it until this object goes.
class HeldFile {
 public:
  HeldFile(const std::string& path, std::string_view content);
  explicit operator bool() const { return static_cast<bool>(file_); }
  void release() { file_.reset(); }

 private:
  OwnedHandle file_;
};

// Points the user's "Desktop" shell folder (HKCU User Shell Folders) at a
// folder that does not exist, for one scope, so SHGetSpecialFolderPathA
// without creation fails; the old value is put back afterwards.
class DesktopFolderMissing {
 public:
  DesktopFolderMissing();
  ~DesktopFolderMissing();
  DesktopFolderMissing(const DesktopFolderMissing&) = delete;
  DesktopFolderMissing& operator=(const DesktopFolderMissing&) = delete;
  bool done() const { return changed_; }

 private:
  HKEY key_ = nullptr;
  std::string old_value_;
  DWORD old_type_ = REG_EXPAND_SZ;
  bool changed_ = false;
};

}  // namespace lumetra::e2e
