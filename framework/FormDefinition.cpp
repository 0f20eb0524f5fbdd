#include "framework/FormDefinition.h"

#include "framework/Exception.h"
#include "framework/Text.h"

#include <charconv>
#include <cmath>

namespace
{
enum class TTok
{
    End,
    Ident,
    Integer,
    Float,
    String,
    Binary,
    Punct
};

struct TToken
{
    TTok Kind = TTok::End;
    TFormPos Pos;
    std::string Text; // identifier, string contents, punctuation
    int64_t Integer = 0;
    double Float = 0;
    TBytes Bytes;
};

bool IsIdentStart(char C)
{
    return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_';
}
bool IsIdentChar(char C)
{
    return IsIdentStart(C) || (C >= '0' && C <= '9');
}
bool IsDigit(char C)
{
    return C >= '0' && C <= '9';
}
int HexValue(char C)
{
    if (C >= '0' && C <= '9') return C - '0';
    if (C >= 'A' && C <= 'F') return C - 'A' + 10;
    if (C >= 'a' && C <= 'f') return C - 'a' + 10;
    return -1;
}

void AppendUtf8(std::string& S, uint32_t Code)
{
    if (Code < 0x80)
        S += static_cast<char>(Code);
    else if (Code < 0x800)
    {
        S += static_cast<char>(0xC0 | (Code >> 6));
        S += static_cast<char>(0x80 | (Code & 0x3F));
    }
    else if (Code < 0x10000)
    {
        S += static_cast<char>(0xE0 | (Code >> 12));
        S += static_cast<char>(0x80 | ((Code >> 6) & 0x3F));
        S += static_cast<char>(0x80 | (Code & 0x3F));
    }
    else
    {
        S += static_cast<char>(0xF0 | (Code >> 18));
        S += static_cast<char>(0x80 | ((Code >> 12) & 0x3F));
        S += static_cast<char>(0x80 | ((Code >> 6) & 0x3F));
        S += static_cast<char>(0x80 | (Code & 0x3F));
    }
}

class TLexer
{
  public:
    explicit TLexer(std::string_view Text) : FText(Text) {}

    TToken Next()
    {
        SkipBlanks();
        TToken T;
        T.Pos = {FLine, FColumn};
        if (FPos >= FText.size()) return T;
        const char C = FText[FPos];
        if (IsIdentStart(C)) return Ident(T);
        if (IsDigit(C) || C == '$' ||
            ((C == '-' || C == '+') && FPos + 1 < FText.size() &&
             (IsDigit(FText[FPos + 1]) || FText[FPos + 1] == '$')))
            return Number(T);
        if (C == '\'' || C == '#') return String(T);
        if (C == '{') return Binary(T);
        if (std::string_view("=:[](),<>+").find(C) != std::string_view::npos)
        {
            T.Kind = TTok::Punct;
            T.Text = std::string(1, C);
            Advance();
            return T;
        }
        Fail(T.Pos, "unexpected character '" + Printable(C) + "'");
    }

    [[noreturn]] static void Fail(TFormPos Pos, const std::string& What)
    {
        throw EFormError(Pos.Line, Pos.Column, What);
    }

  private:
    static std::string Printable(char C)
    {
        const auto U = static_cast<unsigned char>(C);
        if (U < 0x20 || U >= 0x7F) return "#" + std::to_string(U);
        return std::string(1, C);
    }

    void Advance()
    {
        if (FText[FPos] == '\n')
        {
            ++FLine;
            FColumn = 1;
        }
        else
            ++FColumn;
        ++FPos;
    }

    void SkipBlanks()
    {
        while (FPos < FText.size())
        {
            const char C = FText[FPos];
            if (C == ' ' || C == '\t' || C == '\r' || C == '\n')
                Advance();
            else
                break;
        }
    }

