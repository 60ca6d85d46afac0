// The process's entry point: a GUI program with no console and no command line.
#include <windows.h>

#include "app/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return lumetra::run_process(); }
