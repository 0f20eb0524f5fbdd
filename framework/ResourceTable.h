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
