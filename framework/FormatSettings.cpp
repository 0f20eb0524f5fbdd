#include "framework/FormatSettings.h"

#include <clocale>
#include <langinfo.h>
#include <locale.h>
#include <optional>
#include <string_view>

namespace
{
std::optional<TFormatSettings>& Current()
{
    static std::optional<TFormatSettings> Settings;
    return Settings;
}

// Expands the composite C conversions into their parts first.
std::string ExpandC(const std::string& F)
{
    std::string R;
    for (size_t I = 0; I < F.size(); ++I)
    {
        if (F[I] != '%' || I + 1 >= F.size())
        {
            R += F[I];
            continue;
        }
        const char C = F[++I];
        if (C == 'T')
            R += "%H:%M:%S";
        else if (C == 'R')
            R += "%H:%M";
        else if (C == 'r')
            R += "%I:%M:%S %p";
        else if (C == 'D')
            R += "%m/%d/%y";
        else if (C == 'F')
            R += "%Y-%m-%d";
        else
        {
            R += '%';
            R += C;
        }
    }
    return R;
}

// Letters outside conversions are quoted so they stay literal.
void AddLiteral(std::string& R, char C)
{
    if ((C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z'))
    {
        R += '"';
        R += C;
        R += '"';
    }
    else
        R += C;
}
// Only ASCII punctuation and spaces.
bool IsSeparator(std::string_view S)
{
    for (char C : S)
    {
        const auto U = static_cast<unsigned char>(C);
        if (U >= 0x80 || (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') ||
            (C >= '0' && C <= '9') || C == '"')
            return false;
    }
    return true;
}
} // namespace

std::string TFormatSettings::TimeFormatFromC(const std::string& CFormat, bool WithSeconds)
{
    const std::string F = ExpandC(CFormat);
    std::string R;
    size_t MinutesEnd = std::string::npos;
    bool SkipSecondsText = false; // literal text that belongs to dropped seconds
    for (size_t I = 0; I < F.size(); ++I)
    {
        if (F[I] != '%' || I + 1 >= F.size())
        {
            if (SkipSecondsText && F[I] != ' ') continue;
            SkipSecondsText = false;
            AddLiteral(R, F[I]);
            continue;
        }
        SkipSecondsText = false;
        size_t J = I + 1;
        // Flags and modifiers (%-I, %OH, %EH) do not change which field it is.
        while (J < F.size() &&
               (F[J] == '-' || F[J] == '_' || F[J] == '0' || F[J] == 'O' || F[J] == 'E'))
            ++J;
        if (J >= F.size()) break;
        const bool NoPad = J > I + 1 && F[I + 1] == '-';
        I = J;
        switch (F[J])
        {
        case 'H':
        case 'I':
            R += NoPad ? "h" : "hh";
            break;
        case 'k':
        case 'l':
            R += "h";
            break;
        case 'M':
            R += "nn";
            MinutesEnd = R.size();
            break;
        case 'S':
            if (WithSeconds)
                R += "ss";
            else
            {
                // Drop the seconds with the separator before them and any
                // unit text after them: "%H:%M:%S" gives hh:nn and
                // "%H時%M分%S秒" gives hh時nn分 (a unit after the minutes stays).
                if (MinutesEnd != std::string::npos &&
                    IsSeparator(std::string_view(R).substr(MinutesEnd)))
                    R.resize(MinutesEnd);
                SkipSecondsText = true;
            }
            break;
        case 'p':
        case 'P':
            R += "AMPM";
            break;
        case '%':
            R += '%';
            break;
        default:
            break;
        }
    }
    return R;
}

std::string TFormatSettings::DateFormatFromC(const std::string& CFormat)
{
    const std::string F = ExpandC(CFormat);
    std::string R;
    for (size_t I = 0; I < F.size(); ++I)
    {
        if (F[I] != '%' || I + 1 >= F.size())
        {
            AddLiteral(R, F[I]);
            continue;
        }
        switch (F[++I])
        {
        case 'd':
            R += "dd";
            break;
        case 'e':
            R += "d";
            break;
        case 'm':
            R += "mm";
            break;
        case 'y':
            R += "yy";
            break;
        case 'Y':
            R += "yyyy";
            break;
        default:
            break;
        }
    }
    return R;
}

TFormatSettings TFormatSettings::FromSeparators(std::string_view Radix, std::string_view Thousands)
{
    TFormatSettings S;
    const bool OneKey = Radix.size() == 1 && static_cast<unsigned char>(Radix[0]) > ' ' &&
                        static_cast<unsigned char>(Radix[0]) < 0x80 &&
                        !(Radix[0] >= '0' && Radix[0] <= '9');
    S.DecimalSeparator = OneKey ? Radix[0] : '.';
    const std::string Other = S.DecimalSeparator == ',' ? "." : ",";
    S.ThousandSeparator = Thousands.empty() || Thousands == std::string(1, S.DecimalSeparator)
                              ? Other
                              : std::string(Thousands);
    return S;
}

TFormatSettings TFormatSettings::FromLocale(const char* LocaleName)
{
    TFormatSettings S;
    locale_t Loc = newlocale(LC_ALL_MASK, LocaleName ? LocaleName : "", static_cast<locale_t>(0));
    if (!Loc) Loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    if (!Loc) return S;
    const std::string Radix = nl_langinfo_l(RADIXCHAR, Loc);
    const std::string Thousands = nl_langinfo_l(THOUSEP, Loc);
    const std::string TimeFmt = nl_langinfo_l(T_FMT, Loc);
    const std::string DateFmt = nl_langinfo_l(D_FMT, Loc);
    const std::string Am = nl_langinfo_l(AM_STR, Loc);
    const std::string Pm = nl_langinfo_l(PM_STR, Loc);
    freelocale(Loc);

    // Locales without grouping (such as "C") still need a thousands
    // separator for patterns that ask for one.
    const TFormatSettings Separators = FromSeparators(Radix, Thousands);
    S.DecimalSeparator = Separators.DecimalSeparator;
    S.ThousandSeparator = Separators.ThousandSeparator;
    if (!TimeFmt.empty())
    {
        S.LongTimeFormat = TimeFormatFromC(TimeFmt, true);
        S.ShortTimeFormat = TimeFormatFromC(TimeFmt, false);
    }
    if (!DateFmt.empty()) S.ShortDateFormat = DateFormatFromC(DateFmt);
    for (char C : TimeFmt)
        if (C == ':' || C == '.')
        {
            S.TimeSeparator = std::string(1, C);
            break;
        }
    if (!Am.empty()) S.TimeAMString = Am;
    if (!Pm.empty()) S.TimePMString = Pm;
    return S;
}

const TFormatSettings& FormatSettings()
{
    auto& C = Current();
    if (!C) C = TFormatSettings::FromLocale("");
    return *C;
}

void SetFormatSettings(const TFormatSettings& Settings)
{
    Current() = Settings;
}
