#include "framework/Conversions.h"

#include "framework/Exception.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace
{
// Power of ten of the first non-zero digit of a C-form number.
int64_t DecimalExponent(const std::string& C)
{
    const size_t E = C.find('e');
    const std::string_view Mantissa = std::string_view(C).substr(0, E);
    int64_t Exp = 0;
    if (E != std::string::npos)
    {
        const char* First = C.data() + E + 1;
        if (*First == '+') ++First;
        if (std::from_chars(First, C.data() + C.size(), Exp).ec != std::errc())
            Exp = C[E + 1] == '-' ? std::numeric_limits<int32_t>::min()
                                  : std::numeric_limits<int32_t>::max();
    }
    int64_t IntDigits = 0, Index = 0, FirstNonZero = -1;
    bool AfterPoint = false;
    for (char Ch : Mantissa)
    {
        if (Ch == '.')
        {
            AfterPoint = true;
            continue;
        }
        if (Ch < '0' || Ch > '9') continue;
        if (!AfterPoint) ++IntDigits;
        if (FirstNonZero < 0 && Ch != '0') FirstNonZero = Index;
        ++Index;
    }
    if (FirstNonZero < 0) return std::numeric_limits<int32_t>::min();
    const int64_t Lead = IntDigits - 1 - FirstNonZero;
    return Lead + Exp;
}
} // namespace

bool TryStrToFloat(std::string_view S, double& Value)
{
    return TryStrToFloat(S, Value, FormatSettings());
}

bool TryStrToFloat(std::string_view S, double& Value, const TFormatSettings& Settings)
{
    const char Sep = Settings.DecimalSeparator;
    size_t P = 0;
    while (P < S.size() && S[P] == ' ')
        ++P;
    size_t End = S.size();
    while (End > P && S[End - 1] == ' ')
        --End;

    // Rewrite into the C form from_chars reads: [-]digits[.digits][e[-]digits].
    std::string C;
    if (P < End && (S[P] == '+' || S[P] == '-'))
    {
        if (S[P] == '-') C += '-';
        ++P;
    }
    auto IsDigit = [](char Ch) { return Ch >= '0' && Ch <= '9'; };
    size_t Mantissa = 0;
    bool Any = false;
    while (P < End && IsDigit(S[P]))
    {
        C += S[P++];
        ++Mantissa;
    }
    if (P < End && S[P] == Sep)
    {
        Any = true;
        ++P;
        C += '.';
        while (P < End && IsDigit(S[P]))
        {
            C += S[P++];
            ++Mantissa;
        }
    }
    if (!Any && Mantissa == 0) return false;
    if (Mantissa == 0) C += '0';
    if (P < End && (S[P] == 'e' || S[P] == 'E'))
    {
        C += 'e';
        ++P;
        if (P < End && (S[P] == '+' || S[P] == '-')) C += S[P++];
        size_t ExpDigits = 0;
        while (P < End && IsDigit(S[P]))
        {
            C += S[P++];
            ++ExpDigits;
        }
        if (ExpDigits == 0) return false;
    }
    if (P != End) return false;

    double Result = 0;
    const auto [Ptr, Ec] = std::from_chars(C.data(), C.data() + C.size(), Result);
    if (Ptr != C.data() + C.size()) return false;
    if (Ec == std::errc::result_out_of_range)
    {
        // Too large is refused, too small reads as zero; the two lie some
        // 600 decades apart, so the decimal exponent of the first
        // significant digit tells them apart.
        if (DecimalExponent(C) > 0) return false;
        Result = C[0] == '-' ? -0.0 : 0.0;
    }
    else if (Ec != std::errc())
        return false;
    Value = Result;
    return true;
}

double StrToFloat(std::string_view S)
{
    return StrToFloat(S, FormatSettings());
}

double StrToFloat(std::string_view S, const TFormatSettings& Settings)
{
    double V;
    if (!TryStrToFloat(S, V, Settings))
        throw EConvertError("'" + std::string(S) + "' is not a valid floating point value");
    return V;
}

std::string IntToStr(int64_t Value)
{
    return std::to_string(Value);
}

bool TryStrToInt64(std::string_view S, int64_t& Value)
{
    size_t P = 0;
    while (P < S.size() && S[P] == ' ')
        ++P;
    bool Negative = false;
    if (P < S.size() && (S[P] == '+' || S[P] == '-')) Negative = S[P++] == '-';
    int Base = 10;
    if (P < S.size() && S[P] == '$')
    {
        Base = 16;
        ++P;
    }
    if (P >= S.size() || S[P] == '+' || S[P] == '-') return false;
    uint64_t Magnitude = 0;
    const auto [Ptr, Ec] = std::from_chars(S.data() + P, S.data() + S.size(), Magnitude, Base);
    if (Ec != std::errc() || Ptr != S.data() + S.size()) return false;
    const uint64_t Limit = Negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
    if (Magnitude > Limit) return false;
    Value = Negative ? static_cast<int64_t>(0 - Magnitude) : static_cast<int64_t>(Magnitude);
    return true;
}

bool TryStrToInt(std::string_view S, int& Value)
{
    int64_t V;
    if (!TryStrToInt64(S, V) || V < std::numeric_limits<int>::min() ||
        V > std::numeric_limits<int>::max())
        return false;
    Value = static_cast<int>(V);
    return true;
}

int StrToInt(std::string_view S)
{
    int V;
    if (!TryStrToInt(S, V))
        throw EConvertError("'" + std::string(S) + "' is not a valid integer value");
    return V;
}

int64_t StrToInt64(std::string_view S)
{
    int64_t V;
    if (!TryStrToInt64(S, V))
        throw EConvertError("'" + std::string(S) + "' is not a valid integer value");
    return V;
}
