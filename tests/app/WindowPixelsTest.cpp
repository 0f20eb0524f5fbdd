// The configuration window pixel for pixel where its look is fixed: the
// skinned frame, the title bar with its pictures, icon, caption and close
// button, each group box's broken top line, each combo box's rings, button
// and arrow, and the status bar's panel edges. Every expected colour comes
// from those rules and from the pictures the window is given, never from a
// picture of the window itself.

#include "MainFormFixture.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/Picture.h"

#include <sstream>

namespace
{
constexpr TColor Near = TColor(0xFBFBFB); // the Protein form colour

struct Row
{
    std::string What;
    int X, Y; // window coordinates
    TColor Expected;
};

class WindowPixels : public MainFormTest
{
  protected:
    WindowPixels()
    {
        ShowWindow();
        // The pointer off the window: no button is hot.
        FDesktop.MouseMove(0, 0);
        FDesktop.Pump();
        RECT R{};
        GetWindowRect(Form->Handle(), &R);
        Origin = {R.left, R.top};
        W = R.right - R.left;
        H = R.bottom - R.top;
        Left.LoadFromResourceName("NOVLA_TITLE_LEFT");
        Right.LoadFromResourceName("NOVLA_TITLE_RIGHT");
        Tile.LoadFromResourceName("PROTEIN_FORM_BACKGROUND");
    }

    // Window coordinates of a client point of Control.
    TPoint InWindow(const TControl* Control, int X, int Y) const
    {
        const TPoint P = Control->ClientToScreen({X, Y});
        return {P.X - Origin.X, P.Y - Origin.Y};
    }
    void Add(const std::string& What, const TControl* Control, int X, int Y, TColor Colour)
    {
        const TPoint P = InWindow(Control, X, Y);
        Rows.push_back({What, P.X, P.Y, Colour});
    }
    TColor LeftPicture(int X, int Y) { return Left.Canvas()->Pixel(X, Y); }
    TColor Background(int X, int Y)
    {
        const TPoint P = InWindow(Form->suiForm1, 0, 0);
        return Tile.Canvas()->Pixel((X - P.X) % Tile.Width(), (Y - P.Y) % Tile.Height());
    }

    void FrameRows();
    void TitleRows();
    void GroupBoxRows(const TsuiGroupBox* Box);
    void ComboBoxRows(const TsuiComboBox* Combo);
    void StatusBarRows();

