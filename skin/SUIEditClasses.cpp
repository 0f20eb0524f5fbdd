#include "skin/SUIEditClasses.h"

#include "framework/ClassRegistry.h"
#include "skin/SUIComboBox.h"
#include "skin/SUINumberEdit.h"

void RegisterSkinEditClasses()
{
    RegisterClasses({&TsuiEdit::StaticClass(), &TsuiNumberEdit::StaticClass(),
                     &TsuiComboBox::StaticClass(), &TsuiDriveComboBox::StaticClass(),
                     &TsuiFilterComboBox::StaticClass()});
}
