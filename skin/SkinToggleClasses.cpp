#include "skin/SkinToggleClasses.h"

#include "framework/ClassRegistry.h"
#include "skin/SUICheckBox.h"
#include "skin/SUICheckGroup.h"
#include "skin/SUIProgressBar.h"
#include "skin/SUIRadioButton.h"
#include "skin/SUIRadioGroup.h"
#include "skin/SUITrackBar.h"

void RegisterSkinToggleClasses()
{
    RegisterClasses({&TsuiCheckBox::StaticClass(), &TsuiRadioButton::StaticClass(),
                     &TsuiCheckGroup::StaticClass(), &TsuiRadioGroup::StaticClass(),
                     &TsuiProgressBar::StaticClass(), &TsuiTrackBar::StaticClass()});
}
