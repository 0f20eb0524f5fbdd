#include "resources/stylegen/Glyphs.h"

const TPixelGlyph CheckMark7 = {
    "......X", //
    ".....XX", //
    "X...XXX", //
    "XX.XXX.", //
    "XXXXX..", //
    ".XXX...", //
    "..X....", //
};

const TPixelGlyph TitleGlyphs9[6] = {
    {
        // control box: the window menu
        ".........", //
        "XXXXXXXXX", //
        "XXXXXXXXX", //
        ".........", //
        "XXXXXXXXX", //
        "XXXXXXXXX", //
        ".........", //
        "XXXXXXXXX", //
        "XXXXXXXXX", //
    },
    {
        // help
        "..XXXXX..", //
        ".XXX.XXX.", //
        ".XX...XX.", //
        "......XX.", //
        "....XXX..", //
        "...XXX...", //
        "...XX....", //
        ".........", //
        "...XX....", //
    },
    {
        // maximize
        "XXXXXXXXX", //
        "XXXXXXXXX", //
        "X.......X", //
        "X.......X", //
        "X.......X", //
        "X.......X", //
        "X.......X", //
        "X.......X", //
        "XXXXXXXXX", //
    },
    {
        // restore
        "..XXXXXXX", //
        "..XXXXXXX", //
        "..X.....X", //
        "XXXXXXX.X", //
        "XXXXXXX.X", //
        "X.....XXX", //
        "X.....X..", //
        "X.....X..", //
        "XXXXXXX..", //
    },
    {
        // minimize
        ".........", //
        ".........", //
        ".........", //
        ".........", //
        ".........", //
        ".........", //
        ".........", //
        "XXXXXXXX.", //
        "XXXXXXXX.", //
    },
    {
        // close
        "XX.....XX", //
        "XXX...XXX", //
        ".XXX.XXX.", //
        "..XXXXX..", //
        "...XXX...", //
        "..XXXXX..", //
        ".XXX.XXX.", //
        "XXX...XXX", //
        "XX.....XX", //
    },
};

const TPixelGlyph TitleGlyphs7[6] = {
    {
        ".......", //
        "XXXXXXX", //
        ".......", //
        "XXXXXXX", //
        ".......", //
        "XXXXXXX", //
        ".......", //
    },
    {
        ".XXXXX.", //
        "XX...XX", //
        "....XX.", //
        "...XX..", //
        "...XX..", //
        ".......", //
        "...XX..", //
    },
    {
        "...X...", //
        "...X...", //
        "...X...", //
        "XXXXXXX", //
        "...X...", //
        "...X...", //
        "...X...", //
    },
    {
        "XXXXX..", //
        "X...X..", //
        "X...XXX", //
        "X...X.X", //
        "XXXXX.X", //
        "..X...X", //
        "..XXXXX", //
    },
    {
        ".......", //
        ".......", //
        ".......", //
        "XXXXXXX", //
        ".......", //
        ".......", //
        ".......", //
    },
    {
        "X.....X", //
        ".X...X.", //
        "..X.X..", //
        "...X...", //
        "..X.X..", //
        ".X...X.", //
        "X.....X", //
    },
};
