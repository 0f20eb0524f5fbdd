#include "platform/win/Clipboard.h"

#include "platform/win/Backend.h"

namespace
{
struct TClipboard
{
    bool Open = false;
    std::string Text; // without a backend
};

TClipboard& Board()
{
    static TClipboard Instance;
    return Instance;
}

void Store(const std::string& Text)
{
    if (TBackend* Backend = CurrentBackend())
        Backend->SetClipboardText(Text);
    else
        Board().Text = Text;
}
} // namespace

BOOL OpenClipboard(HWND)
{
    if (Board().Open) return FALSE;
    Board().Open = true;
    return TRUE;
}

BOOL CloseClipboard()
{
    if (!Board().Open) return FALSE;
    Board().Open = false;
    return TRUE;
}

BOOL EmptyClipboard()
{
    if (!Board().Open) return FALSE;
    Store({});
    return TRUE;
}

BOOL IsClipboardFormatAvailable(UINT Format)
{
    return (Format == CF_TEXT || Format == CF_UNICODETEXT) && !GetClipboardText().empty();
}

BOOL SetClipboardText(const std::string& Text)
{
    if (!Board().Open) return FALSE;
    Store(Text);
    return TRUE;
}

std::string GetClipboardText()
{
    if (TBackend* Backend = CurrentBackend()) return Backend->ClipboardText();
    return Board().Text;
}
