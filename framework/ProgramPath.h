#pragma once

#include <string>

// The running program's own file (the executable, links resolved), and the
// folder holding it with a trailing '/'. Both are empty when the system
// cannot say.
std::string ProgramFileName();
std::string ProgramFolder();
