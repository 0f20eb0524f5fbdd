#pragma once

#include <string>
#include <vector>

// What novla-tool was asked to do on its command line. Every option is
// for people and checks; without any the window opens on the display.
struct TToolOptions
{
    bool Help = false;
    bool Version = false;
    bool Headless = false;  // build the window on the in-memory desktop
    std::string Screenshot; // write the shown window here and exit; implies Headless
};

// Reads Arguments (without the program name). False with a sentence in
// Error for an unknown option or stray word, an option given twice, or
// --screenshot without a file name.
bool ParseToolOptions(const std::vector<std::string>& Arguments, TToolOptions& Options,
                      std::string& Error);

// The --help text.
std::string ToolUsage();

// "novla-tool <version>".
std::string ToolVersion();
