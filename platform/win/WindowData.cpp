#include "platform/win/WindowData.h"

#include "detail/WindowTable.h"
#include "platform/win/LastError.h"
#include "platform/win/Messaging.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WindowApi.h"

#include <cstring>
#include <utility>

struct STYLESTRUCT
{
    DWORD styleOld;
    DWORD styleNew;
};

namespace
{
bool ExtraRange(const TWindow& Window, int Index)
{
    return Index >= 0 && static_cast<size_t>(Index) + sizeof(LONG_PTR) <= Window.Extra.size();
}

LONG_PTR SetStyleWord(HWND Handle, int Which, DWORD Value)
{
    TWindow* Window = OwnWindow(Handle);
    DWORD Old = Which == GWL_STYLE ? Window->Style : Window->ExStyle;
    STYLESTRUCT Change{Old, Value};
    SendMessage(Handle, WM_STYLECHANGING, static_cast<WPARAM>(Which),
                reinterpret_cast<LPARAM>(&Change));
    if (!(Window = TWindowTable::Instance().FindOwn(Handle))) return 0;
    (Which == GWL_STYLE ? Window->Style : Window->ExStyle) = Change.styleNew;
    Change.styleOld = Old;
    SendMessage(Handle, WM_STYLECHANGED, static_cast<WPARAM>(Which),
                reinterpret_cast<LPARAM>(&Change));
    return static_cast<LONG_PTR>(Old);
}
} // namespace

LONG_PTR GetWindowLongPtr(HWND Handle, int Index)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window) return 0;
    switch (Index)
    {
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(Window->WndProc);
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(Window->Instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(Window->Parent
                                              ? Window->Parent->Handle
                                              : (Window->Owner ? Window->Owner->Handle : nullptr));
    case GWLP_ID:
        return Window->Id;
    case GWL_STYLE:
        return static_cast<LONG_PTR>(Window->Style);
    case GWL_EXSTYLE:
        return static_cast<LONG_PTR>(Window->ExStyle);
    case GWLP_USERDATA:
        return Window->UserData;
    default:
        if (!ExtraRange(*Window, Index))
        {
            SetLastError(ERROR_INVALID_INDEX);
            return 0;
        }
        LONG_PTR Value;
        std::memcpy(&Value, Window->Extra.data() + Index, sizeof Value);
        return Value;
    }
}

LONG_PTR SetWindowLongPtr(HWND Handle, int Index, LONG_PTR Value)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window) return 0;
    SetLastError(ERROR_SUCCESS);
    switch (Index)
    {
    case GWLP_WNDPROC:
    {
        if (!Value)
        {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        auto Old = Window->WndProc;
        Window->WndProc = reinterpret_cast<WNDPROC>(Value);
        return reinterpret_cast<LONG_PTR>(Old);
    }
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(
            std::exchange(Window->Instance, reinterpret_cast<HINSTANCE>(Value)));
    case GWLP_HWNDPARENT:
    {
        // For a top-level window this word is its owner.
        if (Window->Parent)
        {
            SetLastError(ERROR_INVALID_PARAMETER);
            return 0;
        }
        TWindow* NewOwner = nullptr;
        if (Value && !(NewOwner = OwnWindow(reinterpret_cast<HWND>(Value)))) return 0;
        TWindow* Old = std::exchange(Window->Owner, NewOwner);
        return reinterpret_cast<LONG_PTR>(Old ? Old->Handle : nullptr);
    }
    case GWLP_ID:
        return std::exchange(Window->Id, Value);
    case GWL_STYLE:
    case GWL_EXSTYLE:
        return SetStyleWord(Handle, Index, static_cast<DWORD>(Value));
    case GWLP_USERDATA:
        return std::exchange(Window->UserData, Value);
    default:
    {
        if (!ExtraRange(*Window, Index))
        {
            SetLastError(ERROR_INVALID_INDEX);
            return 0;
        }
        LONG_PTR Old;
        std::memcpy(&Old, Window->Extra.data() + Index, sizeof Old);
        std::memcpy(Window->Extra.data() + Index, &Value, sizeof Value);
        return Old;
    }
    }
}

LONG GetWindowLong(HWND Window, int Index)
{
    return static_cast<LONG>(GetWindowLongPtr(Window, Index));
}

LONG SetWindowLong(HWND Window, int Index, LONG Value)
{
    // Style words are DWORDs: do not sign-extend them into the pointer-wide call.
    LONG_PTR Wide = (Index == GWL_STYLE || Index == GWL_EXSTYLE)
                        ? static_cast<LONG_PTR>(static_cast<DWORD>(Value))
                        : static_cast<LONG_PTR>(Value);
    return static_cast<LONG>(SetWindowLongPtr(Window, Index, Wide));
}

LRESULT CallWindowProc(WNDPROC Proc, HWND Window, UINT Message, WPARAM WParam, LPARAM LParam)
{
    return Proc ? Proc(Window, Message, WParam, LParam) : 0;
}

BOOL SetWindowText(HWND Window, LPCSTR Text)
{
    if (!OwnWindow(Window)) return FALSE;
    return SendMessage(Window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Text)) ? TRUE : FALSE;
}

int GetWindowText(HWND Window, LPSTR Buffer, int MaxCount)
{
    if (!OwnWindow(Window) || !Buffer || MaxCount <= 0) return 0;
    return static_cast<int>(SendMessage(Window, WM_GETTEXT, static_cast<WPARAM>(MaxCount),
                                        reinterpret_cast<LPARAM>(Buffer)));
}

int GetWindowTextLength(HWND Window)
{
    if (!OwnWindow(Window)) return 0;
    return static_cast<int>(SendMessage(Window, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetProp(HWND Handle, LPCSTR Name, void* Data)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window || !Name) return FALSE;
    Window->Props[Name] = Data;
    return TRUE;
}

void* GetProp(HWND Handle, LPCSTR Name)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window || !Name) return nullptr;
    auto It = Window->Props.find(Name);
    return It == Window->Props.end() ? nullptr : It->second;
}

void* RemoveProp(HWND Handle, LPCSTR Name)
{
    TWindow* Window = OwnWindow(Handle);
    if (!Window || !Name) return nullptr;
    auto It = Window->Props.find(Name);
    if (It == Window->Props.end()) return nullptr;
    void* Data = It->second;
    Window->Props.erase(It);
    return Data;
}
