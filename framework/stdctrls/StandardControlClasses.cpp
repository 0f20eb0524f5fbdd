#include "framework/stdctrls/StandardControlClasses.h"

#include "framework/ClassRegistry.h"
#include "framework/stdctrls/CheckBox.h"
#include "framework/stdctrls/CheckGroup.h"
#include "framework/stdctrls/CheckListBox.h"
#include "framework/stdctrls/ComboBox.h"
#include "framework/stdctrls/DriveComboBox.h"
#include "framework/stdctrls/FilterComboBox.h"
#include "framework/stdctrls/MaskEdit.h"
#include "framework/stdctrls/RadioButton.h"
#include "framework/stdctrls/RadioGroup.h"
#include "framework/stdctrls/ScrollBar.h"

void RegisterStandardControlClasses()
{
    RegisterClasses(
        {&TEdit::StaticClass(), &TMaskEdit::StaticClass(), &TListBox::StaticClass(),
         &TCheckListBox::StaticClass(), &TComboBox::StaticClass(), &TDriveComboBox::StaticClass(),
         &TFilterComboBox::StaticClass(), &TCheckBox::StaticClass(), &TRadioButton::StaticClass(),
         &TRadioGroup::StaticClass(), &TCheckGroup::StaticClass(), &TScrollBar::StaticClass()});
}
