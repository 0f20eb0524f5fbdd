#pragma once

#include "framework/StringList.h"
#include "framework/controls/CustomControl.h"

#include <memory>

// Asked before the selected tab changes at the user's request; clearing
// AllowChange keeps the old tab.
using TTabChangingEvent = TEvent<TObject*, bool&>;

// A row of tabs along the top of a framed body. The user picks a tab with a
// click, with the arrow keys (Home and End: first and last) while the control
// has the focus, and with Ctrl+Tab / Ctrl+Shift+Tab (wrapping around) while
// the focus is anywhere inside it. A user's change runs OnChanging, which may
// refuse it, then OnChange; setting TabIndex from code runs neither. Tabs
// that do not fit the width are cut off at the right edge.
class TCustomTabControl : public TCustomControl
{
  public:
    explicit TCustomTabControl(TComponent* AOwner);
    ~TCustomTabControl() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    // The selected tab, -1 for none.
    int TabIndex() const { return FTabIndex; }
    void SetTabIndex(int Value);
    // Height of a tab; 0 sizes tabs to the font.
    int TabHeight() const { return FTabHeight; }
    void SetTabHeight(int Value);
    // Width of every tab; 0 sizes each tab to its caption.
    int TabWidth() const { return FTabWidth; }
    void SetTabWidth(int Value);

    int TabCount() const { return FTabList->Count(); }
    // The tab's rectangle in client coordinates, as drawn when not selected
    // (the selected tab stands out by SelectedGrow around it).
    TRect TabRect(int Index) const;
    // The tab under a client point, or -1.
    int IndexOfTabAt(int X, int Y) const;
    // Where the tabs end and the body begins.
    int TabsBottom() const;
    // The body under the tabs, and the area inside its frame.
    TRect BodyRect() const;
    TRect DisplayRect() const;

    static constexpr int SelectedGrow = 2;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

  protected:
    TStrings* TabList() const { return FTabList.get(); }
    void SetTabList(const TStrings* Value) { FTabList->Assign(Value); }

    // The user asks for tab Index: OnChanging may refuse it; true when the
    // tab is now selected.
    bool SelectTabByUser(int Index);
    virtual bool CanChange();
    virtual void Change();
    virtual void TabsChanged();

    void Paint() override;
    // The whole picture: background, body, the other tabs, the selected tab
    // and the focus cue, onto C.
    void PaintTo(TCanvas* C);
    virtual void DrawBackground(TCanvas* C, const TRect& Client);
    virtual void DrawBody(TCanvas* C, const TRect& Body);
    virtual void DrawTab(TCanvas* C, int Index, const TRect& R, bool Selected);
    TRect SelectedTabRect(int Index) const;

    bool DoKeyDown(TMessage& M) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void AlignControls(TRect& Rect) override;
    void BoundsChanged() override;
    void Loaded() override;

    void WMGetDlgCode(TMessage& M);
    void CMDialogKey(TMessage& M);
    void CMFontChanged(TMessage& M);
    void WMSetFocusTabs(TMessage& M);
    void WMKillFocusTabs(TMessage& M);

  private:
    int TextHeight() const;

    std::unique_ptr<TStringList> FTabList;
    int FTabIndex = -1;
    int FTabHeight = 0;
    int FTabWidth = 0;
};

// The tab control with its tabs as a published string list.
class TTabControl : public TCustomTabControl
{
  public:
    explicit TTabControl(TComponent* AOwner) : TCustomTabControl(AOwner) {}

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TStrings* Tabs() const { return TabList(); }
    void SetTabs(const TStrings* Value) { SetTabList(Value); }
};
