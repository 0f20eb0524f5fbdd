#include "framework/menus/MenuLoop.h"

#include "framework/controls/ControlTypes.h"
#include "platform/win/WinApi.h"

#include <cctype>

namespace
{
TMenuLoop* CurrentLoop = nullptr;

bool IsMouseMessage(UINT Message)
{
    return (Message >= WM_MOUSEFIRST && Message <= WM_MOUSELAST) ||
           (Message >= WM_NCMOUSEMOVE && Message <= WM_NCMBUTTONDBLCLK);
}

// Client-area and non-client mouse messages alike, as client ones.
UINT ClientMessage(UINT Message)
{
    if (Message >= WM_NCMOUSEMOVE && Message <= WM_NCMBUTTONDBLCLK)
        return Message - WM_NCMOUSEMOVE + WM_MOUSEMOVE;
    return Message;
}
} // namespace

TMenuLoop::TMenuLoop(TMenu* Menu, HWND Owner) : FMenu(Menu), FOwner(Owner) {}

TMenuLoop::~TMenuLoop()
{
    FLevels.clear();
}

TMenuLoop* TMenuLoop::Current()
{
    return CurrentLoop;
}

void TMenuLoop::Cancel()
{
    FDone = true;
    FChosen = nullptr;
}

void TMenuLoop::MenuDestroyed(TMenu* Menu)
{
    for (TMenuLoop* Loop = CurrentLoop; Loop; Loop = Loop->FOuter)
        if (Loop->FMenu == Menu)
        {
            Loop->Cancel();
            Loop->FMenu = nullptr;
            Loop->FLevels.clear();
        }
}

void TMenuLoop::ItemDestroyed(TMenuItem* Item)
{
    TMenu* Menu = Item->GetParentMenu();
    if (!Menu) return;
    for (TMenuLoop* Loop = CurrentLoop; Loop; Loop = Loop->FOuter)
        if (Loop->FMenu == Menu)
        {
            Loop->Cancel();
            Loop->FLevels.clear();
        }
}

TMenuItem* TMenuLoop::Run(TMenuItem* Root, TPoint At, TPopupAlignment Alignment, bool SelectFirst)
{
    if (!Root || !FMenu) return nullptr;
    bool AnyShown = false;
    for (int I = 0; I < Root->Count(); ++I)
        AnyShown = AnyShown || Root->Items(I)->Visible();
    if (!AnyShown) return nullptr;

    FDone = false;
    FChosen = nullptr;
    FSwitch = 0;
    FOuter = CurrentLoop;
    CurrentLoop = this;
    FActiveWindow = GetActiveWindow();
    if (FOwner) SendMessage(FOwner, WM_ENTERMENULOOP, TRUE, 0);

    auto First = std::make_unique<TMenuWindow>(FMenu, Root, FOwner);
    TSize Size = First->Size();
    if (Alignment == paRight)
        At.X -= Size.Width;
    else if (Alignment == paCenter)
        At.X -= Size.Width / 2;
    First->Show(FitOnScreen(At, Size));
    if (SelectFirst) First->Select(First->NextSelectable(-1, 1));
    HWND Capture = First->Handle();
    FLevels.push_back(std::move(First));
    SetCapture(Capture);

    MSG Msg;
    bool IdleSent = false;
    while (!FDone)
    {
        // Once the queue runs dry the owner hears that the menu is idle
        // (once, not again until a message came).
        if (!IdleSent && FOwner && !PeekMessage(&Msg, nullptr, 0, 0, PM_NOREMOVE))
        {
            IdleSent = true;
            SendMessage(FOwner, WM_ENTERIDLE, MSGF_MENU, reinterpret_cast<LPARAM>(Capture));
            continue;
        }
        IdleSent = false;
        if (!GetMessage(&Msg, nullptr, 0, 0))
        {
            // The outer loop must see the quit request too.
            PostQuitMessage(static_cast<int>(Msg.wParam));
            Cancel();
            break;
        }
        Handle(Msg);
        if (!FDone && (GetCapture() != Capture || GetActiveWindow() != FActiveWindow)) Cancel();
    }

    if (GetCapture() == Capture) ReleaseCapture();
    FLevels.clear();
    CurrentLoop = FOuter;
    if (FOwner && IsWindow(FOwner)) SendMessage(FOwner, WM_EXITMENULOOP, TRUE, 0);
    return FChosen;
}

