// A skinned form wearing a skin file: the frame from the skin's border
// pictures, the window region scanned from the title and bottom pictures,
// skins that lack pieces, and the skin going away under the form.

#include "SkinFixtures.h"

#include "framework/comctrls/ToolButton.h"
#include "framework/controls/Form.h"
#include "framework/graphics/Bitmap.h"
#include "framework/menus/MainMenu.h"
#include "framework/menus/MenuLoop.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/win/WinApi.h"
#include "skin/SUIForm.h"
#include "skin/SUIMenuBar.h"
#include "skinfiles/SUIBuiltInFileTheme.h"
#include "tests/framework/GuiFixture.h"

#include "tests/support/MenuSteps.h"
#include <functional>
#include <map>
#include <stdexcept>

namespace
{
constexpr TColor Key = 0xFF00FF;
constexpr TColor Face = 0x405060;
constexpr TColor LeftInk = 0x0000C0;
constexpr TColor RightInk = 0x00C000;
constexpr TColor BottomInk = 0xC00000;
constexpr TColor TitleInk = 0x806040;
constexpr TColor BarInk = 0x70A0B0;
constexpr TColor HotInk = 0x2040F0;
constexpr int TitleH = 26;

std::vector<uint8_t> Bmp(const TSurface& S)
{
    std::vector<uint8_t> Bytes;
    if (WriteBmp(S, 24, Bytes) != TCodecStatus::Ok) throw std::runtime_error("WriteBmp");
    return Bytes;
}

// A skin written with the skin writer: three title sections (left, client,
// right), the border pictures wanted, colours and the region settings.
struct TSkin
{
    int Left = 4, Right = 4, Bottom = 4; // 0: no such picture
    bool Colors = true;
    bool TitleRegion = false, BottomRegion = false;
    int MinY = 0, MaxY = 0, BottomMinY = 0, BottomMaxY = 0;
    // Changes the title pictures (left 10, client 20, right 8 wide) after
    // they are filled with TitleInk.
    std::function<void(TSurface& L, TSurface& C, TSurface& R)> Title;
    // Changes the bottom pictures (8, 1, 8 wide, Bottom high).
    std::function<void(TSurface& B1, TSurface& B3)> BottomEnds;

    std::vector<uint8_t> Build() const
    {
        TSk2Writer W;
        TSurface L(10, TitleH, TitleInk), C(20, TitleH, TitleInk), R(8, TitleH, TitleInk);
        if (Title) Title(L, C, R);
        W.AddBitmap("SKIN2_TITLEBAR1", Bmp(L));
        W.AddBitmap("SKIN2_TITLEBAR2", Bmp(C));
        W.AddBitmap("SKIN2_TITLEBAR3", Bmp(R));
        if (Left) W.AddBitmap("SKIN2_FORMLEFTBORDER", Bmp(TSurface(Left, 8, LeftInk)));
        if (Right) W.AddBitmap("SKIN2_FORMRIGHTBORDER", Bmp(TSurface(Right, 8, RightInk)));
        if (Bottom)
        {
            TSurface B1(8, Bottom, BottomInk), B3(8, Bottom, BottomInk);
            if (BottomEnds) BottomEnds(B1, B3);
            W.AddBitmap("SKIN2_FORMBOTTOMBORDER1", Bmp(B1));
            W.AddBitmap("SKIN2_FORMBOTTOMBORDER2", Bmp(TSurface(1, Bottom, BottomInk)));
            W.AddBitmap("SKIN2_FORMBOTTOMBORDER3", Bmp(B3));
            W.AddBoolean("SKIN2_BOTTOMBORDERTHREESECT", 1);
        }
        if (Colors)
        {
            W.AddInteger("SKIN2_TRANSCOLOR", int32_t(Key));
            W.AddInteger("SKIN2_FORMCOLOR", int32_t(Face));
            W.AddInteger("SKIN2_MENUBARSTARTCOLOR", int32_t(BarInk));
            W.AddInteger("SKIN2_MENUBARENDCOLOR", int32_t(BarInk));
            W.AddInteger("SKIN2_TOPSELECTEDMENUCOLOR", int32_t(HotInk));
        }
        W.AddBoolean("SKIN2_TITLEBARNEEDREGION", TitleRegion);
        W.AddBoolean("SKIN2_BOTTOMBORDERNEEDREGION", BottomRegion);
        W.AddInteger("SKIN2_TITLEBARREGIONMINY", MinY);
        W.AddInteger("SKIN2_TITLEBARREGIONMAXY", MaxY);
        W.AddInteger("SKIN2_BOTTOMREGIONMINY", BottomMinY);
        W.AddInteger("SKIN2_BOTTOMREGIONMAXY", BottomMaxY);
        return ArchiveOf(W.Build());
    }
};

class FormThemeTest : public GuiTest
{
  protected:
    FormThemeTest()
    {
        Form = new TForm(&FApp);
        Form->SetBorderStyle(bsDialog);
        Form->SetBounds(40, 40, 300, 200);
        Form->SetCaption("Skinned");
        Skin = new TsuiForm(Form);
        Theme = new TsuiBuiltInFileTheme(Form);
        Form->Show();
        FDesktop.Pump();
    }

