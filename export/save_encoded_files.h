// Saving the five encodings of the input box's text as files on the desktop.
#pragma once

#include <string_view>

#include "core/text.h"

namespace lumetra {

// The reaction to the save button: reads the input box into current_text and
// writes one file per encoding into the desktop folder. Files that cannot be
// written are skipped without a message.
void save_encoded_files();

// Where the files go: a folder ending in "\", or "" for the current directory.
using FolderSource = Text (*)();

// The rows' files for `text`, each into the folder `folder()` gives at that moment.
void write_encoded_files(std::string_view text, FolderSource folder);

// The current user's desktop folder with a trailing "\", or "" if it cannot be had.
Text desktop_folder();

}  // namespace lumetra
