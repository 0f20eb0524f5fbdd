#include "framework/comctrls/PageControl.h"

#include "framework/PropertyRegistry.h"
#include "framework/UpdateScope.h"
#include "framework/comctrls/TabSheet.h"
#include "platform/win/WinApi.h"

#include <algorithm>

const TClassInfo& TPageControl::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TPageControl>("TPageControl", &TCustomTabControl::StaticClass())
            .Component("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage)
            .Build();
    return Info;
}

TPageControl::TPageControl(TComponent* AOwner) : TCustomTabControl(AOwner) {}

TPageControl::~TPageControl()
{
    // Pages still here outlive the control (their owner frees them).
    for (TTabSheet* P : FPages)
        P->FPageControl = nullptr;
    FPages.clear();
    FActivePage = nullptr;
}

void TPageControl::InsertPage(TTabSheet* Page)
{
    FPages.push_back(Page);
    Page->FPageControl = this;
    UpdateTabs();
    if (!FActivePage) SetActivePage(Page);
}

void TPageControl::RemovePage(TTabSheet* Page)
{
    auto It = std::find(FPages.begin(), FPages.end(), Page);
    if (It == FPages.end()) return;
    const auto Index = static_cast<size_t>(It - FPages.begin());
    FPages.erase(It);
    Page->FPageControl = nullptr;
    if (FActivePage == Page)
    {
        FActivePage = nullptr;
        Page->SetVisible(false);
        if (!FPages.empty()) SetActivePage(FPages[std::min(Index, FPages.size() - 1)]);
    }
    UpdateTabs();
}

void TPageControl::MovePage(TTabSheet* Page, int Index)
{
    auto It = std::find(FPages.begin(), FPages.end(), Page);
    if (It == FPages.end()) return;
    FPages.erase(It);
    Index = std::clamp(Index, 0, static_cast<int>(FPages.size()));
    FPages.insert(FPages.begin() + Index, Page);
    UpdateTabs();
}

void TPageControl::UpdateTabs()
{
    {
        TUpdateScope Batch(*TabList());
        TabList()->Clear();
        for (const TTabSheet* P : FPages)
            if (P->TabVisible()) TabList()->Add(P->Caption());
    }
    SetTabIndex(FActivePage ? FActivePage->TabIndex() : -1);
}

TTabSheet* TPageControl::PageForTab(int Index) const
{
    if (Index < 0) return nullptr;
    for (TTabSheet* P : FPages)
        if (P->TabVisible() && Index-- == 0) return P;
    return nullptr;
}

void TPageControl::SetActivePage(TTabSheet* Value)
{
    if (Value && (Value->FPageControl != this || Value->ComponentState().Contains(csDestroying)))
        return;
    if (FActivePage == Value) return;
    TTabSheet* Old = FActivePage;
    // The focus on the page that goes stays in the page control.
    const bool HadFocus = Old && Old->HandleAllocated() &&
                          (GetFocus() == Old->Handle() || IsChild(Old->Handle(), GetFocus()));
    FActivePage = Value;
    if (Value)
    {
        Value->SetVisible(true);
        Value->BringToFront();
    }
    if (Old) Old->SetVisible(false);
    if (HadFocus && CanFocus()) SetFocus();
    SetTabIndex(Value ? Value->TabIndex() : -1);
}

int TPageControl::ActivePageIndex() const
{
    return FActivePage ? FActivePage->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int Value)
{
    SetActivePage(Value >= 0 && Value < PageCount() ? Pages(Value) : nullptr);
}

void TPageControl::Change()
{
    SetActivePage(PageForTab(TabIndex()));
    TCustomTabControl::Change();
}

void TPageControl::Loaded()
{
    TCustomTabControl::Loaded();
    UpdateTabs();
}

void TPageControl::GetChildren(const std::function<void(TComponent*)>& Proc,
                               const TComponent* Root) const
{
    for (TTabSheet* P : FPages)
        if (P->Owner() == Root) Proc(P);
    TCustomTabControl::GetChildren(
        [&](TComponent* C)
        {
            if (!dynamic_cast<TTabSheet*>(C)) Proc(C);
        },
        Root);
}