    TToken Ident(TToken& T)
    {
        T.Kind = TTok::Ident;
        for (;;)
        {
            while (FPos < FText.size() && IsIdentChar(FText[FPos]))
            {
                T.Text += FText[FPos];
                Advance();
            }
            if (FPos + 1 < FText.size() && FText[FPos] == '.' && IsIdentStart(FText[FPos + 1]))
            {
                T.Text += '.';
                Advance();
                continue;
            }
            return T;
        }
    }

    TToken Number(TToken& T)
    {
        std::string S;
        if (FText[FPos] == '-' || FText[FPos] == '+')
        {
            if (FText[FPos] == '-') S += '-';
            Advance();
        }
        if (FText[FPos] == '$')
        {
            Advance();
            std::string Hex;
            while (FPos < FText.size() && HexValue(FText[FPos]) >= 0)
            {
                Hex += FText[FPos];
                Advance();
            }
            uint64_t V = 0;
            const auto R = std::from_chars(Hex.data(), Hex.data() + Hex.size(), V, 16);
            if (Hex.empty() || R.ec != std::errc()) Fail(T.Pos, "invalid hexadecimal number");
            T.Kind = TTok::Integer;
            // $FFFFFFFF style values keep their bit pattern in 64 bits.
            T.Integer = static_cast<int64_t>(V);
            if (!S.empty()) T.Integer = -T.Integer;
            return T;
        }
        bool IsFloat = false;
        auto Digits = [&]
        {
            while (FPos < FText.size() && IsDigit(FText[FPos]))
            {
                S += FText[FPos];
                Advance();
            }
        };
        Digits();
        if (FPos + 1 < FText.size() && FText[FPos] == '.' && IsDigit(FText[FPos + 1]))
        {
            IsFloat = true;
            S += '.';
            Advance();
            Digits();
        }
        if (FPos < FText.size() && (FText[FPos] == 'e' || FText[FPos] == 'E'))
        {
            IsFloat = true;
            S += 'e';
            Advance();
            if (FPos < FText.size() && (FText[FPos] == '+' || FText[FPos] == '-'))
            {
                S += FText[FPos];
                Advance();
            }
            if (FPos >= FText.size() || !IsDigit(FText[FPos])) Fail(T.Pos, "invalid number");
            Digits();
        }
        if (FPos < FText.size() && IsIdentChar(FText[FPos])) Fail(T.Pos, "invalid number");
        const char* First = S.data();
        const char* Last = S.data() + S.size();
        if (IsFloat)
        {
            T.Kind = TTok::Float;
            const auto R = std::from_chars(First, Last, T.Float);
            if (R.ec != std::errc() || R.ptr != Last) Fail(T.Pos, "number out of range");
        }
        else
        {
            T.Kind = TTok::Integer;
            const auto R = std::from_chars(First, Last, T.Integer);
            if (R.ec != std::errc() || R.ptr != Last) Fail(T.Pos, "number out of range");
        }
        return T;
    }

    TToken String(TToken& T)
    {
        T.Kind = TTok::String;
        while (FPos < FText.size() && (FText[FPos] == '\'' || FText[FPos] == '#'))
        {
            if (FText[FPos] == '\'')
            {
                Advance();
                for (;;)
                {
                    if (FPos >= FText.size() || FText[FPos] == '\n' || FText[FPos] == '\r')
                        Fail(T.Pos, "unterminated string");
                    if (FText[FPos] == '\'')
                    {
                        Advance();
                        if (FPos < FText.size() && FText[FPos] == '\'')
                        {
                            T.Text += '\'';
                            Advance();
                            continue;
                        }
                        break;
                    }
                    T.Text += FText[FPos];
                    Advance();
                }
                continue;
            }
            const TFormPos CodePos{FLine, FColumn};
            Advance();
            int Base = 10;
            if (FPos < FText.size() && FText[FPos] == '$')
            {
                Base = 16;
                Advance();
            }
            uint32_t Code = 0;
            size_t Count = 0;
            while (FPos < FText.size() &&
                   (Base == 16 ? HexValue(FText[FPos]) >= 0 : IsDigit(FText[FPos])))
            {
                Code = Code * static_cast<uint32_t>(Base) +
                       static_cast<uint32_t>(HexValue(FText[FPos]));
                if (Code > 0x10FFFF) Fail(CodePos, "character code out of range");
                ++Count;
                Advance();
            }
            if (Count == 0) Fail(CodePos, "character code expected after '#'");
            if (Code >= 0xD800 && Code <= 0xDFFF) Fail(CodePos, "character code out of range");
            AppendUtf8(T.Text, Code);
        }
        return T;
    }

