#pragma once

// A program started with standard input, output or error closed would hand
// the lowest free descriptor, 0, 1 or 2, to the first thing it opens: a
// serial port would then receive what the program prints. Called first in
// main, before anything is opened, this opens /dev/null on each of the
// three that is closed. False when one could not be opened.
bool EnsureStandardDescriptors();
