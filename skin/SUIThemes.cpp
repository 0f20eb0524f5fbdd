#include "skin/SUIThemes.h"

#include "framework/Text.h"
#include "framework/graphics/Bitmap.h"
#include "platform/gfx/Blit.h"
#include "platform/gfx/DeviceContext.h"

#include <type_traits>

using enum TsuiType;

const std::vector<std::string>& UIStyleNames()
{
    static const std::vector<std::string> Names = {"FromThemeFile", "MacOS",   "WinXP",
                                                   "DeepBlue",      "Protein", "BlueGlass"};
    return Names;
}

bool BuiltInStyleByName(std::string_view Name, TsuiUIStyle& Style)
{
    const auto& Names = UIStyleNames();
    for (size_t I = 1; I < Names.size(); ++I)
        if (SameText(Names[I], Name))
        {
            Style = static_cast<TsuiUIStyle>(I);
            return true;
        }
    return false;
}

namespace
{
constexpr int StyleCount = BlueGlass; // MacOS to BlueGlass, at columns 0 to 4

// One row of the item list, its value in each built-in style.
struct TThemeRow
{
    int Number;
    const char* Name;
    TsuiType Type;
    std::array<TsuiThemeItem, StyleCount> Values;
};

// A value of the list, accepted only when it is written as its row's type:
// a row whose values do not match its type does not compile.
template <TsuiType Type, class TValue> constexpr TsuiThemeItem ThemeValue(TValue Value)
{
    if constexpr (Type == Str)
    {
        static_assert(std::is_same_v<TValue, const char*>, "a Str item is a resource name");
        return TsuiThemeItem(Value);
    }
    else if constexpr (Type == Bool)
    {
        static_assert(std::is_same_v<TValue, bool>, "a Bool item is true or false");
        return TsuiThemeItem(Value);
    }
    else if constexpr (Type == Color)
    {
        static_assert(std::is_integral_v<TValue> && !std::is_same_v<TValue, bool>,
                      "a Color item is a TColor number");
        return TsuiThemeItem(static_cast<TColor>(Value));
    }
    else
    {
        static_assert(std::is_same_v<TValue, int>, "an Int item is a number");
        return TsuiThemeItem(static_cast<int32_t>(Value));
    }
}

#define SUI_ROW_VALUES(Type, M, W, D, P, B)                                                        \
    {                                                                                              \
        ThemeValue<Type>(M), ThemeValue<Type>(W), ThemeValue<Type>(D), ThemeValue<Type>(P),        \
            ThemeValue<Type>(B)                                                                    \
    }
#define SUI_ITEM_ROW(Number, Name, Type, ...)                                                      \
    TThemeRow{Number, "SUI_ITEM_" #Name, Type, SUI_ROW_VALUES(Type, __VA_ARGS__)},
#define SUI_SPARE_ROW(Number, Type, ...)                                                           \
    TThemeRow{Number, "", Type, SUI_ROW_VALUES(Type, __VA_ARGS__)},

constexpr std::array<TThemeRow, SUI_ITEM_COUNT> Rows = {
    {SUI_THEME_ITEMS(SUI_ITEM_ROW, SUI_SPARE_ROW)}};

#undef SUI_ROW_VALUES
#undef SUI_ITEM_ROW
#undef SUI_SPARE_ROW

constexpr bool RowsAreNumberedInOrder()
{
    for (size_t I = 0; I < Rows.size(); ++I)
        if (Rows[I].Number != static_cast<int>(I) + 1) return false;
    return true;
}
static_assert(RowsAreNumberedInOrder(), "the item list runs 1, 2, 3, ... without gaps");

constexpr std::array<TsuiType, SUI_ITEM_COUNT> TypeColumn()
{
    std::array<TsuiType, SUI_ITEM_COUNT> Types{};
    for (size_t I = 0; I < Rows.size(); ++I)
        Types[I] = Rows[I].Type;
    return Types;
}

constexpr TsuiThemeDef StyleColumn(TsuiUIStyle Style)
{
    TsuiThemeDef Def{};
    for (size_t I = 0; I < Rows.size(); ++I)
        Def[I] = Rows[I].Values[static_cast<size_t>(Style - MacOS)];
    return Def;
}
} // namespace

const std::array<TsuiType, SUI_ITEM_COUNT> SUI_ITEM_TYPE = TypeColumn();

const TsuiThemeDef SUI_THEME_MACOS = StyleColumn(MacOS);
const TsuiThemeDef SUI_THEME_WINXP = StyleColumn(WinXP);
const TsuiThemeDef SUI_THEME_DEEPBLUE = StyleColumn(DeepBlue);
const TsuiThemeDef SUI_THEME_PROTEIN = StyleColumn(Protein);
const TsuiThemeDef SUI_THEME_BLUEGLASS = StyleColumn(BlueGlass);

const char* ThemeItemName(int Index)
{
    if (Index < 1 || Index > SUI_ITEM_COUNT) return "";
    return Rows[static_cast<size_t>(Index - 1)].Name;
}

const TsuiThemeDef* ThemeDefOf(TsuiUIStyle UIStyle)
{
    switch (UIStyle)
    {
    case MacOS:
        return &SUI_THEME_MACOS;
    case WinXP:
        return &SUI_THEME_WINXP;
    case DeepBlue:
        return &SUI_THEME_DEEPBLUE;
    case Protein:
        return &SUI_THEME_PROTEIN;
    case BlueGlass:
        return &SUI_THEME_BLUEGLASS;
    default:
        return nullptr;
    }
}

namespace
{
// The item and its type; a style without table or an index outside the table
// gives the value -1 of type Int, which every reader but the Int one rejects.
struct TThemeItemRef
{
    TsuiType Type;
    TsuiThemeItem Item;
};

TThemeItemRef GetThemeItem(TsuiUIStyle UIStyle, int Index)
{
    const TsuiThemeDef* Def = ThemeDefOf(UIStyle);
    if (!Def || Index < 1 || Index > SUI_ITEM_COUNT) return {Int, TsuiThemeItem(-1)};
    const size_t At = static_cast<size_t>(Index - 1);
    return {SUI_ITEM_TYPE[At], (*Def)[At]};
}
} // namespace

TColor GetInsideThemeColor(TsuiUIStyle UIStyle, int Index)
{
    TThemeItemRef R = GetThemeItem(UIStyle, Index);
    return R.Type == Color ? static_cast<TColor>(R.Item.Value) : TColor(0);
}

int GetInsideThemeInt(TsuiUIStyle UIStyle, int Index)
{
    TThemeItemRef R = GetThemeItem(UIStyle, Index);
    return R.Type == Int ? R.Item.Value : -1;
}

bool GetInsideThemeBool(TsuiUIStyle UIStyle, int Index)
{
    TThemeItemRef R = GetThemeItem(UIStyle, Index);
    return R.Type == Bool && R.Item.Value != 0;
}

void GetInsideThemeBitmap(TsuiUIStyle UIStyle, int Index, TBitmap* Bitmap, int FrameCount,
                          int FrameIndex)
{
    if (!Bitmap) return;
    TThemeItemRef R = GetThemeItem(UIStyle, Index);
    if (FrameCount == 0)
    {
        if (R.Type == Str) Bitmap->LoadFromResourceName(R.Item.Name);
        return;
    }
    TBitmap Strip;
    if (R.Type == Str) Strip.LoadFromResourceName(R.Item.Name);
    SpitBitmap(&Strip, Bitmap, FrameCount, FrameIndex);
}

void SpitBitmap(const TBitmap* Source, TBitmap* Dest, int FrameCount, int FrameIndex)
{
    if (!Dest) return;
    if (!Source)
    {
        Dest->SetSize(0, 0);
        return;
    }
    const int W = FrameCount >= 1 ? Source->Width() / FrameCount : 0;
    const int H = Source->Height();
    if (W < 1 || FrameIndex < 1 || FrameIndex > FrameCount)
    {
        Dest->SetSize(0, 0);
        return;
    }
    const int X = FrameIndex == FrameCount ? Source->Width() - W : W * (FrameIndex - 1);
    // Cut first: Source and Dest may be one bitmap.
    TSurface Frame(W, H);
    TDeviceContext Dc(Frame);
    BitBlt(Dc, 0, 0, W, H, Source->Surface(), X, 0);
    Dest->LoadFromSurface(std::move(Frame));
}
