#include "framework/ResourceTable.h"

#include "framework/Text.h"

#include <map>

namespace
{
struct TTable
{
    std::map<std::string, std::span<const uint8_t>> Entries; // by upper-case name
    std::vector<std::string> Duplicates;
    std::map<std::string, std::string_view> Strings; // by upper-case name
};

// Built on first use, so registrations from any object file find it ready
// whatever the order of static initialisation.
TTable& Table()
{
    static TTable T;
    return T;
}
} // namespace

TResourceRegistration::TResourceRegistration(const char* Name, const uint8_t* Data,
                                             size_t Size) noexcept
{
    try
    {
        auto [It, Inserted] =
            Table().Entries.emplace(UpperCase(Name), std::span<const uint8_t>(Data, Size));
        if (!Inserted) Table().Duplicates.emplace_back(Name);
    }
    catch (...)
    {
        // Out of memory before main: the resource is simply missing.
    }
}

std::optional<std::span<const uint8_t>> FindResource(std::string_view Name)
{
    const auto& Entries = Table().Entries;
    auto It = Entries.find(UpperCase(Name));
    if (It == Entries.end()) return std::nullopt;
    return It->second;
}

std::vector<std::string> ResourceNames()
{
    std::vector<std::string> Names;
    for (const auto& [Name, Data] : Table().Entries)
        Names.push_back(Name);
    return Names;
}

std::vector<std::string> DuplicateResourceNames()
{
    return Table().Duplicates;
}

TStringResourceRegistration::TStringResourceRegistration(const char* Name,
                                                         const char* Text) noexcept
{
    try
    {
        Table().Strings.emplace(UpperCase(Name), std::string_view(Text));
    }
    catch (...)
    {
        // Out of memory before main: the string is simply missing.
    }
}

std::optional<std::string_view> FindStringResource(std::string_view Name)
{
    const auto& Strings = Table().Strings;
    auto It = Strings.find(UpperCase(Name));
    if (It == Strings.end()) return std::nullopt;
    return It->second;
}

std::vector<std::string> StringResourceNames()
{
    std::vector<std::string> Names;
    for (const auto& [Name, Text] : Table().Strings)
        Names.push_back(Name);
    return Names;
}

std::string TResourceString::Text() const
{
    return std::string(FindStringResource(Name).value_or(std::string_view()));
}
