#include "skin/SUIEditClasses.h"

#include "framework/ClassRegistry.h"
#include "skin/SUIComboBox.h"
#include "skin/SUIMaskEdit.h"
#include "skin/SUINumberEdit.h"
#include "skin/SUIPopupMenu.h"
#include "skin/SUISpinEdit.h"

void RegisterSkinEditClasses()
{
    RegisterClasses({&TsuiEdit::StaticClass(), &TsuiNumberEdit::StaticClass(),
                     &TsuiMaskEdit::StaticClass(), &TsuiSpinEdit::StaticClass(),
                     &TsuiSpinButtons::StaticClass(), &TsuiComboBox::StaticClass(),
                     &TsuiDriveComboBox::StaticClass(), &TsuiFilterComboBox::StaticClass(),
                     &TsuiPopupMenu::StaticClass()});
}
