// skin-dump FILE [--password P] [--json] [--extract DIR]
//
// Lists every item of a skin file in database order with its kind, data size
// and value (bitmaps: width x height and the bit depth of the stored file),
// or says why the file is refused. --extract writes each bitmap as
// DIR/<name>.png. Exit status: 0 loaded, 1 usage or output error, 2 the file
// is refused, 3 the password is missing or wrong.

#include "framework/graphics/Bitmap.h"
#include "platform/gfx/PngCodec.h"
#include "skinfiles/SUI2SkinReader.h"
#include "skinfiles/ZipArchive.h"
#include "tools/common/OptionParser.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace
{

struct TOptions
{
    std::string File;
    std::string Password;
    std::string ExtractDir;
    bool Json = false;
};

// FILE comes first; the options follow it.
bool ParseArgs(int argc, char** argv, TOptions& O)
{
    if (argc < 2 || argv[1][0] == '-') return false;
    O.File = argv[1];
    OptionParser Parser({{"--password", true}, {"--json", false}, {"--extract", true}});
    std::string Error;
    if (!Parser.Parse(std::span<char* const>(argv + 2, size_t(argc - 2)), Error))
    {
        std::fprintf(stderr, "skin-dump: %s\n", Error.c_str());
        return false;
    }
    O.Password = Parser.Value("--password").value_or("");
    O.ExtractDir = Parser.Value("--extract").value_or("");
    O.Json = Parser.Has("--json");
    return true;
}

std::string JsonString(std::string_view S)
{
    std::string Out = "\"";
    for (unsigned char C : S)
    {
        if (C == '"' || C == '\\')
            Out += {'\\', char(C)};
        else if (C < 0x20 || C >= 0x7F)
        {
            // Item texts are 8-bit; bytes above ASCII are shown as Latin-1.
            char Buf[8];
            std::snprintf(Buf, sizeof Buf, "\\u%04x", C);
            Out += Buf;
        }
        else
            Out += char(C);
    }
    return Out + "\"";
}

// The bit depth a stored bitmap file declares: BMP info or core header, or
// the PNG header's depth times its channels; 0 if unknown.
int StoredDepth(std::span<const uint8_t> D)
{
    if (D.size() >= 30 && D[0] == 'B' && D[1] == 'M')
    {
        const uint32_t HeaderSize = D[14] | D[15] << 8 | D[16] << 16 | uint32_t(D[17]) << 24;
        return HeaderSize == 12 ? D[24] | D[25] << 8 : D[28] | D[29] << 8;
    }
    if (D.size() >= 26 && D[0] == 0x89 && D[1] == 'P')
    {
        static const int Channels[7] = {1, 0, 3, 1, 2, 0, 4};
        return D[25] < 7 ? D[24] * Channels[D[25]] : 0;
    }
    return 0;
}

std::string SafeFileName(const std::string& Name)
{
    std::string Out;
    for (char C : Name)
        Out += (std::isalnum(static_cast<unsigned char>(C)) || C == '_' || C == '-' || C == '.')
                   ? C
                   : '_';
    return Out.empty() || Out[0] == '.' ? "_" + Out : Out;
}

bool ReadFileBytes(const std::string& Path, std::vector<uint8_t>& Out)
{
    std::FILE* F = std::fopen(Path.c_str(), "rb");
    if (!F) return false;
    uint8_t Chunk[65536];
    size_t Got;
    while ((Got = std::fread(Chunk, 1, sizeof Chunk, F)) > 0)
        Out.insert(Out.end(), Chunk, Chunk + Got);
    std::fclose(F);
    return true;
}

int Refused(const TOptions& O, const std::string& Reason, bool Password)
{
    if (O.Json)
        std::printf("{\"file\": %s, \"loaded\": false, \"password_refused\": %s, \"reason\": %s}\n",
                    JsonString(O.File).c_str(), Password ? "true" : "false",
                    JsonString(Reason).c_str());
    else
        std::fprintf(stderr, "%s: %s: %s\n", O.File.c_str(),
                     Password ? "password refused" : "refused", Reason.c_str());
    return Password ? 3 : 2;
}

} // namespace

