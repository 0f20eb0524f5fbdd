#pragma once

#include "skinfiles/Sk2Database.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Builds a skin database: the 24-byte header, one record per item in the
// order added (at 24 + 77 * index), a final record that ends the chain, then
// every item's data in the same order.
class TSk2Writer
{
  public:
    void AddBitmap(const std::string& Name, std::vector<uint8_t> BitmapFile);
    void AddInteger(const std::string& Name, int32_t Value);
    void AddBoolean(const std::string& Name, uint8_t Value);
    void AddString(const std::string& Name, const std::string& Text);
    // Any kind byte and data, for databases a reader must refuse.
    void AddRaw(const std::string& Name, uint8_t Kind, std::vector<uint8_t> Data);

    // Names longer than 64 bytes are cut to 64 (then without terminator).
    std::vector<uint8_t> Build() const;

    // Offset of record Index in what Build() returns.
    static size_t RecordOffset(size_t Index) { return sk2::HeaderSize + sk2::RecordSize * Index; }

    struct TItem
    {
        std::string Name;
        uint8_t Kind;
        std::vector<uint8_t> Data;
    };
    // The items as added, in order: what a reader of Build()'s bytes must
    // find (names as given, before any cut).
    const std::vector<TItem>& Items() const { return FItems; }

  private:
    std::vector<TItem> FItems;
};
