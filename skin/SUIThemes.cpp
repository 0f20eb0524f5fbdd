#include "skin/SUIThemes.h"

#include "framework/Text.h"
#include "framework/graphics/Bitmap.h"
#include "platform/gfx/Blit.h"
#include "platform/gfx/DeviceContext.h"

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

const std::array<TsuiType, SUI_ITEM_COUNT> SUI_ITEM_TYPE = {
    Str,   Bool,  Str,   Str,   Str, Bool,  Int,   Int,   Int,   Str,   Str,   Str,
    Int,   Int,   Color, Color, Int, Color, Color, Color, Color, Color, Color, Str,
    Color, Color, Color, Str,   Str, Str,   Color, Str,   Str,   Str,   Color, Color,
    Color, Str,   Str,   Str,   Str, Str,   Str,   Color, Str,   Str,   Int,   Color};

// Colours are written as TColor values: 0x00BBGGRR.
const TsuiThemeDef SUI_THEME_MACOS = {"MACOS_BUTTON",
                                      true,
                                      "MACOS_CHECKBOX",
                                      "MACOS_RADIOBUTTON",
                                      "MACOS_TITLEBTN",
                                      false,
                                      3,
                                      -2,
                                      4, // 7-9
                                      "MACOS_TITLE_LEFT",
                                      "MACOS_TITLE_CLIENT",
                                      "MACOS_TITLE_RIGHT",
                                      130,
                                      0,
                                      TColor(0xE7E7E7),
                                      TColor(0x7F7F7F),
                                      1, // 13-17
                                      TColor(0xC47339),
                                      TColor(0xC47339),
                                      TColor(0xFFFFFF),
                                      TColor(0x000000),
                                      TColor(0x000000),
                                      TColor(0x000000), // 18-23
                                      "MACOS_PROGRESSBAR",
                                      TColor(0x7F7F7F),
                                      TColor(0xE7E7E7),
                                      TColor(0x000000), // 24-27
                                      "MACOS_TRACKBAR_BAR",
                                      "MACOS_TRACKBAR_SLIDER",
                                      "MACOS_TRACKBAR_SLIDER_V", // 28-30
                                      TColor(0xC9C9C9),
                                      "MACOS_SCROLLBAR_BUTTON",
                                      "MACOS_SCROLLBAR_TRACK",
                                      "MACOS_CHECKLIST",
                                      TColor(0x474747),
                                      TColor(0xEFEFEF),
                                      TColor(0xD8D8D8), // 35-37
                                      "MACOS_SCROLLBUTTON",
                                      "MACOS_TAB",
                                      "MACOS_TAB_LINE",
                                      "MACOS_SIDECHENNEL_HANDLE",
                                      "MACOS_SIDECHENNEL_BAR", // 38-42
                                      "",
                                      TColor(0x000000),
                                      "",
                                      "",
                                      0,
                                      TColor(0xE7E7E7)};

const TsuiThemeDef SUI_THEME_WINXP = {"WINXP_BUTTON",
                                      false,
                                      "WINXP_CHECKBOX",
                                      "WINXP_RADIOBUTTON",
                                      "WINXP_TITLEBTN",
                                      false,
                                      2,
                                      -2,
                                      5, // 7-9
                                      "WINXP_TITLE_LEFT",
                                      "WINXP_TITLE_CLIENT",
                                      "WINXP_TITLE_RIGHT",
                                      150,
                                      13,
                                      TColor(0xDEEBEF),
                                      TColor(0xC82C00),
                                      3, // 13-17
                                      TColor(0xC66931),
                                      TColor(0xEFD3C6),
                                      TColor(0x000000),
                                      TColor(0xFFFFFF),
                                      TColor(0x000000),
                                      TColor(0xCED3D6), // 18-23
                                      "WINXP_PROGRESSBAR",
                                      TColor(0x686868),
                                      TColor(0xDEEBEF),
                                      TColor(0xCF4602), // 24-27
                                      "WINXP_TRACKBAR_BAR",
                                      "WINXP_TRACKBAR_SLIDER",
                                      "WINXP_TRACKBAR_SLIDER_V", // 28-30
                                      TColor(0xF9F9F9),
                                      "WINXP_SCROLLBAR_BUTTON",
                                      "WINXP_SCROLLBAR_TRACK",
                                      "WINXP_CHECKLIST",
                                      TColor(0xC66931),
                                      TColor(0xEFD3C6),
                                      TColor(0xE1AC93), // 35-37
                                      "WINXP_SCROLLBUTTON",
                                      "WINXP_TAB",
                                      "WINXP_TAB_LINE",
                                      "WINXP_SIDECHENNEL_HANDLE",
                                      "WINXP_SIDECHENNEL_BAR", // 38-42
                                      "",
                                      TColor(0xFFFFFF),
                                      "",
                                      "",
                                      0,
                                      TColor(0xDEEBEF)};

