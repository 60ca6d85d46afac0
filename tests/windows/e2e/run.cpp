#include "tests/windows/e2e/run.h"

#include <cstdarg>
#include <cstdio>

#include "tests/windows/e2e/files.h"

namespace lumetra::e2e {

std::string hex(std::string_view bytes, std::size_t limit) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size() && i < limit; ++i) {
    out += format("%02X ", static_cast<unsigned char>(bytes[i]));
  }
  if (bytes.size() > limit) out += "...";
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// Messages carry GBK literals of the sources; the log is read on a UTF-8 terminal.
void print_line(const char* prefix, const std::string& gbk) {
  std::string line = std::string(prefix) + gbk + "\n";
  const int units = MultiByteToWideChar(936, 0, line.data(), int(line.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  MultiByteToWideChar(936, 0, line.data(), int(line.size()), wide.data(), units);
  const int bytes =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, utf8.data(), bytes, nullptr, nullptr);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  std::fflush(stdout);
}

std::string format(const char* pattern, ...) {
  va_list args;
  va_start(args, pattern);
  char buffer[1024];
  std::vsnprintf(buffer, sizeof buffer, pattern, args);
  va_end(args);
  return buffer;
}

Run::Run(std::string scenario, std::vector<std::string> args)
    : scenario_(std::move(scenario)),
      args_(std::move(args)),
      exe_(args_.empty() ? "" : windows_path(args_[0])) {}

std::string Run::arg(std::size_t index) {
  if (index + 1 >= args_.size()) abort(format("argument %zu is missing", index + 1));
  return windows_path(args_[index + 1]);
}

void Run::step(const std::string& what) { print_line("-- ", what); }

bool Run::check(bool ok, const std::string& what) {
  if (!ok) {
    ++failures_;
    print_line("FAIL: ", what);
  }
  return ok;
}

bool Run::expect_equal(const std::string& what, long long actual, long long expected) {
  return check(actual == expected,
               format("%s: got %lld (0x%llX), expected %lld (0x%llX)", what.c_str(), actual,
                      static_cast<unsigned long long>(actual), expected,
                      static_cast<unsigned long long>(expected)));
}

bool Run::expect_bytes(const std::string& what, std::string_view actual,
                       std::string_view expected) {
  if (actual == expected) return true;
  std::size_t at = 0;
  while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
  const std::size_t from = at > 8 ? at - 8 : 0;
  return check(false,
               format("%s differs at offset %zu\n  actual   (%zu bytes, from %zu): "
                      "%s\n  expected (%zu bytes, from %zu): %s",
                      what.c_str(), at, actual.size(), from, hex(actual.substr(from)).c_str(),
                      expected.size(), from, hex(expected.substr(from)).c_str()));
}

void Run::abort(const std::string& what) {
  ++failures_;
  throw ScenarioAborted(what);
}

void pause(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    const DWORD passed = GetTickCount() - start;
    if (passed >= milliseconds) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - passed, QS_ALLINPUT);
  } while (true);
}

bool wait_until(const std::function<bool()>& done, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= milliseconds) return done();
    pause(20);
  }
  return true;
}

}  // namespace lumetra::e2e
