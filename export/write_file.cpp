#include "export/write_file.h"

#include <algorithm>
#include <utility>

namespace lumetra {
namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() { close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  bool close() {
    if (!valid()) return true;
    const bool closed = CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != 0;
    return closed;
  }

 private:
  HANDLE handle_;
};

bool write_all(HANDLE file, std::string_view bytes, FileWriter writer) {
  // WriteFile counts in DWORDs; large results go in pieces.
  constexpr std::size_t piece = 1u << 30;
  while (!bytes.empty()) {
    const DWORD asked = static_cast<DWORD>(std::min(bytes.size(), piece));
    DWORD written = 0;
    if (!writer(file, bytes.data(), asked, &written, nullptr) || written != asked) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

bool write_file(const Text& path, std::string_view bytes, FileWriter writer) {
  if (path.empty()) return false;
  FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return false;
  const bool written = write_all(file.get(), bytes, writer);
  const bool closed = file.close();
  if (written && closed) return true;
  DeleteFileA(path.c_str());
  return false;
}

}  // namespace lumetra
