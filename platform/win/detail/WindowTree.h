#pragma once

// Tree bookkeeping shared by the window system's own sources.

#include "detail/Window.h"

#include <vector>

TWindow* RootOf(TWindow* Window);
// The z-ordered list Window belongs in: its parent's children, or the
// desktop's top-level windows (empty for message-only windows).
std::vector<TWindow*>* SiblingList(TWindow& Window);
// Inserts Window into Parent's children (null: the desktop) after
// InsertAfter, which is a sibling, HWND_TOP or HWND_BOTTOM.
void LinkWindow(TWindow& Window, TWindow* Parent, HWND InsertAfter);
void UnlinkWindow(TWindow& Window);
bool IsDescendant(const TWindow& Ancestor, const TWindow& Window);
