#include "framework/graphics/Canvas.h"

#include "framework/PropertyRegistry.h"
#include "framework/graphics/Graphic.h"
#include "platform/gfx/Blit.h"
#include "platform/gfx/DcSaver.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/DrawText.h"
#include "platform/gfx/Lines.h"
#include "platform/gfx/Shapes.h"
#include "platform/gfx/Text.h"

const TClassInfo& TCanvas::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TCanvas>("TCanvas", &TPersistent::StaticClass()).Build();
    return Info;
}

TCanvas::TCanvas()
    : FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()),
      FFont(std::make_unique<TFont>())
{
}

TCanvas::~TCanvas() = default;

void TCanvas::SetHandle(TDeviceContext* Dc)
{
    FHandle = Dc;
}

void TCanvas::RequireState()
{
    TDeviceContext& Dc = MeasureDc();
    gfx::TPen P;
    switch (FPen->Style())
    {
    case psClear:
        P.Style = PS_NULL;
        break;
    case psDash:
        P.Style = PS_DASH;
        break;
    case psDot:
        P.Style = PS_DOT;
        break;
    case psDashDot:
        P.Style = PS_DASHDOT;
        break;
    case psDashDotDot:
        P.Style = PS_DASHDOTDOT;
        break;
    case psSolid:
    case psInsideFrame:
        P.Style = PS_SOLID;
        break;
    }
    P.Width = FPen->Width();
    P.Color = FPen->Color();
    Dc.SetPen(P);
    if (FBrush->HasBitmap())
        Dc.SetBrush(gfx::TBrush::FromPattern(FBrush->Pattern()));
    else if (FBrush->Style() == bsClear)
        Dc.SetBrush(gfx::TBrush::Clear());
    else
        Dc.SetBrush(gfx::TBrush::Solid(FBrush->Color()));
    Dc.SetFont(FFont->Desc());
    Dc.SetTextColor(FFont->Color());
    Dc.SetBkColor(FBrush->Color());
    Dc.SetBkMode(FBrush->Style() == bsClear ? TRANSPARENT : OPAQUE);
}

TDeviceContext& TCanvas::MeasureDc()
{
    if (FHandle) return *FHandle;
    if (!FScratch)
    {
        FScratchSurface = std::make_unique<TSurface>(1, 1);
        FScratch = std::make_unique<TDeviceContext>(*FScratchSurface);
    }
    return *FScratch;
}

TPoint TCanvas::PenPos() const
{
    return FHandle ? FHandle->CurrentPosition() : TPoint{};
}

void TCanvas::MoveTo(int X, int Y)
{
    if (!FHandle) return;
    ::MoveTo(*FHandle, X, Y);
}

void TCanvas::LineTo(int X, int Y)
{
    if (!FHandle) return;
    RequireState();
    ::LineTo(*FHandle, X, Y);
    Changed();
}

void TCanvas::Polyline(const std::vector<TPoint>& Points)
{
    if (!FHandle) return;
    RequireState();
    ::Polyline(*FHandle, Points);
    Changed();
}

void TCanvas::Polygon(const std::vector<TPoint>& Points)
{
    if (!FHandle) return;
    RequireState();
    ::Polygon(*FHandle, Points);
    Changed();
}

void TCanvas::Rectangle(int Left, int Top, int Right, int Bottom)
{
    if (!FHandle) return;
    RequireState();
    ::Rectangle(*FHandle, Left, Top, Right, Bottom);
    Changed();
}

void TCanvas::Ellipse(int Left, int Top, int Right, int Bottom)
{
    if (!FHandle) return;
    RequireState();
    ::Ellipse(*FHandle, Left, Top, Right, Bottom);
    Changed();
}

void TCanvas::RoundRect(int Left, int Top, int Right, int Bottom, int CornerWidth, int CornerHeight)
{
    if (!FHandle) return;
    RequireState();
    ::RoundRect(*FHandle, Left, Top, Right, Bottom, CornerWidth, CornerHeight);
    Changed();
}

