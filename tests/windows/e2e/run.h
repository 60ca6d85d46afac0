// One run of the driver: the scenario's arguments and its checks. A failed
// check prints what differed and the scenario goes on, so one run names every
// difference; abort() ends the scenario when nothing after it can work.
#pragma once

#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lumetra::e2e {

struct ScenarioAborted : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Bytes as "D6 D0 CE C4", cut after `limit` bytes.
std::string hex(std::string_view bytes, std::size_t limit = 96);

// Prints prefix and message as one UTF-8 line; messages are GBK like the
// sources' literals.
void print_line(const char* prefix, const std::string& gbk);

// printf into a std::string.
std::string format(const char* pattern, ...) __attribute__((format(gnu_printf, 1, 2)));

class Run {
 public:
  Run(std::string scenario, std::vector<std::string> args);

  const std::string& scenario() const { return scenario_; }
  // The program under test, as a Windows path.
  const std::string& lumetra_exe() const { return exe_; }
  // Further arguments after the program's path; Unix paths become Z:\ paths.
  std::string arg(std::size_t index);

  void step(const std::string& what);  // a progress line, so a failure shows where it happened
  bool check(bool ok, const std::string& what);
  bool expect_equal(const std::string& what, long long actual, long long expected);
  // Prints both sides in hex from a little before the first differing offset.
  bool expect_bytes(const std::string& what, std::string_view actual, std::string_view expected);
  [[noreturn]] void abort(const std::string& what);
  void require(bool ok, const std::string& what) {
    if (!ok) abort(what);
  }

  int failures() const { return failures_; }

 private:
  std::string scenario_;
  std::vector<std::string> args_;
  std::string exe_;
  int failures_ = 0;
};

// Sleeps while handling the driver's own window messages (it owns a window in
// some scenarios, and Wine sends it activation messages).
void pause(DWORD milliseconds);

// Polls `done` every 20 ms until it holds or `milliseconds` have passed.
bool wait_until(const std::function<bool()>& done, DWORD milliseconds = 5000);

// Time for input that should change nothing to have been handled.
inline constexpr DWORD settle_ms = 300;

}  // namespace lumetra::e2e
