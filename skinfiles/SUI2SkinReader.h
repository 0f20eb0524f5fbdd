#pragma once

#include "framework/Object.h"
#include "framework/StringList.h"
#include "platform/gfx/Color.h"
#include "skinfiles/Sk2Database.h"
#include "skinfiles/SkinFileResult.h"
#include "skinfiles/SkinValueList.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TBitmap;

// Largest skin file read, in bytes.
constexpr size_t MaxSkinFileSize = size_t(64) << 20;

// Pixels all bitmaps of one skin may have together unless a caller sets
// another budget: decoded pictures take four bytes a pixel, and a small file
// must not be able to claim all memory with many large blank ones.
constexpr uint64_t DefaultSkinPixelBudget = 32'000'000;

// The member of a skin archive that holds the skin database.
constexpr std::string_view SkinMemberName = "SKINDATA.SK2";

// One item of a loaded skin, in the order of the database's record chain.
struct TSkinItemInfo
{
    std::string Name;
    TSk2Kind Kind;
    // Bytes of the item's data in the database.
    uint32_t Size;
};

// Reads a skin file: a ZIP archive whose member SKINDATA.SK2 (possibly
// encrypted with the traditional ZIP cipher, deflated or stored) holds a
// database of named bitmaps, integers, booleans and strings. The member is
// unpacked in memory only, and every buffer that held it is wiped before it
// is freed. Names are looked up without regard to letter case.
class Tsk2SkinFileReader : public TObject
{
  public:
    // An empty reader, to be filled by Load or LoadFromBytes.
    Tsk2SkinFileReader();
    // Loads FileName at once; Load's exceptions propagate.
    Tsk2SkinFileReader(const std::string& FileName, const std::string& Password);
    ~Tsk2SkinFileReader() override;

    // Replaces the reader's items with those of FileName and says how that
    // went; never throws for a file that cannot be read. On any failure the
    // reader is left empty with Loaded() false.
    TSkinFileResult Read(const std::string& FileName, std::string_view Password);
    // The same for an archive already in memory.
    TSkinFileResult ReadBytes(std::span<const uint8_t> Archive, std::string_view Password);
    // Read and ReadBytes for callers that expect the exception: a password
    // that is missing or wrong raises nothing; any other failure raises
    // ESkinFileError ("Failed to read skin file!").
    void Load(const std::string& FileName, std::string_view Password);
    void LoadFromBytes(std::span<const uint8_t> Archive, std::string_view Password);

    bool Loaded() const { return FLoaded; }
    // How the last load ended (Ok after a complete load), with the decoder's,
    // the database's or the picture reader's detail where there is one.
    const TSkinFileResult& Result() const { return FResult; }
    TSkinFileStatus Status() const { return FResult.Status(); }
    std::string StatusText() const { return FResult.Text(); }

    // Pixels the bitmaps of the next load may have together; a skin with
    // more is refused (TooManyPixels) before any of its pictures is decoded.
    uint64_t PixelBudget() const { return FPixelBudget; }
    void SetPixelBudget(uint64_t Pixels) { FPixelBudget = Pixels; }

    // The item's bitmap, owned by the reader; null if there is none.
    TBitmap* GetBitmap(std::string_view Name) const;
    // The item's value; -1 if there is none or it is not a decimal integer.
    int GetInteger(std::string_view Name) const;
    // True for a non-zero integer value; false if there is none or it is
    // not an integer.
    bool GetBool(std::string_view Name) const;
    // The item's text; empty if there is none.
    std::string GetStr(std::string_view Name) const;

    // Copies Bitmap into the existing bitmap Name; nothing if there is none
    // or Bitmap is null.
    void SetBitmap(std::string_view Name, const TBitmap* Bitmap);
    // Sets the value of Name (a boolean as 0 or 1), adding it if missing.
    void SetInteger(std::string_view Name, int Value);
    void SetBool(std::string_view Name, bool Value);
    // Every bitmap becomes transparent in fixed mode with Color.
    void ProcessTransparentColor(TColor Color);

    // Name to bitmap (objects owned by the reader).
    const TStringList& Bitmaps() const { return FBitmaps; }
    // The values by kind, in the skin's order.
    const TSkinValueList<int32_t>& IntegerValues() const { return FIntegers; }
    const TSkinValueList<uint8_t>& BooleanValues() const { return FBooleans; }
    const TSkinValueList<std::string>& StringValues() const { return FStrings; }
    // The same as lines name=value, made afresh from the values on each call
    // (for tools and tests); valid until the next call or change.
    const TStringList& Integers() const;
    const TStringList& Booleans() const;
    const TStringList& Strings() const;
    const std::vector<TSkinItemInfo>& Items() const { return FItems; }

  private:
    void Clear();
    TSkinFileResult Fail(TSkinFileResult Result);
    TSkinFileResult Unpack(std::span<const uint8_t> Archive, std::string_view Password);
    void Store(const TSk2Item& Item);

    TStringList FBitmaps;
    TSkinValueList<int32_t> FIntegers;
    TSkinValueList<uint8_t> FBooleans;
    TSkinValueList<std::string> FStrings;
    mutable TStringList FIntegerLines;
    mutable TStringList FBooleanLines;
    mutable TStringList FStringLines;
    std::vector<std::unique_ptr<TBitmap>> FOwnedBitmaps;
    std::vector<TSkinItemInfo> FItems;
    bool FLoaded = false;
    TSkinFileResult FResult;
    uint64_t FPixelBudget = DefaultSkinPixelBudget;
};
