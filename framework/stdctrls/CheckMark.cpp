#include "framework/stdctrls/CheckMark.h"

#include "framework/controls/Frame3D.h"
#include "framework/graphics/Canvas.h"

namespace
{
constexpr int MarkSide = 13;
} // namespace

void DrawCheckMark(TCanvas* C, const TRect& Box, TCheckBoxState State, bool Usable)
{
    TRect Well = Box;
    Frame3D(C, Well, clBtnShadow, clBtnHighlight, 1);
    Frame3D(C, Well, cl3DDkShadow, cl3DLight, 1);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Usable && State != cbGrayed ? clWindow : clBtnFace);
    C->FillRect(Well);
    if (State == cbUnchecked) return;
    // A tick of three-pixel strokes: down from the left, then up.
    C->Pen()->SetColor(State == cbGrayed || !Usable ? clGrayText : clWindowText);
    const int X = Box.Left + 3;
    const int Y = Box.Top + 5;
    for (int Row = 0; Row < 3; ++Row)
    {
        C->MoveTo(X, Y + 2 + Row);
        C->LineTo(X + 2, Y + 4 + Row);
        C->LineTo(X + 7, Y - 1 + Row);
    }
}

void DrawRadioMark(TCanvas* C, const TRect& Box, bool Checked, bool Usable)
{
    // Two half rings per edge give the sunken look: dark upper left, light
    // lower right.
    const int L = Box.Left, T = Box.Top;
    auto Arc = [&](int Inset, TColor TopLeft, TColor BottomRight)
    {
        const int A = L + Inset, B = T + Inset, S = MarkSide - 1 - 2 * Inset;
        C->Pen()->SetColor(TopLeft);
        C->Arc(A, B, A + S + 1, B + S + 1, A + S, B, A, B + S);
        C->Pen()->SetColor(BottomRight);
        C->Arc(A, B, A + S + 1, B + S + 1, A, B + S, A + S, B);
    };
    C->Pen()->SetColor(Usable ? clWindow : clBtnFace);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Usable ? clWindow : clBtnFace);
    C->Ellipse(L + 1, T + 1, L + MarkSide - 1, T + MarkSide - 1);
    Arc(0, clBtnShadow, clBtnHighlight);
    Arc(1, cl3DDkShadow, cl3DLight);
    if (!Checked) return;
    const TColor Dot = Usable ? clWindowText : clGrayText;
    C->Pen()->SetColor(Dot);
    C->Brush()->SetColor(Dot);
    C->Ellipse(L + 4, T + 4, L + 9, T + 9);
}
