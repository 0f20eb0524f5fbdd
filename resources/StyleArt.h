#pragma once

#include <span>
#include <string_view>

// The pictures of the built-in styles and of the program itself, drawn by
// resources/stylegen during the build and embedded by novla_style_art under
// these names (found with FindResource, framework/ResourceTable.h).

enum class TArtFormat
{
    Bmp,
    Jpeg,
    Ico,
    Png,
};

struct TStyleArtEntry
{
    const char* Name;
    // "MacOS", "WinXP", "DeepBlue", "Protein", "BlueGlass", "Shared" (named
    // by controls for every style) or "Program" (the program's own pictures).
    const char* Group;
    // The picture's size; for an icon file, that of its largest image (it
    // holds 16, 32 and 48 pixel images).
    int Width;
    int Height;
    // Frames of equal width laid side by side; 1 for a whole picture.
    int Frames;
    TArtFormat Format;
    // Bits per pixel of a bitmap; 0 for the other formats.
    int Depth;
};

// Every embedded picture, grouped by style in the order of the groups above.
std::span<const TStyleArtEntry> StyleArtCatalog();

// The entry named Name (case ignored), or null.
const TStyleArtEntry* FindStyleArt(std::string_view Name);