    TToken Binary(TToken& T)
    {
        T.Kind = TTok::Binary;
        Advance();
        int High = -1;
        for (;;)
        {
            SkipBlanks();
            if (FPos >= FText.size()) Fail(T.Pos, "unterminated binary data");
            const char C = FText[FPos];
            if (C == '}')
            {
                if (High >= 0)
                    Fail({FLine, FColumn}, "binary data has an odd number of hex digits");
                Advance();
                return T;
            }
            const int V = HexValue(C);
            if (V < 0) Fail({FLine, FColumn}, "invalid character in binary data");
            if (High < 0)
                High = V;
            else
            {
                T.Bytes.push_back(static_cast<uint8_t>(High << 4 | V));
                High = -1;
            }
            Advance();
        }
    }

    std::string_view FText;
    size_t FPos = 0;
    int FLine = 1;
    int FColumn = 1;
};

class TParser
{
  public:
    explicit TParser(std::string_view Text) : FLexer(Text) { Shift(); }

    TFormObject Root()
    {
        TFormObject Obj = Object(0);
        if (FTok.Kind != TTok::End) TLexer::Fail(FTok.Pos, "text after the end of the definition");
        return Obj;
    }

  private:
    void Shift()
    {
        if (FHavePeek)
        {
            FTok = std::move(FPeek);
            FHavePeek = false;
        }
        else
            FTok = FLexer.Next();
    }

    const TToken& Peek()
    {
        if (!FHavePeek)
        {
            FPeek = FLexer.Next();
            FHavePeek = true;
        }
        return FPeek;
    }

    bool IsKeyword(const TToken& T, std::string_view Word) const
    {
        return T.Kind == TTok::Ident && SameText(T.Text, Word);
    }
    bool IsPunct(const TToken& T, char C) const { return T.Kind == TTok::Punct && T.Text[0] == C; }

    [[noreturn]] void Expected(const std::string& What)
    {
        std::string Found;
        switch (FTok.Kind)
        {
        case TTok::End:
            Found = "end of text";
            break;
        case TTok::Ident:
            Found = "'" + FTok.Text + "'";
            break;
        case TTok::Punct:
            Found = "'" + FTok.Text + "'";
            break;
        case TTok::String:
            Found = "a string";
            break;
        case TTok::Binary:
            Found = "binary data";
            break;
        default:
            Found = "a number";
        }
        TLexer::Fail(FTok.Pos, What + " expected but " + Found + " found");
    }

    void ExpectPunct(char C)
    {
        if (!IsPunct(FTok, C)) Expected(std::string("'") + C + "'");
        Shift();
    }

    std::string ExpectIdent(const char* What)
    {
        if (FTok.Kind != TTok::Ident || FTok.Text.find('.') != std::string::npos) Expected(What);
        std::string S = FTok.Text;
        Shift();
        return S;
    }

    void CheckDepth(int Depth)
    {
        if (Depth > MaxFormNesting) TLexer::Fail(FTok.Pos, "definition nested too deeply");
    }

