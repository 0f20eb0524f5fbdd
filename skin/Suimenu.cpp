#include "skin/Suimenu.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/ImageList.h"
#include "platform/gfx/Lines.h"
#include "platform/gfx/Shapes.h"
#include "platform/win/WinApi.h"
#include "platform/win/WindowDcScope.h"

#include <memory>

void Menu_SetItemEvent(TMenuItem* Item, const TMenuMeasureItemEvent& Measure,
                       const TMenuDrawItemEvent& Draw)
{
    if (!Item) return;
    Item->OnMeasureItem = Measure;
    Item->OnDrawItem = Draw;
    for (int I = 0; I < Item->Count(); ++I)
        Menu_SetItemEvent(Item->Items(I), Measure, Draw);
}

void Menu_DrawBackGround(TCanvas* Canvas, const TRect& Rect, TColor Color)
{
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(Rect);
}

void Menu_DrawBorder(TCanvas* Canvas, const TRect& Rect, TColor Color)
{
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->FrameRect(Rect);
}

void Menu_DrawLineItem(TCanvas* Canvas, const TRect& Rect, TColor Color, bool LeftToRight,
                       int BarWidth)
{
    Canvas->Pen()->SetColor(Color);
    int Y = Rect.Top + 2;
    if (LeftToRight)
    {
        Canvas->MoveTo(Rect.Left + BarWidth + 4, Y);
        Canvas->LineTo(Rect.Right - 2, Y);
    }
    else
    {
        Canvas->MoveTo(Rect.Left + 2, Y);
        Canvas->LineTo(Rect.Right - BarWidth - 4, Y);
    }
}

namespace
{
void StretchCut(TCanvas* Canvas, const TRect& Rect, const char* Name, int Rows)
{
    TBitmap Picture;
    Picture.LoadFromResourceName(Name);
    Picture.SetHeight(Rows);
    Canvas->StretchDraw(Rect, &Picture);
}
} // namespace

void Menu_DrawMacOSSelectedItem(TCanvas* Canvas, const TRect& Rect)
{
    StretchCut(Canvas, Rect, "MACOS_MENU_SELECT", 20);
}

void Menu_DrawMacOSNonSelectedItem(TCanvas* Canvas, const TRect& Rect)
{
    StretchCut(Canvas, Rect, "MACOS_MENU_BAR", 20);
}

void Menu_DrawMacOSLineItem(TCanvas* Canvas, const TRect& Rect)
{
    StretchCut(Canvas, Rect, "MACOS_MENU_BAR", 12);
}

void Menu_DrawWindowBorder(HWND Window, TColor FrameColor, TColor EdgeColor)
{
    if (!Window || !IsWindow(Window)) return;
    RECT W;
    GetWindowRect(Window, &W);
    TWindowDcScope Screen(nullptr);
    HDC Dc = Screen.Dc();
    if (!Dc) return;
    FrameRect(*Dc, {W.left, W.top + 1, W.right - 1, W.bottom - 1},
              gfx::TBrush::Solid(ColorToRGB(FrameColor)));
    FrameRect(*Dc, {W.left + 1, W.top + 2, W.right - 2, W.bottom - 2},
              gfx::TBrush::Solid(ColorToRGB(clWhite)));
    Dc->SetPen(gfx::TPen{PS_SOLID, 1, ColorToRGB(EdgeColor)});
    Polyline(*Dc, {{W.left, W.bottom - 1},
                   {W.right - 1, W.bottom - 1},
                   {W.right - 1, W.top},
                   {W.right, W.top},
                   {W.left, W.top}});
}

void Menu_GetSystemFont(TFont* Font)
{
    if (!Font) return;
    NONCLIENTMETRICS Metrics;
    if (!SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, 0)) return;
    Font->SetDesc(Metrics.lfMenuFont);
    Font->SetColor(clMenuText);
}

const TImageList& Menu_CheckMarkImages()
{
    static const std::unique_ptr<TImageList> Images = []
    {
        auto List = std::make_unique<TImageList>(nullptr);
        List->SetWidth(16);
        List->SetHeight(16);
        TBitmap Check;
        Check.LoadFromResourceName("MENU_CHECKED");
        List->AddMasked(&Check, clWhite);
        return List;
    }();
    return *Images;
}
