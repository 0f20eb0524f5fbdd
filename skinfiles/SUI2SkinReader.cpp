#include "skinfiles/SUI2SkinReader.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/GraphicErrors.h"
#include "skinfiles/ByteBuffer.h"
#include "skinfiles/SkinFileError.h"
#include "skinfiles/ZipArchive.h"

#include <charconv>
#include <cstdio>
#include <sys/stat.h>

namespace
{

// The whole file, or CannotOpen / FileTooLarge.
TSkinFileStatus ReadWholeFile(const std::string& FileName, TByteBuffer& Out)
{
    std::FILE* F = std::fopen(FileName.c_str(), "rb");
    if (!F) return TSkinFileStatus::CannotOpen;
    struct stat Info;
    TSkinFileStatus Status = TSkinFileStatus::Ok;
    if (fstat(fileno(F), &Info) != 0 || !S_ISREG(Info.st_mode))
        Status = TSkinFileStatus::CannotOpen;
    else if (size_t(Info.st_size) > MaxSkinFileSize)
        Status = TSkinFileStatus::FileTooLarge;
    else
    {
        Out.Reserve(size_t(Info.st_size));
        uint8_t Chunk[65536];
        size_t Got;
        while ((Got = std::fread(Chunk, 1, sizeof Chunk, F)) > 0)
        {
            if (Out.Size() + Got > MaxSkinFileSize)
            {
                Status = TSkinFileStatus::FileTooLarge;
                break;
            }
            Out.Append({Chunk, Got});
        }
        if (Status == TSkinFileStatus::Ok && std::ferror(F)) Status = TSkinFileStatus::CannotOpen;
    }
    std::fclose(F);
    return Status;
}

bool ParseDecimal(std::string_view Text, int& Value)
{
    const char* End = Text.data() + Text.size();
    auto [Ptr, Error] = std::from_chars(Text.data(), End, Value);
    return Error == std::errc() && Ptr == End && !Text.empty();
}

} // namespace

Tsk2SkinFileReader::Tsk2SkinFileReader(const std::string& FileName, const std::string& Password)
{
    Load(FileName, Password);
}

Tsk2SkinFileReader::Tsk2SkinFileReader() = default;
Tsk2SkinFileReader::~Tsk2SkinFileReader() = default;

void Tsk2SkinFileReader::Clear()
{
    FBitmaps.Clear();
    FIntegers.Clear();
    FBooleans.Clear();
    FStrings.Clear();
    FOwnedBitmaps.clear();
    FItems.clear();
    FLoaded = false;
}

void Tsk2SkinFileReader::Fail(TSkinFileStatus Status, const char* Detail)
{
    Clear();
    FStatus = Status;
    FStatusText = SkinFileStatusText(Status);
    if (Detail) FStatusText += std::string(": ") + Detail;
    if (!IsPasswordRefusal(Status)) throw ESkinFileError(Status, FStatusText);
}

void Tsk2SkinFileReader::Load(const std::string& FileName, std::string_view Password)
{
    Clear();
    TByteBuffer Archive;
    const TSkinFileStatus Status = ReadWholeFile(FileName, Archive);
    if (Status != TSkinFileStatus::Ok) Fail(Status, nullptr);
    LoadFromBytes(Archive.Bytes(), Password);
}

void Tsk2SkinFileReader::LoadFromBytes(std::span<const uint8_t> Archive, std::string_view Password)
{
    Clear();
    TZipEntry Entry;
    TSkinFileStatus Status = FindZipMember(Archive, SkinMemberName, Entry);
    if (Status != TSkinFileStatus::Ok) return Fail(Status, nullptr);
    TByteBuffer Database;
    TInflateStatus Inflated;
    Status = UnpackZipMember(Archive, Entry, Password, Database, Inflated);
    if (Status != TSkinFileStatus::Ok)
        return Fail(Status, Status == TSkinFileStatus::BadCompressedData
                                ? InflateStatusText(Inflated)
                                : nullptr);

    std::vector<TSk2Item> Items;
    const TSk2Status Parsed = ParseSk2(Database.Bytes(), Items);
    if (Parsed != TSk2Status::Ok) return Fail(TSkinFileStatus::BadDatabase, Sk2StatusText(Parsed));
    try
    {
        for (const TSk2Item& Item : Items)
            Store(Item);
    }
    catch (const EInvalidGraphic& E)
    {
        return Fail(TSkinFileStatus::BadBitmap, E.what());
    }
    FLoaded = true;
    FStatus = TSkinFileStatus::Ok;
    FStatusText = SkinFileStatusText(FStatus);
}

void Tsk2SkinFileReader::Store(const TSk2Item& Item)
{
    FItems.push_back({Item.Name, Item.Kind, static_cast<uint32_t>(Item.Data.size())});
    const uint8_t* D = Item.Data.data();
    switch (Item.Kind)
    {
    case TSk2Kind::Bitmap:
    {
        auto Bitmap = std::make_unique<TBitmap>();
        Bitmap->LoadFromBytes(Item.Data);
        FBitmaps.AddObject(Item.Name, Bitmap.get());
        FOwnedBitmaps.push_back(std::move(Bitmap));
        break;
    }
    case TSk2Kind::Integer:
    {
        const int32_t Value = int32_t(uint32_t(D[0]) | uint32_t(D[1]) << 8 | uint32_t(D[2]) << 16 |
                                      uint32_t(D[3]) << 24);
        FIntegers.Add(Item.Name + "=" + std::to_string(Value));
        break;
    }
    case TSk2Kind::Boolean:
        FBooleans.Add(Item.Name + "=" + std::to_string(D[0]));
        break;
    case TSk2Kind::String:
        FStrings.Add(Item.Name + "=" + std::string(Item.Data.begin(), Item.Data.end()));
        break;
    }
}

TBitmap* Tsk2SkinFileReader::GetBitmap(std::string_view Name) const
{
    const int I = FBitmaps.IndexOf(Name);
    return I < 0 ? nullptr : static_cast<TBitmap*>(FBitmaps.Objects(I));
}

int Tsk2SkinFileReader::GetInteger(std::string_view Name) const
{
    int Value;
    return ParseDecimal(FIntegers.Values(Name), Value) ? Value : -1;
}

bool Tsk2SkinFileReader::GetBool(std::string_view Name) const
{
    int Value;
    return ParseDecimal(FBooleans.Values(Name), Value) && Value != 0;
}

std::string Tsk2SkinFileReader::GetStr(std::string_view Name) const
{
    return FStrings.Values(Name);
}

void Tsk2SkinFileReader::SetBitmap(std::string_view Name, const TBitmap* Bitmap)
{
    TBitmap* Existing = GetBitmap(Name);
    if (Existing && Bitmap) Existing->Assign(Bitmap);
}

void Tsk2SkinFileReader::SetInteger(std::string_view Name, int Value)
{
    FIntegers.SetValues(Name, std::to_string(Value));
}

void Tsk2SkinFileReader::SetBool(std::string_view Name, bool Value)
{
    FBooleans.SetValues(Name, Value ? "1" : "0");
}

void Tsk2SkinFileReader::ProcessTransparentColor(TColor Color)
{
    for (const auto& Bitmap : FOwnedBitmaps)
    {
        Bitmap->SetTransparentMode(tmFixed);
        Bitmap->SetTransparentColor(Color);
    }
}