const TsuiThemeDef SUI_THEME_DEEPBLUE = {"DEEPBLUE_BUTTON",
                                         false,
                                         "DEEPBLUE_CHECKBOX",
                                         "DEEPBLUE_RADIOBUTTON",
                                         "DEEPBLUE_TITLEBTN",
                                         false,
                                         0,
                                         0,
                                         2, // 7-9
                                         "DEEPBLUE_TITLE_LEFT",
                                         "DEEPBLUE_TITLE_CLIENT",
                                         "DEEPBLUE_TITLE_RIGHT",
                                         130,
                                         0,
                                         TColor(0xE8E8E8),
                                         TColor(0x000000),
                                         1, // 13-17
                                         TColor(0xA04A44),
                                         TColor(0xA04A44),
                                         TColor(0xFFFFFF),
                                         TColor(0xFFFFFF),
                                         TColor(0x000000),
                                         TColor(0xCED3D6), // 18-23
                                         "DEEPBLUE_PROGRESSBAR",
                                         TColor(0x000000),
                                         TColor(0xE8E8E8),
                                         TColor(0x000000), // 24-27
                                         "DEEPBLUE_TRACKBAR_BAR",
                                         "DEEPBLUE_TRACKBAR_SLIDER",
                                         "DEEPBLUE_TRACKBAR_SLIDER_V", // 28-30
                                         TColor(0xF5F5F5),
                                         "DEEPBLUE_SCROLLBAR_BUTTON",
                                         "DEEPBLUE_SCROLLBAR_TRACK",
                                         "DEEPBLUE_CHECKLIST",
                                         TColor(0x474747),
                                         TColor(0xEFEFEF),
                                         TColor(0xD8D8D8), // 31-37
                                         "MORE_SCROLLBUTTON",
                                         "DEEPBLUE_TAB",
                                         "DEEPBLUE_TAB_LINE",
                                         "DEEPBLUE_SIDECHENNEL_HANDLE",
                                         "DEEPBLUE_SIDECHENNEL_BAR", // 38-42
                                         "",
                                         TColor(0xFFFFFF),
                                         "",
                                         "",
                                         0,
                                         TColor(0xE8E8E8)};

const TsuiThemeDef SUI_THEME_PROTEIN = {"PROTEIN_BUTTON",
                                        false,
                                        "PROTEIN_CHECKBOX",
                                        "PROTEIN_RADIOBUTTON",
                                        "PROTEIN_TITLEBTN",
                                        true,
                                        0,
                                        0,
                                        2, // 7-9
                                        "PROTEIN_TITLE_LEFT",
                                        "PROTEIN_TITLE_CLIENT",
                                        "PROTEIN_TITLE_RIGHT",
                                        130,
                                        0,
                                        TColor(0xFBFBFB),
                                        TColor(0x000000),
                                        1, // 13-17
                                        TColor(0xC4302D),
                                        TColor(0xC4302D),
                                        TColor(0xFFFFFF),
                                        TColor(0xFFFFFF),
                                        TColor(0x000000),
                                        TColor(0xCED3D6), // 18-23
                                        "PROTEIN_PROGRESSBAR",
                                        TColor(0x000000),
                                        TColor(0xFBFBFB),
                                        TColor(0x000000), // 24-27
                                        "PROTEIN_TRACKBAR_BAR",
                                        "PROTEIN_TRACKBAR_SLIDER",
                                        "PROTEIN_TRACKBAR_SLIDER_V", // 28-30
                                        TColor(0xF5F5F5),
                                        "PROTEIN_SCROLLBAR_BUTTON",
                                        "PROTEIN_SCROLLBAR_TRACK",
                                        "PROTEIN_CHECKLIST",
                                        TColor(0x474747),
                                        TColor(0xEFEFEF),
                                        TColor(0xD8D8D8), // 35-37
                                        "MORE_SCROLLBUTTON",
                                        "PROTEIN_TAB",
                                        "PROTEIN_TAB_LINE",
                                        "PROTEIN_SIDECHENNEL_HANDLE",
                                        "PROTEIN_SIDECHENNEL_BAR", // 38-42
                                        "",
                                        TColor(0xFFFFFF),
                                        "",
                                        "",
                                        0,
                                        TColor(0xFBFBFB)};

const TsuiThemeDef SUI_THEME_BLUEGLASS = {"BLUEGLASS_BUTTON",
                                          true,
                                          "BLUEGLASS_CHECKBOX",
                                          "BLUEGLASS_RADIOBUTTON",
                                          "BLUEGLASS_TITLEBTN",
                                          true,
                                          4,
                                          -3,
                                          6, // 7-9
                                          "BLUEGLASS_TITLE_LEFT",
                                          "BLUEGLASS_TITLE_CLIENT",
                                          "BLUEGLASS_TITLE_RIGHT",
                                          270,
                                          11,
                                          TColor(0xE7E7E7),
                                          TColor(0x000000),
                                          1, // 13-17
                                          TColor(0xEC5E5E),
                                          TColor(0xEC5E5E),
                                          TColor(0xFFFFFF),
                                          TColor(0xE7E7E7),
                                          TColor(0x000000),
                                          TColor(0xCED3D6), // 18-23
                                          "BLUEGLASS_PROGRESSBAR",
                                          TColor(0x000000),
                                          TColor(0xE7E7E7),
                                          TColor(0x000000), // 24-27
                                          "BLUEGLASS_TRACKBAR_BAR",
                                          "BLUEGLASS_TRACKBAR_SLIDER",
                                          "BLUEGLASS_TRACKBAR_SLIDER_V", // 28-30
                                          TColor(0xF4F4F4),
                                          "BLUEGLASS_SCROLLBAR_BUTTON",
                                          "BLUEGLASS_SCROLLBAR_TRACK",
                                          "BLUEGLASS_CHECKLIST",
                                          TColor(0x474747),
                                          TColor(0xEFEFEF),
                                          TColor(0xD8D8D8), // 31-37
                                          "MORE_SCROLLBUTTON",
                                          "BLUEGLASS_TAB",
                                          "BLUEGLASS_TAB_LINE",
                                          "BLUEGLASS_SIDECHENNEL_HANDLE",
                                          "BLUEGLASS_SIDECHENNEL_BAR", // 38-42
                                          "",
                                          TColor(0xFFFFFF),
                                          "",
                                          "",
                                          0,
                                          TColor(0xE7E7E7)};

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
