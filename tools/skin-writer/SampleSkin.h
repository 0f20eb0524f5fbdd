#pragma once

#include "tools/skin-writer/Sk2Writer.h"

#include <cstdint>
#include <string>
#include <vector>

// The sample skin "Slate", drawn by code: every bitmap, colour, integer and
// flag element a file theme asks for, plus the string item NOVLA_SKIN_NAME.
// Returns the skin database (the SKINDATA.SK2 member).
std::vector<uint8_t> BuildSampleSkinDatabase();
// The writer of that database, with its items as they were added.
TSk2Writer SampleSkinWriter();
// The same skin with rounded corners: the title's outer top corners and the
// bottom border's outer corners are transparent, and the skin asks for a
// window region shaped by them (name "Slate Rounded").
std::vector<uint8_t> BuildRoundedSampleSkinDatabase();

// The password of the encrypted sample skin file.
inline const std::string SampleSkinPassword = "novla-sample";
