#include "framework/menus/MenuWindow.h"

#include "framework/controls/Frame3D.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/CanvasHandleScope.h"
#include "framework/graphics/ImageList.h"
#include "framework/menus/Menu.h"
#include "platform/gfx/DrawText.h"
#include "platform/win/WinApi.h"

#include <algorithm>

namespace
{
constexpr char ClassName[] = "TMenuWindow";
constexpr int SeparatorHeight = 9;
constexpr int MinItemHeight = 19;
// Room right of the caption: the gap before the shortcut text and the
// sub-menu arrow.
constexpr int ShortCutGap = 24;
constexpr int ArrowWidth = 20;

void RegisterMenuClass(WNDPROC Proc)
{
    static const bool Registered = [Proc]
    {
        WNDCLASS Class{};
        Class.style = CS_SAVEBITS | CS_DROPSHADOW;
        Class.lpfnWndProc = Proc;
        Class.hCursor = LoadCursor(nullptr, IDC_ARROW);
        Class.lpszClassName = ClassName;
        return RegisterClass(&Class) != 0;
    }();
    (void)Registered;
}
} // namespace

TMenuWindow::TMenuWindow(TMenu* Menu, TMenuItem* Parent, HWND Owner)
    : FMenu(Menu), FParent(Parent), FFont(std::make_unique<TFont>())
{
    RegisterMenuClass(&TMenuWindow::WindowProc);
    Layout();
    FHandle =
        CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, ClassName, "", WS_POPUP,
                       0, 0, FSize.Width, FSize.Height, Owner, nullptr, nullptr, nullptr);
    if (FHandle) SetWindowLongPtr(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TMenuWindow::~TMenuWindow()
{
    if (!FHandle) return;
    SetWindowLongPtr(FHandle, GWLP_USERDATA, 0);
    DestroyWindow(FHandle);
}

void TMenuWindow::Layout()
{
    FCaptions = MenuShownCaptions(FMenu, FParent);
    TCanvas Canvas;
    Canvas.SetFont(FFont.get());
    TImageList* Images = FMenu ? FMenu->Images() : nullptr;
    int Gutter = std::max(16, Images ? Images->Width() : 0) + 8;
    int TextHeight = Canvas.TextHeight("Wg");
    bool OwnerDraw = FMenu && FMenu->OwnerDraw();
    std::vector<TSize> Sizes;
    int Widest = 0;
    for (int I = 0; I < FParent->Count(); ++I)
    {
        TMenuItem* Item = FParent->Items(I);
        TSize S{};
        if (Item->Visible())
        {
            if (Item->IsLine())
                S = {0, SeparatorHeight};
            else
            {
                if (Item->Default()) Canvas.Font()->SetStyle({fsBold});
                S.Width = Gutter + Canvas.TextWidth(FCaptions[static_cast<size_t>(I)]) + ArrowWidth;
                std::string Keys = ShortCutToText(Item->ShortCut());
                if (!Keys.empty()) S.Width += ShortCutGap + Canvas.TextWidth(Keys);
                S.Height = std::max(MinItemHeight, TextHeight + 6);
                Canvas.Font()->SetStyle({});
            }
            if (OwnerDraw && Item->OnMeasureItem)
                Item->OnMeasureItem(Item, &Canvas, S.Width, S.Height);
        }
        Widest = std::max(Widest, S.Width);
        Sizes.push_back(S);
    }
    FRects.clear();
    int Y = FrameWidth;
    for (const TSize& S : Sizes)
    {
        FRects.push_back(S.Height > 0 ? TRect{FrameWidth, Y, FrameWidth + Widest, Y + S.Height}
                                      : TRect{});
        Y += std::max(0, S.Height);
    }
    FSize = {Widest + 2 * FrameWidth, Y + FrameWidth};
}

void TMenuWindow::Show(TPoint At)
{
    if (!FHandle) return;
    SetWindowPos(FHandle, HWND_TOPMOST, At.X, At.Y, FSize.Width, FSize.Height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateWindow(FHandle);
}

TRect TMenuWindow::ScreenRect() const
{
    RECT R{};
    if (FHandle) GetWindowRect(FHandle, &R);
    return {R.left, R.top, R.right, R.bottom};
}

int TMenuWindow::ItemAt(TPoint Screen) const
{
    TRect W = ScreenRect();
    for (size_t I = 0; I < FRects.size(); ++I)
        if (FRects[I].Offset(W.Left, W.Top).Contains(Screen.X, Screen.Y))
            return static_cast<int>(I);
    return -1;
}

TRect TMenuWindow::ItemScreenRect(int Index) const
{
    TRect W = ScreenRect();
    return ItemRect(Index).Offset(W.Left, W.Top);
}

void TMenuWindow::Select(int Index)
{
    if (Index < 0 || Index >= FParent->Count() || !FParent->Items(Index)->Selectable()) Index = -1;
    if (Index == FSelected) return;
    auto InvalidateItem = [this](int I)
    {
        if (I < 0 || !FHandle) return;
        TRect R = FRects[static_cast<size_t>(I)];
        RECT Area{R.Left, R.Top, R.Right, R.Bottom};
        InvalidateRect(FHandle, &Area, FALSE);
    };
    InvalidateItem(FSelected);
    FSelected = Index;
    InvalidateItem(FSelected);
}

int TMenuWindow::NextSelectable(int From, int Step) const
{
    int N = FParent->Count();
    if (N == 0) return -1;
    if (From < 0) From = Step > 0 ? -1 : N;
    for (int K = 1; K <= N; ++K)
    {
        int I = ((From + Step * K) % N + N) % N;
        if (FParent->Items(I)->Selectable()) return I;
    }
    return -1;
}

LRESULT TMenuWindow::WindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    auto* Self = reinterpret_cast<TMenuWindow*>(GetWindowLongPtr(Window, GWLP_USERDATA));
    switch (Message)
    {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
    {
        PAINTSTRUCT Ps;
        HDC Dc = BeginPaint(Window, &Ps);
        if (Self && Dc)
            Self->Paint(Dc, {Ps.rcPaint.left, Ps.rcPaint.top, Ps.rcPaint.right, Ps.rcPaint.bottom});
        EndPaint(Window, &Ps);
        return 0;
    }
    default:
        return DefWindowProc(Window, Message, WParam, LParam);
    }
}

void TMenuWindow::Paint(HDC Dc, const TRect& Area)
{
    TCanvas Canvas;
    TCanvasHandleScope Borrowed(Canvas, Dc);
    Canvas.SetFont(FFont.get());
    TRect R{0, 0, FSize.Width, FSize.Height};
    Canvas.Brush()->SetColor(clMenu);
    Canvas.FillRect(R);
    Frame3D(&Canvas, R, cl3DLight, cl3DDkShadow, 1);
    Frame3D(&Canvas, R, clBtnHighlight, clBtnShadow, 1);
    bool OwnerDraw = FMenu && FMenu->OwnerDraw();
    for (int I = 0; I < FParent->Count() && I < static_cast<int>(FRects.size()); ++I)
    {
        TMenuItem* Item = FParent->Items(I);
        const TRect& ItemR = FRects[static_cast<size_t>(I)];
        // Only the items in the area being painted are drawn (an owner-drawn
        // item hears of exactly the repaints it is part of).
        if (ItemR.Intersect(Area).IsEmpty()) continue;
        bool Selected = I == FSelected;
        Canvas.Brush()->SetStyle(bsSolid);
        Canvas.Brush()->SetColor(Selected ? clHighlight : clMenu);
        Canvas.Font()->Assign(FFont.get());
        Canvas.Font()->SetColor(Selected ? clHighlightText : clMenuText);
        if (OwnerDraw && Item->OnDrawItem)
            Item->OnDrawItem(Item, &Canvas, ItemR, Selected);
        else
            DrawItemDefault(&Canvas, Item, FCaptions[static_cast<size_t>(I)], ItemR);
    }
}

void TMenuWindow::DrawItemDefault(TCanvas* Canvas, TMenuItem* Item, const std::string& Caption,
                                  const TRect& R)
{
    if (Item->IsLine())
    {
        Canvas->Brush()->SetColor(clMenu);
        Canvas->FillRect(R);
        int Y = R.Top + R.Height() / 2 - 1;
        Canvas->Brush()->SetColor(clBtnShadow);
        Canvas->FillRect({R.Left + 1, Y, R.Right - 1, Y + 1});
        Canvas->Brush()->SetColor(clBtnHighlight);
        Canvas->FillRect({R.Left + 1, Y + 1, R.Right - 1, Y + 2});
        return;
    }
    // The caller set the brush and text colour for the selection; only
    // enabled items are ever selected.
    bool Enabled = Item->Enabled();
    Canvas->FillRect(R);

    TImageList* Images = FMenu ? FMenu->Images() : nullptr;
    bool HasImage = Images && Item->ImageIndex() >= 0 && Item->ImageIndex() < Images->Count();
    int GlyphWidth = std::max(16, Images ? Images->Width() : 0);
    int Gutter = GlyphWidth + 8;
    TRect Glyph{R.Left + 2, R.Top + 1, R.Left + 2 + GlyphWidth + 2, R.Bottom - 1};
    if (HasImage)
    {
        if (Item->Checked())
        {
            TRect Box = Glyph;
            Frame3D(Canvas, Box, clBtnShadow, clBtnHighlight, 1);
        }
        Images->Draw(Canvas, Glyph.Left + 1, R.Top + (R.Height() - Images->Height()) / 2,
                     Item->ImageIndex(), Enabled);
    }
    else if (Item->Checked())
    {
        // A check mark of three short strokes, 7 wide.
        int X = Glyph.Left + (Glyph.Width() - 7) / 2;
        int Y = R.Top + R.Height() / 2 - 1;
        Canvas->Pen()->SetColor(Canvas->Font()->Color());
        for (int Row = 0; Row < 3; ++Row)
        {
            Canvas->MoveTo(X, Y - 2 + Row);
            Canvas->LineTo(X + 3, Y + 1 + Row);
            Canvas->LineTo(X + 8, Y - 4 + Row);
        }
    }

    if (Item->Default()) Canvas->Font()->SetStyle({fsBold});
    Canvas->Brush()->SetStyle(bsClear);
    TRect Text{R.Left + Gutter, R.Top, R.Right - ArrowWidth, R.Bottom};
    std::string Keys = ShortCutToText(Item->ShortCut());
    auto DrawTexts = [&](TRect T)
    {
        Canvas->DrawText(Caption, T, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        if (!Keys.empty())
            Canvas->DrawText(Keys, T, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    };
    if (!Enabled)
    {
        Canvas->Font()->SetColor(clBtnHighlight);
        DrawTexts(Text.Offset(1, 1));
        Canvas->Font()->SetColor(clGrayText);
    }
    DrawTexts(Text);

    if (Item->Count() > 0)
    {
        // A small solid triangle pointing right.
        int X = R.Right - 12;
        int Y = R.Top + R.Height() / 2;
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(Canvas->Font()->Color());
        for (int Col = 0; Col < 4; ++Col)
            Canvas->FillRect({X + Col, Y - 3 + Col, X + Col + 1, Y + 4 - Col});
    }
}
