#pragma once

#include "framework/Object.h"
#include "framework/StringList.h"
#include "platform/gfx/Color.h"
#include "skinfiles/Sk2Database.h"
#include "skinfiles/SkinFileStatus.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TBitmap;

// Largest skin file read, in bytes.
constexpr size_t MaxSkinFileSize = size_t(64) << 20;

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

    // Replaces the reader's items with those of FileName. A password that is
    // missing or wrong leaves the reader empty with Loaded() false and raises
    // nothing; any other fault raises ESkinFileError ("Failed to read skin
    // file!") and leaves the reader empty.
    void Load(const std::string& FileName, std::string_view Password);
    // The same for an archive already in memory.
    void LoadFromBytes(std::span<const uint8_t> Archive, std::string_view Password);

    bool Loaded() const { return FLoaded; }
    // Why the last load ended as it did (Ok after a complete load).
    TSkinFileStatus Status() const { return FStatus; }
    // Status text, with the decoder's or the database's detail where there
    // is one.
    const std::string& StatusText() const { return FStatusText; }

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
    // Sets the line Name=Value (a boolean as 0 or 1), adding it if missing.
    void SetInteger(std::string_view Name, int Value);
    void SetBool(std::string_view Name, bool Value);
    // Every bitmap becomes transparent in fixed mode with Color.
    void ProcessTransparentColor(TColor Color);

    // Name to bitmap (objects owned by the reader), and lines name=value.
    const TStringList& Bitmaps() const { return FBitmaps; }
    const TStringList& Integers() const { return FIntegers; }
    const TStringList& Booleans() const { return FBooleans; }
    const TStringList& Strings() const { return FStrings; }
    const std::vector<TSkinItemInfo>& Items() const { return FItems; }

  private:
    void Clear();
    void Fail(TSkinFileStatus Status, const char* Detail);
    void Store(const TSk2Item& Item);

    TStringList FBitmaps;
    TStringList FIntegers;
    TStringList FBooleans;
    TStringList FStrings;
    std::vector<std::unique_ptr<TBitmap>> FOwnedBitmaps;
    std::vector<TSkinItemInfo> FItems;
    bool FLoaded = false;
    TSkinFileStatus FStatus = TSkinFileStatus::Ok;
    std::string FStatusText;
};
