#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The programs' command-line options: "--name" for a flag, "--name VALUE" or
// "--name=VALUE" for an option with a value. Every problem is named: an
// unknown option, a word that is no option, a missing value, a value given
// to a flag, an option given twice.
class OptionParser
{
  public:
    struct Option
    {
        std::string_view Name; // with the dashes: "--port"
        bool TakesValue = false;
        bool Repeatable = false; // may be given more than once
    };

    explicit OptionParser(std::vector<Option> Options);

    // Parses Arguments (the words after the program or command name). False
    // with Error set on the first problem; what was read before stays.
    bool Parse(std::span<char* const> Arguments, std::string& Error);

    bool Has(std::string_view Name) const;
    // The value of an option with a value; nullopt when it was not given.
    std::optional<std::string> Value(std::string_view Name) const;
    // Every value of an option, in command-line order.
    std::vector<std::string> Values(std::string_view Name) const;
    // Every option given, in command-line order (flags with an empty value).
    const std::vector<std::pair<std::string, std::string>>& Given() const { return FGiven; }

  private:
    const Option* Find(std::string_view Name) const;

    std::vector<Option> FOptions;
    std::vector<std::pair<std::string, std::string>> FGiven;
};

// Whole-text integer from Low to High.
bool ParseIntegerOption(std::string_view Text, long Low, long High, long& Value);
