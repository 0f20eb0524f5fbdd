// Every skinned control draws from a loaded skin file: a small skin with
// colours and pictures no built-in style has is written, loaded by a file
// theme, and a few pixels of each control must show the skin's values.

#include "SkinFixtures.h"

#include "framework/controls/Form.h"
#include "framework/menus/MenuItem.h"
#include "framework/menus/MenuLoop.h"
#include "framework/menus/MenuWindow.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/win/WinApi.h"
#include "skin/SUIArrowButton.h"
#include "skin/SUIButton.h"
#include "skin/SUIComboBox.h"
#include "skin/SUIForm.h"
#include "skin/SUIGroupBox.h"
#include "skin/SUIMaskEdit.h"
#include "skin/SUINumberEdit.h"
#include "skin/SUIPanel.h"
#include "skin/SUIPopupMenu.h"
#include "skin/SUISpinEdit.h"
#include "skin/SUIStatusBar.h"
#include "skinfiles/SUISkinFileTheme.h"
#include "tests/framework/GuiFixture.h"

#include "tests/support/MenuSteps.h"
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{
// The skin's values: none of them is a colour of a built-in style.
constexpr TColor FormColor = TColor(0x3A6B1C);
constexpr TColor BorderColor = TColor(0x1E90D2);
constexpr TColor ControlColor = TColor(0x6A2BC4);
constexpr TColor FontColor = TColor(0x0000AA);
constexpr TColor ButtonFrames[3] = {TColor(0xC06020), TColor(0x20C060), TColor(0x6020C0)};
constexpr TColor SideTitle = TColor(0x40A0A0);
constexpr TColor TitleLeft = TColor(0x205080), TitleMiddle = TColor(0x3070B0),
                 TitleRight = TColor(0x104060);
constexpr TColor MenuItem = TColor(0x55CCEE), MenuBar = TColor(0x9933AA),
                 MenuFont = TColor(0x113355);

// A W x H picture of Count equal frames side by side, frame I in Colours[I].
std::vector<uint8_t> StripBmp(int W, int H, const std::vector<TColor>& Colours)
{
    TSurface S(W * static_cast<int>(Colours.size()), H);
    for (int Y = 0; Y < H; ++Y)
        for (int X = 0; X < S.Width(); ++X)
            S.Row(Y)[X] = PixelFromColor(Colours[static_cast<size_t>(X / W)]);
    std::vector<uint8_t> Bytes;
    if (WriteBmp(S, 24, Bytes) != TCodecStatus::Ok) throw std::runtime_error("WriteBmp");
    return Bytes;
}

std::vector<uint8_t> TestSkinDatabase()
{
    TSk2Writer W;
    W.AddBitmap("SKIN2_BUTTON",
                StripBmp(24, 21, {ButtonFrames[0], ButtonFrames[1], ButtonFrames[2]}));
    W.AddBitmap("SKIN2_SIDECHANNELTITLE", SolidBmp(1, 21, SideTitle));
    W.AddBitmap("SKIN2_TITLEBAR1", SolidBmp(20, 24, TitleLeft));
    W.AddBitmap("SKIN2_TITLEBAR2", SolidBmp(40, 24, TitleMiddle));
    W.AddBitmap("SKIN2_TITLEBAR3", SolidBmp(20, 24, TitleRight));
    // Title buttons all in the transparent colour: the sections show through.
    W.AddBitmap("SKIN2_TITLEBUTTONS", SolidBmp(18 * 17, 17, TColor(0xFF00FF)));
    W.AddInteger("SKIN2_TRANSCOLOR", 0xFF00FF);
    W.AddInteger("SKIN2_FORMCOLOR", static_cast<int32_t>(FormColor));
    W.AddInteger("SKIN2_CONTROLBORDERCOLOR", static_cast<int32_t>(BorderColor));
    W.AddInteger("SKIN2_CONTROLCOLOR", static_cast<int32_t>(ControlColor));
    W.AddInteger("SKIN2_CONTROLFONTCOLOR", static_cast<int32_t>(FontColor));
    W.AddInteger("SKIN2_BUTTONFONTCOLOR", static_cast<int32_t>(FontColor));
    W.AddInteger("SKIN2_TITLEFONTCOLOR", 0xFFFFFF);
    W.AddInteger("SKIN2_MENUITEMCOLOR", static_cast<int32_t>(MenuItem));
    W.AddInteger("SKIN2_MENUITEMFONTCOLOR", static_cast<int32_t>(MenuFont));
    W.AddInteger("SKIN2_LEFTBARSTARTCOLOR", static_cast<int32_t>(MenuBar));
    W.AddInteger("SKIN2_LEFTBARENDCOLOR", static_cast<int32_t>(MenuBar));
    W.AddInteger("SKIN2_SELECTEDMENUCOLOR", 0x224466);
    W.AddInteger("SKIN2_SELECTEDMENUBORDERCOLOR", 0x112233);
    W.AddInteger("SKIN2_SELECTEDMENUFONTCOLOR", 0xFFFFFF);
    W.AddBoolean("SKIN2_BUTTONTRANS", 0);
    W.AddBoolean("SKIN2_TITLEFIVESECT", 0);
    W.AddBoolean("SKIN2_TITLEBTNTRANS", 1);
    return W.Build();
}

// A shown form, the test skin loaded by a file theme it owns.
class SkinnedControls : public GuiTest
{
  protected:
    SkinnedControls()
    {
        Form = new TForm(&FApp);
        Form->SetBounds(30, 30, 560, 360);
        Form->SetBorderStyle(bsSingle);
        Theme = new TsuiSkinFileTheme(Form);
        Theme->SetThemeFile(Dir.Write("test.skin", ArchiveOf(TestSkinDatabase())));
    }

    // A control of class T at (X, Y) on the form, drawing from the skin.
    template <class T> T* Make(int X, int Y, int W, int H)
    {
        auto* C = new T(Form);
        C->SetBounds(X, Y, W, H);
        C->SetParent(Form);
        C->SetFileTheme(Theme);
        C->SetUIStyle(FromThemeFile);
        return C;
    }

    // The colour at (X, Y) from the top-left corner of Control's outer
    // rectangle.
    TColor Outer(const TWinControl* Control, int X, int Y) const
    {
        RECT R{};
        GetWindowRect(Control->Handle(), &R);
        return FDesktop.ScreenPixel(R.left + X, R.top + Y);
    }

    TTempDir Dir;
    TForm* Form;
    TsuiSkinFileTheme* Theme;
};

struct TProbe
{
    int X, Y;
    TColor Expected;
    const char* What;
};

struct TControlCase
{
    const char* Name;
    std::function<TWinControl*()> Build;
    std::vector<TProbe> Probes;
};
} // namespace

