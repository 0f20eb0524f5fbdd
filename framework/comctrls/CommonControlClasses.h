#pragma once

// Registers the common control classes (TStatusBar, TToolBar, TToolButton)
// by name, so form definitions can create them. Safe to call more than
// once.
void RegisterCommonControlClasses();
