#pragma once

// Registers the standard control classes (TEdit, TMaskEdit, TListBox,
// TCheckListBox, TComboBox) by name, so form definitions can create them.
// Safe to call more than once.
void RegisterStandardControlClasses();
