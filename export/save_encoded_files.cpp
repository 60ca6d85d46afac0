#include "export/save_encoded_files.h"

#include <shlobj.h>
#include <windows.h>

#include "app/current_text.h"
#include "core/convert_encoding.h"
#include "core/encoding_table.h"
#include "export/write_file.h"
#include "ui/content.h"

namespace lumetra {

Text desktop_folder() {
  char path[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathA(nullptr, path, CSIDL_DESKTOPDIRECTORY, FALSE)) return {};
  Text folder(path);
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

void write_encoded_files(std::string_view text, FolderSource folder) {
  for (const EncodingRow& row : encoding_table) {
    // An empty folder leaves the bare file name: the current directory.
    const Text path = folder() + row.file;
    // A failed conversion still writes the file, empty, replacing what it held.
    write_file(path, convert_encoding(text, source_encoding, row.target));
  }
}

void save_encoded_files() {
  Text text = ui::read_content(ui::input_box_name);
  current_text = std::move(text);
  write_encoded_files(current_text, desktop_folder);
}

}  // namespace lumetra
