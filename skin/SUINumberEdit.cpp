#include "skin/SUINumberEdit.h"

#include "framework/Conversions.h"
#include "framework/Exception.h"
#include "framework/FormatFloat.h"
#include "framework/PropertyRegistry.h"
#include "framework/stdctrls/StdCtrlMessages.h"
#include "platform/win/WinApi.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

namespace
{
bool ContainsNoCase(std::string_view Text, std::string_view Part)
{
    auto It = std::search(Text.begin(), Text.end(), Part.begin(), Part.end(),
                          [](char A, char B)
                          {
                              return std::tolower(static_cast<unsigned char>(A)) ==
                                     std::tolower(static_cast<unsigned char>(B));
                          });
    return It != Text.end();
}

// Either key types the decimal separator.
constexpr const char* DecimalKeys = ".,";

bool IsDecimalKey(char Key)
{
    return Key == '.' || Key == ',' || Key == FormatSettings().DecimalSeparator;
}

bool IsDigit(char C)
{
    return C >= '0' && C <= '9';
}

// The clipboard's first line without the blanks around it.
std::string PastedLine(const std::string& Text)
{
    std::string Line = Text.substr(0, Text.find_first_of("\r\n"));
    const size_t From = Line.find_first_not_of(" \t");
    if (From == std::string::npos) return {};
    return Line.substr(From, Line.find_last_not_of(" \t") + 1 - From);
}
} // namespace

const TClassInfo& TsuiNumberEdit::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiNumberEdit>("TsuiNumberEdit", &TsuiEdit::StaticClass())
            .String("Mask", &TsuiNumberEdit::Mask, &TsuiNumberEdit::SetMask)
            .Stored(&TsuiNumberEdit::IsMaskStored)
            .Float("Value", &TsuiNumberEdit::Value, &TsuiNumberEdit::SetValue)
            .Stored(&TsuiNumberEdit::IsValueStored)
            .Integer("AutoSelectSigns", &TsuiNumberEdit::AutoSelectSigns,
                     &TsuiNumberEdit::SetAutoSelectSigns)
            .NoDefault()
            .Build();
    return Info;
}

const TMessageMap& TsuiNumberEdit::StaticMessages()
{
    static const TMessageMap Map =
        TMessageMap(&TsuiEdit::StaticMessages()).On(CM_TEXTCHANGED, &TsuiNumberEdit::CMTextChanged);
    return Map;
}

TsuiNumberEdit::TsuiNumberEdit(TComponent* AOwner) : TsuiEdit(AOwner)
{
    SetValue(0);
}

void TsuiNumberEdit::CreateParams(TCreateParams& Params)
{
    TsuiEdit::CreateParams(Params);
    Params.Style |= ES_RIGHT;
}

void TsuiNumberEdit::SetValue(double Value)
{
    if (!std::isfinite(Value))
        throw EConvertError("'" + FormatFloat(FMask, Value) +
                            "' is not a valid floating point value");
    FValue = Value;
    ++FWriting;
    try
    {
        SetText(FormatFloat(FMask, Value));
    }
    catch (...)
    {
        --FWriting;
        throw;
    }
    --FWriting;
}

bool TsuiNumberEdit::HasDecimals() const
{
    return ContainsNoCase(FMask, ".");
}

bool TsuiNumberEdit::AllowsMinus() const
{
    return ContainsNoCase(FMask, "-");
}

std::string TsuiNumberEdit::ReadableText(std::string T) const
{
    const char Sep = FormatSettings().DecimalSeparator;
    if (HasDecimals() && T.find(Sep) == std::string::npos)
    {
        const size_t First = T.find_first_of(DecimalKeys);
        if (First != std::string::npos &&
            T.find_first_of(DecimalKeys, First + 1) == std::string::npos)
        {
            T[First] = Sep;
            return T;
        }
    }
    const std::string& Thousands = FormatSettings().ThousandSeparator;
    if (Thousands.empty()) return T;
    for (size_t At = T.find(Thousands); At != std::string::npos; At = T.find(Thousands, At))
        T.erase(At, Thousands.size());
    return T;
}

bool TsuiNumberEdit::Holdable(double V) const
{
    if (!std::isfinite(V)) return false;
    if (V < 0 && !AllowsMinus()) return false;
    if (!HasDecimals())
        return V >= static_cast<double>(std::numeric_limits<int32_t>::min()) &&
               V <= static_cast<double>(std::numeric_limits<int32_t>::max());
    return true;
}

void TsuiNumberEdit::Change()
{
    const std::string T = Text();
    const bool Own = FWriting > 0;
    if (!T.empty() && T != "-")
    {
        const std::string S = ReadableText();
        double V = 0;
        bool Read = TryStrToFloat(S, V);
        if (Own)
        {
            // The edit's own rendering: read back what it shows; a pattern
            // with literal text keeps the value as it was given.
            if (Read && std::isfinite(V)) FValue = V;
        }
        else if (Read && Holdable(V))
            FValue = V;
        else
        {
            ++FRefusals;
            SetValue(FValue);
            throw EConvertError("'" + S + "' is not a valid floating point value");
        }
    }
    // What OnChange assigns is checked like any other text.
    const int Writing = FWriting;
    FWriting = 0;
    try
    {
        TsuiEdit::Change();
    }
    catch (...)
    {
        FWriting = Writing;
        throw;
    }
    FWriting = Writing;
}

