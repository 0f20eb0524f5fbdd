#pragma once

#include <array>
#include <cstdint>

// The elements a control asks a file theme for. A skin file stores each
// element under a key equal to the enumerator's own name; the key of an
// element is SKIN2_SKINFILE_KEYNAME at its ordinal plus the offset of its
// enumeration.
//
// Each kind of element is one list below, in ordinal order; its
// enumeration, its count and its keys all come from that list.

// clang-format off
#define SKIN2_COLOR_ELEMENTS(X) \
    X(TRANSCOLOR) \
    X(TITLEFONTCOLOR) \
    X(FORMCOLOR) \
    X(MENUBARSTARTCOLOR) \
    X(MENUBARENDCOLOR) \
    X(TOPSELECTEDMENUCOLOR) \
    X(TOPSELECTEDMENUBORDERCOLOR) \
    X(TOPSELECTEDMENUFONTCOLOR) \
    X(TOPMENUFONTCOLOR) \
    X(LEFTBARSTARTCOLOR) \
    X(LEFTBARENDCOLOR) \
    X(MENUITEMCOLOR) \
    X(MENUITEMFONTCOLOR) \
    X(SELECTEDMENUCOLOR) \
    X(SELECTEDMENUBORDERCOLOR) \
    X(SELECTEDMENUFONTCOLOR) \
    X(TOOLBARSTARTCOLOR) \
    X(TOOLBARENDCOLOR) \
    X(TOOLBARONCOLOR) \
    X(TOOLBARBORDERCOLOR) \
    X(TOOLBARDOWNCOLOR) \
    X(CONTROLCOLOR) \
    X(CONTROLBORDERCOLOR) \
    X(CONTROLFONTCOLOR) \
    X(BUTTONFONTCOLOR) \
    X(SCROLLBARCOLOR) \
    X(TABCONTROLCOLOR) \
    X(TABCONTROLBORDERCOLOR) \
    X(TABCONTROLACTIVEFONTCOLOR) \
    X(TABCONTROLINACTIVEFONTCOLOR) \
    X(SIDECHANNELCOLOR) \
    X(SIDECHANNELBORDERCOLOR)

#define SKIN2_BITMAP_ELEMENTS(X) \
    X(TITLEBAR1) \
    X(TITLEBAR2) \
    X(TITLEBAR3) \
    X(TITLEBAR4) \
    X(TITLEBAR5) \
    X(FORMLEFTBORDER) \
    X(FORMRIGHTBORDER) \
    X(FORMBOTTOMBORDER1) \
    X(FORMBOTTOMBORDER2) \
    X(FORMBOTTOMBORDER3) \
    X(MINIMIZEDTITLE) \
    X(TITLEBUTTONS) \
    X(CHECKEDMENUICON) \
    X(MENUBAR) \
    X(TOOLBAR) \
    X(BUTTON) \
    X(CHECKBOX) \
    X(CHECKBOXLIST) \
    X(RADIOBUTTON) \
    X(PROGRESSBAR1) \
    X(PROGRESSBAR2) \
    X(PROGRESSBAR3) \
    X(PROGRESSBAR4) \
    X(TRACKBAR) \
    X(TRACKBARSLIDER) \
    X(TRACKBARVSLIDER) \
    X(SCROLLBARUPBUTTON) \
    X(SCROLLBAR) \
    X(SCROLLBARDOWNBUTTON) \
    X(TABCONTROL) \
    X(TABCONTROLLINE) \
    X(SIDECHANNELBAR) \
    X(SIDECHANNELTITLE) \
    X(SCROLLBUTTON)

#define SKIN2_INT_ELEMENTS(X) \
    X(TITLEBARICONPOSX) \
    X(TITLEBARICONPOSY) \
    X(TITLEBARCAPTIONTOP) \
    X(TITLEBARBUTTONPOSX) \
    X(TITLEBARBUTTONPOSY) \
    X(TITLEBARREGIONMINY) \
    X(TITLEBARREGIONMAXY) \
    X(BOTTOMREGIONMINY) \
    X(BOTTOMREGIONMAXY)

#define SKIN2_BOOL_ELEMENTS(X) \
    X(TITLEFIVESECT) \
    X(BOTTOMBORDERTHREESECT) \
    X(TITLEBARNEEDREGION) \
    X(BOTTOMBORDERNEEDREGION) \
    X(TITLEBTNTRANS) \
    X(BUTTONTRANS) \
    X(CHECKBOXTRANS) \
    X(RADIOBUTTONTRANS) \
    X(TABCONTROLTRANS)

// clang-format on

#define SKIN2_ENUMERATOR(Name) SKIN2_##Name,
#define SKIN2_COUNT_ONE(Name) +1

enum Tsk2SkinColorElement : uint8_t
{
    SKIN2_COLOR_ELEMENTS(SKIN2_ENUMERATOR)
};

enum Tsk2SkinBitmapElement : uint8_t
{
    SKIN2_BITMAP_ELEMENTS(SKIN2_ENUMERATOR)
};

enum Tsk2IntElement : uint8_t
{
    SKIN2_INT_ELEMENTS(SKIN2_ENUMERATOR)
};

enum Tsk2BoolElement : uint8_t
{
    SKIN2_BOOL_ELEMENTS(SKIN2_ENUMERATOR)
};

constexpr int SKIN2_COLOR_COUNT = 0 SKIN2_COLOR_ELEMENTS(SKIN2_COUNT_ONE);
constexpr int SKIN2_BITMAP_COUNT = 0 SKIN2_BITMAP_ELEMENTS(SKIN2_COUNT_ONE);
constexpr int SKIN2_INT_COUNT = 0 SKIN2_INT_ELEMENTS(SKIN2_COUNT_ONE);
constexpr int SKIN2_BOOL_COUNT = 0 SKIN2_BOOL_ELEMENTS(SKIN2_COUNT_ONE);

#undef SKIN2_ENUMERATOR
#undef SKIN2_COUNT_ONE

// Where each enumeration's keys start in SKIN2_SKINFILE_KEYNAME.
constexpr int SKIN2_COLOR_KEY_OFFSET = 0;
constexpr int SKIN2_BITMAP_KEY_OFFSET = SKIN2_COLOR_KEY_OFFSET + SKIN2_COLOR_COUNT; // 32
constexpr int SKIN2_INT_KEY_OFFSET = SKIN2_BITMAP_KEY_OFFSET + SKIN2_BITMAP_COUNT;  // 66
constexpr int SKIN2_BOOL_KEY_OFFSET = SKIN2_INT_KEY_OFFSET + SKIN2_INT_COUNT;       // 75
constexpr int SKIN2_KEY_COUNT = SKIN2_BOOL_KEY_OFFSET + SKIN2_BOOL_COUNT;           // 84

// The 84 keys: colours, bitmaps, integers, booleans, each in ordinal order.
extern const std::array<const char*, SKIN2_KEY_COUNT> SKIN2_SKINFILE_KEYNAME;

// The key of one element; empty for a value outside its enumeration.
const char* SkinFileKeyName(Tsk2SkinColorElement Element);
const char* SkinFileKeyName(Tsk2SkinBitmapElement Element);
const char* SkinFileKeyName(Tsk2IntElement Element);
const char* SkinFileKeyName(Tsk2BoolElement Element);
