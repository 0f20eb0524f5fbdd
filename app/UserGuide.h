#pragma once

#include <string>

// The tool's user guide (README.md) for the program at ExecutablePath: the
// copy installed beside it (<prefix>/share/doc/novla-tool/README.md for
// <prefix>/bin/novla-tool), else the one at the top of the source tree the
// program was built in (found in a folder above it). Empty when none exists.
std::string FindUserGuide(const std::string& ExecutablePath);

// Path of the running program, from /proc; empty when unknown.
std::string RunningExecutable();
