#include "skinfiles/SUI2SkinReader.h"

#include "framework/graphics/Bitmap.h"
#include "framework/graphics/GraphicErrors.h"
#include "platform/gfx/CodecStatus.h"
#include "skinfiles/ByteBuffer.h"
#include "skinfiles/PictureSize.h"
#include "skinfiles/SkinFileError.h"
#include "skinfiles/ZipArchive.h"

#include <cstdio>
#include <new>
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

// The lines name=value of Values, with each value written by Text.
template <class T, class F>
const TStringList& Lines(TStringList& Out, const TSkinValueList<T>& Values, F Text)
{
    Out.Clear();
    for (const auto& E : Values.Entries())
        Out.Add(E.Name + "=" + Text(E.Value));
    return Out;
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

TSkinFileResult Tsk2SkinFileReader::Fail(TSkinFileResult Result)
{
    Clear();
    FResult = std::move(Result);
    return FResult;
}

TSkinFileResult Tsk2SkinFileReader::Read(const std::string& FileName, std::string_view Password)
{
    Clear();
    TByteBuffer Archive;
    TSkinFileStatus Status;
    try
    {
        Status = ReadWholeFile(FileName, Archive);
    }
    catch (const std::bad_alloc&)
    {
        Status = TSkinFileStatus::OutOfMemory;
    }
    if (Status != TSkinFileStatus::Ok) return Fail(Status);
    return ReadBytes(Archive.Bytes(), Password);
}

TSkinFileResult Tsk2SkinFileReader::ReadBytes(std::span<const uint8_t> Archive,
                                              std::string_view Password)
{
    Clear();
    TSkinFileResult Result;
    try
    {
        Result = Unpack(Archive, Password);
    }
    catch (const std::bad_alloc&)
    {
        Result = TSkinFileStatus::OutOfMemory;
    }
    if (!Result.Ok()) return Fail(std::move(Result));
    FLoaded = true;
    FResult = {};
    return FResult;
}

TSkinFileResult Tsk2SkinFileReader::Unpack(std::span<const uint8_t> Archive,
                                           std::string_view Password)
{
    TZipEntry Entry;
    TSkinFileResult Result = FindZipMember(Archive, SkinMemberName, Entry);
    if (!Result.Ok()) return Result;
    TByteBuffer Database;
    Result = UnpackZipMember(Archive, Entry, Password, Database);
    if (!Result.Ok()) return Result;

    std::vector<TSk2Item> Items;
    const TSk2Status Parsed = ParseSk2(Database.Bytes(), Items);
    if (Parsed != TSk2Status::Ok) return {TSkinFileStatus::BadDatabase, Sk2StatusText(Parsed)};
    // The budget is checked on the headers first, so that no picture of a
    // skin over it is ever decoded; the decoded sizes are counted as well.
    // A picture larger than the picture readers take at all is theirs to
    // refuse, as a bitmap that is not valid.
    uint64_t Declared = 0;
    for (const TSk2Item& Item : Items)
        if (Item.Kind == TSk2Kind::Bitmap)
        {
            const uint64_t Pixels = DeclaredPixels(Item.Data);
            if (Pixels <= uint64_t(MaxPicturePixels)) Declared += Pixels;
        }
    auto OverBudget = [&](uint64_t Pixels) -> TSkinFileResult
    {
        return {TSkinFileStatus::TooManyPixels,
                std::to_string(Pixels) + " pixels, " + std::to_string(FPixelBudget) + " allowed"};
    };
    if (Declared > FPixelBudget) return OverBudget(Declared);
    uint64_t Decoded = 0;
    try
    {
        for (const TSk2Item& Item : Items)
        {
            Store(Item);
            if (Item.Kind != TSk2Kind::Bitmap) continue;
            const TBitmap& Bitmap = *FOwnedBitmaps.back();
            Decoded += uint64_t(Bitmap.Width()) * uint64_t(Bitmap.Height());
            if (Decoded > FPixelBudget) return OverBudget(Decoded);
        }
    }
    catch (const EInvalidGraphic& E)
    {
        return {TSkinFileStatus::BadBitmap, E.what()};
    }
    return {};
}

void Tsk2SkinFileReader::Load(const std::string& FileName, std::string_view Password)
{
    const TSkinFileResult Result = Read(FileName, Password);
    if (!Result.Ok() && !IsPasswordRefusal(Result.Status())) throw ESkinFileError(Result);
}

void Tsk2SkinFileReader::LoadFromBytes(std::span<const uint8_t> Archive, std::string_view Password)
{
    const TSkinFileResult Result = ReadBytes(Archive, Password);
    if (!Result.Ok() && !IsPasswordRefusal(Result.Status())) throw ESkinFileError(Result);
}

void Tsk2SkinFileReader::Store(const TSk2Item& Item)
{
    FItems.push_back({Item.Name, Item.Kind, static_cast<uint32_t>(Item.Data.size())});
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
        FIntegers.Add(Item.Name, Item.Integer());
        break;
    case TSk2Kind::Boolean:
        FBooleans.Add(Item.Name, Item.Data[0]);
        break;
    case TSk2Kind::String:
        FStrings.Add(Item.Name, std::string(Item.Data.begin(), Item.Data.end()));
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
    const int32_t* Value = FIntegers.Find(Name);
    return Value ? *Value : -1;
}

bool Tsk2SkinFileReader::GetBool(std::string_view Name) const
{
    const uint8_t* Value = FBooleans.Find(Name);
    return Value && *Value != 0;
}

std::string Tsk2SkinFileReader::GetStr(std::string_view Name) const
{
    const std::string* Value = FStrings.Find(Name);
    return Value ? *Value : std::string();
}

void Tsk2SkinFileReader::SetBitmap(std::string_view Name, const TBitmap* Bitmap)
{
    TBitmap* Existing = GetBitmap(Name);
    if (Existing && Bitmap) Existing->Assign(Bitmap);
}

void Tsk2SkinFileReader::SetInteger(std::string_view Name, int Value)
{
    FIntegers.Set(Name, Value);
}

void Tsk2SkinFileReader::SetBool(std::string_view Name, bool Value)
{
    FBooleans.Set(Name, Value ? 1 : 0);
}

const TStringList& Tsk2SkinFileReader::Integers() const
{
    return Lines(FIntegerLines, FIntegers, [](int32_t V) { return std::to_string(V); });
}

const TStringList& Tsk2SkinFileReader::Booleans() const
{
    return Lines(FBooleanLines, FBooleans, [](uint8_t V) { return std::to_string(V); });
}

const TStringList& Tsk2SkinFileReader::Strings() const
{
    return Lines(FStringLines, FStrings, [](const std::string& V) { return V; });
}

void Tsk2SkinFileReader::ProcessTransparentColor(TColor Color)
{
    for (const auto& Bitmap : FOwnedBitmaps)
    {
        Bitmap->SetTransparentMode(tmFixed);
        Bitmap->SetTransparentColor(Color);
    }
}
