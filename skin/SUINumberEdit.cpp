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

std::string TsuiNumberEdit::ReadableText() const
{
    std::string T = Text();
    const std::string& Sep = FormatSettings().ThousandSeparator;
    if (Sep.empty()) return T;
    for (size_t At = T.find(Sep); At != std::string::npos; At = T.find(Sep, At))
        T.erase(At, Sep.size());
    return T;
}

bool TsuiNumberEdit::Holdable(double V) const
{
    if (!std::isfinite(V)) return false;
    if (V < 0 && !ContainsNoCase(FMask, "-")) return false;
    if (!ContainsNoCase(FMask, "."))
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

bool TsuiNumberEdit::KeyAllowed(char Key) const
{
    if (Key >= '0' && Key <= '9') return true;
    const char Sep = FormatSettings().DecimalSeparator;
    if (Key == Sep && ContainsNoCase(FMask, ".") && Text().find(Sep) == std::string::npos)
        return true;
    if (Key == '\b') return true;
    return Key == '-' && ContainsNoCase(FMask, "-") && SelStart() == 0 &&
           Text().find('-') == std::string::npos;
}

bool TsuiNumberEdit::DoKeyPress(TMessage& M)
{
    // A key a handler swallowed is tested as the character 0, and refused.
    TsuiEdit::DoKeyPress(M);
    if (KeyAllowed(static_cast<char>(M.WParam))) return false;
    MessageBeep(MB_OK);
    return true;
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
