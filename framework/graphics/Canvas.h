#pragma once

#include "framework/graphics/Brush.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/Pen.h"
#include "platform/gfx/Geometry.h"

#include <memory>
#include <string_view>
#include <vector>

class TDeviceContext;
class TSurface;

class TGraphic;

// Drawing with a pen, a brush and a font over a device context of the
// graphics layer. The context is borrowed (a paint context, a bitmap's own
// context) and set with SetHandle; without one every drawing call does
// nothing and the measuring calls use a scratch context. The canvas's pen,
// brush and font are selected into the context before each call, so code may
// change them freely in between.
class TCanvas : public TPersistent
{
  public:
    TCanvas();
    ~TCanvas() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TDeviceContext* Handle() const { return FHandle; }
    // Dc may be null (drawing stops); it must outlive its use here.
    void SetHandle(TDeviceContext* Dc);
    bool HandleAllocated() const { return FHandle != nullptr; }

    TPen* Pen() const { return FPen.get(); }
    TBrush* Brush() const { return FBrush.get(); }
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* Value) { FFont->Assign(Value); }

    TPoint PenPos() const;
    void SetPenPos(TPoint Value) { MoveTo(Value.X, Value.Y); }
    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    void Polyline(const std::vector<TPoint>& Points);
    void Polygon(const std::vector<TPoint>& Points);
    void Rectangle(int Left, int Top, int Right, int Bottom);
    void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    void Ellipse(int Left, int Top, int Right, int Bottom);
    void RoundRect(int Left, int Top, int Right, int Bottom, int CornerWidth, int CornerHeight);
    void Arc(int Left, int Top, int Right, int Bottom, int StartX, int StartY, int EndX, int EndY);
    // With the brush.
    void FillRect(const TRect& R);
    void FrameRect(const TRect& R);
    void DrawFocusRect(const TRect& R);

    // Text in the font's colour; the background is filled with the brush
    // colour unless the brush is clear.
    void TextOut(int X, int Y, std::string_view Text);
    // Text clipped to R, starting at (X, Y).
    void TextRect(const TRect& R, int X, int Y, std::string_view Text);
    // DrawText with DT_* flags; returns the text height. R changes with
    // DT_CALCRECT.
    int DrawText(std::string_view Text, TRect& R, unsigned Format);
    TSize TextExtent(std::string_view Text);
    int TextWidth(std::string_view Text) { return TextExtent(Text).Width; }
    int TextHeight(std::string_view Text) { return TextExtent(Text).Height; }

    TColor Pixel(int X, int Y) const;
    void SetPixel(int X, int Y, TColor Color);

    // Pictures: at their size, or scaled into R.
    void Draw(int X, int Y, const TGraphic* Graphic);
    void StretchDraw(const TRect& R, const TGraphic* Graphic);
    // Copies Source's Src rectangle into Dest, scaling when the sizes differ.
    void CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& Src);

    // The drawable part, in logical coordinates (empty without a context).
    TRect ClipRect() const;

    TNotifyEvent OnChange;

    // Selects pen, brush and font into the context; the drawing calls do it
    // themselves, code that draws with graphics-layer functions directly
    // calls it first.
    void RequireState();

    void Assign(const TPersistent* Source) override;

  private:
    // The context the measuring calls use: the handle or a scratch one.
    TDeviceContext& MeasureDc();
    void Changed() { OnChange(this); }

    TDeviceContext* FHandle = nullptr;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TSurface> FScratchSurface;
    std::unique_ptr<TDeviceContext> FScratch;
};
