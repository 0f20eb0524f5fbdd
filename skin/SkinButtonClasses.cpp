#include "skin/SkinButtonClasses.h"

#include "framework/ClassRegistry.h"
#include "skin/SUIArrowButton.h"
#include "skin/SUIButton.h"
#include "skin/SUIControlButton.h"
#include "skin/SUIGroupBox.h"
#include "skin/SUIImageButton.h"
#include "skin/SUIImagePanel.h"
#include "skin/SUIPanel.h"
#include "skin/SUIStatusBar.h"

void RegisterSkinButtonClasses()
{
    RegisterClasses({&TsuiButton::StaticClass(), &TsuiImageButton::StaticClass(),
                     &TsuiArrowButton::StaticClass(), &TsuiControlButton::StaticClass(),
                     &TsuiImagePanel::StaticClass(), &TsuiPanel::StaticClass(),
                     &TsuiGroupBox::StaticClass(), &TsuiStatusBar::StaticClass()});
}
