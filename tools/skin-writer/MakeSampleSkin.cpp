// make-sample-skin DIR: writes the sample skin "Slate" as DIR/novla-sample.skin
// (deflated) and DIR/novla-sample-encrypted.skin (deflated and encrypted with
// the sample password "novla-sample"), and its variant with rounded corners
// and a shaped window as DIR/novla-sample-rounded.skin.

#include "tools/skin-writer/SampleSkin.h"
#include "tools/skin-writer/ZipWriter.h"

#include <cstdio>
#include <string>

namespace
{

bool WriteFile(const std::string& Path, const std::vector<uint8_t>& Bytes)
{
    std::FILE* F = std::fopen(Path.c_str(), "wb");
    if (!F) return false;
    const bool Ok = std::fwrite(Bytes.data(), 1, Bytes.size(), F) == Bytes.size();
    return std::fclose(F) == 0 && Ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: make-sample-skin DIR\n");
        return 1;
    }
    const std::string Dir = argv[1];
    const std::vector<uint8_t> Database = BuildSampleSkinDatabase();

    TZipWriter Plain;
    Plain.AddMember("SKINDATA.SK2", Database);
    TZipWriter Sealed;
    TZipMemberOptions Options;
    Options.Password = SampleSkinPassword;
    // A fixed header makes the file the same on every build; a random one
    // lets a wrong password pass the header's one-byte check now and then.
    Options.HeaderSeed = 1;
    Sealed.AddMember("SKINDATA.SK2", Database, Options);

    TZipWriter Rounded;
    Rounded.AddMember("SKINDATA.SK2", BuildRoundedSampleSkinDatabase());

    for (const auto& [Name, Archive] : {std::pair{"/novla-sample.skin", &Plain},
                                        std::pair{"/novla-sample-encrypted.skin", &Sealed},
                                        std::pair{"/novla-sample-rounded.skin", &Rounded}})
    {
        if (!WriteFile(Dir + Name, Archive->Build()))
        {
            std::fprintf(stderr, "make-sample-skin: cannot write %s%s\n", Dir.c_str(), Name);
            return 1;
        }
    }
    return 0;
}
