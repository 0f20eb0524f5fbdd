#include "framework/stdctrls/StandardControlClasses.h"

#include "framework/ClassRegistry.h"
#include "framework/stdctrls/CheckListBox.h"
#include "framework/stdctrls/ComboBox.h"
#include "framework/stdctrls/DriveComboBox.h"
#include "framework/stdctrls/FilterComboBox.h"
#include "framework/stdctrls/MaskEdit.h"
#include "framework/stdctrls/ScrollBar.h"

void RegisterStandardControlClasses()
{
    RegisterClasses({&TEdit::StaticClass(), &TMaskEdit::StaticClass(), &TListBox::StaticClass(),
                     &TCheckListBox::StaticClass(), &TComboBox::StaticClass(),
                     &TDriveComboBox::StaticClass(), &TFilterComboBox::StaticClass(),
                     &TScrollBar::StaticClass()});
}
