#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Named blobs embedded in the program at build time: bitmaps, pictures,
// icons, form definitions. The build turns files into byte arrays
// (novla_embed_resources in resources/CMakeLists.txt) whose registrations
// run before main; afterwards the table is only read, from any thread.
// Names compare without case.

// The bytes of the resource Name, or nothing when there is none. The span
// stays valid for the life of the program.
std::optional<std::span<const uint8_t>> FindResource(std::string_view Name);
// The registered names, sorted.
std::vector<std::string> ResourceNames();

// Used by the generated code: registers Data under Name. A second resource
// under a name already taken is ignored and reported by
// DuplicateResourceNames (the build refuses duplicates within one target).
class TResourceRegistration
{
  public:
    TResourceRegistration(const char* Name, const uint8_t* Data, size_t Size) noexcept;
};

std::vector<std::string> DuplicateResourceNames();

// String resources: texts registered by name before main (one
// TStringResourceRegistration object per text, defined next to the
// TResourceString that names it, so whoever uses the string links its
// registration), found by name without case like the blobs. Read-only
// after start-up.

// The text registered under Name, or nothing when there is none. The view
// stays valid for the life of the program.
std::optional<std::string_view> FindStringResource(std::string_view Name);
// The registered string names, sorted.
std::vector<std::string> StringResourceNames();

class TStringResourceRegistration
{
  public:
    // Name and Text must live for the whole program (string literals). A
    // second text under a name already taken is ignored.
    TStringResourceRegistration(const char* Name, const char* Text) noexcept;
};

// A string resource named in code; reads as its text (empty when nothing
// is registered under the name).
struct TResourceString
{
    const char* Name;

    std::string Text() const;
    operator std::string() const { return Text(); }
};
