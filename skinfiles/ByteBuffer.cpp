#include "skinfiles/ByteBuffer.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

TByteBuffer::TByteBuffer(TByteBuffer&& Other) noexcept
    : FData(std::exchange(Other.FData, nullptr)), FSize(std::exchange(Other.FSize, 0)),
      FCapacity(std::exchange(Other.FCapacity, 0))
{
}

TByteBuffer& TByteBuffer::operator=(TByteBuffer&& Other) noexcept
{
    if (this != &Other)
    {
        Release();
        FData = std::exchange(Other.FData, nullptr);
        FSize = std::exchange(Other.FSize, 0);
        FCapacity = std::exchange(Other.FCapacity, 0);
    }
    return *this;
}

TByteBuffer::~TByteBuffer()
{
    Release();
}

void TByteBuffer::Release()
{
    if (!FData) return;
    explicit_bzero(FData, FCapacity);
    ::operator delete(FData);
    FData = nullptr;
    FSize = FCapacity = 0;
}

void TByteBuffer::Reserve(size_t Count)
{
    if (Count <= FCapacity) return;
    auto* Grown = static_cast<uint8_t*>(::operator new(Count));
    if (FSize) std::memcpy(Grown, FData, FSize);
    const size_t Size = FSize;
    Release();
    FData = Grown;
    FSize = Size;
    FCapacity = Count;
}

void TByteBuffer::Append(std::span<const uint8_t> Bytes)
{
    if (Bytes.empty()) return;
    if (FCapacity - FSize < Bytes.size())
        Reserve(std::max(FSize + Bytes.size(), FCapacity + FCapacity / 2));
    std::memcpy(FData + FSize, Bytes.data(), Bytes.size());
    FSize += Bytes.size();
}

void TByteBuffer::Wipe()
{
    if (FData) explicit_bzero(FData, FCapacity);
    FSize = 0;
}
