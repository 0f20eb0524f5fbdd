#pragma once

#include "framework/controls/CustomControl.h"

class TPageControl;

// One page of a page control: a container whose Caption is its tab. Its
// parent is the page control, which shows only the active page; a page
// whose TabVisible is false has no tab.
class TTabSheet : public TCustomControl
{
  public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* Value);
    // The page's place among the control's pages, -1 without a control.
    int PageIndex() const;
    void SetPageIndex(int Value);
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool Value);
    // The page's tab among the shown tabs, -1 when it has none.
    int TabIndex() const;

    void SetParent(TWinControl* AParent) override;

  protected:
    void Paint() override;
    void CMTextChanged(TMessage& M);

  private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
};
