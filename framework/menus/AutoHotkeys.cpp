#include "framework/menus/AutoHotkeys.h"

#include "framework/menus/Menu.h"

#include <cctype>
#include <set>

namespace
{
// The accelerator a caption marks with "&" (lower case), or 0.
char MarkedAccel(const std::string& Caption)
{
    for (size_t I = 0; I + 1 < Caption.size(); ++I)
    {
        if (Caption[I] != '&') continue;
        if (Caption[I + 1] == '&')
        {
            ++I;
            continue;
        }
        return static_cast<char>(std::tolower(static_cast<unsigned char>(Caption[I + 1])));
    }
    return 0;
}
} // namespace

std::vector<std::string> MenuShownCaptions(const TMenu* Menu, const TMenuItem* Parent)
{
    std::vector<std::string> Captions;
    if (!Parent) return Captions;
    for (int I = 0; I < Parent->Count(); ++I)
        Captions.push_back(Parent->Items(I)->Caption());
    if (!Menu || Menu->AutoHotkeys() != maAutomatic) return Captions;

    std::set<char> Used;
    for (const std::string& C : Captions)
        if (char A = MarkedAccel(C)) Used.insert(A);
    for (int I = 0; I < Parent->Count(); ++I)
    {
        std::string& C = Captions[static_cast<size_t>(I)];
        if (Parent->Items(I)->IsLine() || MarkedAccel(C)) continue;
        for (size_t K = 0; K < C.size(); ++K)
        {
            const auto Ch = static_cast<unsigned char>(C[K]);
            if (C[K] == '&')
            {
                ++K; // a literal "&&"
                continue;
            }
            if (Ch >= 0x80 || !std::isalnum(Ch)) continue;
            const char Lower = static_cast<char>(std::tolower(Ch));
            if (Used.count(Lower)) continue;
            Used.insert(Lower);
            C.insert(C.begin() + static_cast<std::ptrdiff_t>(K), '&');
            break;
        }
    }
    return Captions;
}

std::string MenuShownCaption(const TMenuItem* Item)
{
    if (!Item) return {};
    const TMenuItem* Parent = Item->Parent();
    if (!Parent) return Item->Caption();
    const int Index = Parent->IndexOf(Item);
    return MenuShownCaptions(Item->GetParentMenu(), Parent)[static_cast<size_t>(Index)];
}
