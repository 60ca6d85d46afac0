#include "tests/windows/e2e/lumetra_window.h"

#include <string>

namespace lumetra::e2e {

const ExpectedControl& expected_control(int id) {
  for (const ExpectedControl& control : expected_controls) {
    if (control.id == id) return control;
  }
  return expected_controls.front();
}

std::string control_name(int id) {
  return std::string(expected_control(id).name) + " (" + std::to_string(id) + ")";
}

}  // namespace lumetra::e2e
