#pragma once

#include "framework/comctrls/StatusPanel.h"
#include "framework/controls/CustomControl.h"

#include <memory>

class TCustomStatusBar;
using TDrawPanelEvent = TEvent<TCustomStatusBar*, TStatusPanel*, const TRect&>;

// A bar along the bottom of a form showing panels of text side by side,
// or one simple text across the whole bar. Panel edges lie at the running
// sums of the panels' widths; the last panel reaches the right end. On a
// resizable form whose client corner the bar occupies, a size grip in the
// bottom-right corner answers the hit test as the form's corner and resizes
// the form when dragged.
class TCustomStatusBar : public TCustomControl
{
  public:
    explicit TCustomStatusBar(TComponent* AOwner);
    ~TCustomStatusBar() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    TStatusPanels* Panels() const { return FPanels.get(); }
    void SetPanels(const TStatusPanels* Value) { FPanels->Assign(Value); }
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool Value);
    const std::string& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const std::string& Value);
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool Value);
    // True: the bar uses the system's status font; setting Font clears it.
    bool UseSystemFont() const { return FUseSystemFont; }
    void SetUseSystemFont(bool Value);
    bool AutoHint() const { return FAutoHint; }
    void SetAutoHint(bool Value) { FAutoHint = Value; }

    // Panel Index's rectangle in client coordinates: from the sum of the
    // earlier widths to the next edge (the bar's right end for the last),
    // less the 2-pixel gap between panels and the top border. Empty for an
    // index outside the panels or in simple mode.
    TRect PanelRect(int Index) const;
    // Whether the size grip shows now: SizeGrip, a resizable parent form
    // that is not maximized, and the bar in the form's client corner.
    bool GripShown() const;
    // The grip's square in client coordinates (empty without a grip).
    TRect GripRect() const;

    TDrawPanelEvent OnDrawPanel;

  protected:
    void Paint() override;
    void FontChanged() override;
    virtual void DrawPanel(TStatusPanel* Panel, const TRect& Rect);

    void WMNCHitTest(TMessage& M);
    void WMNCLButtonDown(TMessage& M);
    void WMSize(TMessage& M);

  private:
    void ApplySystemFont();

    std::unique_ptr<TStatusPanels> FPanels;
    bool FSimplePanel = false;
    std::string FSimpleText;
    bool FSizeGrip = true;
    bool FUseSystemFont = true;
    bool FAutoHint = false;
    bool FApplyingSystemFont = false;
};

// The status bar as forms publish it.
class TStatusBar : public TCustomStatusBar
{
  public:
    explicit TStatusBar(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
};
