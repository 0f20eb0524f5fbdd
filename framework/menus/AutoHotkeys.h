#pragma once

#include <string>
#include <vector>

class TMenu;
class TMenuItem;

// How a menu marks the accelerator letters of its items.
enum TMenuAutoFlag
{
    // Items without an "&" get one before the first letter or digit that no
    // item of the same level uses yet.
    maAutomatic,
    // Captions are shown as they are.
    maManual
};

// The captions Parent's sub-items show, in order: their own, with an
// accelerator added to those without one when Menu assigns them
// automatically. Separators and items whose every letter is taken keep
// their captions. Null Menu or Parent: the captions as they are (none for
// a null Parent).
std::vector<std::string> MenuShownCaptions(const TMenu* Menu, const TMenuItem* Parent);
// The caption Item shows in its level of its menu.
std::string MenuShownCaption(const TMenuItem* Item);
