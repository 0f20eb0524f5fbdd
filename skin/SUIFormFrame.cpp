#include "skin/SUIFormFrame.h"

#include "platform/win/WindowPos.h"

#include <algorithm>

TsuiFrameGeometry FrameGeometry(const TsuiFrameInput& In)
{
    TsuiFrameGeometry G;
    G.In = In;
    const TsuiWindowFrame& W = In.Window;
    G.FrameWidth = In.SkinLeft != 0 ? std::max(In.SkinLeft, 4) : In.TakenBottom - 1;
    G.MinHeight = In.MenuHeight + In.BarHeight + In.SkinBottom + 3;
    G.Top = W.Top;
    if (In.Skinned)
    {
        // A sizeable owner's frame is a pixel wider than the border
        // pictures on every side; the pieces cover the frame it has.
        G.Left = std::max({In.SkinLeft, 4, W.Left});
        G.Right = std::max({In.SkinRight, 4, W.Right});
        G.Bottom = std::max({In.SkinBottom, 4, W.Bottom});
        G.TitleBottom = In.BarVisible ? In.BarHeight + 3 : 0;
    }
    else
    {
        G.Left = W.Left;
        G.Right = W.Right;
        G.Bottom = W.Bottom;
        G.TitleBottom = In.BarVisible ? In.BarHeight + W.Top : 0;
    }
    G.MenuTop = In.BarVisible ? In.BarHeight + W.Top : 0;
    G.MenuBottom = G.MenuTop + In.MenuHeight;
    return G;
}

RECT SkinnedClientRect(const TsuiFrameInput& In, const WINDOWPOS& Pos)
{
    const int L = std::max(4, In.TakenLeft), B = std::max(4, In.TakenBottom);
    RECT R{};
    // The skin's borders widen the frame; it stays at least 4 wide.
    if (In.SkinLeft == 0)
    {
        R.left = Pos.x + 4 - L;
        R.right = Pos.x + Pos.cx + L - 4;
    }
    else
    {
        R.left = Pos.x + std::max(In.SkinLeft, 4) - L + 1;
        R.right = Pos.x + Pos.cx - std::max(In.SkinRight, 4) + L - 1;
    }
    R.top = Pos.y + 4 - B;
    if (In.SkinBottom != 0)
        R.bottom = Pos.y + Pos.cy - std::max(In.SkinBottom, 4) + B - 1;
    else
        R.bottom =
            In.BorderWidth == 3 ? Pos.y + Pos.cy + B - 4 : Pos.y + Pos.cy + B - In.BorderWidth - 2;
    return R;
}

int SaneFrameThickness(int Value)
{
    return Value < 0 || Value > 12 ? 4 : Value;
}
