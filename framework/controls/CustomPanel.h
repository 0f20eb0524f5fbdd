#pragma once

#include "framework/controls/CustomControl.h"

enum TBevelCut
{
    bvNone,
    bvLowered,
    bvRaised,
    bvSpace
};

// A container with an outer and an inner bevel and a centred caption.
class TCustomPanel : public TCustomControl
{
  public:
    explicit TCustomPanel(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut Value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);

    // The client area less the bevels, where aligned children go.
    void AlignControls(TRect& Rect) override;

  protected:
    void Paint() override;
    void CreateParams(TCreateParams& Params) override;

  private:
    int BevelSize() const;

    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    TBorderStyle FBorderStyle = bsNone;
    TAlignment FAlignment = taCenter;
};
