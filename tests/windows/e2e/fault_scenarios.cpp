// The program under stress and when things go wrong: huge pastes, bursts of
// keys, files it may not write, paths too long for the ANSI file functions,
// text that GBK does not decode, and memory running out.
#include <cstdlib>
#include <optional>
#include <vector>

#include "core/hex_dump.h"
#include "tests/windows/e2e/core_outputs.h"
#include "tests/windows/e2e/e2e.h"

namespace lumetra::e2e {
namespace {

const std::array<std::string, 5> zhongwen{"D6D0CEC4", "2D4E8765", "4E2D6587", "E4B8ADE69687",
                                          "2B5469316C68772D"};

// Checks the five boxes against the core's dumps of `text`, lengths first so
// that a wrong length reads as such and not as a hex listing of megabytes.
void expect_core_outputs(Run& run, const Program& app, std::string_view text,
                         const std::string& what) {
  const std::array<std::string, 5> bytes = core_bytes(text);
  for (std::size_t i = 0; i < output_ids.size(); ++i) {
    const int box = output_ids[i];
    run.check(!bytes[i].empty(), format("%s: the core gives no bytes for %s", what.c_str(),
                                        control_name(box).c_str()));
    const auto expected_length = static_cast<long long>(hex_dump_length(bytes[i].size()));
    run.expect_equal(what + ": " + control_name(box) + ": dump length",
                     SendMessageA(app.control(box), WM_GETTEXTLENGTH, 0, 0), expected_length);
    run.expect_bytes(what + ": box " + control_name(box), app.text(box), hex_dump(bytes[i]));
  }
}

// Lengths through WM_GETTEXTLENGTH only: cheap enough to poll on megabytes.
bool input_length_is(const Program& app, std::size_t length) {
  return SendMessageA(app.control(id::汉字), WM_GETTEXTLENGTH, 0, 0) ==
         static_cast<LRESULT>(length);
}

void paste_one_mebibyte(Run& run) {
  Program app(run, run.lumetra_exe());
  const std::string text = gbk_text(1 << 20);

  run.step("paste 1 MiB of GBK text through the clipboard");
  const DWORD start = GetTickCount();
  paste(run, text);
  // The edit control counts characters; the text holds fewer than bytes.
  // Its ANSI form is what must arrive whole.
  const bool arrived = wait_until([&] { return app.text(id::汉字).size() == text.size(); }, 120000);
  run.require(arrived, format("the input box holds %zu bytes after 120 s, expected %zu",
                              app.text(id::汉字).size(), text.size()));
  run.check(app.responsive(60000), "the window did not answer WM_NULL within 60 s of the paste");
  std::printf("(paste to a responsive window: %lu ms)\n", GetTickCount() - start);
  expect_input(run, app, text, "after the paste");
  expect_core_outputs(run, app, text, "1 MiB paste");

  run.step("the window still reacts to a key after the paste");
  press(VK_END);
  press('A');
  const std::string typed = text + "a";
  wait_until([&] { return input_length_is(app, typed.size()); }, 60000);
  run.check(app.responsive(60000), "the window did not answer WM_NULL after the keystroke");
  expect_core_outputs(run, app, typed, "1 MiB paste and a letter");
  close_with_esc(run, app);
}

// One SendInput call with a thousand key presses, a Backspace after every four
// letters; the program takes them as fast as the queue hands them over.
void keystroke_burst(Run& run) {
  Program app(run, run.lumetra_exe());
  constexpr int keystrokes = 1000;
  std::vector<INPUT> inputs;
  std::string expected;
  for (int i = 0; i < keystrokes; ++i) {
    const bool back = i % 5 == 4;
    const WORD vk = back ? VK_BACK : static_cast<WORD>('A' + i % 26);
    if (back) {
      expected.pop_back();
    } else {
      expected += static_cast<char>('a' + i % 26);
    }
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wVk = vk;
    down.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    INPUT up = down;
    up.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(down);
    inputs.push_back(up);
  }

  run.step("send 1000 key presses (2000 key events) at once");
  const UINT sent = SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  run.expect_equal("events SendInput took", sent, static_cast<long long>(inputs.size()));
  wait_until([&] { return app.text(id::汉字) == expected; }, 60000);
  run.check(app.responsive(10000), "the window did not answer WM_NULL after the burst");
  expect_input(run, app, expected, "after the burst");
  expect_core_outputs(run, app, expected, "after the burst");
  close_with_esc(run, app);
}

// Removes the five files (and any others named) when the scenario ends, read-only or not.
class FilesRemovedAfterwards {
 public:
  FilesRemovedAfterwards(std::string folder, std::vector<std::string> extra)
      : folder_(std::move(folder)), names_(std::move(extra)) {
    names_.insert(names_.end(), std::begin(saved_file_names), std::end(saved_file_names));
    remove_all();
  }
  ~FilesRemovedAfterwards() { remove_all(); }
  FilesRemovedAfterwards(const FilesRemovedAfterwards&) = delete;
  FilesRemovedAfterwards& operator=(const FilesRemovedAfterwards&) = delete;

