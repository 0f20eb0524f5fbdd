#include "skin/SkinBarClasses.h"

#include "framework/ClassRegistry.h"
#include "framework/comctrls/CommonControlClasses.h"
#include "skin/SUIPopupForm.h"
#include "skin/SUISideChannel.h"
#include "skin/SUITabControl.h"
#include "skin/SUIToolBar.h"

void RegisterSkinBarClasses()
{
    RegisterCommonControlClasses();
    RegisterClasses({&TsuiTabControl::StaticClass(), &TsuiPageControl::StaticClass(),
                     &TsuiPopupForm::StaticClass(), &TsuiToolBar::StaticClass(),
                     &TsuiSideChannel::StaticClass()});
}