int main(int argc, char** argv)
{
    TOptions O;
    if (!ParseArgs(argc, argv, O))
    {
        std::fprintf(stderr, "usage: skin-dump FILE [--password P] [--json] [--extract DIR]\n");
        return 1;
    }

    auto Reader = std::make_unique<Tsk2SkinFileReader>();
    const TSkinFileResult Result = Reader->Read(O.File, O.Password);
    if (!Result.Ok()) return Refused(O, Result.Text(), IsPasswordRefusal(Result.Status()));

    // The reader keeps values, not the stored bytes; the bit depth of each
    // stored bitmap comes from the database itself.
    std::vector<uint8_t> Archive;
    TZipEntry Entry;
    TByteBuffer Database;
    std::vector<TSk2Item> Stored;
    if (!ReadFileBytes(O.File, Archive) || !FindZipMember(Archive, SkinMemberName, Entry).Ok() ||
        !UnpackZipMember(Archive, Entry, O.Password, Database).Ok() ||
        ParseSk2(Database.Bytes(), Stored) != TSk2Status::Ok ||
        Stored.size() != Reader->Items().size())
        return Refused(O, "the file changed while it was read", false);

    if (O.Json)
        std::printf("{\"file\": %s, \"loaded\": true, \"items\": [", JsonString(O.File).c_str());
    else
        std::printf("%s: %zu items\n", O.File.c_str(), Stored.size());
    int Status = 0;
    int BitmapIndex = 0;
    for (size_t I = 0; I < Stored.size(); ++I)
    {
        const TSk2Item& Item = Stored[I];
        std::string Value;
        std::string JsonValue;
        switch (Item.Kind)
        {
        case TSk2Kind::Bitmap:
        {
            // Bitmaps are listed under their names in order; the I-th bitmap
            // item is the I-th bitmap of the reader even when names repeat.
            auto* B = static_cast<TBitmap*>(Reader->Bitmaps().Objects(BitmapIndex++));
            const int Depth = StoredDepth(Item.Data);
            Value = std::to_string(B->Width()) + "x" + std::to_string(B->Height()) + ", " +
                    std::to_string(Depth) + " bits";
            JsonValue = "\"width\": " + std::to_string(B->Width()) +
                        ", \"height\": " + std::to_string(B->Height()) +
                        ", \"bits\": " + std::to_string(Depth);
            if (!O.ExtractDir.empty())
            {
                std::vector<uint8_t> Png;
                const std::string Path = O.ExtractDir + "/" + SafeFileName(Item.Name) + ".png";
                std::FILE* F = nullptr;
                if (WritePng(B->Surface(), Png) != TCodecStatus::Ok ||
                    !(F = std::fopen(Path.c_str(), "wb")) ||
                    std::fwrite(Png.data(), 1, Png.size(), F) != Png.size())
                {
                    std::fprintf(stderr, "skin-dump: cannot write %s\n", Path.c_str());
                    Status = 1;
                }
                if (F) std::fclose(F);
            }
            break;
        }
        case TSk2Kind::Integer:
        {
            const int32_t V = Item.Integer();
            char Hex[16];
            std::snprintf(Hex, sizeof Hex, "0x%08X", uint32_t(V));
            Value = std::to_string(V) + " (" + Hex + ")";
            JsonValue = "\"value\": " + std::to_string(V);
            break;
        }
        case TSk2Kind::Boolean:
            Value = std::to_string(Item.Data[0]);
            JsonValue = "\"value\": " + Value;
            break;
        case TSk2Kind::String:
        {
            const std::string Text(Item.Data.begin(), Item.Data.end());
            Value = JsonString(Text);
            JsonValue = "\"value\": " + Value;
            break;
        }
        }
        if (O.Json)
            std::printf("%s\n  {\"name\": %s, \"kind\": \"%s\", \"size\": %zu, %s}", I ? "," : "",
                        JsonString(Item.Name).c_str(), Sk2KindName(Item.Kind), Item.Data.size(),
                        JsonValue.c_str());
        else
            std::printf("%-8s %-36s %7zu  %s\n", Sk2KindName(Item.Kind), Item.Name.c_str(),
                        Item.Data.size(), Value.c_str());
    }
    if (O.Json) std::printf("\n]}\n");
    return Status;
}