    TPoint Origin;
    int W = 0, H = 0;
    TBitmap Left, Right, Tile;
    std::vector<Row> Rows;
};

// One black line round the window; inside it two columns and one row of
// the form colour, except beside the title, where the title pictures
// continue into the frame: the left picture's first columns at the left,
// the one-column right picture at the right and the left picture's top
// three rows above the bar.
void WindowPixels::FrameRows()
{
    for (int Y : {0, 1, 2, 10, 22, 23, 100, H - 2, H - 1})
    {
        Rows.push_back({"left border", 0, Y, clBlack});
        Rows.push_back({"right border", W - 1, Y, clBlack});
    }
    for (int X : {1, 2, 100, W - 3, W - 2})
        Rows.push_back({"bottom border", X, H - 1, clBlack});
    for (int Y : {23, 100, H - 3, H - 2})
        for (int X : {1, 2, W - 3, W - 2})
            Rows.push_back({"inner frame column", X, Y, Near});
    for (int X : {3, 100, W - 4})
        Rows.push_back({"inner bottom row", X, H - 2, Near});
    for (int Y = 0; Y < 23; ++Y)
    {
        Rows.push_back({"left frame from the left picture", 1, Y, LeftPicture(0, Y)});
        if (Y >= 3) Rows.push_back({"left frame from the left picture", 2, Y, LeftPicture(1, Y)});
        for (int X : {W - 3, W - 2})
            Rows.push_back(
                {"right frame from the right picture", X, Y, Right.Canvas()->Pixel(0, Y)});
    }
    for (int Y = 0; Y < 3; ++Y)
        for (int X : {2, 3, 100, 250, 300, W - 4})
            Rows.push_back({"top rows from the left picture", X, Y, LeftPicture(X, Y)});
}

// The bar is 20 pixels high and draws the left picture shifted up by the 3
// frame rows and left by the 2 the form answers for its frame width; the
// icon sits at (3, -1), the caption at (21, 2) and the close button at
// (W - 20, -1), its bottom-left colour left out.
void WindowPixels::TitleRows()
{
    TsuiTitleBar* Bar = Form->suiForm1->TitleBar();
    const int Wb = Bar->Width();
    ASSERT_EQ(Bar->Height(), 20);
    ASSERT_EQ(Wb, 393);
    auto Section = [&](int X, int Y) { return LeftPicture(X + 2, Y + 3); };
    for (int Y = 0; Y < 20; ++Y)
        for (int X : {0, 230, 300, 360, Wb - 21, Wb - 1})
            Add("bar from the left picture", Bar, X, Y, Section(X, Y));
    for (int X : {0, 100, 230, Wb - 1})
        for (int Y : {20, 21, 22, 23})
            Add("form background below the bar", Bar, X, Y,
                Background(InWindow(Bar, X, Y).X, InWindow(Bar, X, Y).Y));

    TBitmap Close;
    Close.Assign(Form->suiForm1->TitleBarButtons()->Items(1)->PicNormal()->Graphic());
    ASSERT_EQ(Close.Width(), 19);
    const TColor Clear = Close.Canvas()->Pixel(0, 18);
    for (int J = 1; J < 19; ++J)
        for (int I = 0; I < 19; ++I)
        {
            const int X = Wb - 20 + I, Y = J - 1;
            const TColor P = Close.Canvas()->Pixel(I, J);
            Add("close button", Bar, X, Y, P == Clear ? Section(X, Y) : P);
        }

    TIcon Icon;
    Icon.LoadFromResourceName("MAINICON");
    const TSurface Small = Icon.Image(16);
    for (int J = 1; J < 16; ++J)
        for (int I = 0; I < 16; ++I)
            if (Small.RawPixel(I, J) >> 24 == 0xFF)
                Add("application icon", Bar, 3 + I, J - 1, Small.Pixel(I, J));

    // The caption's fully white pixels, laid out as the bar's font lays them.
    TBitmap Ink;
    Ink.SetPixelFormat(pf24bit);
    Ink.SetSize(Wb, 20);
    TCanvas& C = *Ink.Canvas();
    C.Brush()->SetColor(clBlack);
    C.FillRect({0, 0, Wb, 20});
    C.SetFont(Bar->Font());
    C.Brush()->SetStyle(bsClear);
    C.TextOut(0, 0, Form->Caption());
    int Pixels = 0;
    for (int Y = 0; Y < 20; ++Y)
        for (int X = 0; X < Wb; ++X)
            if (C.Pixel(X, Y) == clWhite)
            {
                Add("caption", Bar, 21 + X, 2 + Y, clWhite);
                ++Pixels;
            }
    EXPECT_GT(Pixels, 100);
}

// A one-pixel frame in the border colour whose top line, at half the font
// height plus one, breaks from x = 3 to the caption's width + 6 for the
// caption drawn at (5, 0); inside, the parent's colour.
void WindowPixels::GroupBoxRows(const TsuiGroupBox* Box)
{
    const std::string Name = Box->Name() + " ";
    const int Bw = Box->Width(), Bh = Box->Height();
    TCanvas Measure;
    Measure.SetFont(Box->Font());
    const int Tw = Measure.TextWidth(Box->Caption());
    const int Line = 11 / 2 + 1;
    for (int X : {1, 2, Tw + 7, Tw + 8, Bw - 2, Bw - 1})
        Add(Name + "top line", Box, X, Line, clBlack);
    for (int X : {3, 4, Tw + 5, Tw + 6})
        Add(Name + "gap in the top line", Box, X, Line, Near);
    for (int X : {0, Bw - 1})
        Add(Name + "above the top line", Box, X, Line - 1, Near);
    for (int Y : {Line + 1, Bh / 2, Bh - 2, Bh - 1})
    {
        Add(Name + "left line", Box, 0, Y, clBlack);
        Add(Name + "right line", Box, Bw - 1, Y, clBlack);
    }
    for (int X : {1, Bw / 2, Bw - 2})
    {
        Add(Name + "bottom line", Box, X, Bh - 1, clBlack);
        Add(Name + "inside", Box, X, Bh - 2, Near);
    }
    Add(Name + "inside", Box, 1, Line + 1, Near);
    Add(Name + "inside", Box, Bw - 2, Line + 1, Near);
}

// Black outer ring, lime inner ring, the button rectangle the platform
// reports filled with the button colour, a black separator from one pixel
// above to one pixel below it, and the black arrow (x, y), (x + 6, y),
// (x + 3, y + 3) with x the button's middle less 3 and y half its height.
void WindowPixels::ComboBoxRows(const TsuiComboBox* Combo)
{
    const std::string Name = Combo->Name() + " ";
    const int Cw = Combo->Width(), Ch = Combo->Height();
    const TRect B = Combo->ButtonRect();
    ASSERT_FALSE(B.IsEmpty()) << Name;
    for (int Y : {0, Ch / 2, Ch - 1})
    {
        Add(Name + "outer ring", Combo, 0, Y, clBlack);
        Add(Name + "outer ring", Combo, Cw - 1, Y, clBlack);
    }
    for (int X : {1, B.Left - 1, B.Left + 1, Cw - 2})
    {
        Add(Name + "outer ring", Combo, X, 0, clBlack);
        Add(Name + "outer ring", Combo, X, Ch - 1, clBlack);
    }
    for (int Y : {1, Ch / 2, Ch - 2})
    {
        Add(Name + "inner ring", Combo, 1, Y, clLime);
        Add(Name + "inner ring", Combo, Cw - 2, Y, clLime);
    }
    for (int X : {2, B.Left - 1, B.Left + 1, Cw - 3})
    {
        Add(Name + "inner ring", Combo, X, 1, clLime);
        Add(Name + "inner ring", Combo, X, Ch - 2, clLime);
    }
    for (int Y = B.Top - 1; Y <= B.Bottom; ++Y)
        Add(Name + "separator", Combo, B.Left, Y, clBlack);
    for (TPoint P : {TPoint{B.Left + 1, B.Top}, TPoint{B.Right - 1, B.Top},
                     TPoint{B.Left + 1, B.Bottom - 1}, TPoint{B.Right - 1, B.Bottom - 1}})
        Add(Name + "button", Combo, P.X, P.Y, Near);
    const int Ax = B.Left + B.Width() / 2 - 3, Ay = B.Height() / 2;
    for (TPoint P :
         {TPoint{Ax, Ay}, TPoint{Ax + 6, Ay}, TPoint{Ax + 3, Ay + 3}, TPoint{Ax + 3, Ay + 1}})
        Add(Name + "arrow", Combo, P.X, P.Y, clBlack);
    for (TPoint P : {TPoint{Ax - 1, Ay}, TPoint{Ax + 7, Ay}, TPoint{Ax + 3, Ay + 4},
                     TPoint{Ax + 3, Ay - 1}, TPoint{Ax, Ay + 2}})
        Add(Name + "beside the arrow", Combo, P.X, P.Y, Near);
}

// The bar along the form's bottom: panels from x = 0, 120 and 280, the last
// reaching the right end, each in a lowered one-pixel frame, all on the
// form colour.
void WindowPixels::StatusBarRows()
{
    const TsuiStatusBar* Bar = Form->suiStatusBar1;
    const int Bw = Bar->Width(), Bh = Bar->Height();
    ASSERT_EQ(Bw, 393);
    EXPECT_EQ(InWindow(Bar, 0, Bh).Y, H - 2) << "the bar ends on the frame";
    const TColor Shadow = ColorToRGB(clBtnShadow), Light = ColorToRGB(clBtnHighlight);
    const int Mid = Bh / 2;
    for (int Edge : {0, 120, 280})
    {
        Add("panel's left edge at " + std::to_string(Edge), Bar, Edge, Mid, Shadow);
        Add("panel's top edge", Bar, Edge + 5, 2, Shadow);
        Add("panel's bottom edge", Bar, Edge + 5, Bh - 1, Light);
        Add("above the panels", Bar, Edge + 5, 0, Near);
    }
    for (int Edge : {120, 280})
    {
        Add("panel's right edge before " + std::to_string(Edge), Bar, Edge - 3, Mid, Light);
        Add("between the panels", Bar, Edge - 2, Mid, Near);
        Add("between the panels", Bar, Edge - 1, Mid, Near);
    }
    Add("last panel's right edge", Bar, Bw - 1, Mid, Light);
    Add("no grip", Bar, Bw - 5, Bh - 5, Near);
    Add("inside a panel", Bar, 200, Mid, Near);
}

TEST_F(WindowPixels, TheWindowAsItsRulesDrawIt)
{
    ASSERT_EQ(W, 399);
    ASSERT_EQ(H, 347);
    FrameRows();
    TitleRows();
    for (const TsuiGroupBox* Box :
         {Form->suiGroupBox1, Form->suiGroupBox2, Form->suiGroupBox3, Form->suiGroupBox5,
          Form->suiGroupBox6, Form->suiGroupBox7, Form->suiGroupBox8, Form->suiGroupBox9,
          Form->suiGroupBox10, Form->suiGroupBox11, Form->suiGroupBox12})
        GroupBoxRows(Box);
    for (const TsuiComboBox* Combo :
         {Form->suiComboBox_PcPort, Form->suiComboBox_PcBaudRate, Form->suiComboBox_PcParity,
          Form->suiComboBox_RfFactor, Form->suiComboBox1, Form->suiComboBox_RFBW,
          Form->suiComboBox_McuBaudRate, Form->suiComboBox_McuParity, Form->suiComboBox_Power,
          Form->suiComboBox2, Form->suiComboBox3})
        ComboBoxRows(Combo);
    StatusBarRows();

    int Wrong = 0;
    for (const Row& R : Rows)
    {
        const TColor Got = FDesktop.WindowPixel(Form->Handle(), R.X, R.Y);
        if (Got == R.Expected) continue;
        if (++Wrong > 40) continue; // enough to see the pattern
        std::ostringstream S;
        S << std::hex << R.What << " at (" << std::dec << R.X << ", " << R.Y << "): 0x" << std::hex
          << Got << " instead of 0x" << R.Expected;
        ADD_FAILURE() << S.str();
    }
    EXPECT_EQ(Wrong, 0) << "of " << Rows.size() << " pixels";
}
} // namespace
