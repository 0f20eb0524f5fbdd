#pragma once

#include "framework/stdctrls/MaskEdit.h"
#include "skin/SUIThemes.h"

class TsuiFileTheme;

// A masked edit with the skinned edit's flat two-ring frame (see TsuiEdit):
// no native border, a two-pixel margin, BorderColor from the style.
class TsuiMaskEdit : public TCustomMaskEdit
{
  public:
    explicit TsuiMaskEdit(TComponent* AOwner);
    ~TsuiMaskEdit() override;

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

    void WMPaint(TMessage& M);
    void WMEraseBkgnd(TMessage& M);

  private:
    TColor FBorderColor = clBlack;
    TsuiUIStyle FUIStyle = DeepBlue;
    TsuiFileTheme* FFileTheme = nullptr;
};
