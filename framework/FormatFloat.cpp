#include "framework/FormatFloat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace
{
// Magnitude as decimal digits: 0.D1D2D3... x 10^Exponent, no trailing zeros.
// Zero has no digits.
struct TDecimal
{
    std::string Digits;
    int Exponent = 0;

    bool IsZero() const { return Digits.empty(); }

    void Normalize()
    {
        while (!Digits.empty() && Digits.back() == '0')
            Digits.pop_back();
        size_t Lead = 0;
        while (Lead < Digits.size() && Digits[Lead] == '0')
            ++Lead;
        Digits.erase(0, Lead);
        Exponent -= static_cast<int>(Lead);
        if (Digits.empty()) Exponent = 0;
    }

    // Keeps Decimals digits after the point, halves away from zero.
    void Round(int Decimals)
    {
        const int Keep = Exponent + Decimals;
        if (Keep >= static_cast<int>(Digits.size())) return;
        if (Keep < 0)
        {
            Digits.clear();
            Exponent = 0;
            return;
        }
        const bool Up = Digits[static_cast<size_t>(Keep)] >= '5';
        Digits.resize(static_cast<size_t>(Keep));
        if (Up)
        {
            int I = Keep - 1;
            while (I >= 0 && Digits[static_cast<size_t>(I)] == '9')
                Digits[static_cast<size_t>(I--)] = '0';
            if (I < 0)
            {
                Digits.insert(Digits.begin(), '1');
                ++Exponent;
            }
            else
                ++Digits[static_cast<size_t>(I)];
        }
        Normalize();
    }

    // Digit at position P counted from the decimal point: 0 is the first
    // decimal, -1 the units.
    char DigitAfterPoint(int P) const
    {
        const int Index = Exponent + P;
        return (Index >= 0 && Index < static_cast<int>(Digits.size()))
                   ? Digits[static_cast<size_t>(Index)]
                   : '0';
    }

    std::string IntegerDigits() const
    {
        std::string R;
        for (int P = -Exponent; P < 0; ++P)
            R += DigitAfterPoint(P);
        return R;
    }
};

TDecimal ToDecimal(double Magnitude)
{
    TDecimal D;
    if (Magnitude == 0) return D;
    char Buf[64];
    if (Magnitude <= 9007199254740992.0 && Magnitude == std::floor(Magnitude))
    {
        std::snprintf(Buf, sizeof Buf, "%.0f", Magnitude);
        D.Digits = Buf;
        D.Exponent = static_cast<int>(D.Digits.size());
    }
    else
    {
        std::snprintf(Buf, sizeof Buf, "%.14e", Magnitude);
        const std::string S = Buf;
        const size_t E = S.find('e');
        D.Digits = S.substr(0, 1) + S.substr(2, E - 2);
        D.Exponent = std::atoi(S.c_str() + E + 1) + 1;
    }
    D.Normalize();
    return D;
}

enum class TPatternKind
{
    Zero,
    Hash,
    Point,
    Literal
};

struct TPatternToken
{
    TPatternKind Kind;
    std::string Text;
};

struct TSection
{
    std::vector<TPatternToken> Tokens;
    bool Grouping = false;
    int IntPlaces = 0;
    int MinInt = 0;
    int FracPlaces = 0;
    int MinFrac = 0;
};

TSection ParseSection(std::string_view F)
{
    TSection S;
    bool AfterPoint = false;
    int FirstZero = -1;
    for (size_t I = 0; I < F.size(); ++I)
    {
        const char C = F[I];
        if (C == '\'' || C == '"')
        {
            const size_t End = F.find(C, I + 1);
            const size_t Stop = End == std::string_view::npos ? F.size() : End;
            S.Tokens.push_back({TPatternKind::Literal, std::string(F.substr(I + 1, Stop - I - 1))});
            I = Stop;
        }
        else if (C == '0' || C == '#')
        {
            S.Tokens.push_back({C == '0' ? TPatternKind::Zero : TPatternKind::Hash, {}});
            if (AfterPoint)
            {
                ++S.FracPlaces;
                if (C == '0') S.MinFrac = S.FracPlaces;
            }
            else
            {
                if (C == '0' && FirstZero < 0) FirstZero = S.IntPlaces;
                ++S.IntPlaces;
            }
        }
        else if (C == '.' && !AfterPoint)
        {
            S.Tokens.push_back({TPatternKind::Point, {}});
            AfterPoint = true;
        }
        else if (C == ',')
        {
            if (!AfterPoint) S.Grouping = true;
        }
        else
            S.Tokens.push_back({TPatternKind::Literal, std::string(1, C)});
    }
    S.MinInt = FirstZero < 0 ? 0 : S.IntPlaces - FirstZero;
    return S;
}

std::string Render(const TSection& S, const TDecimal& D, const TFormatSettings& Settings)
{
    std::string Int = D.IntegerDigits();
    if (static_cast<int>(Int.size()) < S.MinInt)
        Int.insert(0, static_cast<size_t>(S.MinInt) - Int.size(), '0');
    std::string Frac;
    for (int P = 0; P < S.FracPlaces; ++P)
        Frac += D.DigitAfterPoint(P);
    while (static_cast<int>(Frac.size()) > S.MinFrac && Frac.back() == '0')
        Frac.pop_back();

    const int IntLen = static_cast<int>(Int.size());
    std::string Out;
    auto EmitIntDigit = [&](int Index)
    {
        Out += Int[static_cast<size_t>(Index)];
        const int Left = IntLen - 1 - Index;
        if (S.Grouping && Left > 0 && Left % 3 == 0) Out += Settings.ThousandSeparator;
    };
    // Integer digits align right on the integer placeholders; any surplus
    // goes out at the first one (or before the point when there is none).
    int Next = 0;
    int Place = 0;
    auto FlushSurplus = [&](int UpTo)
    {
        while (Next < IntLen && Next <= UpTo)
            EmitIntDigit(Next++);
    };
    int FracIndex = 0;
    bool SeenPoint = false;
    for (const TPatternToken& T : S.Tokens)
    {
        if (T.Kind == TPatternKind::Literal)
        {
            Out += T.Text;
            continue;
        }
        if (T.Kind == TPatternKind::Point)
        {
            FlushSurplus(IntLen - 1);
            SeenPoint = true;
            if (!Frac.empty()) Out += Settings.DecimalSeparator;
            continue;
        }
        if (!SeenPoint)
        {
            // Placeholder Place (from the left) stands for digit
            // IntLen - (IntPlaces - Place).
            FlushSurplus(IntLen - (S.IntPlaces - Place));
            ++Place;
            continue;
        }
        if (FracIndex < static_cast<int>(Frac.size())) Out += Frac[static_cast<size_t>(FracIndex)];
        ++FracIndex;
    }
    FlushSurplus(IntLen - 1);
    return Out;
}

std::vector<std::string_view> SplitSections(std::string_view Format)
{
    std::vector<std::string_view> R;
    size_t Start = 0;
    char Quote = 0;
    for (size_t I = 0; I < Format.size(); ++I)
    {
        const char C = Format[I];
        if (Quote)
        {
            if (C == Quote) Quote = 0;
        }
        else if (C == '\'' || C == '"')
            Quote = C;
        else if (C == ';')
        {
            R.push_back(Format.substr(Start, I - Start));
            Start = I + 1;
        }
    }
    R.push_back(Format.substr(Start));
    return R;
}
} // namespace