    void Wear(const TSkin& S)
    {
        Theme->ReadSkinData(S.Build());
        ASSERT_TRUE(Theme->Ready());
        Skin->SetFileTheme(Theme);
        Skin->SetUIStyle(FromThemeFile);
        FDesktop.Pump();
    }

    RECT WindowRect() const
    {
        RECT R{};
        GetWindowRect(Form->Handle(), &R);
        return R;
    }
    int W() const { return WindowRect().right - WindowRect().left; }
    int H() const { return WindowRect().bottom - WindowRect().top; }
    TColor Pixel(int X, int Y) const
    {
        RECT R = WindowRect();
        return FDesktop.ScreenPixel(R.left + X, R.top + Y);
    }
    // The client area's edges in window coordinates.
    RECT ClientInWindow() const
    {
        RECT Client{};
        GetClientRect(Form->Handle(), &Client);
        POINT Origin{0, 0};
        ClientToScreen(Form->Handle(), &Origin);
        RECT R = WindowRect();
        return {Origin.x - R.left, Origin.y - R.top, Origin.x - R.left + Client.right,
                Origin.y - R.top + Client.bottom};
    }
    TRegion WindowShape() const
    {
        TRegion R;
        EXPECT_NE(GetWindowRgn(Form->Handle(), &R), RGN_ERROR);
        return R;
    }
    // The region's rectangles in row Y.
    std::vector<TRect> RowOf(const TRegion& Region, int Y) const
    {
        TRegion Row(TRect{0, Y, W(), Y + 1});
        Row.Intersect(Region);
        return Row.Rects();
    }

    TForm* Form;
    TsuiForm* Skin;
    TsuiBuiltInFileTheme* Theme;
};
} // namespace

TEST_F(FormThemeTest, BorderPicturesSetTheFrameAtLeastFourPixelsWide)
{
    const struct
    {
        int Left, Right, Bottom;
    } Cases[] = {{2, 6, 5}, {4, 4, 4}, {7, 3, 2}};
    for (const auto& C : Cases)
    {
        SCOPED_TRACE(testing::Message() << C.Left << "/" << C.Right << "/" << C.Bottom);
        TSkin S;
        S.Left = C.Left;
        S.Right = C.Right;
        S.Bottom = C.Bottom;
        Wear(S);
        const RECT Client = ClientInWindow();
        EXPECT_EQ(Client.left, std::max(C.Left, 4));
        EXPECT_EQ(W() - Client.right, std::max(C.Right, 4));
        EXPECT_EQ(H() - Client.bottom, std::max(C.Bottom, 4));
        EXPECT_EQ(SendMessage(Form->Handle(), SUIM_GETFRAMEWIDTH, 0, 0), std::max(C.Left, 4));
        EXPECT_EQ(Skin->Color(), Face);

        // Below the title: the picture's columns, then the form's colour up
        // to the fourth column.
        const int Y = Client.top + 40;
        for (int X = 0; X < std::max(C.Left, 4); ++X)
            EXPECT_EQ(Pixel(X, Y), X < C.Left ? LeftInk : Face) << "left column " << X;
        for (int X = 0; X < std::max(C.Right, 4); ++X)
            EXPECT_EQ(Pixel(W() - 1 - X, Y), X < C.Right ? RightInk : Face) << "right column " << X;
        for (int Row = 0; Row < std::max(C.Bottom, 4); ++Row)
            EXPECT_EQ(Pixel(W() / 2, H() - 1 - Row), Row < C.Bottom ? BottomInk : Face)
                << "bottom row " << Row;
        // The frame beside the title bar continues the title picture.
        EXPECT_EQ(Pixel(0, 5), TitleInk);
        EXPECT_EQ(Pixel(W() - 1, 5), TitleInk);
    }
}

