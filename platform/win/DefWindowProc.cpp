#include "platform/win/AtomTable.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WindowApi.h"
#include "platform/win/WindowTable.h"

#include <algorithm>
#include <cstring>

LRESULT DefWindowProc(HWND Handle, UINT Message, WPARAM WParam, LPARAM LParam)
{
    TWindow* Window = TWindowTable::Instance().FindOwn(Handle);
    if (!Window) return 0;
    switch (Message)
    {
    case WM_NCCREATE:
    {
        auto* Create = reinterpret_cast<const CREATESTRUCT*>(LParam);
        if (Create && Create->lpszName && !IS_INTRESOURCE(Create->lpszName)) Window->Text = Create->lpszName;
        return TRUE;
    }
    case WM_SETTEXT:
        Window->Text = LParam ? reinterpret_cast<LPCSTR>(LParam) : "";
        return TRUE;
    case WM_GETTEXT:
    {
        if (!WParam || !LParam) return 0;
        auto* Buffer = reinterpret_cast<char*>(LParam);
        size_t Count = std::min(Window->Text.size(), static_cast<size_t>(WParam) - 1);
        std::memcpy(Buffer, Window->Text.data(), Count);
        Buffer[Count] = '\0';
        return static_cast<LRESULT>(Count);
    }
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(Window->Text.size());
    case WM_CLOSE: DestroyWindow(Handle); return 0;
    default: return 0;
    }
}