 private:
  void remove_all() {
    for (const std::string& name : names_) {
      const std::string path = folder_ + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(path.c_str());
    }
  }
  std::string folder_;
  std::vector<std::string> names_;
};

void save_with_refused_files(Run& run) {
  const std::string desktop = desktop_folder();
  run.require(!desktop.empty(), "the prefix has no desktop folder");
  const FilesRemovedAfterwards cleanup(desktop, {"notes.txt"});
  const std::string read_only = desktop + "Unicode.bin";
  const std::string held_path = desktop + "UTF-8.bin";
  const std::string old_read_only = "old Unicode.bin";
  const std::string old_held = "old UTF-8.bin";

  run.step("Unicode.bin read-only, UTF-8.bin held open without sharing, notes.txt beside them");
  run.require(write_file(read_only, old_read_only), "could not write Unicode.bin");
  run.require(SetFileAttributesA(read_only.c_str(), FILE_ATTRIBUTE_READONLY) != 0,
              "could not make Unicode.bin read-only");
  run.require(write_file(desktop + "notes.txt", "not the program's"), "could not write notes.txt");
  HeldFile held(held_path, old_held);
  run.require(static_cast<bool>(held), "could not hold UTF-8.bin open");
  std::map<std::string, FolderEntry> before = list_folder(desktop);
  // Wine keeps the read-only attribute as the file's Unix write permission,
  // which root does not need: run as root, Wine opens such a file for writing.
  const bool platform_refuses_read_only = [&] {
    const OwnedHandle probe(CreateFileA(read_only.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    return !probe;
  }();
  std::printf("(opening the read-only Unicode.bin for writing: %s by the platform)\n",
              platform_refuses_read_only ? "refused" : "ACCEPTED");

  Program app(run, run.lumetra_exe());
  paste(run, "中文");
  expect_outputs(run, app, zhongwen, "before saving");

  run.step("click 按钮1");
  click_centre(app.control(id::按钮1));
  const std::array<std::string, 5> bytes = core_bytes("中文");
  wait_until([&] { return read_file(desktop + "UTF-7.bin") == bytes[4]; });
  app.sync();
  run.check(app.running(), "the program ended while saving");

  std::vector<std::size_t> written{0, 2, 4};
  for (std::size_t i : written) {
    const std::optional<std::string> saved = read_file(desktop + saved_file_names[i]);
    if (run.check(saved.has_value(), std::string(saved_file_names[i]) + " was not written")) {
      run.expect_bytes(saved_file_names[i], *saved, bytes[i]);
    }
  }
  held.release();
  run.expect_bytes("the held UTF-8.bin", read_file(held_path).value_or("(unreadable)"), old_held);
  if (platform_refuses_read_only) {
    run.expect_bytes("the read-only Unicode.bin", read_file(read_only).value_or("(unreadable)"),
                     old_read_only);
    run.expect_equal("attributes of Unicode.bin", GetFileAttributesA(read_only.c_str()),
                     FILE_ATTRIBUTE_READONLY);
  } else {
    // Then the program's CREATE_ALWAYS succeeds too; it must have written the
    // file whole, like the others.
    run.expect_bytes("Unicode.bin (read-only, but the platform lets it be written)",
                     read_file(read_only).value_or("(unreadable)"), bytes[1]);
    before.erase("Unicode.bin");
    written.push_back(1);
  }

  // Everything but the three written files stays as it was: the read-only
  // file keeps its time and attributes, no stray file appears.
  std::map<std::string, FolderEntry> after = list_folder(desktop);
  std::map<std::string, FolderEntry> expected = before;
  for (std::size_t i : written) {
    after.erase(saved_file_names[i]);
    expected.erase(saved_file_names[i]);
  }
  // Closing the held handle may update its time, which is ours, not the program's.
  after.erase("UTF-8.bin");
  expected.erase("UTF-8.bin");
  for (const auto& [name, entry] : after) {
    run.check(expected.count(name) == 1, "a file appeared in the desktop folder: " + name);
  }
  for (const auto& [name, entry] : expected) {
    const auto found = after.find(name);
    run.check(found != after.end() && found->second == entry,
              "the save touched or removed " + name);
  }
  close_with_esc(run, app);
}

// Puts the bytes into the input box: through the clipboard when the clipboard's
// code page round trip keeps them, else with WM_SETTEXT (no key types them).
void put_input(Run& run, const Program& app, const std::string& bytes) {
  erase_focused_text();
  paste(run, bytes);
  if (!wait_until([&] { return app.text(id::汉字) == bytes; }, 3000)) {
    run.step(format("the paste gave %s; setting the text with WM_SETTEXT instead",
                    hex(app.text(id::汉字)).c_str()));
    SendMessageA(app.control(id::汉字), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(bytes.c_str()));
  }
  expect_input(run, app, bytes, "input " + hex(bytes));
}

// Wherever the undecodable byte sits, no row converts, so all five boxes
// empty; the next valid text shows its dumps again.
void undecodable_anywhere(Run& run) {
  Program app(run, run.lumetra_exe());
  struct Case {
    const char* where;
    std::string text;
  };
  const Case cases[] = {
      {"at the start", "\x80中文"},
      {"in the middle", "中\x80文"},
      {"at the end", "中文\x80"},
      {"a user-defined character in the middle",
       "ab\xAA\xA1"
       "cd"},
  };
  for (const Case& c : cases) {
    run.step(std::string("undecodable byte ") + c.where);
    put_input(run, app, c.text);
    app.sync();
    expect_outputs_empty(run, app, c.where);
    run.step("then 中文 again");
    put_input(run, app, "中文");
    expect_outputs(run, app, zhongwen, std::string("valid text after the one ") + c.where);
  }
  close_with_esc(run, app);
}

}  // namespace

const ScenarioTable fault_scenarios{{
    {"undecodable_anywhere", undecodable_anywhere},
    {"paste_1mib", paste_one_mebibyte},
    {"keystroke_burst", keystroke_burst},
    {"save_refused_files", save_with_refused_files},
}};

}  // namespace lumetra::e2e
