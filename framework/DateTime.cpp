#include "framework/DateTime.h"

#include "framework/Text.h"

#include <cmath>
#include <cstdint>
#include <ctime>

namespace
{
constexpr int64_t MsPerDay = 86400000;
// Days from 1899-12-30 to 1970-01-01.
constexpr int64_t UnixDay = 25569;

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
int64_t DaysFromCivil(int64_t Y, int M, int D)
{
    Y -= M <= 2;
    const int64_t Era = (Y >= 0 ? Y : Y - 399) / 400;
    const int64_t Yoe = Y - Era * 400;
    const int64_t Doy = (153 * (M + (M > 2 ? -3 : 9)) + 2) / 5 + D - 1;
    const int64_t Doe = Yoe * 365 + Yoe / 4 - Yoe / 100 + Doy;
    return Era * 146097 + Doe - 719468;
}

void CivilFromDays(int64_t Z, int& Y, int& M, int& D)
{
    Z += 719468;
    const int64_t Era = (Z >= 0 ? Z : Z - 146096) / 146097;
    const int64_t Doe = Z - Era * 146097;
    const int64_t Yoe = (Doe - Doe / 1460 + Doe / 36524 - Doe / 146096) / 365;
    const int64_t Doy = Doe - (365 * Yoe + Yoe / 4 - Yoe / 100);
    const int64_t Mp = (5 * Doy + 2) / 153;
    D = static_cast<int>(Doy - (153 * Mp + 2) / 5 + 1);
    M = static_cast<int>(Mp < 10 ? Mp + 3 : Mp - 9);
    Y = static_cast<int>(Yoe + Era * 400 + (M <= 2));
}

struct TParts
{
    int Year, Month, Day, Hour, Minute, Second, Ms;
};

TParts Decode(TDateTime Value)
{
    TParts P{};
    if (!std::isfinite(Value)) Value = 0;
    const auto Total = static_cast<int64_t>(std::llround(Value * MsPerDay));
    int64_t Days = Total / MsPerDay;
    int64_t Ms = Total % MsPerDay;
    if (Ms < 0)
    {
        Ms += MsPerDay;
        --Days;
    }
    CivilFromDays(Days - UnixDay, P.Year, P.Month, P.Day);
    P.Hour = static_cast<int>(Ms / 3600000);
    P.Minute = static_cast<int>(Ms / 60000 % 60);
    P.Second = static_cast<int>(Ms / 1000 % 60);
    P.Ms = static_cast<int>(Ms % 1000);
    return P;
}

bool StartsWithNoCase(std::string_view S, size_t At, std::string_view Prefix)
{
    return S.size() - At >= Prefix.size() && SameText(S.substr(At, Prefix.size()), Prefix);
}

// Replaces t, tt, c and ddddd by the patterns they stand for.
std::string Expand(std::string_view F, const TFormatSettings& Settings)
{
    std::string R;
    for (size_t I = 0; I < F.size();)
    {
        const char C = F[I];
        if (C == '\'' || C == '"')
        {
            size_t End = F.find(C, I + 1);
            End = End == std::string_view::npos ? F.size() : End + 1;
            R += F.substr(I, End - I);
            I = End;
        }
        else if (StartsWithNoCase(F, I, "ampm") || StartsWithNoCase(F, I, "am/pm"))
        {
            const size_t N = StartsWithNoCase(F, I, "ampm") ? 4 : 5;
            R += F.substr(I, N);
            I += N;
        }
        else if (StartsWithNoCase(F, I, "ddddd"))
        {
            R += Settings.ShortDateFormat;
            I += 5;
        }
        else if (StartsWithNoCase(F, I, "tt"))
        {
            R += Settings.LongTimeFormat;
            I += 2;
        }
        else if (C == 't' || C == 'T')
        {
            R += Settings.ShortTimeFormat;
            ++I;
        }
        else if (C == 'c' || C == 'C')
        {
            R += Settings.ShortDateFormat + " " + Settings.LongTimeFormat;
            ++I;
        }
        else
            R += F[I++];
    }
    return R;
}

bool HasTwelveHourMarker(std::string_view F)
{
    for (size_t I = 0; I < F.size(); ++I)
    {
        if (F[I] == '\'' || F[I] == '"')
        {
            const size_t End = F.find(F[I], I + 1);
            if (End == std::string_view::npos) return false;
            I = End;
        }
        else if (StartsWithNoCase(F, I, "ampm") || StartsWithNoCase(F, I, "am/pm") ||
                 StartsWithNoCase(F, I, "a/p"))
            return true;
    }
    return false;
}

std::string Pad(int V, int Width)
{
    std::string S = std::to_string(V);
    if (static_cast<int>(S.size()) < Width) S.insert(0, static_cast<size_t>(Width) - S.size(), '0');
    return S;
}

// An AM/PM marker at F[I] ("ampm", "am/pm", "a/p"): appends its text for Pm,
// moves I past it and returns true; false when none starts there.
bool AppendMarker(std::string_view F, size_t& I, bool Pm, const TFormatSettings& Settings,
                  std::string& R)
{
    if (StartsWithNoCase(F, I, "ampm"))
    {
        R += Pm ? Settings.TimePMString : Settings.TimeAMString;
        I += 4;
        return true;
    }
    const bool Upper = F[I] == 'A';
    if (StartsWithNoCase(F, I, "am/pm"))
    {
        R += Pm ? (Upper ? "PM" : "pm") : (Upper ? "AM" : "am");
        I += 5;
        return true;
    }
    if (StartsWithNoCase(F, I, "a/p"))
    {
        R += Pm ? (Upper ? "P" : "p") : (Upper ? "A" : "a");
        I += 3;
        return true;
    }
    return false;
}

// A run of one date or time letter at F[I] (y, m, d, h, n, s, z in either
// case): appends the field, moves I past the run and returns true. "m" after
// an hour is the minute; AfterHour carries that from run to run.
bool AppendField(std::string_view F, size_t& I, const TParts& P, int Hour, bool& AfterHour,
                 std::string& R)
{
    const char Letter = static_cast<char>(F[I] | 0x20);
    size_t N = 0;
    while (I + N < F.size() && (F[I + N] | 0x20) == Letter)
        ++N;
    auto Number = [&](int V, size_t PadFrom, int Width)
    { R += N >= PadFrom ? Pad(V, Width) : std::to_string(V); };
    switch (Letter)
    {
    case 'y':
        R += N <= 2 ? Pad(P.Year % 100, 2) : Pad(P.Year, 4);
        break;
    case 'm':
        Number(AfterHour ? P.Minute : P.Month, 2, 2);
        break;
    case 'd':
        Number(P.Day, 2, 2);
        break;
    case 'h':
        Number(Hour, 2, 2);
        break;
    case 'n':
        Number(P.Minute, 2, 2);
        break;
    case 's':
        Number(P.Second, 2, 2);
        break;
    case 'z':
        Number(P.Ms, 3, 3);
        break;
    default:
        return false;
    }
    I += N;
    AfterHour = Letter == 'h';
    return true;
}
} // namespace