void TCanvas::Arc(int Left, int Top, int Right, int Bottom, int StartX, int StartY, int EndX,
                  int EndY)
{
    if (!FHandle) return;
    RequireState();
    ::Arc(*FHandle, Left, Top, Right, Bottom, StartX, StartY, EndX, EndY);
    Changed();
}

void TCanvas::FillRect(const TRect& R)
{
    if (!FHandle) return;
    RequireState();
    ::FillRect(*FHandle, R, FHandle->Brush());
    Changed();
}

void TCanvas::FrameRect(const TRect& R)
{
    if (!FHandle) return;
    RequireState();
    ::FrameRect(*FHandle, R, FHandle->Brush());
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& R)
{
    if (!FHandle) return;
    ::DrawFocusRect(*FHandle, R);
    Changed();
}

void TCanvas::TextOut(int X, int Y, std::string_view Text)
{
    if (!FHandle) return;
    RequireState();
    ::TextOut(*FHandle, X, Y, Text);
    Changed();
}

void TCanvas::TextRect(const TRect& R, int X, int Y, std::string_view Text)
{
    if (!FHandle) return;
    RequireState();
    {
        TDcSaver Saved(*FHandle);
        FHandle->IntersectClipRect(R);
        if (FBrush->Style() != bsClear) ::FillRect(*FHandle, R, FHandle->Brush());
        ::TextOut(*FHandle, X, Y, Text);
    }
    Changed();
}

int TCanvas::DrawText(std::string_view Text, TRect& R, unsigned Format)
{
    RequireState();
    if (!FHandle && !(Format & DT_CALCRECT)) return 0;
    int Height = ::DrawText(MeasureDc(), Text, R, Format);
    if (FHandle && !(Format & DT_CALCRECT)) Changed();
    return Height;
}

TSize TCanvas::TextExtent(std::string_view Text)
{
    TDeviceContext& Dc = MeasureDc();
    Dc.SetFont(FFont->Desc());
    return GetTextExtent(Dc, Text);
}

TColor TCanvas::Pixel(int X, int Y) const
{
    return FHandle ? GetPixel(*FHandle, X, Y) : CLR_INVALID;
}

void TCanvas::SetPixel(int X, int Y, TColor Color)
{
    if (!FHandle) return;
    ::SetPixel(*FHandle, X, Y, Color);
    Changed();
}

void TCanvas::Draw(int X, int Y, const TGraphic* Graphic)
{
    if (!FHandle || !Graphic || Graphic->Empty()) return;
    Graphic->Draw(*this, {X, Y, X + Graphic->Width(), Y + Graphic->Height()});
    Changed();
}

void TCanvas::StretchDraw(const TRect& R, const TGraphic* Graphic)
{
    if (!FHandle || !Graphic || Graphic->Empty()) return;
    Graphic->Draw(*this, R);
    Changed();
}

void TCanvas::CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& Src)
{
    if (!FHandle || !Source.FHandle) return;
    if (Dest.Width() == Src.Width() && Dest.Height() == Src.Height())
        BitBlt(*FHandle, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), *Source.FHandle,
               Src.Left, Src.Top);
    else
        StretchBlt(*FHandle, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), *Source.FHandle,
                   Src.Left, Src.Top, Src.Width(), Src.Height());
    Changed();
}

TRect TCanvas::ClipRect() const
{
    return FHandle ? FHandle->GetClipBox() : TRect{};
}

void TCanvas::Assign(const TPersistent* Source)
{
    if (auto* C = dynamic_cast<const TCanvas*>(Source))
    {
        FPen->Assign(C->FPen.get());
        FBrush->Assign(C->FBrush.get());
        FFont->Assign(C->FFont.get());
        return;
    }
    TPersistent::Assign(Source);
}
