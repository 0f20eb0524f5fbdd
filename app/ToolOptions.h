#pragma once

#include "app/ToolSettings.h"

#include <string>
#include <vector>

// What novla-tool was asked to do on its command line. Every option is
// for people and checks; without any the window opens on the display.
struct TToolOptions
{
    bool Help = false;
    bool Version = false;
    bool Headless = false;   // build the window on the in-memory desktop
    std::string Screenshot;  // write the shown window here and exit; implies Headless
    std::string Style;       // a built-in style's name in place of Protein
    std::string Skin;        // a skin file to draw the window from
    std::string Password;    // the skin file's password
    TLineChoice Line;        // --port, --baud and --parity: over the remembered ones
    bool NoSettings = false; // neither read nor write the settings file
    int Scale = 0;           // 1 to 3: the window's enlargement; 0: the desktop's own
};

// Reads Arguments (without the program name). False with a sentence in
// Error for an unknown option or stray word, an option given twice, or
// an option that needs a value without one, --style with a name that is not
// a built-in style, --style with --skin, --password without --skin, a
// port, baud rate or parity the window does not offer, or a --scale other
// than 1, 2 or 3.
bool ParseToolOptions(const std::vector<std::string>& Arguments, TToolOptions& Options,
                      std::string& Error);

// The --help text.
std::string ToolUsage();

// "novla-tool <version>".
std::string ToolVersion();
