#include "framework/Text.h"

namespace
{
char Lower(char C)
{
    return (C >= 'A' && C <= 'Z') ? static_cast<char>(C - 'A' + 'a') : C;
}
char Upper(char C)
{
    return (C >= 'a' && C <= 'z') ? static_cast<char>(C - 'a' + 'A') : C;
}
bool IsSpace(char C)
{
    return C == ' ' || (C >= '\t' && C <= '\r');
}
} // namespace

int CompareText(std::string_view A, std::string_view B)
{
    const size_t N = A.size() < B.size() ? A.size() : B.size();
    for (size_t I = 0; I < N; ++I)
    {
        const auto X = static_cast<unsigned char>(Lower(A[I]));
        const auto Y = static_cast<unsigned char>(Lower(B[I]));
        if (X != Y) return X < Y ? -1 : 1;
    }
    if (A.size() == B.size()) return 0;
    return A.size() < B.size() ? -1 : 1;
}

bool SameText(std::string_view A, std::string_view B)
{
    return A.size() == B.size() && CompareText(A, B) == 0;
}

std::string UpperCase(std::string_view S)
{
    std::string R(S);
    for (char& C : R)
        C = Upper(C);
    return R;
}

std::string LowerCase(std::string_view S)
{
    std::string R(S);
    for (char& C : R)
        C = Lower(C);
    return R;
}

std::string Trim(std::string_view S)
{
    size_t B = 0, E = S.size();
    while (B < E && IsSpace(S[B]))
        ++B;
    while (E > B && IsSpace(S[E - 1]))
        --E;
    return std::string(S.substr(B, E - B));
}

bool IsValidIdent(std::string_view Name)
{
    if (Name.empty()) return false;
    for (size_t I = 0; I < Name.size(); ++I)
    {
        const char C = Name[I];
        const bool Letter = (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '_';
        const bool Digit = C >= '0' && C <= '9';
        if (!Letter && !(Digit && I > 0)) return false;
    }
    return true;
}
