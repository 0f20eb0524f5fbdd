#pragma once

#include "framework/comctrls/TabControl.h"

#include <vector>

class TTabSheet;

// A tab control whose tabs are its pages (TTabSheet children, in page
// order). Choosing a tab shows its page and hides the one before; when the
// focus was on the page that goes, the page control takes it. A new page
// becomes active when there is none; removing the active page activates the
// one that takes its place, or the one before it.
class TPageControl : public TCustomTabControl
{
  public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    int PageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet* Pages(int Index) const { return FPages.at(static_cast<size_t>(Index)); }
    TTabSheet* ActivePage() const { return FActivePage; }
    // A page of another control, or one being freed, is ignored.
    void SetActivePage(TTabSheet* Value);
    int ActivePageIndex() const;
    void SetActivePageIndex(int Value);
    // The page shown on tab Index, or null.
    TTabSheet* PageForTab(int Index) const;

    void GetChildren(const std::function<void(TComponent*)>& Proc,
                     const TComponent* Root) const override;

  protected:
    void Change() override;
    void Loaded() override;

  private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* Page);
    void RemovePage(TTabSheet* Page);
    void MovePage(TTabSheet* Page, int Index);
    // The tabs again from the pages' captions and TabVisible.
    void UpdateTabs();

    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
};
