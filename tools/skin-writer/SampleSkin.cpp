#include "tools/skin-writer/SampleSkin.h"

#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/Surface.h"
#include "tools/skin-writer/Sk2Writer.h"

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace
{

// The "Slate" palette (TColor: red in the low byte).
constexpr TColor Ink = 0x302820;
constexpr TColor Face = 0xE6E2DC;
constexpr TColor FaceLight = 0xF7F5F2;
constexpr TColor Border = 0x6E5E4A;
constexpr TColor Accent = 0xA07838;
constexpr TColor AccentDark = 0x6A4E22;
constexpr TColor Hot = 0xD0A860;
constexpr TColor Pressed = 0x8C6A34;
constexpr TColor Disabled = 0xB4B0AA;
constexpr TColor Key = 0xFF00FF; // transparent key colour of skin pictures

TColor Mix(TColor A, TColor B, int Num, int Den)
{
    auto C = [&](int Shift)
    {
        const int X = (A >> Shift) & 0xFF, Y = (B >> Shift) & 0xFF;
        return TColor(X + (Y - X) * Num / std::max(Den, 1)) << Shift;
    };
    return C(0) | C(8) | C(16);
}

void VerticalGradient(TSurface& S, int X0, int Y0, int W, int H, TColor Top, TColor Bottom)
{
    for (int Y = 0; Y < H; ++Y)
        for (int X = 0; X < W; ++X)
            S.SetPixel(X0 + X, Y0 + Y, Mix(Top, Bottom, Y, H - 1));
}

void HorizontalGradient(TSurface& S, int X0, int Y0, int W, int H, TColor Left, TColor Right)
{
    for (int Y = 0; Y < H; ++Y)
        for (int X = 0; X < W; ++X)
            S.SetPixel(X0 + X, Y0 + Y, Mix(Left, Right, X, W - 1));
}

void Frame(TSurface& S, int X0, int Y0, int W, int H, TColor C)
{
    for (int X = 0; X < W; ++X)
    {
        S.SetPixel(X0 + X, Y0, C);
        S.SetPixel(X0 + X, Y0 + H - 1, C);
    }
    for (int Y = 0; Y < H; ++Y)
    {
        S.SetPixel(X0, Y0 + Y, C);
        S.SetPixel(X0 + W - 1, Y0 + Y, C);
    }
}

// A strip of Count frames of W x H, each drawn by Draw(surface, left, frame).
TSurface Strip(int W, int H, int Count, const std::function<void(TSurface&, int, int)>& Draw)
{
    TSurface S(W * Count, H, Key);
    for (int I = 0; I < Count; ++I)
        Draw(S, I * W, I);
    return S;
}

// A rounded, bevelled face with the state's colours.
void Face3D(TSurface& S, int X0, int W, int H, TColor Top, TColor Bottom, TColor Edge)
{
    VerticalGradient(S, X0, 0, W, H, Top, Bottom);
    Frame(S, X0, 0, W, H, Edge);
    for (int Y : {0, H - 1})
        for (int X : {0, W - 1})
            S.SetPixel(X0 + X, Y, Key);
}

void DiskAt(TSurface& S, int Cx, int Cy, int R, TColor C)
{
    for (int Y = -R; Y <= R; ++Y)
        for (int X = -R; X <= R; ++X)
            if (X * X + Y * Y <= R * R) S.SetPixel(Cx + X, Cy + Y, C);
}

void Tick(TSurface& S, int X0, int Y0, int Size, TColor C)
{
    // A check mark: short stroke down-right, long stroke up-right.
    const int Low = Size * 2 / 3;
    for (int I = 0; I <= Size / 3; ++I)
        for (int T = 0; T < 2; ++T)
            S.SetPixel(X0 + I, Y0 + Low - Size / 3 + I + T, C);
    for (int I = 0; I <= Size - Size / 3; ++I)
        for (int T = 0; T < 2; ++T)
            S.SetPixel(X0 + Size / 3 + I, Y0 + Low - I + T, C);
}

// Title-bar glyphs: 0 control box, 1 help, 2 maximize, 3 restore, 4 minimize,
// 5 close.
void TitleGlyph(TSurface& S, int X0, int Size, int Kind, TColor C)
{
    const int M = 4, A = M, B = Size - M - 1;
    switch (Kind)
    {
    case 0:
        DiskAt(S, X0 + Size / 2, Size / 2, Size / 4, C);
        break;
    case 1:
        for (int X = A + 1; X < B; ++X)
            S.SetPixel(X0 + X, A, C);
        for (int Y = A; Y < Size / 2; ++Y)
            S.SetPixel(X0 + B - 1, Y, C);
        for (int Y = Size / 2; Y < B - 1; ++Y)
            S.SetPixel(X0 + Size / 2, Y, C);
        S.SetPixel(X0 + Size / 2, B, C);
        break;
    case 2:
        Frame(S, X0 + A, A, B - A + 1, B - A + 1, C);
        for (int X = A; X <= B; ++X)
            S.SetPixel(X0 + X, A + 1, C);
        break;
    case 3:
        Frame(S, X0 + A + 2, A, B - A - 1, B - A - 1, C);
        Frame(S, X0 + A, A + 2, B - A - 1, B - A - 1, C);
        break;
    case 4:
        for (int X = A; X <= B; ++X)
            for (int T = 0; T < 2; ++T)
                S.SetPixel(X0 + X, B - T, C);
        break;
    case 5:
        for (int I = 0; I <= B - A; ++I)
            for (int T = 0; T < 2; ++T)
            {
                S.SetPixel(X0 + A + I + T, A + I, C);
                S.SetPixel(X0 + B - I - T, A + I, C);
            }
        break;
    }
}

std::vector<uint8_t> Bmp(const TSurface& S)
{
    std::vector<uint8_t> Bytes;
    if (WriteBmp(S, 24, Bytes) != TCodecStatus::Ok) std::abort();
    return Bytes;
}

TColor StateTop(int State)
{
    return State == 1 ? FaceLight : State == 2 ? Pressed : FaceLight;
}
TColor StateBottom(int State)
{
    return State == 1 ? Hot : State == 2 ? AccentDark : Face;
}

// Rows 0..2 of a rounded corner leave out 3, 2 and 1 pixels at the edge.
constexpr int CornerCut[] = {3, 2, 1};

TSk2Writer DatabaseWriter(bool Rounded)
{
    TSk2Writer W;
    auto Add = [&](const char* Name, const TSurface& S) { W.AddBitmap(Name, Bmp(S)); };

    // Title bar in five sections: left cap, caption, middle cap, stretched
    // client, right end that holds the buttons.
    const int TitleH = 26;
    auto TitlePiece = [&](int Width, bool EdgeLeft, bool EdgeRight)
    {
        TSurface S(Width, TitleH);
        VerticalGradient(S, 0, 0, Width, TitleH, Accent, AccentDark);
        for (int X = 0; X < Width; ++X)
            S.SetPixel(X, 0, Hot);
        if (EdgeLeft)
            for (int Y = 0; Y < TitleH; ++Y)
                S.SetPixel(0, Y, Border);
        if (EdgeRight)
            for (int Y = 0; Y < TitleH; ++Y)
                S.SetPixel(Width - 1, Y, Border);
        if (Rounded)
            for (int Y = 0; Y < 3; ++Y)
                for (int X = 0; X < CornerCut[Y]; ++X)
                {
                    if (EdgeLeft) S.SetPixel(X, Y, Key);
                    if (EdgeRight) S.SetPixel(Width - 1 - X, Y, Key);
                }
        return S;
    };
    Add("SKIN2_TITLEBAR1", TitlePiece(28, true, false));
    Add("SKIN2_TITLEBAR2", TitlePiece(140, false, false));
    Add("SKIN2_TITLEBAR3", TitlePiece(12, false, false));
    Add("SKIN2_TITLEBAR4", TitlePiece(1, false, false));
    Add("SKIN2_TITLEBAR5", TitlePiece(96, false, true));
    Add("SKIN2_MINIMIZEDTITLE", TitlePiece(160, true, true));

    auto Border2 = [&](int Width, int Height, bool Vertical)
    {
        TSurface S(Width, Height);
        if (Vertical)
            HorizontalGradient(S, 0, 0, Width, Height, Border, Accent);
        else
            VerticalGradient(S, 0, 0, Width, Height, Accent, Border);
        return S;
    };
    Add("SKIN2_FORMLEFTBORDER", Border2(4, 8, true));
    Add("SKIN2_FORMRIGHTBORDER", Border2(4, 8, true));
    // The bottom corners, rounded like the title's, in the last three rows.
    auto BottomEnd = [&](bool Left)
    {
        TSurface S = Border2(8, 4, false);
        if (Rounded)
            for (int Y = 0; Y < 3; ++Y)
                for (int X = 0; X < CornerCut[Y]; ++X)
                    S.SetPixel(Left ? X : 7 - X, 3 - Y, Key);
        return S;
    };
    Add("SKIN2_FORMBOTTOMBORDER1", BottomEnd(true));
    Add("SKIN2_FORMBOTTOMBORDER2", Border2(1, 4, false));
    Add("SKIN2_FORMBOTTOMBORDER3", BottomEnd(false));

    // Six buttons of three states each: normal, mouse over, pressed.
    Add("SKIN2_TITLEBUTTONS", Strip(17, 17, 18,
                                    [](TSurface& S, int X0, int I)
                                    {
                                        const int State = I % 3;
                                        Face3D(S, X0, 17, 17, StateTop(State), StateBottom(State),
                                               Border);
                                        TitleGlyph(S, X0, 17, I / 3, State == 2 ? FaceLight : Ink);
                                    }));

    TSurface Checked(16, 16, Key);
    Tick(Checked, 3, 3, 9, Ink);
    Add("SKIN2_CHECKEDMENUICON", Checked);

    TSurface MenuBar(1, 22);
    VerticalGradient(MenuBar, 0, 0, 1, 22, FaceLight, Face);
    Add("SKIN2_MENUBAR", MenuBar);
    TSurface ToolBar(1, 26);
    VerticalGradient(ToolBar, 0, 0, 1, 26, FaceLight, Disabled);
    Add("SKIN2_TOOLBAR", ToolBar);

    Add("SKIN2_BUTTON",
        Strip(74, 23, 3,
              [](TSurface& S, int X0, int State)
              { Face3D(S, X0, 74, 23, StateTop(State), StateBottom(State), Border); }));

    // Check boxes and radio buttons: checked, unchecked, checked disabled,
    // unchecked disabled.
    auto Box = [](int Size, bool Round)
    {
        return Strip(Size, Size, 4,
                     [=](TSurface& S, int X0, int I)
                     {
                         const bool Off = I >= 2, On = I % 2 == 0;
                         const TColor Edge = Off ? Disabled : Border,
                                      Mark = Off ? Disabled : AccentDark;
                         if (Round)
                         {
                             DiskAt(S, X0 + Size / 2, Size / 2, Size / 2, Edge);
                             DiskAt(S, X0 + Size / 2, Size / 2, Size / 2 - 1, FaceLight);
                             if (On) DiskAt(S, X0 + Size / 2, Size / 2, Size / 4, Mark);
                         }
                         else
                         {
                             VerticalGradient(S, X0, 0, Size, Size, FaceLight, Face);
                             Frame(S, X0, 0, Size, Size, Edge);
                             if (On) Tick(S, X0 + 2, 1, Size - 4, Mark);
                         }
                     });
    };
    Add("SKIN2_CHECKBOX", Box(13, false));
    Add("SKIN2_CHECKBOXLIST", Box(11, false));
    Add("SKIN2_RADIOBUTTON", Box(13, true));

    TSurface Bar1(4, 12), Bar2(1, 12), Bar3(4, 12), Bar4(1, 12);
    VerticalGradient(Bar1, 0, 0, 4, 12, Border, Border);
    VerticalGradient(Bar2, 0, 0, 1, 12, Hot, Accent);
    VerticalGradient(Bar3, 0, 0, 4, 12, Border, Border);
    VerticalGradient(Bar4, 0, 0, 1, 12, Face, FaceLight);
    Add("SKIN2_PROGRESSBAR1", Bar1);
    Add("SKIN2_PROGRESSBAR2", Bar2);
    Add("SKIN2_PROGRESSBAR3", Bar3);
    Add("SKIN2_PROGRESSBAR4", Bar4);

    TSurface Track(45, 4, Face);
    Frame(Track, 0, 0, 45, 4, Border);
    Add("SKIN2_TRACKBAR", Track);
    auto Slider = [](int W, int H)
    {
        TSurface S(W, H, Key);
        Face3D(S, 0, W, H, FaceLight, Accent, Border);
        return S;
    };
    Add("SKIN2_TRACKBARSLIDER", Slider(11, 20));
    Add("SKIN2_TRACKBARVSLIDER", Slider(20, 11));

    // Scroll bar arrow buttons (normal, mouse over, pressed) with an arrow
    // pointing up or down, and the slider as leading cap, body, trailing cap.
    auto Arrow = [](bool Up)
    {
        return Strip(16, 16, 3,
                     [=](TSurface& S, int X0, int State)
                     {
                         Face3D(S, X0, 16, 16, StateTop(State), StateBottom(State), Border);
                         for (int Row = 0; Row < 4; ++Row)
                             for (int X = -Row; X <= Row; ++X)
                                 S.SetPixel(X0 + 8 + X, Up ? 6 + Row : 9 - Row, Ink);
                     });
    };
    Add("SKIN2_SCROLLBARUPBUTTON", Arrow(true));
    Add("SKIN2_SCROLLBARDOWNBUTTON", Arrow(false));
    Add("SKIN2_SCROLLBAR", Strip(7, 16, 3,
                                 [](TSurface& S, int X0, int Piece)
                                 {
                                     VerticalGradient(S, X0, 0, 7, 16, FaceLight, Accent);
                                     for (int Y = 0; Y < 16; ++Y)
                                     {
                                         if (Piece == 0) S.SetPixel(X0, Y, Border);
                                         if (Piece == 2) S.SetPixel(X0 + 6, Y, Border);
                                     }
                                     for (int X = 0; X < 7; ++X)
                                     {
                                         S.SetPixel(X0 + X, 0, Border);
                                         S.SetPixel(X0 + X, 15, Border);
                                     }
                                 }));

    Add("SKIN2_TABCONTROL",
        Strip(18, 17, 1,
              [](TSurface& S, int X0, int) { Face3D(S, X0, 18, 17, FaceLight, Face, Border); }));
    TSurface TabLine(10, 5, Face);
    for (int X = 0; X < 10; ++X)
        TabLine.SetPixel(X, 0, Border);
    Add("SKIN2_TABCONTROLLINE", TabLine);
    TSurface Side(1, 21), SideTitle(1, 21);
    VerticalGradient(Side, 0, 0, 1, 21, Face, Disabled);
    VerticalGradient(SideTitle, 0, 0, 1, 21, Accent, AccentDark);
    Add("SKIN2_SIDECHANNELBAR", Side);
    Add("SKIN2_SIDECHANNELTITLE", SideTitle);
    Add("SKIN2_SCROLLBUTTON",
        Strip(18, 17, 4,
              [](TSurface& S, int X0, int I)
              {
                  Face3D(S, X0, 18, 17, StateTop(I % 3), StateBottom(I % 3), Border);
                  for (int Row = 0; Row < 4; ++Row)
                      for (int Y = -Row; Y <= Row; ++Y)
                          S.SetPixel(X0 + (I < 2 ? 7 + Row : 10 - Row), 8 + Y, Ink);
              }));

    const struct
    {
        const char* Name;
        TColor Color;
    } Colors[] = {{"SKIN2_TRANSCOLOR", Key},
                  {"SKIN2_TITLEFONTCOLOR", 0xFFFFFF},
                  {"SKIN2_FORMCOLOR", Face},
                  {"SKIN2_MENUBARSTARTCOLOR", FaceLight},
                  {"SKIN2_MENUBARENDCOLOR", Face},
                  {"SKIN2_TOPSELECTEDMENUCOLOR", Hot},
                  {"SKIN2_TOPSELECTEDMENUBORDERCOLOR", AccentDark},
                  {"SKIN2_TOPSELECTEDMENUFONTCOLOR", Ink},
                  {"SKIN2_TOPMENUFONTCOLOR", Ink},
                  {"SKIN2_LEFTBARSTARTCOLOR", Accent},
                  {"SKIN2_LEFTBARENDCOLOR", AccentDark},
                  {"SKIN2_MENUITEMCOLOR", FaceLight},
                  {"SKIN2_MENUITEMFONTCOLOR", Ink},
                  {"SKIN2_SELECTEDMENUCOLOR", Accent},
                  {"SKIN2_SELECTEDMENUBORDERCOLOR", AccentDark},
                  {"SKIN2_SELECTEDMENUFONTCOLOR", 0xFFFFFF},
                  {"SKIN2_TOOLBARSTARTCOLOR", FaceLight},
                  {"SKIN2_TOOLBARENDCOLOR", Face},
                  {"SKIN2_TOOLBARONCOLOR", Hot},
                  {"SKIN2_TOOLBARBORDERCOLOR", Border},
                  {"SKIN2_TOOLBARDOWNCOLOR", Pressed},
                  {"SKIN2_CONTROLCOLOR", FaceLight},
                  {"SKIN2_CONTROLBORDERCOLOR", Border},
                  {"SKIN2_CONTROLFONTCOLOR", Ink},
                  {"SKIN2_BUTTONFONTCOLOR", Ink},
                  {"SKIN2_SCROLLBARCOLOR", FaceLight},
                  {"SKIN2_TABCONTROLCOLOR", FaceLight},
                  {"SKIN2_TABCONTROLBORDERCOLOR", Border},
                  {"SKIN2_TABCONTROLACTIVEFONTCOLOR", Ink},
                  {"SKIN2_TABCONTROLINACTIVEFONTCOLOR", Border},
                  {"SKIN2_SIDECHANNELCOLOR", Face},
                  {"SKIN2_SIDECHANNELBORDERCOLOR", Border}};
    for (const auto& C : Colors)
        W.AddInteger(C.Name, int32_t(C.Color));

    const struct
    {
        const char* Name;
        int32_t Value;
    } Ints[] = {{"SKIN2_TITLEBARICONPOSX", 8},   {"SKIN2_TITLEBARICONPOSY", 5},
                {"SKIN2_TITLEBARCAPTIONTOP", 6}, {"SKIN2_TITLEBARBUTTONPOSX", 4},
                {"SKIN2_TITLEBARBUTTONPOSY", 4}, {"SKIN2_TITLEBARREGIONMINY", 0},
                {"SKIN2_TITLEBARREGIONMAXY", 3}, {"SKIN2_BOTTOMREGIONMINY", 0},
                {"SKIN2_BOTTOMREGIONMAXY", 3}};
    for (const auto& I : Ints)
        W.AddInteger(I.Name, I.Value);

    const struct
    {
        const char* Name;
        uint8_t Value;
    } Bools[] = {{"SKIN2_TITLEFIVESECT", 1},
                 {"SKIN2_BOTTOMBORDERTHREESECT", 1},
                 {"SKIN2_TITLEBARNEEDREGION", Rounded},
                 {"SKIN2_BOTTOMBORDERNEEDREGION", Rounded},
                 {"SKIN2_TITLEBTNTRANS", 1},
                 {"SKIN2_BUTTONTRANS", 1},
                 {"SKIN2_CHECKBOXTRANS", 1},
                 {"SKIN2_RADIOBUTTONTRANS", 1},
                 {"SKIN2_TABCONTROLTRANS", 0}};
    for (const auto& B : Bools)
        W.AddBoolean(B.Name, B.Value);

    W.AddString("NOVLA_SKIN_NAME", Rounded ? "Slate Rounded" : "Slate");
    return W;
}

} // namespace

std::vector<uint8_t> BuildSampleSkinDatabase()
{
    return DatabaseWriter(false).Build();
}

TSk2Writer SampleSkinWriter()
{
    return DatabaseWriter(false);
}

std::vector<uint8_t> BuildRoundedSampleSkinDatabase()
{
    return DatabaseWriter(true).Build();
}
