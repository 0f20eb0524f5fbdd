#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// A growable block of bytes for unpacked skin data. New bytes are left
// uninitialised (the inflater writes every byte it keeps), and every block the
// buffer gives up, on growth or destruction, is zeroed first so that decrypted
// data does not linger in freed memory.
class TByteBuffer
{
  public:
    TByteBuffer() = default;
    TByteBuffer(TByteBuffer&& Other) noexcept;
    TByteBuffer& operator=(TByteBuffer&& Other) noexcept;
    TByteBuffer(const TByteBuffer&) = delete;
    TByteBuffer& operator=(const TByteBuffer&) = delete;
    ~TByteBuffer();

    uint8_t* Data() { return FData; }
    const uint8_t* Data() const { return FData; }
    size_t Size() const { return FSize; }
    size_t Capacity() const { return FCapacity; }
    std::span<const uint8_t> Bytes() const { return {FData, FSize}; }

    // Makes room for at least Count bytes, keeping the content. Throws
    // std::bad_alloc when memory runs out.
    void Reserve(size_t Count);
    // Count must not exceed Capacity(); bytes past the old size are whatever
    // was written there.
    void SetSize(size_t Count) { FSize = Count; }
    void Append(std::span<const uint8_t> Bytes);
    // Zeroes the whole block and empties the buffer, keeping the block.
    void Wipe();

  private:
    void Release();

    uint8_t* FData = nullptr;
    size_t FSize = 0;
    size_t FCapacity = 0;
};