TEST_F(SkinnedControls, EveryControlShowsTheSkinsColoursAndPictures)
{
    ASSERT_TRUE(Theme->Ready()) << Theme->LastError();
    auto Edit = [](auto* E)
    {
        E->SetText("");
        return E;
    };
    const std::vector<TControlCase> Cases = {
        {"button, normal: frame 1 of the skin's strip",
         [this] { return Make<TsuiButton>(10, 10, 80, 27); },
         {{4, 13, ButtonFrames[0], "face"}, {40, 5, ButtonFrames[0], "above the caption"}}},
        {"button, pressed: frame 3",
         [this]
         {
             auto* B = Make<TsuiButton>(100, 10, 80, 27);
             B->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
             return B;
         },
         {{4, 13, ButtonFrames[2], "face"}}},
        {"button, disabled: frame 1",
         [this]
         {
             auto* B = Make<TsuiButton>(190, 10, 80, 27);
             B->SetEnabled(false);
             return B;
         },
         {{4, 13, ButtonFrames[0], "face"}}},
        {"edit: outer ring in the border colour",
         [&, this] { return Edit(Make<TsuiEdit>(10, 50, 120, 21)); },
         {{0, 10, BorderColor, "left"},
          {60, 0, BorderColor, "top"},
          {119, 10, BorderColor, "right"}}},
        {"number edit",
         [&, this] { return Make<TsuiNumberEdit>(140, 50, 120, 21); },
         {{0, 10, BorderColor, "left"}, {60, 20, BorderColor, "bottom"}}},
        {"mask edit",
         [&, this] { return Edit(Make<TsuiMaskEdit>(270, 50, 120, 21)); },
         {{0, 10, BorderColor, "left"}, {60, 0, BorderColor, "top"}}},
        {"spin edit: its arrow buttons from the skin's strip",
         [&, this] { return Make<TsuiSpinEdit>(400, 50, 120, 21); },
         {{0, 10, BorderColor, "left"},
          {60, 0, BorderColor, "top"},
          {104, 3, ButtonFrames[0], "up"}}},
        {"filter combo box",
         [this] { return Make<TsuiFilterComboBox>(140, 80, 120, 21); },
         {{0, 10, BorderColor, "left"}, {104, 3, ControlColor, "button"}}},
        {"drive combo box",
         [this] { return Make<TsuiDriveComboBox>(270, 80, 120, 21); },
         {{0, 10, BorderColor, "left"}, {104, 3, ControlColor, "button"}}},
        {"arrow button: frame 1 of the skin's strip under the arrow",
         [this] { return Make<TsuiArrowButton>(400, 80, 16, 11); },
         {{1, 1, ButtonFrames[0], "face"}, {14, 9, ButtonFrames[0], "face"}}},
        {"combo box: border and button colour",
         [this]
         {
             auto* C = Make<TsuiComboBox>(10, 80, 120, 21);
             C->SetStyle(csDropDownList);
             return C;
         },
         {{0, 10, BorderColor, "left"},
          {60, 0, BorderColor, "top"},
          {104, 3, ControlColor, "button"}}},
        {"group box: frame in the border colour",
         [this]
         {
             auto* G = Make<TsuiGroupBox>(10, 110, 150, 70);
             G->SetCaption("");
             return G;
         },
         {{0, 40, BorderColor, "left"},
          {149, 40, BorderColor, "right"},
          {75, 69, BorderColor, "bottom"}}},
        {"panel: caption bar from the skin, border colour",
         [this]
         {
             auto* P = Make<TsuiPanel>(170, 110, 124, 100);
             P->SetCaption("");
             return P;
         },
         {{40, 10, SideTitle, "caption bar"}, {0, 60, BorderColor, "left"}}},
        {"status bar: panels in the form colour",
         [this]
         {
             auto* S = new TsuiStatusBar(Form);
             S->SetAlign(alNone);
             S->SetBounds(10, 220, 300, 21);
             S->SetParent(Form);
             S->SetFileTheme(Theme);
             S->SetUIStyle(FromThemeFile);
             S->Panels()->Add()->SetWidth(120);
             S->Panels()->Add()->SetWidth(120);
             return S;
         },
         {{60, 10, FormColor, "first panel"}, {180, 10, FormColor, "second panel"}}},
    };
    std::vector<TWinControl*> Built;
    for (const TControlCase& C : Cases)
        Built.push_back(C.Build());
    Form->Show();
    FDesktop.Pump();
    for (size_t I = 0; I < Cases.size(); ++I)
        for (const TProbe& P : Cases[I].Probes)
            EXPECT_EQ(Outer(Built[I], P.X, P.Y), P.Expected)
                << Cases[I].Name << ": " << P.What << " at " << P.X << "," << P.Y;
}

