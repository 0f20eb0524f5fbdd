#pragma once

#include "tools/virtual-module/VirtualModule.h"

#include <string>
#include <string_view>

// A command a running module takes on its standard input, one a line:
// "fault NAME" (a ModuleFault's name) and "delay MS" (0..60000) change how
// it answers from the next request on. Returns the line to log: what
// changed, or why the command was refused.
std::string RunModuleCommand(VirtualModule& Module, std::string_view Line);
