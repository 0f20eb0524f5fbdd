#pragma once

// The clipboard, for text. The backend's clipboard is used when there is
// one (shared with other programs), else one inside the process.

#include "platform/win/WinTypes.h"

#include <string>

constexpr UINT CF_TEXT = 1;
constexpr UINT CF_UNICODETEXT = 13;

// Opens the clipboard for changing; FALSE while it is already open.
BOOL OpenClipboard(HWND Owner);
BOOL CloseClipboard();
// Clears it; the clipboard must be open.
BOOL EmptyClipboard();
// Text formats only: TRUE when there is text.
BOOL IsClipboardFormatAvailable(UINT Format);
// The text interface stands in for the classic memory-handle transfer:
// SetClipboardText replaces the contents (the clipboard must be open, as for
// the classic call) and GetClipboardText reads them (UTF-8).
BOOL SetClipboardText(const std::string& Text);
std::string GetClipboardText();
