#pragma once

#include "framework/ResourceTable.h"

// Texts of the skinned controls, kept in the program's string resources
// under their own names.

// "Mi&nimize", "Ma&ximize/Restore", "&Close": the title bar's control-box
// menu.
extern const TResourceString SUI_TITLE_MENUITEM_MINIMIZE;
extern const TResourceString SUI_TITLE_MENUITEM_MAXIMIZE;
extern const TResourceString SUI_TITLE_MENUITEM_CLOSE;
