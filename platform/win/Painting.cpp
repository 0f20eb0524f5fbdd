#include "platform/win/Painting.h"

#include "detail/Desktop.h"
#include "detail/Painting.h"
#include "detail/WindowDc.h"
#include "detail/WindowGeometry.h"
#include "detail/WindowTable.h"
#include "platform/win/LastError.h"
#include "platform/win/Messaging.h"
#include "platform/win/ThreadQueue.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowDc.h"

#include <vector>

namespace
{
int Width(const RECT& R)
{
    return R.right - R.left;
}
int Height(const RECT& R)
{
    return R.bottom - R.top;
}

TRect WholeWindow(const TWindow& W)
{
    return {0, 0, Width(W.WindowRect), Height(W.WindowRect)};
}

// Client rectangle in window coordinates.
TRect ClientInWindow(const TWindow& W)
{
    return ToTRect(W.ClientRect);
}

bool NeedsPaint(const TWindow& W)
{
    return !W.Update.IsEmpty() || W.InternalPaint || W.FrameNeeded;
}

void Validate(TWindow& Window, const TRegion& Region, UINT Flags)
{
    Window.Update.Subtract(Region);
    if (Window.Update.IsEmpty()) Window.EraseNeeded = false;
    if (!(Flags & RDW_NOFRAME) && !Window.Update.Overlaps(WholeWindow(Window)))
        Window.FrameNeeded = false;
    if (Flags & RDW_NOINTERNALPAINT) Window.InternalPaint = false;
    if (Flags & RDW_ALLCHILDREN)
        for (TWindow* Child : Window.Children)
        {
            TRegion Inner = Region;
            Inner.Offset(-(Window.ClientRect.left + Child->WindowRect.left),
                         -(Window.ClientRect.top + Child->WindowRect.top));
            Validate(*Child, Inner, Flags);
        }
}

// Region in window coordinates from a client rectangle or region.
TRegion ClientRegion(const TWindow& Window, const RECT* Rect, const TRegion* Region)
{
    TRegion Result;
    if (Region)
        Result = *Region;
    else if (Rect)
        Result = TRegion(ToTRect(*Rect));
    else
        Result = TRegion(TRect{0, 0, Width(Window.ClientRect), Height(Window.ClientRect)});
    Result.Offset(Window.ClientRect.left, Window.ClientRect.top);
    Result.IntersectRect(ClientInWindow(Window));
    return Result;
}

void PaintNow(HWND Handle, bool Children)
{
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (!Window || !IsShown(*Window)) return;
    if (NeedsPaint(*Window))
    {
        SendMessage(Handle, WM_PAINT, 0, 0);
        FinishPaintMessage(Handle);
    }
    if (!Children || !(Window = TWindowTable::Instance().FindOwn(Handle))) return;
    std::vector<HWND> Kids;
    for (TWindow* Child : Window->Children)
        Kids.push_back(Child->Handle);
    for (HWND Kid : Kids)
        PaintNow(Kid, true);
}

// RDW_ERASENOW without RDW_UPDATENOW: the frame and background that are due,
// and nothing more; the update region stays for the WM_PAINT to come.
void EraseNow(HWND Handle, bool Children)
{
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (!Window || !IsShown(*Window)) return;
    if (Window->FrameNeeded)
    {
        Window->FrameNeeded = false;
        SendMessage(Handle, WM_NCPAINT, 1, 0);
        if (!(Window = TWindowTable::Instance().FindOwn(Handle))) return;
    }
    if (Window->EraseNeeded)
    {
        Window->EraseNeeded = false;
        EraseUpdate(*Window);
        if (!(Window = TWindowTable::Instance().FindOwn(Handle))) return;
    }
    if (!Children) return;
    std::vector<HWND> Kids;
    for (TWindow* Child : Window->Children)
        Kids.push_back(Child->Handle);
    for (HWND Kid : Kids)
        EraseNow(Kid, true);
}

TWindow* FindNeedingPaint(const std::vector<TWindow*>& Windows, DWORD ThreadId)
{
    for (TWindow* W : Windows)
    {
        if (!(W->Style & WS_VISIBLE) || W->ThreadId != ThreadId) continue;
        if (NeedsPaint(*W)) return W;
        if (TWindow* Inner = FindNeedingPaint(W->Children, ThreadId)) return Inner;
    }
    return nullptr;
}
} // namespace