TEST_F(SkinnedControls, TheTitleBarShowsTheSkinsThreeSections)
{
    auto* Skin = new TsuiForm(Form);
    Skin->SetFileTheme(Theme);
    Skin->SetUIStyle(FromThemeFile);
    Skin->SetCaption("");
    Form->Show();
    FDesktop.Pump();
    TsuiTitleBar* Bar = Skin->TitleBar();
    // The frame paints the top 3 rows of the 24-row section pictures.
    ASSERT_EQ(Bar->Height(), 21);
    auto At = [&](int X, int Y)
    {
        const TPoint P = Bar->ClientToScreen({X, Y});
        return FDesktop.ScreenPixel(P.X, P.Y);
    };
    const int W = Bar->ClientWidth();
    EXPECT_EQ(At(2, 12), TitleLeft) << "left section";
    EXPECT_EQ(At(W / 2, 2), TitleMiddle) << "the stretched middle section";
    EXPECT_EQ(At(W - 2, 12), TitleRight) << "right section";
}

TEST_F(SkinnedControls, ThePopupMenuDrawsInTheSkinsColours)
{
    auto* Menu = new TsuiPopupMenu(Form);
    Menu->SetFileTheme(Theme);
    Menu->SetUIStyle(FromThemeFile);
    for (const char* Caption : {"&Connect", "E&xit"})
    {
        auto* Item = new TMenuItem(Form);
        Item->SetCaption(Caption);
        Menu->Items()->Add(Item);
    }
    Menu->MenuAdded();
    Form->Show();
    FDesktop.Pump();
    const auto Look = [&]
    {
        const TRect R = TMenuLoop::Current()->Level(0)->ItemScreenRect(1);
        EXPECT_EQ(FDesktop.ScreenPixel(R.Left + 2, R.Top + 2), MenuBar) << "the leading bar";
        EXPECT_EQ(FDesktop.ScreenPixel(R.Right - 4, R.Top + 2), MenuItem) << "the item";
        const TSurface Screen = FDesktop.Screen();
        int Text = 0;
        for (int Y = R.Top; Y < R.Bottom; ++Y)
            for (int X = R.Left + 30; X < R.Right; ++X)
                Text += Screen.Pixel(X, Y) == MenuFont;
        EXPECT_GT(Text, 0) << "the caption in the skin's font colour";
    };
    EXPECT_EQ(RunMenuSteps(Form, [&] { Menu->Popup(100, 100); }, {Look}), 1u);
}
