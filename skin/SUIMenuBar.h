#pragma once

#include "framework/comctrls/ToolBar.h"

class TsuiForm;

// The tool button of a menu bar drawn hot or pressed carries this Tag.
constexpr int SUI_MENUBAR_HOT_TAG = 888;

// The menu bar a skinned form shows below its title bar: one tool button
// per top-level item of the form's menu, whose sub-menu the bar drops down.
// The form fills it; the bar draws itself in the style of the form's menu
// (or of the form), its buttons hot or pressed in the style's selection
// colours. Letters reach the buttons' accelerators only while Alt is held
// or while one of the buttons is drawn hot or pressed, so typing into the
// form's controls never opens a menu.
class TsuiMenuBar : public TToolBar
{
  public:
    explicit TsuiMenuBar(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    // The skinned form the bar belongs to; forgotten when it goes.
    TsuiForm* Form() const { return FForm; }
    void SetForm(TsuiForm* Value);

  protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CMDialogChar(TMessage& M);

  private:
    // The background: the style's picture, or the form's menu-bar gradient.
    void DrawBackground(TToolBar* ToolBar, const TRect& Rect, bool& DefaultDraw);
    void DrawButton(TToolBar* ToolBar, TToolButton* Button, TCustomDrawState State,
                    bool& DefaultDraw);

    TsuiForm* FForm = nullptr;
};
