// Pictures that controls name themselves: form background tiles, combo-box
// buttons, the menu bar and selection, the menu check mark, the control
// buttons of maximized child windows and the panel's caption button.
#include "resources/stylegen/ArtBook.h"
#include "resources/stylegen/Faces.h"
#include "resources/stylegen/Glyphs.h"

namespace
{
TArt MacOSBackground()
{
    TArt A(8, 8);
    for (int Y = 0; Y < 8; ++Y)
        A.HLine(0, 8, Y, Y % 2 ? RGB(0xEC, 0xEC, 0xEC) : RGB(0xE2, 0xE2, 0xE2));
    return A;
}

TArt ProteinBackground()
{
    // White with a light grey line on every fourth row.
    TArt A(8, 8, 0xFFFFFF);
    A.HLine(0, 8, 3, RGB(0xEE, 0xEE, 0xEE));
    A.HLine(0, 8, 7, RGB(0xEE, 0xEE, 0xEE));
    return A;
}

TArt MacOSComboButton()
{
    // A glossy blue square, no arrow (the control draws it).
    TArt A(16, 17, PaletteOf(TStyle::MacOS).Face);
    const TColor Aqua = RGB(0x39, 0x73, 0xC4);
    A.RoundGradientV(A.Bounds(), 2,
                     {Lighter(Aqua, 0.55), Lighter(Aqua, 0.2), Aqua, Lighter(Aqua, 0.3)});
    for (int Y = 1; Y < 8; ++Y)
        for (int X = 1; X < 15; ++X)
            A.Set(X, Y, Lighter(A.Get(X, Y), 0.25));
    A.RoundFrame(A.Bounds(), 2, Darker(Aqua, 0.45));
    return A;
}

TArt WinXPComboButton()
{
    // A pale blue rounded face with a dark chevron.
    TArt A(16, 18, 0xFFFFFF);
    SmallFace(A, TStyle::WinXP, A.Bounds(), fsNormal);
    const TColor Ink = FaceInk(TStyle::WinXP, fsNormal);
    A.Glyph(4, 7,
            {
                "X.....X", //
                "XX...XX", //
                ".XX.XX.", //
                "..XXX..", //
                "...X...", //
            },
            Ink);
    return A;
}

TArt MenuBar(int H)
{
    TArt A(1, H);
    A.GradientV({0, 0, 1, H - 1}, {0xFFFFFF, RGB(0xF2, 0xF2, 0xF2), RGB(0xE0, 0xE0, 0xE0)});
    A.Set(0, H - 1, RGB(0xA8, 0xA8, 0xA8));
    return A;
}

TArt MenuSelect(int H)
{
    const TColor Aqua = RGB(0x39, 0x73, 0xC4);
    TArt A(1, H);
    A.GradientV({0, 0, 1, H}, {Lighter(Aqua, 0.3), Aqua, Darker(Aqua, 0.15)});
    return A;
}

TArt MenuChecked()
{
    // White is this picture's transparent colour.
    TArt A(16, 16, 0xFFFFFF);
    A.Glyph(4, 4, CheckMark7, 0x000000);
    return A;
}

TArt MdiButtons()
{
    // Minimize, restore and close of a maximized child window.
    const int Kinds[] = {4, 3, 5};
    return Strip(3, 16, 16,
                 [&](int K)
                 {
                     TArt A(16, 16, RGB(0xEC, 0xEC, 0xEC));
                     SmallFace(A, TStyle::DeepBlue, {0, 1, 16, 15}, fsNormal);
                     A.Glyph(4, 4, TitleGlyphs7[Kinds[K]], 0x000000);
                     return A;
                 });
}

TArt PanelButtons()
{
    // Expanded (collapse arrow up), expanded under the pointer, collapsed
    // (expand arrow down), collapsed under the pointer. Drawn opaque over
    // any caption bar, so the face fills the whole frame.
    return Strip(4, 13, 12,
                 [](int K)
                 {
                     const bool Hot = K % 2 == 1, Collapsed = K >= 2;
                     TArt A(13, 12);
                     const TRect R{0, 0, 13, 12};
                     if (Hot)
                         A.GradientV(R, 0xFFFFFF, RGB(0xD8, 0xDC, 0xF4));
                     else
                         A.GradientV(R, RGB(0xF8, 0xF8, 0xF8), RGB(0xD4, 0xD4, 0xD8));
                     A.Frame(R, Hot ? RGB(0x2D, 0x30, 0xC4) : RGB(0x40, 0x40, 0x44));
                     const TColor Ink = Hot ? RGB(0x2D, 0x30, 0xC4) : 0x000000;
                     if (Collapsed)
                         A.Arrow(6, 4, TArt::Down, 4, Ink);
                     else
                         A.Arrow(6, 7, TArt::Up, 4, Ink);
                     return A;
                 });
}
} // namespace

void AddSharedArt(TArtBook& Book)
{
    Book.Add("MACOS_FORM_BACKGROUND", MacOSBackground);
    Book.Add("PROTEIN_FORM_BACKGROUND", ProteinBackground);
    Book.Add("MACOS_COMBOBOX_BUTTON", MacOSComboButton);
    Book.Add("WINXP_COMBOBOX_BUTTON", WinXPComboButton);
    Book.Add("MACOS_MENU_BAR", [] { return MenuBar(22); });
    Book.Add("MACOS_MENU_SELECT", [] { return MenuSelect(21); });
    Book.Add("MENU_CHECKED", MenuChecked);
    Book.Add("MDI_CONTROL_BUTTON", MdiButtons);
    Book.Add("PANEL_BUTTON", PanelButtons);
}
