#include "framework/controls/Frame3D.h"

#include "framework/graphics/Canvas.h"

void Frame3D(TCanvas* Canvas, TRect& R, TColor TopColor, TColor BottomColor, int Width)
{
    TPen* Pen = Canvas->Pen();
    Pen->SetWidth(1);
    Pen->SetStyle(psSolid);
    for (int I = 0; I < Width && R.Width() > 0 && R.Height() > 0; ++I)
    {
        Pen->SetColor(TopColor);
        Canvas->Polyline({{R.Left, R.Bottom - 1}, {R.Left, R.Top}, {R.Right - 1, R.Top}});
        Pen->SetColor(BottomColor);
        Canvas->Polyline(
            {{R.Right - 1, R.Top}, {R.Right - 1, R.Bottom - 1}, {R.Left - 1, R.Bottom - 1}});
        R = R.Inflate(-1, -1);
    }
}
