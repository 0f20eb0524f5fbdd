#pragma once

#include "platform/win/WinTypes.h"

#include <string>
#include <vector>

// Files dropped on a window from another program, such as a file manager.
// WM_DROPFILES is sent (never posted) with LParam pointing to this; it is
// valid only during the call.
struct TDroppedFiles
{
    POINT Point{};                  // in the client coordinates of the window it is sent to
    std::vector<std::string> Files; // absolute paths, in the order dropped
};

// Lets Window take file drops (WS_EX_ACCEPTFILES), or not.
void DragAcceptFiles(HWND Window, BOOL Accept);

// Delivers Files dropped at a screen point: sends WM_DROPFILES to the window
// under the point, or to its nearest ancestor, that takes drops. FALSE when
// none does (nothing is sent), when the window under the point is disabled
// (a modal dialog is up), or when Files is empty.
BOOL DropFiles(POINT Screen, const std::vector<std::string>& Files);