    TFormObject Object(int Depth)
    {
        CheckDepth(Depth);
        TFormObject Obj;
        Obj.Pos = FTok.Pos;
        if (!IsKeyword(FTok, "object")) Expected("'object'");
        Shift();
        std::string First = ExpectIdent("name or class name");
        if (IsPunct(FTok, ':'))
        {
            Shift();
            Obj.Name = std::move(First);
            Obj.ClassName = ExpectIdent("class name");
        }
        else
            Obj.ClassName = std::move(First);
        for (;;)
        {
            const bool Assignment = FTok.Kind == TTok::Ident && IsPunct(Peek(), '=');
            if (!Assignment && IsKeyword(FTok, "end"))
            {
                Shift();
                return Obj;
            }
            if (!Assignment && IsKeyword(FTok, "object"))
                Obj.Children.push_back(Object(Depth + 1));
            else if (FTok.Kind == TTok::Ident)
                Obj.Properties.push_back(Property(Depth));
            else
                Expected("property, 'object' or 'end'");
        }
    }

    TFormProperty Property(int Depth)
    {
        TFormProperty P;
        P.Pos = FTok.Pos;
        P.Path = FTok.Text;
        Shift();
        ExpectPunct('=');
        P.Value = Value(Depth + 1);
        return P;
    }

    TFormValue Value(int Depth)
    {
        CheckDepth(Depth);
        TFormValue V;
        V.Pos = FTok.Pos;
        switch (FTok.Kind)
        {
        case TTok::Integer:
            V.Kind = TFormValue::TKind::Integer;
            V.Integer = FTok.Integer;
            Shift();
            return V;
        case TTok::Float:
            V.Kind = TFormValue::TKind::Float;
            V.Float = FTok.Float;
            Shift();
            return V;
        case TTok::String:
            V.Kind = TFormValue::TKind::String;
            V.Text = FTok.Text;
            Shift();
            while (IsPunct(FTok, '+'))
            {
                Shift();
                if (FTok.Kind != TTok::String) Expected("string");
                V.Text += FTok.Text;
                Shift();
            }
            return V;
        case TTok::Ident:
            V.Kind = TFormValue::TKind::Ident;
            V.Text = FTok.Text;
            Shift();
            return V;
        case TTok::Binary:
            V.Kind = TFormValue::TKind::Binary;
            V.Bytes = std::move(FTok.Bytes);
            Shift();
            return V;
        default:
            break;
        }
        if (IsPunct(FTok, '['))
        {
            V.Kind = TFormValue::TKind::Set;
            Shift();
            if (!IsPunct(FTok, ']'))
                for (;;)
                {
                    V.Members.push_back(ExpectIdent("set member"));
                    if (IsPunct(FTok, ']')) break;
                    ExpectPunct(',');
                }
            Shift();
            return V;
        }
        if (IsPunct(FTok, '('))
        {
            V.Kind = TFormValue::TKind::List;
            Shift();
            while (!IsPunct(FTok, ')'))
            {
                if (FTok.Kind == TTok::End) Expected("')'");
                V.List.push_back(Value(Depth + 1));
            }
            Shift();
            return V;
        }
        if (IsPunct(FTok, '<'))
        {
            V.Kind = TFormValue::TKind::Collection;
            Shift();
            while (!IsPunct(FTok, '>'))
            {
                TFormItem Item;
                Item.Pos = FTok.Pos;
                if (!IsKeyword(FTok, "item")) Expected("'item' or '>'");
                Shift();
                for (;;)
                {
                    const bool Assignment = FTok.Kind == TTok::Ident && IsPunct(Peek(), '=');
                    if (!Assignment && IsKeyword(FTok, "end")) break;
                    if (FTok.Kind != TTok::Ident) Expected("property or 'end'");
                    Item.Properties.push_back(Property(Depth + 1));
                }
                Shift();
                V.Items.push_back(std::move(Item));
            }
            Shift();
            return V;
        }
        Expected("value");
    }

