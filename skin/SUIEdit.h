#pragma once

#include "framework/stdctrls/Edit.h"
#include "skin/SUIThemes.h"

class TsuiFileTheme;

// Paints the skinned edit frame: a one-pixel ring in Border along the edge
// of Margin and one in Inner just inside it. Dc: a window context in the
// coordinates of Margin.
void DrawEditFrame(HDC Dc, const TRect& Margin, TColor Border, TColor Inner);

// A single-line edit without a native border: a two-pixel margin holds a
// flat frame, an outer ring in BorderColor and an inner one in Color, the
// same in every state. The style (or file theme) gives BorderColor; any
// later style change replaces a BorderColor set by hand.
class TsuiEdit : public TCustomEdit
{
  public:
    explicit TsuiEdit(TComponent* AOwner);
    ~TsuiEdit() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    TsuiUIStyle UIStyle() const { return FUIStyle; }
    void SetUIStyle(TsuiUIStyle Value);
    // Not owned; forgotten (falling back to DeepBlue) when it is freed.
    TsuiFileTheme* FileTheme() const { return FFileTheme; }
    void SetFileTheme(TsuiFileTheme* Value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);

  protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void PaintBorderMargin(HDC Dc, const TRect& Margin) override;
    // Runs after every style change, before the repaint.
    virtual void UIStyleChanged() {}

    void WMPaint(TMessage& M);
    void WMEraseBkgnd(TMessage& M);

  private:
    TColor FBorderColor = clBlack;
    TsuiUIStyle FUIStyle = DeepBlue;
    TsuiFileTheme* FFileTheme = nullptr;
};
