#pragma once

#include "framework/stdctrls/CheckListBox.h"
#include "framework/stdctrls/ListBox.h"
#include "skin/SUISkinBinding.h"
#include "skin/SUIWindowScrollBars.h"

#include <memory>

// A framework list box (TBase) in the style's colours: its edge drawn as a
// ring in the style's control border colour with one in Color inside it,
// and its scroll bar painted with the style's scroll-bar pictures.
template <class TBase> class TsuiListSkin : public TBase, public TsuiSkinBinding
{
  public:
    explicit TsuiListSkin(TComponent* AOwner);

    TColor BorderColor() const { return FBorderColor; }

  protected:
    void ApplySkin() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // The non-client paint handler over Parent's map.
    static TMessageMap SkinMessages(const TMessageMap* Parent);
    void WMNCPaintSkinned(TMessage& M);

  private:
    TColor FBorderColor = clBlack;
    TsuiWindowScrollBars FBars{this};
};

class TsuiListBox : public TsuiListSkin<TListBox>
{
  public:
    using TsuiListSkin::TsuiListSkin;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }
};

// The skinned check list box: each item's box is the frame of the style's
// check-list picture (SUI_ITEM_CHECKLIST_IMAGE, a skin's CHECKBOXLIST:
// checked, unchecked, checked disabled, unchecked disabled) for its state;
// a grayed item shows the checked disabled frame.
class TsuiCheckListBox : public TsuiListSkin<TCheckListBox>
{
  public:
    explicit TsuiCheckListBox(TComponent* AOwner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

  protected:
    void ApplySkin() override;
    void DrawItem(int Index, const TRect& R, bool Selected, bool Focus) override;

  private:
    std::unique_ptr<TBitmap> FChecks;
};
