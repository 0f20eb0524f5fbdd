// Writes small seed inputs for the skin file fuzzers into DIR/Inflate,
// DIR/ZipArchive and DIR/Sk2: fixed-code and stored DEFLATE streams, a skin
// database with one item of each kind, and archives holding it stored,
// deflated and encrypted with the password "pw".

#include "platform/gfx/BmpCodec.h"
#include "tools/skin-writer/DeflateEncoder.h"
#include "tools/skin-writer/Sk2Writer.h"
#include "tools/skin-writer/ZipWriter.h"

#include <cstdio>
#include <string>

namespace
{

void Write(const std::string& Path, const std::vector<uint8_t>& Bytes)
{
    if (std::FILE* F = std::fopen(Path.c_str(), "wb"))
    {
        std::fwrite(Bytes.data(), 1, Bytes.size(), F);
        std::fclose(F);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) return 1;
    const std::string Dir = argv[1];
    const std::string Text =
        "skin skin skin: SKIN2_BUTTON SKIN2_BUTTONTRANS SKIN2_BUTTON 0000000000";
    const std::vector<uint8_t> Bytes(Text.begin(), Text.end());
    Write(Dir + "/Inflate/fixed", DeflateBytes(Bytes, TDeflateMode::Fixed));
    Write(Dir + "/Inflate/stored", DeflateBytes(Bytes, TDeflateMode::Stored));

    TSurface Picture(3, 2, 0x336699);
    std::vector<uint8_t> Bmp;
    WriteBmp(Picture, 24, Bmp);
    TSk2Writer W;
    W.AddBitmap("SKIN2_BUTTON", Bmp);
    W.AddInteger("SKIN2_FORMCOLOR", 0x00FBFBFB);
    W.AddBoolean("SKIN2_BUTTONTRANS", 1);
    W.AddString("NAME", "seed");
    const std::vector<uint8_t> Database = W.Build();
    Write(Dir + "/Sk2/items", Database);

    TZipMemberOptions Stored, Deflated, Sealed, Described;
    Stored.Deflate = false;
    Sealed.Password = "pw";
    Described.Password = "pw";
    Described.DataDescriptor = true;
    int N = 0;
    for (const TZipMemberOptions* O : {&Stored, &Deflated, &Sealed, &Described})
    {
        TZipWriter Z;
        Z.AddMember("SKINDATA.SK2", Database, *O);
        Write(Dir + "/ZipArchive/archive" + std::to_string(N++), Z.Build());
    }
    return 0;
}
