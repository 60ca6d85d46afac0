#include "tests/windows/e2e/files.h"

#include <shlobj.h>

namespace lumetra::e2e {

std::string windows_path(std::string_view path) {
  if (path.empty() || path.front() != '/') return std::string(path);
  std::string out = "Z:";
  for (char c : path) out += c == '/' ? '\\' : c;
  return out;
}

std::string desktop_folder() {
  char buffer[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathA(nullptr, buffer, CSIDL_DESKTOPDIRECTORY, FALSE)) return "";
  std::string folder = buffer;
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

std::string folder_of(std::string_view path) {
  const std::size_t cut = path.find_last_of("\\/");
  return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut + 1));
}

std::optional<std::string> read_file(const std::string& path) {
  OwnedHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string content;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr) && got > 0) {
    content.append(chunk, got);
  }
  return content;
}

std::optional<long long> file_size(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool write_file(const std::string& path, std::string_view bytes) {
  OwnedHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

bool remove_file(const std::string& path) {
  DeleteFileA(path.c_str());
  return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

bool make_folder(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

HeldFile::HeldFile(const std::string& path, std::string_view content)
    : file_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr)) {
  DWORD written = 0;
  if (file_ && !WriteFile(file_.get(), content.data(), static_cast<DWORD>(content.size()), &written,
                          nullptr)) {
    file_.reset();
  }
}

DesktopFolderMissing::DesktopFolderMissing() {
  if (RegOpenKeyExA(HKEY_CURRENT_USER,
                    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders", 0,
                    KEY_QUERY_VALUE | KEY_SET_VALUE, &key_) != ERROR_SUCCESS) {
    key_ = nullptr;
    return;
  }
  char value[MAX_PATH * 2] = {};
  DWORD size = sizeof value;
  if (RegQueryValueExA(key_, "Desktop", nullptr, &old_type_, reinterpret_cast<BYTE*>(value),
                       &size) != ERROR_SUCCESS) {
    return;
  }
  old_value_.assign(value, size);
  static const char missing[] = "C:\\lumetra-e2e-no-such-desktop";
  changed_ = RegSetValueExA(key_, "Desktop", 0, REG_SZ, reinterpret_cast<const BYTE*>(missing),
                            sizeof missing) == ERROR_SUCCESS;
}

DesktopFolderMissing::~DesktopFolderMissing() {
  if (changed_) {
    RegSetValueExA(key_, "Desktop", 0, old_type_, reinterpret_cast<const BYTE*>(old_value_.data()),
                   static_cast<DWORD>(old_value_.size()));
  }
  if (key_) RegCloseKey(key_);
}

}  // namespace lumetra::e2e