void InvalidateWindow(TWindow& Window, const TRegion& Region, UINT Flags)
{
    if (!IsShown(Window)) return;
    if (Flags & RDW_VALIDATE)
    {
        Validate(Window, Region, Flags);
        return;
    }
    if (!(Flags & (RDW_INVALIDATE | RDW_INTERNALPAINT))) return;
    if (Flags & RDW_INTERNALPAINT) Window.InternalPaint = true;
    if (!(Flags & RDW_INVALIDATE)) return;
    TRegion Area = Region;
    TRegion Client(ClientInWindow(Window));
    if (Flags & RDW_FRAME)
    {
        Area.IntersectRect(WholeWindow(Window));
        TRegion Frame = Area;
        Frame.Subtract(Client);
        if (!Frame.IsEmpty()) Window.FrameNeeded = true;
    }
    else
    {
        Area.Intersect(Client);
    }
    TRegion InClient = Area;
    InClient.Intersect(Client);
    if (!InClient.IsEmpty())
    {
        Window.Update.Union(InClient);
        if (Flags & RDW_ERASE) Window.EraseNeeded = true;
    }
    bool Children = (Flags & RDW_ALLCHILDREN) ||
                    (!(Flags & RDW_NOCHILDREN) && !(Window.Style & WS_CLIPCHILDREN));
    if (!Children) return;
    for (TWindow* Child : Window.Children)
    {
        if (!(Child->Style & WS_VISIBLE)) continue;
        TRegion Inner = InClient;
        Inner.Offset(-(Window.ClientRect.left + Child->WindowRect.left),
                     -(Window.ClientRect.top + Child->WindowRect.top));
        Inner.IntersectRect(WholeWindow(*Child));
        if (!Inner.IsEmpty()) InvalidateWindow(*Child, Inner, Flags | RDW_FRAME);
    }
}

bool TakePaintMessage(MSG& Out, const std::function<bool(const MSG&)>& Match)
{
    TWindow* Window = FindNeedingPaint(TDesktop::Instance().TopLevel, GetCurrentThreadId());
    if (!Window) return false;
    MSG Paint{Window->Handle, WM_PAINT, 0, 0, GetTickCount(), TDesktop::Instance().Cursor};
    if (!Match(Paint)) return false;
    Out = Paint;
    return true;
}

void FinishPaintMessage(HWND Handle)
{
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (!Window) return;
    // A frame that is still due is painted now, as the window will not get
    // another chance before its next change.
    if (Window->FrameNeeded)
    {
        Window->FrameNeeded = false;
        SendMessage(Handle, WM_NCPAINT, 1, 0);
        if (!(Window = TWindowTable::Instance().FindOwn(Handle))) return;
    }
    Window->Update = TRegion();
    Window->EraseNeeded = false;
    Window->InternalPaint = false;
}

BOOL InvalidateRect(HWND Handle, const RECT* Rect, BOOL Erase)
{
    if (!Handle)
    {
        for (TWindow* W : TDesktop::Instance().TopLevel)
            InvalidateWindow(*W, TRegion(WholeWindow(*W)),
                             RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        return TRUE;
    }
    return RedrawWindow(Handle, Rect, nullptr, RDW_INVALIDATE | (Erase ? RDW_ERASE : 0));
}

BOOL InvalidateRgn(HWND Handle, const TRegion* Region, BOOL Erase)
{
    return RedrawWindow(Handle, nullptr, Region, RDW_INVALIDATE | (Erase ? RDW_ERASE : 0));
}

BOOL ValidateRect(HWND Handle, const RECT* Rect)
{
    return RedrawWindow(Handle, Rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL ValidateRgn(HWND Handle, const TRegion* Region)
{
    return RedrawWindow(Handle, nullptr, Region, RDW_VALIDATE | RDW_NOCHILDREN);
}

BOOL RedrawWindow(HWND Handle, const RECT* Rect, const TRegion* Region, UINT Flags)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window) return FALSE;
    TRegion Area =
        (Rect || Region) ? ClientRegion(*Window, Rect, Region) : TRegion(WholeWindow(*Window));
    InvalidateWindow(*Window, Area, Flags);
    if (Flags & RDW_UPDATENOW)
        PaintNow(Handle, !(Flags & RDW_NOCHILDREN));
    else if (Flags & RDW_ERASENOW)
        EraseNow(Handle, !(Flags & RDW_NOCHILDREN));
    return TRUE;
}

BOOL UpdateWindow(HWND Handle)
{
    if (!OwnWindow(Handle)) return FALSE;
    PaintNow(Handle, true);
    return TRUE;
}

int GetUpdateRgn(HWND Handle, TRegion* Region, BOOL Erase)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window || !Region) return RGN_ERROR;
    if (Erase && Window->EraseNeeded)
    {
        HDC Dc = GetDC(Handle);
        Window->EraseNeeded = !SendMessage(Handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(Dc), 0);
        ReleaseDC(Handle, Dc);
        if (!(Window = OwnWindow(Handle))) return RGN_ERROR;
    }
    *Region = Window->Update;
    Region->Offset(-Window->ClientRect.left, -Window->ClientRect.top);
    return Region->Kind();
}

BOOL GetUpdateRect(HWND Handle, RECT* Rect, BOOL Erase)
{
    TRegion Update;
    if (GetUpdateRgn(Handle, &Update, Erase) == RGN_ERROR) return FALSE;
    TRect Box = Update.Box();
    if (Rect) *Rect = {Box.Left, Box.Top, Box.Right, Box.Bottom};
    return !Update.IsEmpty();
}
