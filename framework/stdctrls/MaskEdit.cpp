#include "framework/stdctrls/MaskEdit.h"

#include "framework/PropertyRegistry.h"
#include "platform/win/WinApi.h"

#include <cctype>

const TClassInfo& TCustomMaskEdit::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TCustomMaskEdit>("TCustomMaskEdit", &TCustomEdit::StaticClass()).Build();
    return Info;
}

const TMessageMap& TCustomMaskEdit::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomEdit::StaticMessages())
                                       .On(WM_SETTEXT, &TCustomMaskEdit::WMSetText)
                                       .On(CM_TEXTCHANGED, &TCustomMaskEdit::CMTextChanged)
                                       .On(WM_CUT, &TCustomMaskEdit::WMCut)
                                       .On(WM_PASTE, &TCustomMaskEdit::WMPaste)
                                       .On(WM_CLEAR, &TCustomMaskEdit::WMClear);
    return Map;
}

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

void TCustomMaskEdit::ParseMask()
{
    FSlots.clear();
    FSaveLiterals = true;
    FBlank = '_';
    std::string Pattern = FEditMask;
    size_t Semi = Pattern.find(';');
    if (Semi != std::string::npos)
    {
        std::string Rest = Pattern.substr(Semi + 1);
        Pattern.resize(Semi);
        size_t Semi2 = Rest.find(';');
        std::string Save = Rest.substr(0, Semi2);
        FSaveLiterals = Save != "0";
        if (Semi2 != std::string::npos && Semi2 + 1 < Rest.size()) FBlank = Rest[Semi2 + 1];
    }
    int Case = 0;
    for (size_t I = 0; I < Pattern.size(); ++I)
    {
        char C = Pattern[I];
        if (C == '<' && I + 1 < Pattern.size() && Pattern[I + 1] == '>')
        {
            Case = 0;
            ++I;
        }
        else if (C == '>')
            Case = 1;
        else if (C == '<')
            Case = -1;
        else if (C == '\\' && I + 1 < Pattern.size())
            FSlots.push_back({Pattern[++I], 0, 0});
        else if (std::string_view("09#LlAaCc").find(C) != std::string_view::npos)
            FSlots.push_back({0, C, Case});
        else
            FSlots.push_back({C, 0, 0});
    }
}

bool TCustomMaskEdit::Required(const TSlot& Slot) const
{
    return Slot.Class == '0' || Slot.Class == 'L' || Slot.Class == 'A' || Slot.Class == 'C';
}

bool TCustomMaskEdit::Accepts(const TSlot& Slot, char& C) const
{
    auto U = static_cast<unsigned char>(C);
    if (Slot.Case > 0) C = static_cast<char>(std::toupper(U));
    if (Slot.Case < 0) C = static_cast<char>(std::tolower(U));
    switch (Slot.Class)
    {
    case '0':
    case '9':
        return std::isdigit(U) != 0;
    case '#':
        return std::isdigit(U) || C == '+' || C == '-';
    case 'L':
    case 'l':
        return std::isalpha(U) != 0;
    case 'A':
    case 'a':
        return std::isalnum(U) != 0;
    case 'C':
    case 'c':
        return U >= 0x20;
    default:
        return false;
    }
}

std::string TCustomMaskEdit::Format(const std::string& Value) const
{
    std::string Out;
    size_t In = 0;
    for (const TSlot& Slot : FSlots)
    {
        if (Slot.Literal)
        {
            Out += Slot.Literal;
            if (In < Value.size() && Value[In] == Slot.Literal) ++In;
            continue;
        }
        char C = In < Value.size() ? Value[In] : FBlank;
        if (In < Value.size()) ++In;
        Out += (C != FBlank && C != ' ' && Accepts(Slot, C)) ? C : FBlank;
    }
    return Out;
}

void TCustomMaskEdit::SetEditMask(const std::string& Value)
{
    if (FEditMask == Value) return;
    std::string Old = Text();
    FEditMask = Value;
    ParseMask();
    if (IsMasked()) SetText(Format(Old));
}

