// Scenario tables. A file of scenarios ends with one table, for example
//
//   const ScenarioTable skin_scenarios{{
//       {"skin_hover", button_hover_look},
//   }};
//
// and each scenario becomes a CTest test with one lumetra_e2e_scenario() line
// in CMakeLists.txt.
#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

#include "tests/windows/e2e/run.h"

namespace lumetra::e2e {

struct Scenario {
  std::string_view name;
  void (*body)(Run& run);
};

class ScenarioTable {
 public:
  ScenarioTable(std::initializer_list<Scenario> scenarios);
};

const std::vector<Scenario>& all_scenarios();

}  // namespace lumetra::e2e