    TLexer FLexer;
    TToken FTok;
    TToken FPeek;
    bool FHavePeek = false;
};

// --- writing ---

void Indent(std::string& Out, int Level)
{
    Out.append(static_cast<size_t>(Level) * 2, ' ');
}

void WriteString(std::string& Out, const std::string& S)
{
    if (S.empty())
    {
        Out += "''";
        return;
    }
    bool InQuote = false;
    for (char C : S)
    {
        const auto U = static_cast<unsigned char>(C);
        if (U < 0x20 || U == 0x7F)
        {
            if (InQuote) Out += '\'';
            InQuote = false;
            Out += '#';
            Out += std::to_string(U);
            continue;
        }
        if (!InQuote) Out += '\'';
        InQuote = true;
        if (C == '\'') Out += '\'';
        Out += C;
    }
    if (InQuote) Out += '\'';
}

void WriteFloat(std::string& Out, double V)
{
    char Buf[64];
    const auto R = std::to_chars(Buf, Buf + sizeof Buf, V);
    std::string S(Buf, R.ptr);
    if (S.find_first_of(".e") == std::string::npos) S += ".0";
    Out += S;
}

void WriteProperties(std::string& Out, const std::vector<TFormProperty>& Props, int Level);

void WriteValue(std::string& Out, const TFormValue& V, int Level)
{
    using K = TFormValue::TKind;
    switch (V.Kind)
    {
    case K::Integer:
        Out += std::to_string(V.Integer);
        break;
    case K::Float:
        WriteFloat(Out, V.Float);
        break;
    case K::String:
        WriteString(Out, V.Text);
        break;
    case K::Ident:
        Out += V.Text;
        break;
    case K::Set:
        Out += '[';
        for (size_t I = 0; I < V.Members.size(); ++I)
        {
            if (I) Out += ", ";
            Out += V.Members[I];
        }
        Out += ']';
        break;
    case K::List:
        Out += '(';
        for (const auto& E : V.List)
        {
            Out += '\n';
            Indent(Out, Level + 1);
            WriteValue(Out, E, Level + 1);
        }
        Out += ')';
        break;
    case K::Collection:
        Out += '<';
        for (const auto& Item : V.Items)
        {
            Out += '\n';
            Indent(Out, Level + 1);
            Out += "item\n";
            WriteProperties(Out, Item.Properties, Level + 2);
            Indent(Out, Level + 1);
            Out += "end";
        }
        Out += '>';
        break;
    case K::Binary:
    {
        static const char Hex[] = "0123456789ABCDEF";
        Out += '{';
        for (size_t I = 0; I < V.Bytes.size(); ++I)
        {
            if (I % 32 == 0)
            {
                Out += '\n';
                Indent(Out, Level + 1);
            }
            Out += Hex[V.Bytes[I] >> 4];
            Out += Hex[V.Bytes[I] & 15];
        }
        Out += '}';
        break;
    }
    }
}

void WriteProperties(std::string& Out, const std::vector<TFormProperty>& Props, int Level)
{
    for (const auto& P : Props)
    {
        Indent(Out, Level);
        Out += P.Path;
        Out += " = ";
        WriteValue(Out, P.Value, Level);
        Out += '\n';
    }
}

void WriteObject(std::string& Out, const TFormObject& Obj, int Level)
{
    Indent(Out, Level);
    Out += "object ";
    if (!Obj.Name.empty()) Out += Obj.Name + ": ";
    Out += Obj.ClassName + '\n';
    WriteProperties(Out, Obj.Properties, Level + 1);
    for (const auto& C : Obj.Children)
        WriteObject(Out, C, Level + 1);
    Indent(Out, Level);
    Out += "end\n";
}
} // namespace

TFormObject ParseFormDefinition(std::string_view Text)
{
    return TParser(Text).Root();
}

std::string FormatFormDefinition(const TFormObject& Object)
{
    std::string Out;
    WriteObject(Out, Object, 0);
    return Out;
}
