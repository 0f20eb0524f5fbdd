#include "platform/win/WindowTree.h"

#include "detail/Desktop.h"
#include "detail/WindowTable.h"
#include "detail/WindowTree.h"
#include "platform/win/LastError.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowState.h"

#include <algorithm>

namespace
{
HWND HandleOf(const TWindow* Window)
{
    return Window ? Window->Handle : nullptr;
}

bool EnumTree(const std::vector<TWindow*>& List, WNDENUMPROC Proc, LPARAM Param)
{
    // Copy: the callback may change the tree.
    std::vector<HWND> Handles;
    for (TWindow* W : List)
        Handles.push_back(W->Handle);
    for (HWND Handle : Handles)
    {
        TWindow* W = TWindowTable::Instance().FindOwn(Handle);
        if (!W) continue;
        if (!Proc(Handle, Param)) return false;
        if ((W = TWindowTable::Instance().FindOwn(Handle)) && !EnumTree(W->Children, Proc, Param))
            return false;
    }
    return true;
}
} // namespace

TWindow* RootOf(TWindow* Window)
{
    while (Window && Window->Parent)
        Window = Window->Parent;
    return Window;
}

std::vector<TWindow*>* SiblingList(TWindow& Window)
{
    if (Window.Parent) return &Window.Parent->Children;
    if (Window.MessageOnly) return nullptr;
    return &TDesktop::Instance().TopLevel;
}

bool IsDescendant(const TWindow& Ancestor, const TWindow& Window)
{
    for (const TWindow* W = Window.Parent; W; W = W->Parent)
        if (W == &Ancestor) return true;
    return false;
}

void LinkWindow(TWindow& Window, TWindow* Parent, HWND InsertAfter)
{
    Window.Parent = Parent;
    Window.TopLevel = !Parent && !Window.MessageOnly;
    std::vector<TWindow*>* List = SiblingList(Window);
    if (!List) return;
    std::erase(*List, &Window);
    auto Position = List->begin();
    if (InsertAfter == HWND_BOTTOM)
    {
        Position = List->end();
    }
    else if (InsertAfter == HWND_TOP || InsertAfter == HWND_TOPMOST ||
             InsertAfter == HWND_NOTOPMOST)
    {
        // Ordinary top-level windows stay below topmost ones.
        if (!Parent && !(Window.ExStyle & WS_EX_TOPMOST))
            Position = std::find_if(List->begin(), List->end(),
                                    [](TWindow* W) { return !(W->ExStyle & WS_EX_TOPMOST); });
    }
    else
    {
        auto After = std::find_if(List->begin(), List->end(),
                                  [&](TWindow* W) { return W->Handle == InsertAfter; });
        Position = After == List->end() ? List->begin() : After + 1;
    }
    List->insert(Position, &Window);
}

void UnlinkWindow(TWindow& Window)
{
    if (std::vector<TWindow*>* List = SiblingList(Window)) std::erase(*List, &Window);
    Window.Parent = nullptr;
    Window.TopLevel = false;
}

HWND GetParent(HWND Handle)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window) return nullptr;
    if (Window->Style & WS_CHILD) return HandleOf(Window->Parent);
    return HandleOf(Window->Owner);
}

HWND SetParent(HWND Handle, HWND NewParent)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window) return nullptr;
    TWindow* Parent = nullptr;
    if (NewParent && !(Parent = OwnWindow(NewParent))) return nullptr;
    if (Parent && (Parent == Window || IsDescendant(*Window, *Parent)))
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HWND Old = HandleOf(Window->Parent);
    bool WasVisible = Window->Style & WS_VISIBLE;
    if (WasVisible) ShowWindow(Handle, SW_HIDE);
    // Keep the window's position relative to its (new) parent's client area.
    UnlinkWindow(*Window);
    Window->MessageOnly = false;
    LinkWindow(*Window, Parent, HWND_TOP);
    if (WasVisible) ShowWindow(Handle, SW_SHOWNA);
    return Old;
}

HWND GetAncestor(HWND Handle, UINT Flags)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window) return nullptr;
    switch (Flags)
    {
    case GA_PARENT:
        return HandleOf(Window->Parent);
    case GA_ROOT:
        return HandleOf(RootOf(Window));
    case GA_ROOTOWNER:
    {
        TWindow* W = RootOf(Window);
        while (W->Owner)
            W = RootOf(W->Owner);
        return W->Handle;
    }
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
}

HWND GetWindow(HWND Handle, UINT Command)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window) return nullptr;
    if (Command == GW_OWNER) return HandleOf(Window->Owner);
    if (Command == GW_CHILD)
        return Window->Children.empty() ? nullptr : Window->Children.front()->Handle;
    if (Command == GW_ENABLEDPOPUP)
    {
        for (TWindow* W : TDesktop::Instance().TopLevel)
            if (W->Owner == Window && (W->Style & WS_VISIBLE) && !(W->Style & WS_DISABLED))
                return W->Handle;
        return nullptr;
    }
    std::vector<TWindow*>* List = SiblingList(*Window);
    if (!List || List->empty()) return nullptr;
    auto It = std::find(List->begin(), List->end(), Window);
    switch (Command)
    {
    case GW_HWNDFIRST:
        return List->front()->Handle;
    case GW_HWNDLAST:
        return List->back()->Handle;
    case GW_HWNDNEXT:
        return It != List->end() && It + 1 != List->end() ? (*(It + 1))->Handle : nullptr;
    case GW_HWNDPREV:
        return It != List->begin() && It != List->end() ? (*(It - 1))->Handle : nullptr;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
}

HWND GetTopWindow(HWND Parent)
{
    if (!Parent)
    {
        auto& List = TDesktop::Instance().TopLevel;
        return List.empty() ? nullptr : List.front()->Handle;
    }
    return GetWindow(Parent, GW_CHILD);
}

BOOL IsChild(HWND ParentHandle, HWND Handle)
{
    TWindow* Parent = TWindowTable::Instance().FindOwn(ParentHandle);
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (!Parent || !Window) return FALSE;
    // Only through WS_CHILD links, as a popup is never a child.
    for (TWindow* W = Window; W->Parent && (W->Style & WS_CHILD); W = W->Parent)
        if (W->Parent == Parent) return TRUE;
    return FALSE;
}

HWND GetDlgItem(HWND ParentHandle, int Id)
{
    TWindow* Parent = OwnWindow(ParentHandle);
    if (!Parent) return nullptr;
    for (TWindow* Child : Parent->Children)
        if (Child->Id == Id) return Child->Handle;
    return nullptr;
}

int GetDlgCtrlID(HWND Handle)
{
    TWindow* Window = OwnWindow(Handle);
    return Window ? static_cast<int>(Window->Id) : 0;
}

BOOL EnumChildWindows(HWND ParentHandle, WNDENUMPROC Proc, LPARAM Param)
{
    TWindow* Parent = OwnWindow(ParentHandle);
    if (!Parent || !Proc) return FALSE;
    EnumTree(Parent->Children, Proc, Param);
    return TRUE;
}

BOOL EnumWindows(WNDENUMPROC Proc, LPARAM Param)
{
    if (!Proc) return FALSE;
    std::vector<HWND> Handles;
    for (TWindow* W : TDesktop::Instance().TopLevel)
        Handles.push_back(W->Handle);
    for (HWND Handle : Handles)
        if (IsWindow(Handle) && !Proc(Handle, Param)) break;
    return TRUE;
}
