#include "skinfiles/Crc32.h"

#include <array>

namespace
{

// Eight tables for slicing eight bytes per step; table 0 is the classic one.
using TCrcTables = std::array<std::array<uint32_t, 256>, 8>;

constexpr TCrcTables MakeTables()
{
    TCrcTables T{};
    for (uint32_t I = 0; I < 256; ++I)
    {
        uint32_t C = I;
        for (int K = 0; K < 8; ++K)
            C = (C & 1) ? 0xEDB88320u ^ (C >> 1) : C >> 1;
        T[0][I] = C;
    }
    for (uint32_t I = 0; I < 256; ++I)
        for (int S = 1; S < 8; ++S)
            T[S][I] = (T[S - 1][I] >> 8) ^ T[0][T[S - 1][I] & 0xFF];
    return T;
}

constexpr TCrcTables Tables = MakeTables();

} // namespace

uint32_t Crc32TableEntry(uint8_t Index)
{
    return Tables[0][Index];
}

uint32_t Crc32Update(uint32_t Crc, std::span<const uint8_t> Bytes)
{
    uint32_t C = ~Crc;
    const uint8_t* P = Bytes.data();
    size_t N = Bytes.size();
    while (N >= 8)
    {
        const uint32_t Low = C ^ (uint32_t(P[0]) | uint32_t(P[1]) << 8 | uint32_t(P[2]) << 16 |
                                  uint32_t(P[3]) << 24);
        C = Tables[7][Low & 0xFF] ^ Tables[6][(Low >> 8) & 0xFF] ^ Tables[5][(Low >> 16) & 0xFF] ^
            Tables[4][Low >> 24] ^ Tables[3][P[4]] ^ Tables[2][P[5]] ^ Tables[1][P[6]] ^
            Tables[0][P[7]];
        P += 8;
        N -= 8;
    }
    while (N--)
        C = Tables[0][(C ^ *P++) & 0xFF] ^ (C >> 8);
    return ~C;
}
