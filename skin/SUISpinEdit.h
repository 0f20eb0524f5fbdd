#pragma once

#include "framework/controls/WinControl.h"
#include "skin/SUIEdit.h"
#include "skin/SUISkinned.h"

class TsuiArrowButton;

// Two skinned arrow buttons one above the other (up, then down), each
// repeating while held. The upper one gets (height div 2) + 1 pixels, the
// lower one starts a pixel above its bottom edge; the width is never below
// 15. The up and down arrow keys click them.
class TsuiSpinButtons : public TWinControl, public TsuiSkinned
{
  public:
    explicit TsuiSpinButtons(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    // The upper button's; DeepBlue without one. Both buttons take what is
    // set.
    TsuiUIStyle UIStyle() const override;
    void SetUIStyle(TsuiUIStyle Value) override;
    TsuiFileTheme* FileTheme() const override;
    void SetFileTheme(TsuiFileTheme* Value) override;
    TsuiArrowButton* UpButton() const { return FUpButton; }
    TsuiArrowButton* DownButton() const { return FDownButton; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

  protected:
    bool DoKeyDown(TMessage& M) override;

  private:
    void PlaceButtons();

    TsuiArrowButton* FUpButton = nullptr;
    TsuiArrowButton* FDownButton = nullptr;
};

// A whole-number edit with spin buttons at its right edge. Value reads the
// text (MinValue when it is no number) and writes CheckValue of it: clamped
// to [MinValue, MaxValue] unless the two are equal. The buttons and the up
// and down arrow keys add or subtract Increment (a read-only edit only
// beeps). Only "-", digits and control characters other than Enter may be
// typed; without EditorEnabled only those control characters, and cut and
// paste do nothing then (nor when read-only). Leaving clamps a value outside
// the limits. The text never runs under the buttons.
class TsuiSpinEdit : public TsuiEdit
{
  public:
    explicit TsuiSpinEdit(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    int Value() const;
    void SetValue(int Value);
    int MinValue() const { return FMinValue; }
    void SetMinValue(int Value) { FMinValue = Value; }
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int Value) { FMaxValue = Value; }
    int Increment() const { return FIncrement; }
    void SetIncrement(int Value) { FIncrement = Value; }
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
    TsuiSpinButtons* Button() const { return FButton; }

    int CheckValue(int Value) const;

  protected:
    virtual bool IsValidChar(char Key) const;
    virtual void UpClick(TObject* Sender);
    virtual void DownClick(TObject* Sender);

    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void UIStyleChanged() override;
    bool DoKeyDown(TMessage& M) override;
    bool DoKeyPress(TMessage& M) override;
    void DoExit() override;
    void BoundsChanged() override;

    void WMCut(TMessage& M);
    void WMPaste(TMessage& M);

  private:
    // Keeps the text left of the buttons and the buttons at the right edge.
    void PlaceButton();

    TsuiSpinButtons* FButton = nullptr;
    int FMinValue = 0;
    int FMaxValue = 0;
    int FIncrement = 1;
    bool FEditorEnabled = true;
};
