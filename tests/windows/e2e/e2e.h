// Everything a file of end-to-end scenarios needs.
#pragma once

#include "tests/windows/e2e/actions.h"
#include "tests/windows/e2e/files.h"
#include "tests/windows/e2e/input.h"
#include "tests/windows/e2e/lumetra_window.h"
#include "tests/windows/e2e/program.h"
#include "tests/windows/e2e/run.h"
#include "tests/windows/e2e/scenario.h"
#include "tests/windows/e2e/screen.h"
