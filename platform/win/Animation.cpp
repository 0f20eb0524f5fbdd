#include "platform/win/Animation.h"

#include "detail/Animation.h"
#include "detail/Window.h"
#include "detail/WindowTable.h"
#include "platform/win/Backend.h"
#include "platform/win/LastError.h"
#include "platform/win/Painting.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowState.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
// The window timer that steps an animation; applications keep their timer
// ids below it.
constexpr UINT_PTR AnimationTimerId = 0xFFFF0A01;
// About sixty frames a second.
constexpr UINT FramePeriod = 16;

constexpr DWORD Directions = AW_HOR_POSITIVE | AW_HOR_NEGATIVE | AW_VER_POSITIVE | AW_VER_NEGATIVE;

// How much of the window shows: rising while it appears, falling while it
// goes.
double ShownFraction(const TWindowAnimation& A)
{
    return (A.Flags & AW_HIDE) ? 1.0 - A.Progress : A.Progress;
}

bool Slides(const TWindowAnimation& A)
{
    return (A.Flags & AW_SLIDE) && !(A.Flags & (AW_BLEND | AW_CENTER));
}

int WidthOf(const TWindow& W)
{
    return static_cast<int>(W.WindowRect.right - W.WindowRect.left);
}

int HeightOf(const TWindow& W)
{
    return static_cast<int>(W.WindowRect.bottom - W.WindowRect.top);
}

// The part of a W x H window the desktop shows, in window coordinates.
TRect Revealed(const TWindowAnimation& A, int W, int H)
{
    const double F = ShownFraction(A);
    const int Wide = static_cast<int>(std::lround(W * F));
    const int High = static_cast<int>(std::lround(H * F));
    if (A.Flags & AW_CENTER)
    {
        const int L = (W - Wide) / 2, T = (H - High) / 2;
        return {L, T, L + Wide, T + High};
    }
    TRect R{0, 0, W, H};
    if (A.Flags & AW_HOR_POSITIVE) R.Right = Wide;
    if (A.Flags & AW_HOR_NEGATIVE) R.Left = W - Wide;
    if (A.Flags & AW_VER_POSITIVE) R.Bottom = High;
    if (A.Flags & AW_VER_NEGATIVE) R.Top = H - High;
    return R;
}

// Hands the frame's shape and opacity to the desktop and asks for the
// picture to be shown again.
void ApplyFrame(TWindow& W)
{
    W.Dirty = true;
    TBackend* Backend = CurrentBackend();
    if (!Backend) return;
    const TWindowAnimation& A = *W.Animation;
    if (A.Flags & AW_BLEND)
    {
        Backend->WindowOpacityChanged(W.Handle,
                                      static_cast<BYTE>(std::lround(255 * ShownFraction(A))));
        return;
    }
    TRegion Shape(Revealed(A, WidthOf(W), HeightOf(W)));
    if (W.Region) Shape.Intersect(*W.Region);
    Backend->WindowShapeChanged(W.Handle, &Shape);
}

// Ends the window's animation at its last frame: a hiding window is hidden,
// and the desktop gets the window's own shape and full opacity back.
void Finish(HWND Handle)
{
    TWindow* W = TWindowTable::Instance().FindOwn(Handle);
    if (!W || !W->Animation) return;
    KillTimer(Handle, AnimationTimerId);
    const bool Hide = (W->Animation->Flags & AW_HIDE) != 0;
    W->Animation.reset();
    if (Hide) ShowWindow(Handle, SW_HIDE);
    W = TWindowTable::Instance().FindOwn(Handle);
    if (!W) return;
    W->Dirty = true;
    if (TBackend* Backend = CurrentBackend())
    {
        Backend->WindowShapeChanged(Handle, W->Region.get());
        Backend->WindowOpacityChanged(Handle, 255);
    }
}

void Step(HWND Handle, UINT, UINT_PTR, DWORD)
{
    TWindow* W = TWindowTable::Instance().FindOwn(Handle);
    if (!W || !W->Animation)
    {
        KillTimer(Handle, AnimationTimerId);
        return;
    }
    TWindowAnimation& A = *W->Animation;
    const TClock::TimeMs Now = CurrentClock()->Now();
    A.Progress =
        std::min(1.0, static_cast<double>(Now - A.Start) / static_cast<double>(A.Duration));
    if (A.Progress >= 1.0)
        Finish(Handle);
    else
        ApplyFrame(*W);
}

bool ValidFlags(DWORD Flags)
{
    const bool BothHorizontal = (Flags & AW_HOR_POSITIVE) && (Flags & AW_HOR_NEGATIVE);
    const bool BothVertical = (Flags & AW_VER_POSITIVE) && (Flags & AW_VER_NEGATIVE);
    const bool Directed = (Flags & (Directions | AW_CENTER | AW_BLEND)) != 0;
    return !BothHorizontal && !BothVertical && Directed;
}
} // namespace

std::optional<TSurface> AnimatedPicture(const TWindow& Window)
{
    if (!Window.Animation || !Slides(*Window.Animation) || !Window.BackBuffer) return std::nullopt;
    const TSurface& From = *Window.BackBuffer;
    const int W = From.Width(), H = From.Height();
    const TRect R = Revealed(*Window.Animation, W, H);
    // The picture moves with the edge it comes in by: its far edge shows
    // first.
    int DX = 0, DY = 0;
    if (Window.Animation->Flags & AW_HOR_POSITIVE) DX = R.Right - W;
    if (Window.Animation->Flags & AW_HOR_NEGATIVE) DX = R.Left;
    if (Window.Animation->Flags & AW_VER_POSITIVE) DY = R.Bottom - H;
    if (Window.Animation->Flags & AW_VER_NEGATIVE) DY = R.Top;
    TSurface Picture(W, H);
    for (int Y = std::max(0, DY); Y < std::min(H, H + DY); ++Y)
    {
        const int X0 = std::max(0, DX), X1 = std::min(W, W + DX);
        if (X1 > X0)
            std::memcpy(Picture.Row(Y) + X0, From.Row(Y - DY) + (X0 - DX),
                        static_cast<size_t>(X1 - X0) * sizeof(uint32_t));
    }
    return Picture;
}

BOOL AnimateWindow(HWND Handle, DWORD Time, DWORD Flags)
{
    TWindow* W = TWindowTable::Instance().FindOwn(Handle);
    if (!W)
    {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (!W->TopLevel || !ValidFlags(Flags))
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Finish(Handle);
    const bool Hide = (Flags & AW_HIDE) != 0;
    if (Hide != (IsWindowVisible(Handle) != FALSE)) return FALSE;

    W = TWindowTable::Instance().FindOwn(Handle);
    if (!W) return FALSE;
    W->Animation =
        TWindowAnimation{Flags, CurrentClock()->Now(), Time ? Time : AnimateWindowDefaultTime};
    // The first frame reaches the desktop before the window shows, and again
    // once it has an OS window of its own.
    ApplyFrame(*W);
    if (!Hide)
    {
        ShowWindow(Handle, (Flags & AW_ACTIVATE) ? SW_SHOW : SW_SHOWNA);
        UpdateWindow(Handle);
        W = TWindowTable::Instance().FindOwn(Handle);
        if (!W || !W->Animation) return FALSE;
        ApplyFrame(*W);
    }
    SetTimer(Handle, AnimationTimerId, FramePeriod, Step);
    return TRUE;
}