std::string FormatFloat(std::string_view Format, double Value)
{
    return FormatFloat(Format, Value, FormatSettings());
}

std::string FormatFloat(std::string_view Format, double Value, const TFormatSettings& Settings)
{
    if (std::isnan(Value)) return "NAN";
    if (std::isinf(Value)) return Value < 0 ? "-INF" : "INF";
    if (Format.empty()) return FloatToStr(Value, Settings);

    const auto Sections = SplitSections(Format);
    const bool Negative = Value < 0;
    const bool HasNegative = Sections.size() > 1 && !Sections[1].empty();
    const std::string_view Chosen = (Negative && HasNegative) ? Sections[1] : Sections[0];

    TSection S = ParseSection(Chosen);
    TDecimal D = ToDecimal(std::fabs(Value));
    D.Round(S.FracPlaces);
    if (D.IsZero() && Sections.size() > 2 && !Sections[2].empty())
    {
        S = ParseSection(Sections[2]);
        return Render(S, TDecimal{}, Settings);
    }
    std::string Out = Render(S, D, Settings);
    if (Negative && !HasNegative && !D.IsZero()) Out.insert(0, "-");
    return Out;
}

std::string FloatToStr(double Value)
{
    return FloatToStr(Value, FormatSettings());
}

std::string FloatToStr(double Value, const TFormatSettings& Settings)
{
    if (std::isnan(Value)) return "NAN";
    if (std::isinf(Value)) return Value < 0 ? "-INF" : "INF";
    const TDecimal D = ToDecimal(std::fabs(Value));
    if (D.IsZero()) return "0";
    std::string Out = Value < 0 ? "-" : "";
    if (D.Exponent > 15 || D.Exponent < -3)
    {
        Out += D.Digits.substr(0, 1);
        if (D.Digits.size() > 1)
        {
            Out += Settings.DecimalSeparator;
            Out += D.Digits.substr(1);
        }
        const int E = D.Exponent - 1;
        Out += E < 0 ? "E-" : "E+";
        Out += std::to_string(std::abs(E));
        return Out;
    }
    const std::string Int = D.IntegerDigits();
    Out += Int.empty() ? "0" : Int;
    const int Decimals = static_cast<int>(D.Digits.size()) - D.Exponent;
    if (Decimals > 0)
    {
        Out += Settings.DecimalSeparator;
        for (int P = 0; P < Decimals; ++P)
            Out += D.DigitAfterPoint(P);
    }
    return Out;
}
