#pragma once

// Registers the menu classes (TMenuItem, TMainMenu, TPopupMenu) by name, so
// form definitions can create them. Safe to call more than once.
void RegisterMenuClasses();
