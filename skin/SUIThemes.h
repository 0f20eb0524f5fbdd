#pragma once

#include "platform/gfx/Color.h"
#include "skin/SUIThemeItemList.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TBitmap;

// The look a skinned control draws with: one of the five built-in styles, or
// the control's file theme (FromThemeFile, which falls back to DeepBlue when
// the control has no usable file theme). DeepBlue is the default.
enum TsuiUIStyle : uint8_t
{
    FromThemeFile = 0,
    MacOS = 1,
    WinXP = 2,
    DeepBlue = 3,
    Protein = 4,
    BlueGlass = 5
};

// The enumerator names by ordinal, for publishing a UIStyle property.
const std::vector<std::string>& UIStyleNames();
// The built-in style named Name, without regard to case; false for any other
// name (FromThemeFile included, which is no style of its own).
bool BuiltInStyleByName(std::string_view Name, TsuiUIStyle& Style);

// The type of a theme item, the same in every style.
enum class TsuiType : uint8_t
{
    Int = 0,
    Color = 1,
    Str = 2,
    Bool = 3
};

// Theme items, numbered 1 to 48, from the one list of SUIThemeItemList.h.
// Slots 43 to 48 keep their numbers and types but have no SUI_ITEM_ name.
#define SUI_ITEM_NUMBER(Number, Name, ...) constexpr int SUI_ITEM_##Name = Number;
#define SUI_SPARE_NUMBER(...)
SUI_THEME_ITEMS(SUI_ITEM_NUMBER, SUI_SPARE_NUMBER)
#undef SUI_ITEM_NUMBER
#undef SUI_SPARE_NUMBER

#define SUI_COUNT_ONE(...) +1
constexpr int SUI_ITEM_COUNT = 0 SUI_THEME_ITEMS(SUI_COUNT_ONE, SUI_COUNT_ONE);
#undef SUI_COUNT_ONE

// The type of each item; entry 0 belongs to item 1.
extern const std::array<TsuiType, SUI_ITEM_COUNT> SUI_ITEM_TYPE;

// The key name of item Index: its constant's name ("SUI_ITEM_FORM_COLOR");
// empty for a spare slot and for an index outside 1..48.
const char* ThemeItemName(int Index);

// One theme item: a signed integer (Int), a TColor (Color), 0 or 1 (Bool) in
// Value, or the name of a bitmap resource (Str) in Name. Names are never
// null; the unassigned slots hold empty names.
struct TsuiThemeItem
{
    constexpr TsuiThemeItem() = default;
    constexpr TsuiThemeItem(int32_t AValue) : Value(AValue) {}
    constexpr TsuiThemeItem(TColor AColor) : Value(static_cast<int32_t>(AColor)) {}
    constexpr TsuiThemeItem(bool AValue) : Value(AValue ? 1 : 0) {}
    constexpr TsuiThemeItem(const char* AName) : Name(AName) {}

    int32_t Value = 0;
    const char* Name = "";
};

// A built-in style: items 1 to 48 at entries 0 to 47.
using TsuiThemeDef = std::array<TsuiThemeItem, SUI_ITEM_COUNT>;

extern const TsuiThemeDef SUI_THEME_MACOS;
extern const TsuiThemeDef SUI_THEME_WINXP;
extern const TsuiThemeDef SUI_THEME_DEEPBLUE;
extern const TsuiThemeDef SUI_THEME_PROTEIN;
extern const TsuiThemeDef SUI_THEME_BLUEGLASS;

// The table of a built-in style; null for FromThemeFile and values past
// BlueGlass.
const TsuiThemeDef* ThemeDefOf(TsuiUIStyle UIStyle);

// Item Index (1..48) of UIStyle. Each answers its default when the style has
// no table, Index lies outside 1..48 or the item has another type: black,
// -1 and false.
TColor GetInsideThemeColor(TsuiUIStyle UIStyle, int Index);
int GetInsideThemeInt(TsuiUIStyle UIStyle, int Index);
bool GetInsideThemeBool(TsuiUIStyle UIStyle, int Index);

// Loads the bitmap resource the Str item Index of UIStyle names into Bitmap
// (nothing happens when Bitmap is null). With FrameCount 0 Bitmap gets the
// whole picture; otherwise only frame FrameIndex (1-based) of a strip of
// FrameCount frames, at that frame's size. Note the order: count before
// index. When the item is not a bitmap name, Bitmap keeps its content with
// FrameCount 0 and becomes empty otherwise; a frame outside the strip also
// leaves it empty. Throws EResNotFound when the named resource is missing.
void GetInsideThemeBitmap(TsuiUIStyle UIStyle, int Index, TBitmap* Bitmap, int FrameCount = 0,
                          int FrameIndex = 0);

// Dest becomes frame FrameIndex (1-based) of the FrameCount-frame strip
// Source, sized to one frame: W = Source width div FrameCount columns,
// x = (FrameIndex - 1) * W, except that the last frame is always the
// rightmost W columns. Dest becomes empty when FrameCount < 1, FrameIndex
// lies outside 1..FrameCount or the strip is narrower than FrameCount
// columns, or Source is null. Nothing happens for a null Dest. Source and
// Dest may be the same bitmap.
void SpitBitmap(const TBitmap* Source, TBitmap* Dest, int FrameCount, int FrameIndex);
