#include "platform/win/FileDrop.h"

#include "platform/win/Input.h"
#include "platform/win/Messaging.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WindowData.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowTree.h"

void DragAcceptFiles(HWND Window, BOOL Accept)
{
    const LONG Style = GetWindowLong(Window, GWL_EXSTYLE);
    const LONG Wanted = Accept ? Style | static_cast<LONG>(WS_EX_ACCEPTFILES)
                               : Style & ~static_cast<LONG>(WS_EX_ACCEPTFILES);
    if (Wanted != Style) SetWindowLong(Window, GWL_EXSTYLE, Wanted);
}

BOOL DropFiles(POINT Screen, const std::vector<std::string>& Files)
{
    if (Files.empty()) return FALSE;
    HWND Target = WindowFromPoint(Screen);
    while (Target && !(GetWindowLong(Target, GWL_EXSTYLE) & WS_EX_ACCEPTFILES))
        Target = GetAncestor(Target, GA_PARENT);
    if (!Target) return FALSE;
    TDroppedFiles Drop;
    Drop.Point = Screen;
    ScreenToClient(Target, &Drop.Point);
    Drop.Files = Files;
    SendMessage(Target, WM_DROPFILES, 0, reinterpret_cast<LPARAM>(&Drop));
    return TRUE;
}
