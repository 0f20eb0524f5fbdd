#pragma once

#include <string_view>

// Facts about the user's locale that decide how text is laid out. The
// process has one current set, taken from the environment on first use;
// tests replace it with SetSysLocale. Use from the UI thread.
struct TSysLocale
{
    // The user's language is written right to left (Arabic, Hebrew,
    // Persian, Urdu and the like): controls whose BiDiMode asks for it
    // mirror their layout only then.
    bool MiddleEast = false;

    // The locale named by LC_ALL, LC_MESSAGES or LANG, the first one set.
    static TSysLocale FromEnvironment();
};

// Whether a locale name ("ar_EG.UTF-8", "he", "fa_IR@euro") names a
// language written right to left.
bool IsRightToLeftLocale(std::string_view LocaleName);

const TSysLocale& SysLocale();
void SetSysLocale(const TSysLocale& Value);
