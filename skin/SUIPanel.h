#pragma once

#include "framework/controls/CustomPanel.h"
#include "skin/SUISkinBinding.h"

#include <memory>

class TBitmap;
class TsuiFileTheme;

// A bordered panel with a caption bar across its top (the style's side bar
// picture) holding a button that collapses the panel to the bar (Push) and
// expands it again (Pop), in steps of 15 pixels. Height reads and writes
// the expanded height.
class TsuiPanel : public TCustomPanel, public TsuiSkinBinding
{
  public:
    explicit TsuiPanel(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor CaptionFontColor() const { return FCaptionFontColor; }
    void SetCaptionFontColor(TColor Value);
    bool ShowButton() const { return FShowButton; }
    void SetShowButton(bool Value);
    // Assigning a theme leaves a built-in style alone.
    void SetFileTheme(TsuiFileTheme* Value) override;
    // The expanded height.
    int FullHeight() const { return FFullHeight; }
    void SetFullHeight(int Value);

    // Collapse to the caption bar / expand again, animated. Push throws
    // for a panel aligned alClient, alLeft or alRight. Either is ignored
    // while an animation runs.
    void Push();
    void Pop();
    bool GetPushed() const { return !FExpanded; }
    bool Animating() const { return FAnimating; }
    // The caption bar's height: its picture's, or 20 without one.
    int BarHeight() const;
    // Where the collapse button answers the pointer.
    TRect ButtonRect() const;

    void AlignControls(TRect& Rect) override;

    TNotifyEvent OnPush;
    TNotifyEvent OnPop;

  protected:
    void Paint() override;
    void Resize() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void ApplySkin() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WMEraseBkgnd(TMessage& M);

  private:
    bool ButtonShown() const;
    // One animation step: the new height, shown, then pending messages.
    // False when the panel went away meanwhile.
    bool Step(int NewHeight);

    TColor FBorderColor = clBlack;
    std::unique_ptr<TBitmap> FTitle;
    bool FShowButton = true;
    bool FInButton = false;
    bool FExpanded = true;
    int FFullHeight = 100;
    bool FAnimating = false;
    bool FApplyingFileTheme = false;
    TColor FCaptionFontColor = clWhite;
};
