#include "skin/SUITitleBarLayout.h"

#include "skin/SkinWindows.h"

#include <algorithm>

namespace
{
void LayOutSections(const TsuiTitleBarMetrics& M, TsuiTitleBarLayout& L)
{
    int X = 0, R = L.Title.Width, LastLeft = 0;
    L.Sections.resize(M.Sections.size());
    for (size_t I = 0; I < M.Sections.size(); ++I)
    {
        const TsuiTitleSectionSpec& S = M.Sections[I];
        if (S.CapSec)
        {
            // Wide enough for the caption after the icon, measured from
            // the last left section's start.
            const int W = M.SectionCaptionWidth + M.LeftOffset + 17 - LastLeft;
            L.Sections[I] = {X, 0, X + W, S.Height};
            X += W;
            L.CaptionInSection = true;
        }
        else if (S.Align == suiLeft)
        {
            L.Sections[I] = {X, 0, X + S.Width, S.Height};
            X += S.Width;
            LastLeft = S.Width;
        }
        else if (S.Align == suiRight)
        {
            L.Sections[I] = {R - S.Width, 0, R, S.Height};
            R -= S.Width;
        }
        else
            L.ClientSection = static_cast<int>(I);
    }
    if (L.ClientSection >= 0)
        L.Sections[L.ClientSection] = {X, 0, R, M.Sections[L.ClientSection].Height};
}

void LayOutButtons(const TsuiTitleBarMetrics& M, TsuiTitleBarLayout& L)
{
    // The buttons line up from the right edge of the frame's inner line.
    const int K = M.FrameWidth - 1;
    int R = M.Width - M.RightOffset + K;
    L.Buttons.assign(M.Buttons.size(), TRect{});
    for (size_t I = 0; I < M.Buttons.size(); ++I)
    {
        const TsuiTitleButtonSpec& B = M.Buttons[I];
        if (!B.Drawable) continue;
        if (B.Type == suiControlBox)
        {
            L.ControlBox = static_cast<int>(I);
            continue;
        }
        R -= B.Type == suiClose ? B.Width : B.Width + 1 + M.ButtonInterval;
        if (M.Width < R + B.Width + 1) R = M.Width - B.Width - 1;
        L.Buttons[I] = {R, M.ButtonTop, R + B.Width, M.ButtonTop + B.Height};
    }
    int Left = std::max(M.LeftOffset - 4 - K, 0);
    if (L.ControlBox >= 0)
    {
        const TsuiTitleButtonSpec& B = M.Buttons[L.ControlBox];
        L.Buttons[L.ControlBox] = {Left, M.IconTop, Left + B.Width, M.IconTop + B.Height};
        if (M.DrawAppIcon)
        {
            L.ControlBoxAt = {Left + 3, M.IconTop};
            Left += 21;
        }
        else
        {
            L.ControlBoxAt = {Left, M.IconTop - 1};
            Left += B.Width + 5;
        }
    }
    L.CaptionLeft = Left == 0 ? 6 : Left;
    L.CaptionRight = R;
    L.CaptionTop = M.CaptionTop;
}
} // namespace

TsuiTitleBarLayout LayOutTitleBar(const TsuiTitleBarMetrics& Metrics)
{
    TsuiTitleBarLayout L;
    if (Metrics.InForm) L.Shift = {-(Metrics.FrameWidth == 0 ? 3 : Metrics.FrameWidth), -3};
    L.Title = {Metrics.Width - 2 * L.Shift.X, Metrics.Height - L.Shift.Y};
    LayOutSections(Metrics, L);
    LayOutButtons(Metrics, L);
    return L;
}

int TitleButtonAt(const TsuiTitleBarLayout& Layout, TPoint Point)
{
    int Hit = -1;
    for (size_t I = 0; I < Layout.Buttons.size(); ++I)
        if (static_cast<int>(I) != Layout.ControlBox && !Layout.Buttons[I].IsEmpty() &&
            InRect(Point, Layout.Buttons[I]))
            Hit = static_cast<int>(I);
    if (Layout.ControlBox >= 0 && InRect(Point, Layout.Buttons[Layout.ControlBox]))
        Hit = Layout.ControlBox;
    return Hit;
}

TRect TitleCaptionRect(const TsuiTitleBarLayout& Layout, int Bottom, bool RightToLeft)
{
    const int Shift = RightToLeft ? -10 : 0;
    return {Layout.CaptionLeft + Shift, Layout.CaptionTop, Layout.CaptionRight + Shift,
            std::max(Bottom, Layout.CaptionTop)};
}