void TsuiNumberEdit::CMTextChanged(TMessage& M)
{
    int Refusals = FRefusals;
    TsuiEdit::CMTextChanged(M);
    if (FRefusals == Refusals) Change();
}

std::string TsuiNumberEdit::WithSelectionReplaced(const std::string& Part) const
{
    std::string T = Text();
    return T.replace(static_cast<size_t>(SelStart()), static_cast<size_t>(SelLength()), Part);
}

bool TsuiNumberEdit::KeyAllowed(char Key) const
{
    if (IsDigit(Key))
    {
        // A digit that would take the number beyond what the edit holds.
        double V = 0;
        return !TryStrToFloat(ReadableText(WithSelectionReplaced(std::string(1, Key))), V) ||
               Holdable(V);
    }
    const std::string T = Text();
    if (IsDecimalKey(Key))
        return HasDecimals() && T.find_first_of(DecimalKeys) == std::string::npos &&
               T.find(FormatSettings().DecimalSeparator) == std::string::npos;
    // Backspace, and copy, paste and cut.
    if (Key == '\b' || Key == 3 || Key == 0x16 || Key == 0x18) return true;
    return Key == '-' && AllowsMinus() && SelStart() == 0 && T.find('-') == std::string::npos;
}

bool TsuiNumberEdit::DoKeyPress(TMessage& M)
{
    // A key a handler swallowed is tested as the character 0, and refused.
    TsuiEdit::DoKeyPress(M);
    const char Key = static_cast<char>(M.WParam);
    if (KeyAllowed(Key))
    {
        if (IsDecimalKey(Key))
            M.WParam = static_cast<unsigned char>(FormatSettings().DecimalSeparator);
        return false;
    }
    MessageBeep(MB_OK);
    return true;
}

std::string TsuiNumberEdit::TypedFromPaste(const std::string& Pasted, bool& Dropped) const
{
    const std::string Line = PastedLine(Pasted);
    std::string Rest = Text();
    Rest.erase(static_cast<size_t>(SelStart()), static_cast<size_t>(SelLength()));
    const char Sep = FormatSettings().DecimalSeparator;
    bool HasSep =
        Rest.find_first_of(DecimalKeys) != std::string::npos || Rest.find(Sep) != std::string::npos;
    bool HasMinus = Rest.find('-') != std::string::npos;
    // With both "." and "," the last of them separates the decimals.
    const bool Grouped = Line.find('.') != std::string::npos && Line.find(',') != std::string::npos;
    const size_t DecimalAt = Grouped ? Line.find_last_of(DecimalKeys) : std::string::npos;
    std::string Typed;
    for (size_t I = 0; I < Line.size(); ++I)
    {
        const char C = Line[I];
        if (IsDigit(C))
            Typed += C;
        else if (IsDecimalKey(C) && HasDecimals() && !HasSep && (!Grouped || I == DecimalAt))
        {
            Typed += Sep;
            HasSep = true;
        }
        else if (C == '-' && AllowsMinus() && !HasMinus && SelStart() == 0 && Typed.empty())
        {
            Typed += C;
            HasMinus = true;
        }
        else
            Dropped = true;
    }
    return Typed;
}

void TsuiNumberEdit::PasteText(const std::string& Value)
{
    bool Dropped = false;
    std::string Typed = TypedFromPaste(Value, Dropped);
    const std::string After = WithSelectionReplaced(Typed);
    double V = 0;
    const bool Reads = After == "-" || TryStrToFloat(ReadableText(After), V);
    if (Typed.empty() || !Reads)
    {
        MessageBeep(MB_OK);
        return;
    }
    if (!Holdable(V))
    {
        // Only a whole number beyond the 32-bit range has a nearest value
        // the edit holds.
        const double Limit =
            V > 0 ? std::numeric_limits<int32_t>::max() : std::numeric_limits<int32_t>::min();
        if (HasDecimals() || !std::isfinite(V) || !Holdable(Limit))
        {
            MessageBeep(MB_OK);
            return;
        }
        SelectAll();
        Typed = IntToStr(static_cast<int64_t>(Limit));
        Dropped = true; // the digits beyond it
    }
    if (Dropped) MessageBeep(MB_OK);
    TsuiEdit::PasteText(Typed);
}

void TsuiNumberEdit::SelectSigns()
{
    if (FAutoSelectSigns <= 0 || !AutoSelect()) return;
    SetSelStart(static_cast<int>(Text().size()) - FAutoSelectSigns);
    SetSelLength(FAutoSelectSigns);
}

void TsuiNumberEdit::DoEnter()
{
    TsuiEdit::DoEnter();
    SelectSigns();
}

void TsuiNumberEdit::Click()
{
    TsuiEdit::Click();
    TsuiEdit::DoEnter();
    SelectSigns();
}

void TsuiNumberEdit::DoExit()
{
    TsuiEdit::DoExit();
    if (Text().empty() || Text() == "-") SetText("0");
    double V = 0;
    // Every text that reaches here reads; one that does not (a pattern with
    // literal text) keeps the value.
    SetValue(TryStrToFloat(ReadableText(), V) && std::isfinite(V) ? V : FValue);
}
