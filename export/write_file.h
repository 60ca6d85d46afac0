// Writing one whole file, all or nothing.
#pragma once

#include <windows.h>

#include <string_view>

#include "core/text.h"

namespace lumetra {

// WriteFile's signature, so tests can make a write fail part-way.
using FileWriter = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);

// Creates or truncates `path`, opened write-only with no sharing, and writes
// `bytes`. An empty path writes nothing. A write that fails or comes up short
// (a full disk) removes the file, so no truncated copy passes for a complete
// result. True only when every byte was written and the file closed.
bool write_file(const Text& path, std::string_view bytes, FileWriter writer = WriteFile);

}  // namespace lumetra
