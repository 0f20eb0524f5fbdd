#pragma once

#include "skin/SUIImagePanel.h"
#include "skin/SUISkinBinding.h"

class TsuiFileTheme;

// A frame of one-pixel lines with the caption set into its top edge; frame
// and caption colours come from the style, which is also handed on to the
// child controls. Aligned children go inside the frame, below the caption.
class TsuiCustomGroupBox : public TsuiCustomPanel, public TsuiSkinBinding
{
  public:
    explicit TsuiCustomGroupBox(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    // Kept apart from the window text, which stays a blank.
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);

    // The inner rectangle a container of items lays them out in.
    TRect GetClient() const;
    void AlignControls(TRect& Rect) override;

  protected:
    // Pushes the style into the children, then reads the box's colours.
    virtual void UpdateUIStyle(TsuiUIStyle UIStyle, TsuiFileTheme* FileTheme);
    void Paint() override;
    void ApplySkin() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    void CMFontChanged(TMessage& M);
    void CMTextChanged(TMessage& M);

    TColor FBorderColor = clBlack;
    std::string FCaption;
};

// The group box as form definitions use it.
class TsuiGroupBox : public TsuiCustomGroupBox
{
  public:
    using TsuiCustomGroupBox::TsuiCustomGroupBox;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
};
