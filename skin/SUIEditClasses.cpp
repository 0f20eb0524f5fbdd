#include "skin/SUIEditClasses.h"

#include "framework/ClassRegistry.h"
#include "skin/SUIComboBox.h"
#include "skin/SUIMaskEdit.h"
#include "skin/SUINumberEdit.h"
#include "skin/SUIPopupMenu.h"

void RegisterSkinEditClasses()
{
    RegisterClasses({&TsuiEdit::StaticClass(), &TsuiNumberEdit::StaticClass(),
                     &TsuiMaskEdit::StaticClass(), &TsuiComboBox::StaticClass(),
                     &TsuiDriveComboBox::StaticClass(), &TsuiFilterComboBox::StaticClass(),
                     &TsuiPopupMenu::StaticClass()});
}