std::string TCustomMaskEdit::UnmaskedText() const
{
    if (!IsMasked()) return Text();
    std::string T = Text();
    std::string Out;
    for (size_t I = 0; I < FSlots.size() && I < T.size(); ++I)
    {
        if (FSlots[I].Literal && !FSaveLiterals) continue;
        Out += (!FSlots[I].Literal && T[I] == FBlank) ? ' ' : T[I];
    }
    return Out;
}

bool TCustomMaskEdit::IsComplete() const
{
    std::string T = Text();
    for (size_t I = 0; I < FSlots.size(); ++I)
        if (Required(FSlots[I]) && (I >= T.size() || T[I] == FBlank)) return false;
    return true;
}

void TCustomMaskEdit::ValidateEdit() const
{
    std::string T = Text();
    for (size_t I = 0; I < FSlots.size(); ++I)
        if (Required(FSlots[I]) && (I >= T.size() || T[I] == FBlank))
            throw EMaskError("Invalid input value: position " + std::to_string(I + 1) +
                             " must be filled");
}

int TCustomMaskEdit::NextSlot(int Pos) const
{
    int Size = static_cast<int>(FSlots.size());
    while (Pos < Size && FSlots[static_cast<size_t>(Pos)].Literal)
        ++Pos;
    return Pos;
}

int TCustomMaskEdit::PrevSlot(int Pos) const
{
    --Pos;
    while (Pos >= 0 && FSlots[static_cast<size_t>(Pos)].Literal)
        --Pos;
    return Pos;
}

void TCustomMaskEdit::ReplaceRange(int From, int To, const std::string& Segment, int CaretAfter)
{
    if (Text().substr(static_cast<size_t>(From), static_cast<size_t>(To - From)) != Segment)
    {
        SetSelStart(From);
        SetSelLength(To - From);
        ReplaceSelection(Segment, true);
    }
    SetSelStart(CaretAfter);
}

void TCustomMaskEdit::BlankRange(int From, int To, int CaretAfter)
{
    std::string Segment;
    for (int I = From; I < To; ++I)
    {
        const TSlot& Slot = FSlots[static_cast<size_t>(I)];
        Segment += Slot.Literal ? Slot.Literal : FBlank;
    }
    ReplaceRange(From, To, Segment, CaretAfter);
}

void TCustomMaskEdit::TypeChar(char C)
{
    int Start = SelStart();
    int Length = SelLength();
    int Slot = NextSlot(Start);
    if (Slot >= static_cast<int>(FSlots.size()) || !Accepts(FSlots[static_cast<size_t>(Slot)], C))
    {
        MessageBeep(MB_OK);
        return;
    }
    // The selection is blanked and the character goes into its first slot,
    // as one change.
    std::string Segment;
    int End = std::max(Start + Length, Slot + 1);
    for (int I = Start; I < End; ++I)
    {
        const TSlot& S = FSlots[static_cast<size_t>(I)];
        Segment += I == Slot ? C : S.Literal ? S.Literal : FBlank;
    }
    ReplaceRange(Start, End, Segment, NextSlot(Slot + 1));
}

void TCustomMaskEdit::DefaultHandler(TMessage& Message)
{
    if (!IsMasked() || ReadOnly())
    {
        TCustomEdit::DefaultHandler(Message);
        return;
    }
    if (Message.Msg == WM_CHAR)
    {
        auto Ch = static_cast<unsigned char>(Message.WParam);
        if (Ch == '\b')
        {
            if (SelLength() > 0)
                BlankRange(SelStart(), SelStart() + SelLength(), SelStart());
            else if (int Prev = PrevSlot(SelStart()); Prev >= 0)
                BlankRange(Prev, Prev + 1, Prev);
            return;
        }
        if (Ch == 0x18 || Ch == 0x16)
        {
            Perform(Ch == 0x18 ? WM_CUT : WM_PASTE);
            return;
        }
        if (Ch >= 0x20)
        {
            TypeChar(static_cast<char>(Ch));
            return;
        }
    }
    if (Message.Msg == WM_KEYDOWN && Message.WParam == VK_DELETE && GetKeyState(VK_SHIFT) >= 0)
    {
        Perform(WM_CLEAR);
        return;
    }
    TCustomEdit::DefaultHandler(Message);
}

