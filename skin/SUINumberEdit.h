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
// Only digits, backspace, one decimal separator (when Mask has a "."),
// "-" (when Mask has a "-", at the start of a text without one) and the
// clipboard keys (Ctrl+C, Ctrl+X, Ctrl+V) may be typed; other keys, and a
// digit that would take the number beyond what the edit holds, beep and
// are dropped. Either "." or "," types the decimal separator, which is shown
// as the locale's; a text with one "." or "," and no locale separator reads
// it as the decimal separator.
//
// A paste goes in as if its characters were typed at the caret: refused
// characters are dropped (with one beep), a whole number beyond the 32-bit
// range becomes the nearest limit, and a paste with nothing usable beeps
// and leaves the text as it was. Where both "." and "," occur, the last one
// is the decimal separator and the others group digits. OnChange then runs
// as for typing, so its limits apply to pasted values too.
//
// A program's text that is not a number the edit can hold is replaced by
// the last value and the conversion error goes to the program. Such a text
// is one that does not read as a number, a negative one when Mask has no
// "-", or, when Mask has no ".", a number outside the range of a 32-bit
// integer (callers read those edits as whole numbers).
//
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
    void PasteText(const std::string& Value) override;
    void DoEnter() override;
    void DoExit() override;
    void Click() override;

    void CMTextChanged(TMessage& M);

  private:
    bool KeyAllowed(char Key) const;
    bool HasDecimals() const;
    bool AllowsMinus() const;
    // The text with the selection replaced by Part.
    std::string WithSelectionReplaced(const std::string& Part) const;
    // What typing Pasted at the caret would enter; Dropped tells whether
    // any character was refused.
    std::string TypedFromPaste(const std::string& Pasted, bool& Dropped) const;
    // Selects the last AutoSelectSigns characters.
    void SelectSigns();
    // T as it is read: a lone "." or "," as the decimal separator, else
    // without thousands separators.
    std::string ReadableText(std::string T) const;
    std::string ReadableText() const { return ReadableText(Text()); }
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
