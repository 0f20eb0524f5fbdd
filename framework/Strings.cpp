#include "framework/Strings.h"

#include "framework/Exception.h"
#include "framework/PropertyRegistry.h"
#include "framework/Text.h"
#include "framework/UpdateScope.h"

const TClassInfo& TStrings::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TStrings>("TStrings", &TPersistent::StaticClass()).Build();
    return Info;
}

void TStrings::IndexError(int Index)
{
    throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

void TStrings::SetStrings(int Index, const std::string& S)
{
    TObject* Object = Objects(Index);
    TUpdateScope Batch(*this);
    Delete(Index);
    InsertObject(Index, S, Object);
}

TObject* TStrings::Objects(int Index) const
{
    if (Index < 0 || Index >= Count()) IndexError(Index);
    return nullptr;
}

void TStrings::SetObjects(int Index, TObject*)
{
    if (Index < 0 || Index >= Count()) IndexError(Index);
}

int TStrings::Add(const std::string& S)
{
    const int Index = Count();
    Insert(Index, S);
    return Index;
}

int TStrings::AddObject(const std::string& S, TObject* Object)
{
    const int Index = Add(S);
    SetObjects(Index, Object);
    return Index;
}

void TStrings::InsertObject(int Index, const std::string& S, TObject* Object)
{
    Insert(Index, S);
    SetObjects(Index, Object);
}

void TStrings::AddStrings(const TStrings& Source)
{
    TUpdateScope Batch(*this);
    for (int I = 0; I < Source.Count(); ++I)
        AddObject(Source.Strings(I), Source.Objects(I));
}

void TStrings::Move(int CurIndex, int NewIndex)
{
    if (CurIndex == NewIndex) return;
    if (NewIndex < 0 || NewIndex >= Count()) IndexError(NewIndex);
    TUpdateScope Batch(*this);
    const std::string S = Strings(CurIndex);
    TObject* Object = Objects(CurIndex);
    Delete(CurIndex);
    InsertObject(NewIndex, S, Object);
}

void TStrings::Exchange(int Index1, int Index2)
{
    TUpdateScope Batch(*this);
    const std::string S1 = Strings(Index1);
    TObject* O1 = Objects(Index1);
    const std::string S2 = Strings(Index2);
    TObject* O2 = Objects(Index2);
    SetStrings(Index1, S2);
    SetObjects(Index1, O2);
    SetStrings(Index2, S1);
    SetObjects(Index2, O1);
}

int TStrings::CompareStrings(std::string_view A, std::string_view B) const
{
    return CompareText(A, B);
}

int TStrings::IndexOf(std::string_view S) const
{
    for (int I = 0; I < Count(); ++I)
        if (CompareStrings(Strings(I), S) == 0) return I;
    return -1;
}

int TStrings::IndexOfName(std::string_view Name) const
{
    for (int I = 0; I < Count(); ++I)
    {
        const std::string Line = Strings(I);
        const size_t P = Line.find(FNameValueSeparator);
        if (P != std::string::npos && SameText(std::string_view(Line).substr(0, P), Name)) return I;
    }
    return -1;
}

int TStrings::IndexOfObject(const TObject* Object) const
{
    for (int I = 0; I < Count(); ++I)
        if (Objects(I) == Object) return I;
    return -1;
}

std::string TStrings::Names(int Index) const
{
    const std::string Line = Strings(Index);
    const size_t P = Line.find(FNameValueSeparator);
    return P == std::string::npos ? std::string() : Line.substr(0, P);
}

std::string TStrings::ValueFromIndex(int Index) const
{
    const std::string Line = Strings(Index);
    const size_t P = Line.find(FNameValueSeparator);
    return P == std::string::npos ? std::string() : Line.substr(P + 1);
}

std::string TStrings::Values(std::string_view Name) const
{
    const int I = IndexOfName(Name);
    return I < 0 ? std::string() : ValueFromIndex(I);
}

void TStrings::SetValues(std::string_view Name, const std::string& Value)
{
    const int I = IndexOfName(Name);
    if (Value.empty())
    {
        if (I >= 0) Delete(I);
        return;
    }
    const std::string Line = std::string(Name) + FNameValueSeparator + Value;
    if (I >= 0)
        SetStrings(I, Line);
    else
        Add(Line);
}

std::string TStrings::Text() const
{
    std::string R;
    for (int I = 0; I < Count(); ++I)
    {
        R += Strings(I);
        R += '\n';
    }
    return R;
}

void TStrings::SetText(std::string_view Text)
{
    TUpdateScope Batch(*this);
    Clear();
    size_t Start = 0;
    while (Start < Text.size())
    {
        size_t End = Start;
        while (End < Text.size() && Text[End] != '\n' && Text[End] != '\r')
            ++End;
        Add(std::string(Text.substr(Start, End - Start)));
        if (End < Text.size() && Text[End] == '\r' && End + 1 < Text.size() &&
            Text[End + 1] == '\n')
            ++End;
        Start = End + 1;
    }
}

std::string TStrings::DelimitedText() const
{
    return JoinDelimited(FDelimiter, FQuoteChar);
}
void TStrings::SetDelimitedText(std::string_view Text)
{
    SplitDelimited(Text, FDelimiter, FQuoteChar);
}
std::string TStrings::CommaText() const
{
    return JoinDelimited(',', '"');
}
void TStrings::SetCommaText(std::string_view Text)
{
    SplitDelimited(Text, ',', '"');
}

std::string TStrings::JoinDelimited(char Delim, char Quote) const
{
    std::string R;
    for (int I = 0; I < Count(); ++I)
    {
        const std::string S = Strings(I);
        bool Quoted = S.empty() && Count() == 1;
        for (char C : S)
            if (static_cast<unsigned char>(C) <= ' ' || C == Delim || C == Quote) Quoted = true;
        if (I > 0) R += Delim;
        if (!Quoted)
        {
            R += S;
            continue;
        }
        R += Quote;
        for (char C : S)
        {
            if (C == Quote) R += Quote;
            R += C;
        }
        R += Quote;
    }
    return R;
}

void TStrings::SplitDelimited(std::string_view Text, char Delim, char Quote)
{
    auto IsBlank = [](char C) { return C > '\0' && static_cast<unsigned char>(C) <= ' '; };
    TUpdateScope Batch(*this);
    Clear();
    size_t P = 0;
    while (P < Text.size() && IsBlank(Text[P]))
        ++P;
    while (P < Text.size())
    {
        std::string Item;
        if (Text[P] == Quote)
        {
            ++P;
            while (P < Text.size())
            {
                if (Text[P] != Quote)
                    Item += Text[P++];
                else if (P + 1 < Text.size() && Text[P + 1] == Quote)
                {
                    Item += Quote;
                    P += 2;
                }
                else
                {
                    ++P;
                    break;
                }
            }
        }
        else
            while (P < Text.size() && Text[P] != Delim && !IsBlank(Text[P]))
                Item += Text[P++];
        Add(Item);
        while (P < Text.size() && IsBlank(Text[P]))
            ++P;
        if (P < Text.size() && Text[P] == Delim)
        {
            ++P;
            while (P < Text.size() && IsBlank(Text[P]))
                ++P;
            if (P == Text.size()) Add(""); // a trailing delimiter ends with an empty item
        }
    }
}

void TStrings::BeginUpdate()
{
    if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

bool TStrings::Equals(const TStrings& Other) const
{
    if (Count() != Other.Count()) return false;
    for (int I = 0; I < Count(); ++I)
        if (Strings(I) != Other.Strings(I)) return false;
    return true;
}

void TStrings::Assign(const TPersistent* Source)
{
    auto* Other = dynamic_cast<const TStrings*>(Source);
    if (!Other)
    {
        TPersistent::Assign(Source);
        return;
    }
    if (Other == this) return;
    TUpdateScope Batch(*this);
    Clear();
    FNameValueSeparator = Other->FNameValueSeparator;
    FDelimiter = Other->FDelimiter;
    FQuoteChar = Other->FQuoteChar;
    AddStrings(*Other);
}
