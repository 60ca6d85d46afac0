// A desktop folder so deep that some of the five paths pass MAX_PATH: the ANSI
// file functions refuse those, the program skips them and writes the rest.
//
// The desktop is moved through the prefix's shell-folder registry values, so
// this scenario runs in a prefix of its own (see CMakeLists.txt); it puts the
// values back when it ends all the same.
#include <optional>
#include <vector>

#include "tests/windows/e2e/core_outputs.h"
#include "tests/windows/e2e/e2e.h"

namespace lumetra::e2e {
namespace {

constexpr const char* explorer_key = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\";

// One registry value set for a scope and restored (or removed) afterwards.
class RegistryValueSwap {
 public:
  RegistryValueSwap(const std::string& key, const char* name, DWORD type, const std::string& value)
      : name_(name) {
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE,
                        nullptr, &key_, nullptr) != ERROR_SUCCESS) {
      key_ = nullptr;
      return;
    }
    char old[1024];
    DWORD size = sizeof old;
    if (RegQueryValueExA(key_, name, nullptr, &old_type_, reinterpret_cast<BYTE*>(old), &size) ==
        ERROR_SUCCESS) {
      old_ = std::string(old, size);
    }
    set_ = RegSetValueExA(key_, name, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
  }
  ~RegistryValueSwap() {
    if (!key_) return;
    if (old_) {
      RegSetValueExA(key_, name_, 0, old_type_, reinterpret_cast<const BYTE*>(old_->data()),
                     static_cast<DWORD>(old_->size()));
    } else {
      RegDeleteValueA(key_, name_);
    }
    RegCloseKey(key_);
  }
  RegistryValueSwap(const RegistryValueSwap&) = delete;
  RegistryValueSwap& operator=(const RegistryValueSwap&) = delete;
  bool set() const { return set_; }

 private:
  HKEY key_ = nullptr;
  const char* name_;
  DWORD old_type_ = REG_SZ;
  std::optional<std::string> old_;
  bool set_ = false;
};

// Whether the platform itself creates a file under this ANSI path; prints
// what it did.
bool probe_create(const std::string& path) {
  OwnedHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
  const DWORD error = GetLastError();
  std::printf("(path of %zu characters: the driver's own CreateFileA %s)\n", path.size(),
              file ? "accepted it" : format("refused it, error %lu", error).c_str());
  if (!file) return false;
  file.reset();
  DeleteFileA(path.c_str());
  return true;
}

void long_desktop_path(Run& run) {
  // 249 characters, 250 with the "\" the program appends: "Ansi.bin" gives a
  // path of 258 characters, "UTF-8.bin" and "UTF-7.bin" 259, all under
  // MAX_PATH (260 with the terminator); "Unicode.bin" gives 261 and
  // "UniBigEnd.bin" 263, over it.
  const std::string base = "C:\\lumetra-long-desktop";
  const std::string middle = base + "\\" + std::string(112, 'd');
  const std::string folder = middle + "\\" + std::string(112, 'e');
  run.require(folder.size() == 249, format("the folder is %zu characters", folder.size()));
  run.require(make_folder(base) && make_folder(middle) && make_folder(folder),
              format("could not create the folder, error %lu", GetLastError()));
  const std::string desktop = folder + "\\";
  for (const auto& [name, entry] : list_folder(desktop)) {
    DeleteFileA((desktop + name).c_str());  // only the short names can be left from a run
  }

  std::array<bool, 5> creatable{};
  for (std::size_t i = 0; i < creatable.size(); ++i) {
    creatable[i] = probe_create(desktop + saved_file_names[i]);
  }

  run.step("point the desktop folder there");
  const RegistryValueSwap user_shell(std::string(explorer_key) + "User Shell Folders", "Desktop",
                                     REG_EXPAND_SZ, folder);
  const RegistryValueSwap shell(std::string(explorer_key) + "Shell Folders", "Desktop", REG_SZ,
                                folder);
  run.require(user_shell.set() && shell.set(), "could not set the shell folder values");
  run.require(desktop_folder() == desktop,
              "SHGetSpecialFolderPathA does not give the new folder: " + desktop_folder());

  Program app(run, run.lumetra_exe());
  paste(run, "中文");
  expect_input(run, app, "\xD6\xD0\xCE\xC4", "after pasting 中文");

  run.step("click 按钮1");
  click_centre(app.control(id::按钮1));
  const std::array<std::string, 5> bytes = core_bytes("中文");
  wait_until([&] { return read_file(desktop + "UTF-7.bin") == bytes[4]; });
  app.sync();
  run.check(app.running() && app.responsive(), "the program ended or hangs after saving");

  // The three short paths must work; the two long ones are written exactly
  // when the platform takes such paths at all (Wine 8 refuses them with
  // ERROR_FILENAME_EXCED_RANGE), and skipped otherwise.
  const std::map<std::string, FolderEntry> saved = list_folder(desktop);
  long long expected_files = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const std::string name = saved_file_names[i];
    const std::string path = desktop + name;
    if (path.size() < MAX_PATH) {
      run.check(creatable[i], name + ": the platform refuses a path under MAX_PATH");
    }
    if (creatable[i]) {
      ++expected_files;
      const std::optional<std::string> content = read_file(path);
      if (run.check(content.has_value(), name + " was not written")) {
        run.expect_bytes(name, *content, bytes[i]);
      }
    } else {
      run.check(saved.count(name) == 0,
                format("%s was written although its path of %zu characters cannot be opened",
                       name.c_str(), path.size()));
    }
  }
  run.expect_equal("files in the folder", static_cast<long long>(saved.size()), expected_files);
  close_with_esc(run, app);
}

}  // namespace

const ScenarioTable long_path_scenarios{{
    {"long_desktop_path", long_desktop_path},
}};

}  // namespace lumetra::e2e
