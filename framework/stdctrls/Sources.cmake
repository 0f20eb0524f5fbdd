# The standard controls: edits, list boxes, check list box, combo boxes.
set(NOVLA_FRAMEWORK_STDCTRLS
    stdctrls/Edit.cpp stdctrls/EditContextMenu.cpp stdctrls/MaskEdit.cpp stdctrls/ItemStrings.cpp stdctrls/ListBox.cpp stdctrls/CheckListBox.cpp
    stdctrls/ComboParts.cpp stdctrls/ComboBox.cpp stdctrls/DriveComboBox.cpp stdctrls/FilterComboBox.cpp
    stdctrls/CheckMark.cpp stdctrls/ButtonControl.cpp stdctrls/CheckBox.cpp stdctrls/RadioButton.cpp
    stdctrls/GroupButtons.cpp stdctrls/RadioGroup.cpp stdctrls/CheckGroup.cpp
    stdctrls/ScrollBar.cpp stdctrls/StandardControlClasses.cpp)
