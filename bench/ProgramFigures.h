#pragma once
#include <string>

// Figures of the real program in its own process: size, start-up time, and, from the soak
// build of it, memory and kernel handles over a long run.
void PrintProgramFigures(const std::string& executable, const std::string& soakExecutable);
