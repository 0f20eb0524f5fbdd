#include "tools/common/OptionParser.h"

#include <algorithm>
#include <charconv>

OptionParser::OptionParser(std::vector<Option> Options) : FOptions(std::move(Options)) {}

const OptionParser::Option* OptionParser::Find(std::string_view Name) const
{
    const auto Found = std::find_if(FOptions.begin(), FOptions.end(),
                                    [&](const Option& O) { return O.Name == Name; });
    return Found == FOptions.end() ? nullptr : &*Found;
}

bool OptionParser::Parse(std::span<char* const> Arguments, std::string& Error)
{
    for (size_t At = 0; At < Arguments.size(); ++At)
    {
        const std::string_view Word = Arguments[At];
        if (Word.size() < 3 || Word.substr(0, 2) != "--")
        {
            Error = "unexpected word '" + std::string(Word) + "'";
            if (!FGiven.empty() && !Find(FGiven.back().first)->TakesValue)
                Error += " (" + FGiven.back().first + " takes no value)";
            return false;
        }
        const size_t Equals = Word.find('=');
        const std::string_view Name = Word.substr(0, Equals);
        const Option* Known = Find(Name);
        if (!Known)
        {
            Error = "unknown option " + std::string(Name);
            return false;
        }
        if (Has(Name) && !Known->Repeatable)
        {
            Error = "option " + std::string(Name) + " given twice";
            return false;
        }
        std::string Value;
        if (Equals != std::string_view::npos)
        {
            if (!Known->TakesValue)
            {
                Error = "option " + std::string(Name) + " takes no value";
                return false;
            }
            Value = Word.substr(Equals + 1);
        }
        else if (Known->TakesValue)
        {
            if (At + 1 >= Arguments.size())
            {
                Error = "option " + std::string(Name) + " needs a value";
                return false;
            }
            Value = Arguments[++At];
        }
        FGiven.emplace_back(std::string(Name), std::move(Value));
    }
    return true;
}

bool OptionParser::Has(std::string_view Name) const
{
    return std::any_of(FGiven.begin(), FGiven.end(),
                       [&](const auto& G) { return G.first == Name; });
}

std::optional<std::string> OptionParser::Value(std::string_view Name) const
{
    for (const auto& [Given, Value] : FGiven)
        if (Given == Name) return Value;
    return std::nullopt;
}

bool ParseIntegerOption(std::string_view Text, long Low, long High, long& Value)
{
    const auto [End, Failure] = std::from_chars(Text.data(), Text.data() + Text.size(), Value);
    return !Text.empty() && Failure == std::errc() && End == Text.data() + Text.size() &&
           Value >= Low && Value <= High;
}

std::vector<std::string> OptionParser::Values(std::string_view Name) const
{
    std::vector<std::string> All;
    for (const auto& [Given, Value] : FGiven)
        if (Given == Name) All.push_back(Value);
    return All;
}