TEST_F(FormThemeTest, AScannedTitleRowKeepsOnlyItsOpaqueRuns)
{
    TSkin S;
    S.TitleRegion = true;
    S.MinY = 0;
    S.MaxY = 1;
    // Row 0: opaque over the left picture, transparent over the client
    // picture and the right one but for its last pixel.
    S.Title = [](TSurface&, TSurface& C, TSurface& R)
    {
        for (int X = 0; X < C.Width(); ++X)
            C.SetPixel(X, 0, Key);
        for (int X = 0; X + 1 < R.Width(); ++X)
            R.SetPixel(X, 0, Key);
    };
    Wear(S);
    const TRegion Shape = WindowShape();
    EXPECT_EQ(RowOf(Shape, 0), (std::vector<TRect>{{0, 0, 10, 1}, {W() - 1, 0, W(), 1}}));
    EXPECT_EQ(RowOf(Shape, 1), (std::vector<TRect>{{0, 1, W(), 2}}));
    EXPECT_EQ(RowOf(Shape, H() - 1), (std::vector<TRect>{{0, H() - 1, W(), H()}}));
    // The desktop shows where the region leaves the window out.
    RECT R = WindowRect();
    EXPECT_NE(FDesktop.ScreenPixel(R.left + W() / 2, R.top), TitleInk);
    EXPECT_EQ(FDesktop.ScreenPixel(R.left + 5, R.top), TitleInk);
}

TEST_F(FormThemeTest, RegionRowsFollowMinAndMaxAndStayInsideThePicture)
{
    // The whole title picture is transparent: scanned rows give nothing,
    // rows outside the scanned ones are whole.
    const struct
    {
        int MinY, MaxY;
        int FirstScanned, EndScanned;
    } Cases[] = {
        {-1, 5, 0, 6},        // -1 counts as 0; rows 6 onward whole
        {2, 5, 2, 6},         // rows 0 and 1 whole
        {3, 3, 3, TitleH},    // MinY >= MaxY scans to the end
        {0, 1000, 0, TitleH}, // held to the picture
        {1000, 2000, TitleH, TitleH},
        {-50, -20, 0, 0}, // nothing left to scan
    };
    for (const auto& C : Cases)
    {
        SCOPED_TRACE(testing::Message() << C.MinY << ".." << C.MaxY);
        TSkin S;
        S.TitleRegion = true;
        S.MinY = C.MinY;
        S.MaxY = C.MaxY;
        S.Title = [](TSurface& L, TSurface& Cl, TSurface& R)
        {
            for (TSurface* P : {&L, &Cl, &R})
                for (int Y = 0; Y < P->Height(); ++Y)
                    for (int X = 0; X < P->Width(); ++X)
                        P->SetPixel(X, Y, Key);
        };
        Wear(S);
        const TRegion Shape = WindowShape();
        for (int Y = 0; Y < TitleH + 2; ++Y)
        {
            const bool Scanned = Y >= C.FirstScanned && Y < C.EndScanned && Y < TitleH;
            EXPECT_EQ(Shape.Contains(W() / 2, Y), !Scanned) << "row " << Y;
        }
    }
}

TEST_F(FormThemeTest, TheBottomPictureShapesTheLowestRows)
{
    TSkin S;
    S.Bottom = 5;
    S.BottomRegion = true;
    S.BottomMinY = 3;
    S.BottomMaxY = 4;
    // The outer corner pixel of the last row is transparent at both ends.
    S.BottomEnds = [](TSurface& B1, TSurface& B3)
    {
        B1.SetPixel(0, 4, Key);
        B3.SetPixel(7, 4, Key);
    };
    Wear(S);
    const TRegion Shape = WindowShape();
    EXPECT_EQ(RowOf(Shape, H() - 1), (std::vector<TRect>{{1, H() - 1, W() - 1, H()}}));
    EXPECT_EQ(RowOf(Shape, H() - 2), (std::vector<TRect>{{0, H() - 2, W(), H() - 1}}));
    EXPECT_TRUE(Shape.Contains(0, 0));
}

TEST_F(FormThemeTest, ASkinWithoutBordersOrColoursDrawsWithoutThem)
{
    const TColor Before = Skin->Color();
    TSkin S;
    S.Left = S.Right = S.Bottom = 0;
    S.Colors = false;
    Wear(S);
    EXPECT_EQ(Skin->SkinLeft(), 0);
    EXPECT_EQ(Skin->SkinBottom(), 0);
    // A colour the skin lacks is not taken from it.
    EXPECT_EQ(Skin->Color(), Before);
    const RECT Client = ClientInWindow();
    EXPECT_EQ(Client.left, 3);
    for (int X = 0; X < Client.left; ++X)
        EXPECT_EQ(Pixel(X, Client.top + 40), Before) << X;
    EXPECT_EQ(Pixel(W() / 2, H() - 1), Before);
}