TDateTime EncodeDateTime(int Year, int Month, int Day, int Hour, int Minute, int Second,
                         int Millisecond)
{
    const int64_t Days = DaysFromCivil(Year, Month, Day) + UnixDay;
    const int64_t Ms = ((int64_t{Hour} * 60 + Minute) * 60 + Second) * 1000 + Millisecond;
    return static_cast<double>(Days) + static_cast<double>(Ms) / MsPerDay;
}

TDateTime Now()
{
    timespec Ts{};
    clock_gettime(CLOCK_REALTIME, &Ts);
    std::tm Tm{};
    localtime_r(&Ts.tv_sec, &Tm);
    return EncodeDateTime(Tm.tm_year + 1900, Tm.tm_mon + 1, Tm.tm_mday, Tm.tm_hour, Tm.tm_min,
                          Tm.tm_sec, static_cast<int>(Ts.tv_nsec / 1000000));
}

std::string FormatDateTime(std::string_view Format, TDateTime Value)
{
    return FormatDateTime(Format, Value, FormatSettings());
}

std::string FormatDateTime(std::string_view Format, TDateTime Value,
                           const TFormatSettings& Settings)
{
    const std::string F = Expand(Format, Settings);
    const TParts P = Decode(Value);
    int Hour = P.Hour;
    if (HasTwelveHourMarker(F))
    {
        Hour %= 12;
        if (Hour == 0) Hour = 12;
    }
    const bool Pm = P.Hour >= 12;

    std::string R;
    bool AfterHour = false;
    for (size_t I = 0; I < F.size();)
    {
        const char C = F[I];
        if (C == '\'' || C == '"')
        {
            size_t End = F.find(C, I + 1);
            const size_t Stop = End == std::string::npos ? F.size() : End;
            R += F.substr(I + 1, Stop - I - 1);
            I = Stop + 1;
            continue;
        }
        if (AppendMarker(F, I, Pm, Settings, R)) continue;
        if (AppendField(F, I, P, Hour, AfterHour, R)) continue;
        if (C == ':')
            R += Settings.TimeSeparator;
        else if (C == '/')
            R += Settings.DateSeparator;
        else
            R += C;
        ++I;
    }
    return R;
}
