// libFuzzer entry for the block files the client and the window share: any text must be read or
// refused with a reason, every value set or refused with one, and a block
// built from a file must print as a block file that reads back to what
// prints the same.

#include "protocol/BlockJson.h"
#include "protocol/DefaultParameters.h"

#include <cstdlib>
#include <string_view>

namespace
{
// The block the values make from the window's defaults, as the client's
// write --from-defaults builds it; false when one is refused.
bool Apply(const NamedValues& Values, ModuleParameters& Block)
{
    Block = DefaultParameters();
    for (const auto& [Key, Value] : Values)
    {
        std::string Error;
        if (!SetParameter(Block, Key, Value, Error))
        {
            if (Error.empty()) std::abort();
            return false;
        }
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
    NamedValues Values;
    std::string Error;
    if (!ParseFlatJsonObject(Text, Values, Error))
    {
        if (Error.empty()) std::abort();
        return 0;
    }
    ModuleParameters Block;
    if (!Apply(Values, Block)) return 0;
    const std::string Printed = BlockToJson(Block);
    NamedValues Again;
    ModuleParameters Reread;
    if (!ParseFlatJsonObject(Printed, Again, Error) || !Apply(Again, Reread) ||
        BlockToJson(Reread) != Printed)
        std::abort();
    return 0;
}
