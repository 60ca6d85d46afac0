// The end-to-end driver: `lumetra_e2e SCENARIO LUMETRA_EXE [ARGS...]` runs one
// scenario against the real program and exits 0 only when every check held.
#include <cstdio>
#include <string>
#include <vector>

#include "tests/windows/e2e/scenario.h"

namespace lumetra::e2e {
namespace {

std::vector<Scenario>& registry() {
  static std::vector<Scenario> scenarios;
  return scenarios;
}

}  // namespace

ScenarioTable::ScenarioTable(std::initializer_list<Scenario> scenarios) {
  registry().insert(registry().end(), scenarios.begin(), scenarios.end());
}

const std::vector<Scenario>& all_scenarios() { return registry(); }

}  // namespace lumetra::e2e

int main(int argc, char** argv) {
  using namespace lumetra::e2e;
  setvbuf(stdout, nullptr, _IONBF, 0);
  const Scenario* chosen = nullptr;
  if (argc >= 3) {
    for (const Scenario& s : all_scenarios()) {
      if (s.name == argv[1]) chosen = &s;
    }
  }
  if (!chosen) {
    std::printf("usage: lumetra_e2e SCENARIO LUMETRA_EXE [ARGS...]\nscenarios:\n");
    for (const Scenario& s : all_scenarios())
      std::printf("  %.*s\n", int(s.name.size()), s.name.data());
    return 2;
  }
  Run run(argv[1], std::vector<std::string>(argv + 2, argv + argc));
  try {
    chosen->body(run);
  } catch (const ScenarioAborted& stop) {
    print_line("FAIL (scenario stopped): ", stop.what());
  }
  if (run.failures() == 0) {
    std::printf("PASS %s\n", argv[1]);
    return 0;
  }
  std::printf("%d check(s) failed in %s\n", run.failures(), argv[1]);
  return 1;
}
