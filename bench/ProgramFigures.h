#pragma once
#include <string>

// Prints the table rows measured on the real program: its size, how long it takes from the
// process start to its tray icon and window, and its working set after start-up.
void PrintProgramFigures(const std::string& executable);
