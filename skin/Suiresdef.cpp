#include "skin/Suiresdef.h"

namespace
{
const TStringResourceRegistration Minimize("SUI_TITLE_MENUITEM_MINIMIZE", "Mi&nimize");
const TStringResourceRegistration Maximize("SUI_TITLE_MENUITEM_MAXIMIZE", "Ma&ximize/Restore");
const TStringResourceRegistration Close("SUI_TITLE_MENUITEM_CLOSE", "&Close");
} // namespace

const TResourceString SUI_TITLE_MENUITEM_MINIMIZE{"SUI_TITLE_MENUITEM_MINIMIZE"};
const TResourceString SUI_TITLE_MENUITEM_MAXIMIZE{"SUI_TITLE_MENUITEM_MAXIMIZE"};
const TResourceString SUI_TITLE_MENUITEM_CLOSE{"SUI_TITLE_MENUITEM_CLOSE"};
