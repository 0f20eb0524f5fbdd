#pragma once

#include "framework/menus/MenuItem.h"
#include "platform/gfx/Geometry.h"
#include "platform/win/WinPaint.h"
#include "platform/win/WinTypes.h"

#include <memory>
#include <string>
#include <vector>

class TMenu;

class TFont;

// The popup window showing the sub-items of one menu item: it lays them out
// (measuring owner-drawn ones through OnMeasureItem), paints them (drawing
// owner-drawn ones through OnDrawItem) and answers where an item is. The
// menu loop owns these windows and keeps the selection in them.
class TMenuWindow
{
  public:
    // Width of the frame around the items.
    static constexpr int FrameWidth = 3;

    TMenuWindow(TMenu* Menu, TMenuItem* Parent, HWND Owner);
    ~TMenuWindow();
    TMenuWindow(const TMenuWindow&) = delete;
    TMenuWindow& operator=(const TMenuWindow&) = delete;

    // Shows the window at the screen rectangle's top-left corner.
    void Show(TPoint At);
    HWND Handle() const { return FHandle; }
    TMenuItem* ParentItem() const { return FParent; }
    TSize Size() const { return FSize; }
    TRect ScreenRect() const;

    // Index of the sub-item of ParentItem under a screen point, or -1
    // (frame, hidden items, outside).
    int ItemAt(TPoint Screen) const;
    // An item's rectangle in client coordinates (empty for a hidden item).
    TRect ItemRect(int Index) const { return FRects.at(static_cast<size_t>(Index)); }
    TRect ItemScreenRect(int Index) const;

    int Selected() const { return FSelected; }
    // Highlights Index when it is selectable; anything else clears it.
    void Select(int Index);
    // The next selectable item from From in steps of Step (+1 / -1),
    // wrapping around; From -1 starts before the first item (Step +1) or
    // after the last (Step -1). -1 when none is selectable.
    int NextSelectable(int From, int Step) const;

  private:
    static LRESULT WindowProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam);
    void Layout();
    void Paint(HDC Dc, const TRect& Area);
    void DrawItemDefault(TCanvas* Canvas, TMenuItem* Item, const std::string& Caption,
                         const TRect& R);

    TMenu* FMenu;
    TMenuItem* FParent;
    HWND FHandle = nullptr;
    TSize FSize{};
    std::vector<TRect> FRects;
    // What each item shows (its caption, with an automatic accelerator).
    std::vector<std::string> FCaptions;
    int FSelected = -1;
    std::unique_ptr<TFont> FFont;
};
