#include "framework/menus/ShortCut.h"

#include "platform/win/Input.h"

#include <algorithm>
#include <cctype>

namespace
{
struct TKeyName
{
    unsigned Key;
    const char* Name;
};

constexpr TKeyName KeyNames[] = {
    {VK_BACK, "BkSp"},   {VK_TAB, "Tab"},    {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"},    {VK_END, "End"},
    {VK_HOME, "Home"},   {VK_LEFT, "Left"},  {VK_UP, "Up"},        {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},   {VK_INSERT, "Ins"}, {VK_DELETE, "Del"},
};

std::string KeyName(unsigned Key)
{
    if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z')) return std::string(1, char(Key));
    if (Key >= VK_F1 && Key < VK_F1 + 24) return "F" + std::to_string(Key - VK_F1 + 1);
    for (const TKeyName& N : KeyNames)
        if (N.Key == Key) return N.Name;
    return {};
}

bool SameText(const std::string& A, const std::string& B)
{
    return A.size() == B.size() &&
           std::equal(A.begin(), A.end(), B.begin(),
                      [](char X, char Y)
                      {
                          return std::tolower(static_cast<unsigned char>(X)) ==
                                 std::tolower(static_cast<unsigned char>(Y));
                      });
}
} // namespace

TShortCut ShortCut(unsigned short Key, TShiftState Shift)
{
    if (Key & 0xFF00) return scNone;
    TShortCut Result = Key;
    if (Shift.Contains(ssShift)) Result |= scShift;
    if (Shift.Contains(ssCtrl)) Result |= scCtrl;
    if (Shift.Contains(ssAlt)) Result |= scAlt;
    return Result;
}

std::string ShortCutToText(TShortCut Value)
{
    std::string Name = KeyName(Value & 0xFF);
    if (Name.empty()) return {};
    std::string Prefix;
    if (Value & scCtrl) Prefix += "Ctrl+";
    if (Value & scShift) Prefix += "Shift+";
    if (Value & scAlt) Prefix += "Alt+";
    return Prefix + Name;
}

TShortCut TextToShortCut(const std::string& Text)
{
    static const struct
    {
        const char* Name;
        TShortCut Flag;
    } Modifiers[] = {{"Ctrl+", scCtrl}, {"Shift+", scShift}, {"Alt+", scAlt}};
    TShortCut Flags = 0;
    std::string Rest = Text;
    for (bool Found = true; Found;)
    {
        Found = false;
        for (const auto& M : Modifiers)
        {
            std::string Name = M.Name;
            if (Rest.size() > Name.size() && SameText(Rest.substr(0, Name.size()), Name))
            {
                Flags |= M.Flag;
                Rest = Rest.substr(Name.size());
                Found = true;
            }
        }
    }
    for (unsigned Key = 1; Key < 0x100; ++Key)
    {
        std::string Name = KeyName(Key);
        if (!Name.empty() && SameText(Name, Rest)) return static_cast<TShortCut>(Key | Flags);
    }
    return scNone;
}
