#pragma once

#include <string>
#include <string_view>

// Name comparison as the framework does it for component, property, class
// and list names: ASCII letters compare without case, other bytes exactly,
// so the result never depends on the user's locale.
bool SameText(std::string_view A, std::string_view B);
int CompareText(std::string_view A, std::string_view B);
std::string UpperCase(std::string_view S);
std::string LowerCase(std::string_view S);
std::string Trim(std::string_view S);

// True for a name made of letters, digits and '_' that does not start with a
// digit (component and handler names).
bool IsValidIdent(std::string_view Name);