void TMenuLoop::Handle(MSG& Msg)
{
    switch (Msg.message)
    {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        TranslateMessage(&Msg);
        KeyDown(static_cast<UINT>(Msg.wParam));
        return;
    case WM_CHAR:
    case WM_SYSCHAR:
        CharInput(static_cast<char>(Msg.wParam));
        return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        return;
    default:
        break;
    }
    if (IsMouseMessage(Msg.message))
    {
        DWORD Pos = GetMessagePos();
        MouseInput(ClientMessage(Msg.message),
                   {static_cast<short>(LOWORD(Pos)), static_cast<short>(HIWORD(Pos))});
        return;
    }
    DispatchMessage(&Msg);
}

int TMenuLoop::LevelAt(TPoint Screen) const
{
    for (int L = LevelCount() - 1; L >= 0; --L)
        if (Level(L)->ScreenRect().Contains(Screen.X, Screen.Y)) return L;
    return -1;
}

void TMenuLoop::MouseInput(UINT Message, TPoint Screen)
{
    int L = LevelAt(Screen);
    int Index = L >= 0 ? Level(L)->ItemAt(Screen) : -1;
    switch (Message)
    {
    case WM_MOUSEMOVE:
        if (L >= 0)
            Hover(L, Index);
        else if (OverOtherEntry && OverOtherEntry(Screen))
        {
            FSwitch = 2;
            FSwitchPoint = Screen;
            Cancel();
        }
        else
        {
            // Off the menus the deepest menu loses its highlight, unless it
            // leads to an open sub-menu (then it is not the deepest).
            Level(LevelCount() - 1)->Select(-1);
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        // A press outside is swallowed, so the control that opened the
        // menu does not open it again.
        if (L < 0)
            Cancel();
        else
            Hover(L, Index);
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (L >= 0 && Index >= 0)
        {
            TMenuItem* Item = Level(L)->ParentItem()->Items(Index);
            if (Item->Selectable() && Item->Count() == 0) Choose(Item);
        }
        break;
    default:
        break;
    }
}

void TMenuLoop::Hover(int L, int Index)
{
    TMenuWindow* W = Level(L);
    TMenuItem* Item = Index >= 0 ? W->ParentItem()->Items(Index) : nullptr;
    bool KeepSub = Item && L + 1 < LevelCount() && Level(L + 1)->ParentItem() == Item;
    if (!KeepSub) CloseLevelsAbove(L);
    W->Select(Index);
    if (KeepSub)
        Level(L + 1)->Select(-1);
    else if (Item && Item->Selectable() && Item->Count() > 0)
        OpenSubMenu(L, Index, false);
}

void TMenuLoop::OpenSubMenu(int L, int Index, bool SelectFirst)
{
    TMenuItem* Item = Level(L)->ParentItem()->Items(Index);
    bool AnyShown = false;
    for (int I = 0; I < Item->Count(); ++I)
        AnyShown = AnyShown || Item->Items(I)->Visible();
    if (!AnyShown) return;
    CloseLevelsAbove(L);
    Level(L)->Select(Index);
    auto Sub = std::make_unique<TMenuWindow>(FMenu, Item, FOwner);
    TRect R = Level(L)->ItemScreenRect(Index);
    TRect Parent = Level(L)->ScreenRect();
    TSize Size = Sub->Size();
    TPoint At{Parent.Right - TMenuWindow::FrameWidth, R.Top - TMenuWindow::FrameWidth};
    // Opens to the left when there is no room to the right.
    if (At.X + Size.Width > GetSystemMetrics(SM_CXSCREEN))
        At.X = Parent.Left + TMenuWindow::FrameWidth - Size.Width;
    Sub->Show(FitOnScreen(At, Size));
    if (SelectFirst) Sub->Select(Sub->NextSelectable(-1, 1));
    FLevels.push_back(std::move(Sub));
}

void TMenuLoop::CloseLevelsAbove(int L)
{
    while (LevelCount() > L + 1)
        FLevels.pop_back();
}

void TMenuLoop::Choose(TMenuItem* Item)
{
    FChosen = Item;
    FDone = true;
}

void TMenuLoop::KeyDown(UINT Key)
{
    TMenuWindow* W = Level(LevelCount() - 1);
    int Sel = W->Selected();
    TMenuItem* Item = Sel >= 0 ? W->ParentItem()->Items(Sel) : nullptr;
    switch (Key)
    {
    case VK_DOWN:
        W->Select(W->NextSelectable(Sel, 1));
        break;
    case VK_UP:
        W->Select(W->NextSelectable(Sel, -1));
        break;
    case VK_HOME:
        W->Select(W->NextSelectable(-1, 1));
        break;
    case VK_END:
        W->Select(W->NextSelectable(-1, -1));
        break;
    case VK_RIGHT:
        if (Item && Item->Selectable() && Item->Count() > 0)
            OpenSubMenu(LevelCount() - 1, Sel, true);
        else if (OverOtherEntry)
        {
            FSwitch = 1;
            Cancel();
        }
        break;
    case VK_LEFT:
        if (LevelCount() > 1)
            FLevels.pop_back();
        else if (OverOtherEntry)
        {
            FSwitch = -1;
            Cancel();
        }
        break;
    case VK_ESCAPE:
        if (LevelCount() > 1)
            FLevels.pop_back();
        else
            Cancel();
        break;
    case VK_RETURN:
        if (!Item) break;
        if (Item->Count() > 0)
            OpenSubMenu(LevelCount() - 1, Sel, true);
        else
            Choose(Item);
        break;
    case VK_MENU:
        Cancel();
        break;
    default:
        break;
    }
}

void TMenuLoop::CharInput(char Char)
{
    TMenuWindow* W = Level(LevelCount() - 1);
    TMenuItem* Parent = W->ParentItem();
    const std::vector<std::string> Captions = MenuShownCaptions(FMenu, Parent);
    std::vector<int> Matches;
    for (int I = 0; I < Parent->Count(); ++I)
        if (Parent->Items(I)->Selectable() &&
            IsAccel(static_cast<unsigned char>(Char), Captions[static_cast<size_t>(I)]))
            Matches.push_back(I);
    if (Matches.empty()) return;
    if (Matches.size() > 1)
    {
        // Several items share the letter: each press moves to the next one.
        int Next = Matches.front();
        for (int I : Matches)
            if (I > W->Selected())
            {
                Next = I;
                break;
            }
        W->Select(Next);
        return;
    }
    TMenuItem* Item = Parent->Items(Matches.front());
    if (Item->Count() > 0)
        OpenSubMenu(LevelCount() - 1, Matches.front(), true);
    else
        Choose(Item);
}

TPoint TMenuLoop::FitOnScreen(TPoint At, TSize Size) const
{
    int W = GetSystemMetrics(SM_CXSCREEN);
    int H = GetSystemMetrics(SM_CYSCREEN);
    if (At.X + Size.Width > W) At.X = W - Size.Width;
    // A menu that does not fit below the point opens upwards from it.
    if (At.Y + Size.Height > H) At.Y = std::max(0, At.Y - Size.Height);
    if (At.X < 0) At.X = 0;
    if (At.Y < 0) At.Y = 0;
    return At;
}
