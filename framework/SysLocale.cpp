#include "framework/SysLocale.h"

#include <array>
#include <cstdlib>
#include <optional>

namespace
{
std::optional<TSysLocale>& Current()
{
    static std::optional<TSysLocale> Locale;
    return Locale;
}
} // namespace

bool IsRightToLeftLocale(std::string_view LocaleName)
{
    static constexpr std::array<std::string_view, 11> Languages{"ar", "he", "iw", "fa",  "ur", "yi",
                                                                "ps", "sd", "ug", "ckb", "dv"};
    const size_t End = LocaleName.find_first_of("_.@");
    const std::string_view Language = LocaleName.substr(0, End);
    for (std::string_view L : Languages)
        if (Language == L) return true;
    return false;
}

TSysLocale TSysLocale::FromEnvironment()
{
    TSysLocale Locale;
    for (const char* Name : {"LC_ALL", "LC_MESSAGES", "LANG"})
    {
        const char* Value = std::getenv(Name);
        if (!Value || !*Value) continue;
        Locale.MiddleEast = IsRightToLeftLocale(Value);
        break;
    }
    return Locale;
}

const TSysLocale& SysLocale()
{
    auto& Locale = Current();
    if (!Locale) Locale = TSysLocale::FromEnvironment();
    return *Locale;
}

void SetSysLocale(const TSysLocale& Value)
{
    Current() = Value;
}
