#include "skin/SkinScrollClasses.h"

#include "framework/ClassRegistry.h"
#include "skin/SUIListBox.h"
#include "skin/SUIScrollBar.h"

void RegisterSkinScrollClasses()
{
    RegisterClasses({&TsuiScrollBar::StaticClass(), &TsuiListBox::StaticClass(),
                     &TsuiCheckListBox::StaticClass()});
}
