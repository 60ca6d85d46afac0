// Saving: the five files that 按钮1 writes into the desktop folder, their
// bytes, overwriting, a file held open by another program, and the fallback
// to the executable's folder when there is no desktop folder.
#include "tests/windows/e2e/e2e.h"

namespace lumetra::e2e {
namespace {

const Encodings zhongwen = encodings("中文", L"中文", u8"中文", "+Ti1lhw-");
const Encodings letter_a = encodings("a", L"a", u8"a", "a");

std::string require_desktop(Run& run) {
  const std::string desktop = desktop_folder();
  run.require(!desktop.empty(), "the prefix has no desktop folder");
  return desktop;
}

void delete_saved_files(Run& run, const std::string& folder) {
  for (const char* name : saved_file_names) {
    run.require(remove_file(folder + name), "could not delete " + folder + name);
  }
}

// Clicks 按钮1 and waits until the reaction is over: "UTF-7.bin", written
// last, has the expected size, and the window answers again. Nothing is
// opened before that, so the program's exclusive opens are never refused.
void click_save(Run& run, const Program& app, const std::string& folder, long long utf7_size) {
  click_centre(app.control(id::按钮1));
  const bool written = wait_until(
      [&] { return file_size(folder + saved_file_names[4]) == std::optional(utf7_size); });
  run.check(written, format("%s%s did not reach %lld bytes within 5 s", folder.c_str(),
                            saved_file_names[4], utf7_size));
  app.sync();
}

void expect_saved(Run& run, const std::string& folder, const Encodings& text,
                  const std::string& what, int skipped = -1) {
  const std::array<std::string, 5> expected = text.bytes();
  for (int i = 0; i < 5; ++i) {
    if (i == skipped) continue;
    const std::string path = folder + saved_file_names[i];
    const std::optional<std::string> content = read_file(path);
    if (run.check(content.has_value(), what + ": " + path + " is missing")) {
      run.expect_bytes(what + ": " + saved_file_names[i], *content, expected[i]);
    }
  }
}

void save_texts(Run& run) {
  const std::string desktop = require_desktop(run);
  delete_saved_files(run, desktop);
  Program app(run, run.lumetra_exe());

  run.step("中文 gives the five files");
  paste(run, "中文");
  expect_outputs(run, app, zhongwen.dumps(), "after pasting 中文");
  click_save(run, app, desktop, 8);
  expect_saved(run, desktop, zhongwen, "中文");

  run.step("a second click with the text a overwrites all five");
  tab_to(run, app, id::汉字);
  erase_focused_text();
  press('A');
  expect_outputs(run, app, letter_a.dumps(), "after typing a");
  click_save(run, app, desktop, 1);
  expect_saved(run, desktop, letter_a, "second save");

  run.step("the files hold the input box's content, not what the output boxes show");
  // No input can change a read-only box; only a message can make the output
  // boxes disagree with the input box.
  for (int box : output_ids) {
    SendMessageA(app.control(box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("D6D0CEC4"));
  }
  click_save(run, app, desktop, 1);
  expect_saved(run, desktop, letter_a, "save with altered output boxes");
  close_with_esc(run, app);
}

void save_empty(Run& run) {
  const std::string desktop = require_desktop(run);
  delete_saved_files(run, desktop);
  Program app(run, run.lumetra_exe());
  click_save(run, app, desktop, 0);
  expect_saved(run, desktop, encodings("", L"", u8"", ""), "empty input");

  run.step("emptied with the clear button after 中文");
  delete_saved_files(run, desktop);
  tab_to(run, app, id::汉字);
  paste(run, "中文");
  expect_outputs(run, app, zhongwen.dumps(), "after pasting 中文");
  // Space clicks the focused button, the keyboard's way of pressing it.
  tab_to(run, app, id::按钮2);
  press(VK_SPACE);
  expect_outputs_empty(run, app, "after the clear button");
  click_save(run, app, desktop, 0);
  expect_saved(run, desktop, encodings("", L"", u8"", ""), "cleared input");
  close_with_esc(run, app);
}

void save_with_file_held(Run& run) {
  const std::string desktop = require_desktop(run);
  delete_saved_files(run, desktop);
  const std::string held_path = desktop + saved_file_names[3];
  HeldFile held(held_path, "held by another program");
  run.require(static_cast<bool>(held), "could not create and hold " + held_path);

  Program app(run, run.lumetra_exe());
  paste(run, "中文");
  expect_outputs(run, app, zhongwen.dumps(), "after pasting 中文");
  click_save(run, app, desktop, 8);
  run.check(app.responsive(2000), "the window does not answer after saving with UTF-8.bin held");
  expect_saved(run, desktop, zhongwen, "UTF-8.bin held", 3);

  run.step("the window still reacts");
  tab_to(run, app, id::汉字);
  press(VK_END);
  press('A');
  expect_input(run, app, "中文a", "after saving with UTF-8.bin held");
  expect_outputs(run, app, encodings("中文a", L"中文a", u8"中文a", "+Ti1lhw-a").dumps(),
                 "after typing a");
  held.release();
  run.expect_bytes("UTF-8.bin after it was held", read_file(held_path).value_or("(missing)"),
                   "held by another program");
  close_with_esc(run, app);
}

// Without a desktop folder the bare file names land in the executable's
// folder, which start-up made the current directory. A Desktop shell folder
// that does not exist makes SHGetSpecialFolderPathA fail, since the program
// asks it not to create one.
void save_without_desktop(Run& run) {
  const std::string desktop = require_desktop(run);
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  const std::string scratch = std::string(temp) + "lumetra-e2e\\";
  const std::string exe_folder = scratch + "program\\";
  const std::string elsewhere = scratch + "elsewhere\\";
  run.require(make_folder(scratch) && make_folder(exe_folder) && make_folder(elsewhere),
              "could not make the scratch folders under " + scratch);
  const std::string exe = exe_folder + "lumetra.exe";
  run.require(CopyFileA(run.lumetra_exe().c_str(), exe.c_str(), FALSE),
              "could not copy the program to " + exe);
  delete_saved_files(run, exe_folder);
  delete_saved_files(run, elsewhere);

  DesktopFolderMissing no_desktop;
  run.require(no_desktop.done(), "could not point the Desktop shell folder elsewhere");
  run.require(desktop_folder().empty(),
              "SHGetSpecialFolderPathA still finds a desktop folder: " + desktop_folder());

  Program app(run, exe, elsewhere);
  paste(run, "中文");
  expect_outputs(run, app, zhongwen.dumps(), "after pasting 中文");
  click_save(run, app, exe_folder, 8);
  expect_saved(run, exe_folder, zhongwen, "no desktop folder, files in the executable's folder");
  for (const char* name : saved_file_names) {
    run.check(!file_size(elsewhere + name),
              std::string(name) + " was written into the starting folder");
  }
  close_with_esc(run, app);
}

}  // namespace

const ScenarioTable save_scenarios{{
    {"save_texts", save_texts},
    {"save_empty", save_empty},
    {"save_file_held", save_with_file_held},
    {"save_no_desktop", save_without_desktop},
}};

}  // namespace lumetra::e2e
