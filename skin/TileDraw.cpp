#include "skin/TileDraw.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Picture.h"
#include "platform/gfx/Blit.h"
#include "platform/gfx/DeviceContext.h"

void TileDraw(TCanvas* Canvas, const TPicture* Picture, const TRect& Rect)
{
    if (!Canvas || !Picture || !Picture->Graphic()) return;
    const TGraphic* Graphic = Picture->Graphic();
    const int PW = Graphic->Width(), PH = Graphic->Height();
    if (Graphic->Empty() || PW <= 0 || PH <= 0) return;
    for (int X = 0; X < PW + Rect.Width(); X += PW)
        for (int Y = 0; Y < PH + Rect.Height(); Y += PH)
            Canvas->Draw(X, Y, Graphic);
}

void ResizeImage(const TBitmap* Bitmap, TCanvas* Canvas, const TRect& Rect)
{
    if (!Bitmap || Bitmap->Empty() || !Canvas || !Canvas->Handle() || Rect.IsEmpty()) return;
    TDeviceContext& Dc = *Canvas->Handle();
    const int Old = Dc.SetStretchMode(HALFTONE);
    StretchBlt(Dc, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), Bitmap->Surface(), 0, 0,
               Bitmap->Width(), Bitmap->Height());
    Dc.SetStretchMode(Old);
    Canvas->OnChange(Canvas);
}