void TCustomMaskEdit::WMSetText(TMessage& M)
{
    if (!IsMasked())
    {
        TCustomEdit::WMSetText(M);
        return;
    }
    // Whatever the program assigns is laid into the mask.
    std::string Formatted = Format(M.LParam ? reinterpret_cast<const char*>(M.LParam) : "");
    TMessage Inner{M.Msg, M.WParam, reinterpret_cast<LPARAM>(Formatted.c_str()), 0};
    TCustomEdit::WMSetText(Inner);
    M.Result = Inner.Result;
}

void TCustomMaskEdit::CMTextChanged(TMessage& M)
{
    // Without a window no WM_SETTEXT comes to lay the text into the mask.
    if (!HandleAllocated() && IsMasked()) FText = Format(FText);
    TCustomEdit::CMTextChanged(M);
}

void TCustomMaskEdit::WMCut(TMessage& M)
{
    if (!IsMasked())
    {
        TCustomEdit::WMCut(M);
        return;
    }
    if (ReadOnly() || SelLength() == 0) return;
    CopyToClipboard();
    BlankRange(SelStart(), SelStart() + SelLength(), SelStart());
}

void TCustomMaskEdit::WMPaste(TMessage& M)
{
    if (!IsMasked())
    {
        TCustomEdit::WMPaste(M);
        return;
    }
    if (ReadOnly()) return;
    for (char C : GetClipboardText())
    {
        if (C == '\r' || C == '\n') break;
        int Before = SelStart();
        // A literal in the pasted text stands for the mask's own.
        int At = SelStart();
        if (At < static_cast<int>(FSlots.size()) && FSlots[static_cast<size_t>(At)].Literal == C)
        {
            SetSelStart(At + 1);
            continue;
        }
        // The caret already skipped that literal after the last slot.
        if (At > 0 && FSlots[static_cast<size_t>(At - 1)].Literal == C) continue;
        TypeChar(C);
        if (SelStart() == Before) break; // refused: the rest stays out
    }
}

void TCustomMaskEdit::WMClear(TMessage& M)
{
    if (!IsMasked())
    {
        TCustomEdit::WMClear(M);
        return;
    }
    if (ReadOnly()) return;
    if (SelLength() > 0)
        BlankRange(SelStart(), SelStart() + SelLength(), SelStart());
    else if (int Slot = NextSlot(SelStart()); Slot < static_cast<int>(FSlots.size()))
        BlankRange(Slot, Slot + 1, SelStart());
}

const TClassInfo& TMaskEdit::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TMaskEdit>("TMaskEdit", &TCustomMaskEdit::StaticClass())
            .Enum("Alignment", &TMaskEdit::Alignment, &TMaskEdit::SetAlignment, AlignmentNames())
            .Default(taLeftJustify)
            .Boolean("AutoSelect", &TMaskEdit::AutoSelect, &TMaskEdit::SetAutoSelect)
            .Default(true)
            .Enum("BorderStyle", &TMaskEdit::BorderStyle, &TMaskEdit::SetBorderStyle,
                  ControlBorderStyleNames())
            .Default(bsSingle)
            .String("EditMask", &TMaskEdit::EditMask, &TMaskEdit::SetEditMask)
            .Integer("MaxLength", &TMaskEdit::MaxLength, &TMaskEdit::SetMaxLength)
            .Default(0)
            .Boolean("ReadOnly", &TMaskEdit::ReadOnly, &TMaskEdit::SetReadOnly)
            .Default(false)
            .Boolean("TabStop", &TMaskEdit::TabStop, &TMaskEdit::SetTabStop)
            .Default(true)
            .String("Text", &TMaskEdit::Text, &TMaskEdit::SetText)
            .Event("OnChange", &TMaskEdit::OnChange)
            .Build();
    return Info;
}
