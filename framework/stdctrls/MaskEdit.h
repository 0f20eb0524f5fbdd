#pragma once

#include "framework/Exception.h"
#include "framework/stdctrls/Edit.h"

#include <string>
#include <vector>

// The text does not fill the edit mask (ValidateEdit).
class EMaskError : public Exception
{
  public:
    using Exception::Exception;
};

// An edit whose text follows an edit mask. The mask is up to three fields
// separated by ';': the pattern, whether literals are part of the value
// ("0" leaves them out of UnmaskedText) and the blank character ('_' when
// not given). Pattern characters: '0' digit, '9' digit or blank, '#' digit,
// sign or blank, 'L' letter, 'l' letter or blank, 'A' letter or digit, 'a'
// the same or blank, 'C' any character, 'c' any character or blank; '>'
// turns what follows to upper case, '<' to lower case, "<>" ends that; '\'
// makes the next character a literal; every other character is a literal.
//
// The user types over the slots (the caret skips literals); a character a
// slot refuses beeps and changes nothing. Backspace, Delete and Cut blank
// slots instead of removing them; Paste types its characters in order.
// With an empty mask the edit is a plain edit.
class TCustomMaskEdit : public TCustomEdit
{
  public:
    explicit TCustomMaskEdit(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    const std::string& EditMask() const { return FEditMask; }
    // Reformats the current text to the new mask.
    void SetEditMask(const std::string& Value);
    bool IsMasked() const { return !FSlots.empty(); }
    // The slot characters (blanks as spaces), with the literals when the
    // mask keeps them.
    std::string UnmaskedText() const;
    // Every required slot is filled.
    bool IsComplete() const;
    // Throws EMaskError naming the first empty required slot's position.
    void ValidateEdit() const;

  protected:
    void DefaultHandler(TMessage& Message) override;
    void WMSetText(TMessage& M);
    void CMTextChanged(TMessage& M);
    void WMCut(TMessage& M);
    void WMPaste(TMessage& M);
    void WMClear(TMessage& M);

  private:
    struct TSlot
    {
        char Literal = 0; // non-zero: a literal
        char Class = 0;   // the pattern character of a slot
        int Case = 0;     // 1 upper, -1 lower
    };
    void ParseMask();
    std::string Format(const std::string& Value) const;
    bool Accepts(const TSlot& Slot, char& C) const;
    bool Required(const TSlot& Slot) const;
    int NextSlot(int Pos) const;
    int PrevSlot(int Pos) const;
    void TypeChar(char C);
    void BlankRange(int From, int To, int CaretAfter);
    void ReplaceRange(int From, int To, const std::string& Segment, int CaretAfter);

    std::string FEditMask;
    std::vector<TSlot> FSlots;
    bool FSaveLiterals = true;
    char FBlank = '_';
};

class TMaskEdit : public TCustomMaskEdit
{
  public:
    using TCustomMaskEdit::TCustomMaskEdit;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
};