TEST_F(FormThemeTest, DeletingTheThemeReturnsTheFormToDeepBlue)
{
    TSkin S;
    S.TitleRegion = true;
    S.MinY = 0;
    S.MaxY = 0;
    S.Title = [](TSurface& L, TSurface&, TSurface&) { L.SetPixel(0, 0, Key); };
    Wear(S);
    ASSERT_FALSE(WindowShape().Contains(0, 0));
    Theme->Free();
    EXPECT_EQ(Skin->FileTheme(), nullptr);
    EXPECT_EQ(Skin->UIStyle(), DeepBlue);
    EXPECT_EQ(Skin->TitleBar()->FileTheme(), nullptr);
    EXPECT_EQ(Skin->SkinLeft(), 0);
    EXPECT_EQ(Skin->BorderColor(), GetInsideThemeColor(DeepBlue, SUI_ITEM_FORM_BORDER_COLOR));
    EXPECT_EQ(Skin->Color(), GetInsideThemeColor(DeepBlue, SUI_ITEM_FORM_COLOR));
    EXPECT_TRUE(WindowShape().Contains(0, 0));
    // Painting afterwards touches nothing of the theme.
    RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    FDesktop.Pump();
    EXPECT_EQ(Pixel(0, H() / 2), GetInsideThemeColor(DeepBlue, SUI_ITEM_FORM_BORDER_COLOR));
}

TEST_F(FormThemeTest, TheMenuBarAndTheFrameBesideItTakeTheSkinsColours)
{
    auto* Menu = new TMainMenu(Form);
    for (const char* Caption : {"&File", "&Help"})
    {
        auto* Item = new TMenuItem(Form);
        Item->SetCaption(Caption);
        Menu->Items()->Add(Item);
        auto* Sub = new TMenuItem(Form);
        Sub->SetCaption("&About");
        Item->Add(Sub);
    }
    TSkin S;
    S.Left = 2;
    Wear(S);
    Skin->SetMenu(Menu);
    FDesktop.Pump();
    EXPECT_EQ(Skin->MenuBarColor(), BarInk);
    const RECT Client = ClientInWindow();
    const int BarRow = Client.top + Skin->TitleBar()->Height() + Skin->MenuBarHeight() / 2;
    EXPECT_EQ(Pixel(0, BarRow), LeftInk);
    EXPECT_EQ(Pixel(2, BarRow), BarInk);
    EXPECT_EQ(Pixel(3, BarRow), BarInk);
    EXPECT_EQ(Pixel(2, BarRow + Skin->MenuBarHeight()), Face);

    // The open entry is filled with the skin's selection colour.
    TToolButton* Help = Skin->MenuBar()->Buttons(1);
    const size_t Ran = RunMenuSteps(Form, [&] { Help->DropDown(); },
                                    {[&]
                                     {
                                         POINT P = At(Help, Help->Width() / 2, 3);
                                         EXPECT_EQ(FDesktop.ScreenPixel(P.x, P.y), HotInk);
                                     }});
    EXPECT_EQ(Ran, 1u);
}

TEST_F(FormThemeTest, ASizeableOwnerHasNoUnpaintedFrameLine)
{
    Form->SetBorderStyle(bsSizeable);
    FDesktop.Pump();
    Wear(TSkin{});
    const RECT Client = ClientInWindow();
    // A sizeable frame is a pixel wider than the pictures on every side;
    // that line takes the form's colour.
    EXPECT_EQ(Client.left, 5);
    EXPECT_EQ(W() - Client.right, 5);
    EXPECT_EQ(H() - Client.bottom, 5);
    const int Y = Client.top + 40;
    for (int X = 0; X < 5; ++X)
    {
        EXPECT_EQ(Pixel(X, Y), X < 4 ? LeftInk : Face) << "left column " << X;
        EXPECT_EQ(Pixel(W() - 1 - X, Y), X < 4 ? RightInk : Face) << "right column " << X;
        EXPECT_EQ(Pixel(W() / 2, H() - 1 - X), X < 4 ? BottomInk : Face) << "bottom row " << X;
    }
    for (int Row = 0; Row < Client.top; ++Row)
        EXPECT_EQ(Pixel(W() / 2, Row), TitleInk) << "top row " << Row;
}
