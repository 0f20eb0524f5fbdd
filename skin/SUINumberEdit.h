#pragma once

#include "skin/SUIEdit.h"

#include <string>

// A right-aligned edit that holds a number. Value is shown formatted by the
// number pattern Mask (FormatFloat: "0.00" two decimals, "0" a whole
// number). Every change of the text reads it back into Value before
// OnChange runs (an empty text or a lone "-" keeps Value); a program's text
// assignment runs that step twice, so OnChange runs twice, and SetValue with
// a value whose text is already shown runs nothing.
//
// Only digits, backspace, the locale's decimal separator (when Mask has a
// "." and the text has no separator yet) and "-" (when Mask has a "-", at
// the start of a text without one) may be typed; other keys beep and are
// dropped. A text that is not a number the edit can hold is replaced by the
// last value and the conversion error goes to whoever changed the text (the
// application's error report for the user's edits). Such a text is one that
// does not read as a number, a negative one when Mask has no "-", or, when
// Mask has no ".", a number outside the range of a 32-bit integer (callers
// read those edits as whole numbers).
//
// Entering (and every click) selects the last AutoSelectSigns characters
// when AutoSelect is on; leaving rewrites the text in the Mask's format (an
// empty text or "-" becomes 0).
class TsuiNumberEdit : public TsuiEdit
{
  public:
    explicit TsuiNumberEdit(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    // Assigning it does not reformat the text.
    const std::string& Mask() const { return FMask; }
    void SetMask(const std::string& Value) { FMask = Value; }
    bool IsMaskStored() const { return !FMask.empty(); }
    // The stored number; reading never parses the text.
    double Value() const { return FValue; }
    // Stores Value and shows it formatted by Mask (the text then reads back
    // into Value). Throws EConvertError for a value that is not finite, and
    // changes nothing then.
    void SetValue(double Value);
    bool IsValueStored() const { return FValue != 0; }
    int AutoSelectSigns() const { return FAutoSelectSigns; }
    void SetAutoSelectSigns(int Value) { FAutoSelectSigns = Value; }

  protected:
    void CreateParams(TCreateParams& Params) override;
    void Change() override;
    bool DoKeyPress(TMessage& M) override;
    void DoEnter() override;
    void DoExit() override;
    void Click() override;

    void CMTextChanged(TMessage& M);

  private:
    bool KeyAllowed(char Key) const;
    // Selects the last AutoSelectSigns characters.
    void SelectSigns();
    // Text without thousands separators, as it is read.
    std::string ReadableText() const;
    // Whether V may be held (see the class comment).
    bool Holdable(double V) const;

    std::string FMask = "0.00";
    double FValue = 0;
    int FAutoSelectSigns = 2;
    // Inside SetValue: the text is the edit's own rendering of a value.
    int FWriting = 0;
    // Counts refused texts, so the second change step of a program's
    // assignment is skipped after the first refused it.
    int FRefusals = 0;
};
