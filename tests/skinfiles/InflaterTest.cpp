#include "skinfiles/Inflater.h"
#include "skinfiles/HuffmanTable.h"
#include "tools/skin-writer/DeflateEncoder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace
{

// Writes DEFLATE bits: plain values least significant bit first, Huffman
// codes most significant bit first.
class TBits
{
  public:
    TBits& Put(uint32_t Value, int Count)
    {
        for (int I = 0; I < Count; ++I)
            Bit((Value >> I) & 1);
        return *this;
    }
    TBits& Code(uint32_t Code, int Length)
    {
        for (int I = Length - 1; I >= 0; --I)
            Bit((Code >> I) & 1);
        return *this;
    }
    // Whole bytes from the next byte boundary on, as stored blocks want.
    TBits& Bytes(std::initializer_list<uint8_t> List)
    {
        FOut.insert(FOut.end(), List);
        FCount = int(FOut.size()) * 8;
        return *this;
    }
    std::vector<uint8_t> Done() const { return FOut; }

  private:
    void Bit(uint32_t B)
    {
        if (FCount % 8 == 0) FOut.push_back(0);
        FOut.back() |= uint8_t(B << (FCount % 8));
        ++FCount;
    }
    std::vector<uint8_t> FOut;
    int FCount = 0;
};

// The fixed code of literal/length symbol S.
TBits& Fixed(TBits& B, unsigned S)
{
    if (S < 144) return B.Code(0x30 + S, 8);
    if (S < 256) return B.Code(0x190 + S - 144, 9);
    if (S < 280) return B.Code(S - 256, 7);
    return B.Code(0xC0 + S - 280, 8);
}

std::vector<uint32_t> CanonicalCodes(const std::vector<uint8_t>& Lengths)
{
    std::vector<uint32_t> Codes(Lengths.size());
    uint32_t Code = 0;
    for (int L = 1; L <= 15; ++L)
    {
        for (size_t S = 0; S < Lengths.size(); ++S)
            if (Lengths[S] == L) Codes[S] = Code++;
        Code <<= 1;
    }
    return Codes;
}

// A complete code-length code: symbols 0-12 four bits, 13-18 five bits.
std::vector<uint8_t> PlainPrecode()
{
    std::vector<uint8_t> L(19, 4);
    std::fill(L.begin() + 13, L.end(), 5);
    return L;
}

// A final dynamic block header with the given code lengths. Symbols are
// written as code-length symbols with their extra bits (none of 16-18 unless
// Raw lists them as {symbol, extra value, extra bits}).
struct TRaw
{
    unsigned Symbol, Extra, ExtraBits;
};
TBits Dynamic(const std::vector<uint8_t>& Lit, const std::vector<uint8_t>& Dist,
              std::vector<TRaw> Raw = {}, std::vector<uint8_t> Precode = PlainPrecode())
{
    static const int Order[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
    TBits B;
    B.Put(1, 1)
        .Put(2, 2)
        .Put(unsigned(Lit.size() - 257), 5)
        .Put(unsigned(Dist.size() - 1), 5)
        .Put(15, 4);
    for (int I = 0; I < 19; ++I)
        B.Put(Precode[Order[I]], 3);
    const auto PreCodes = CanonicalCodes(Precode);
    if (Raw.empty())
    {
        for (uint8_t L : Lit)
            Raw.push_back({L, 0, 0});
        for (uint8_t L : Dist)
            Raw.push_back({L, 0, 0});
    }
    for (const TRaw& R : Raw)
        B.Code(PreCodes[R.Symbol], Precode[R.Symbol]).Put(R.Extra, R.ExtraBits);
    return B;
}

std::vector<uint8_t> LitLengths(std::initializer_list<std::pair<int, int>> Set, size_t Count = 258)
{
    std::vector<uint8_t> L(Count, 0);
    for (auto [S, Len] : Set)
        L[S] = uint8_t(Len);
    return L;
}

std::string Text(const TByteBuffer& B)
{
    return std::string(B.Data(), B.Data() + B.Size());
}

struct TGoodCase
{
    const char* Name;
    std::vector<uint8_t> Stream;
    std::string Expected;
};

TEST(Inflater, DecodesEachBlockKindAndBoundary)
{
    TBits FixedAbc;
    FixedAbc.Put(1, 1).Put(1, 2);
    Fixed(Fixed(Fixed(Fixed(FixedAbc, 'a'), 'b'), 'c'), 256);

    // "ab" then a match of 3 at distance 2, which reaches the first byte.
    TBits Boundary;
    Boundary.Put(1, 1).Put(1, 2);
    Fixed(Fixed(Fixed(Boundary, 'a'), 'b'), 257).Code(1, 5);
    Fixed(Boundary, 256);

    // One literal, then 258 copies of it at distance 1 (overlapping).
    TBits Run;
    Run.Put(1, 1).Put(1, 2);
    Fixed(Fixed(Run, 'z'), 285).Code(0, 5);
    Fixed(Run, 256);

    // Dynamic: 'a' 1 bit, end 2 bits, length 3 two bits; one distance code
    // of one bit (the allowed incomplete set).
    const auto Lit = LitLengths({{'a', 1}, {256, 2}, {257, 2}});
    TBits OneDistance = Dynamic(Lit, {1});
    OneDistance.Code(0, 1).Code(3, 2).Code(0, 1).Code(2, 2);

    // Dynamic with no distance code at all: literals only.
    TBits NoDistance = Dynamic(LitLengths({{'a', 1}, {256, 1}}, 257), {0});
    NoDistance.Code(0, 1).Code(0, 1).Code(1, 1);

    const TGoodCase Cases[] = {
        {"empty stored block", {0x01, 0x00, 0x00, 0xFF, 0xFF}, ""},
        {"stored then fixed",
         TBits()
             .Put(0, 1)
             .Put(0, 2)
             .Bytes({2, 0, 0xFD, 0xFF, 'h', 'i'})
             .Put(1, 1)
             .Put(1, 2)
             .Code(0, 7)
             .Done(),
         "hi"},
        {"fixed literals", FixedAbc.Done(), "abc"},
        {"match reaching the first byte", Boundary.Done(), "ababa"},
        {"overlapping run", Run.Done(), std::string(259, 'z')},
        {"single one-bit distance code", OneDistance.Done(), "aaaa"},
        {"no distance codes", NoDistance.Done(), "aa"},
        {"bytes after the final block",
         [&]
         {
             auto S = FixedAbc.Done();
             S.insert(S.end(), {1, 2, 3});
             return S;
         }(),
         "abc"},
    };
    for (const TGoodCase& C : Cases)
    {
        TByteBuffer Out;
        EXPECT_EQ(Inflate(C.Stream, Out), TInflateStatus::Ok) << C.Name;
        EXPECT_EQ(Text(Out), C.Expected) << C.Name;
    }
}

struct TBadCase
{
    const char* Name;
    std::vector<uint8_t> Stream;
    TInflateStatus Expected;
    size_t MaxOutput = MaxInflateOutput;
};

TEST(Inflater, RefusesMalformedStreams)
{
    auto FixedWith = [](std::initializer_list<unsigned> Symbols, bool Final = true)
    {
        TBits B;
        B.Put(Final, 1).Put(1, 2);
        for (unsigned S : Symbols)
            Fixed(B, S);
        return B;
    };
    TBits Symbol286 = FixedWith({286});
    TBits Distance30 = FixedWith({'a', 257});
    Distance30.Code(30, 5);
    TBits Distance31 = FixedWith({'a', 257});
    Distance31.Code(31, 5);
    TBits TooFar = FixedWith({'a', 257});
    TooFar.Code(1, 5); // distance 2 after one byte
    TBits NotFinal = FixedWith({'a', 256}, false);
    TBits LongRun = FixedWith({'a'});
    for (int I = 0; I < 20; ++I)
        Fixed(LongRun, 285).Code(0, 5);
    Fixed(LongRun, 256);

    const auto Lit = LitLengths({{'a', 1}, {256, 1}}, 257);
    const std::vector<uint8_t> OverPrecode = []
    {
        std::vector<uint8_t> L(19, 0);
        L[0] = L[1] = L[2] = 1;
        return L;
    }();
    std::vector<TRaw> Overrun{{18, 127, 7}, {18, 127, 7}};

    const TBadCase Cases[] = {
        {"empty input", {}, TInflateStatus::Truncated},
        {"no end of block", FixedWith({'a', 'b'}).Done(), TInflateStatus::Truncated},
        {"no final block", NotFinal.Done(), TInflateStatus::Truncated},
        {"block type 3", TBits().Put(1, 1).Put(3, 2).Done(), TInflateStatus::BadBlockType},
        {"stored length and complement disagree",
         {0x01, 0x05, 0x00, 0xFA, 0xFE, 1, 2, 3, 4, 5},
         TInflateStatus::BadStoredLength},
        {"stored block past the input",
         {0x01, 0x05, 0x00, 0xFA, 0xFF, 1, 2},
         TInflateStatus::Truncated},
        {"287 literal/length codes",
         TBits().Put(1, 1).Put(2, 2).Put(30, 5).Put(0, 5).Put(0, 4).Put(0, 32).Done(),
         TInflateStatus::TooManyCodes},
        {"31 distance codes",
         TBits().Put(1, 1).Put(2, 2).Put(0, 5).Put(30, 5).Put(0, 4).Put(0, 32).Done(),
         TInflateStatus::TooManyCodes},
        {"repeat with nothing before", Dynamic(Lit, {0}, {{16, 0, 2}}).Put(0, 32).Done(),
         TInflateStatus::BadCodeLengths},
        {"zeros past the code count", Dynamic(Lit, {0}, Overrun).Put(0, 32).Done(),
         TInflateStatus::BadCodeLengths},
        {"over-subscribed code-length code",
         Dynamic(Lit, {0}, {{0, 0, 0}}, OverPrecode).Put(0, 32).Done(), TInflateStatus::BadCodeSet},
        {"over-subscribed literal code",
         Dynamic(LitLengths({{'a', 1}, {'b', 1}, {256, 1}}, 257), {0}).Put(0, 32).Done(),
         TInflateStatus::BadCodeSet},
        {"under-subscribed literal code",
         Dynamic(LitLengths({{'a', 2}, {256, 2}}, 257), {0}).Put(0, 32).Done(),
         TInflateStatus::BadCodeSet},
        {"under-subscribed distance code", Dynamic(Lit, {2, 2}).Put(0, 32).Done(),
         TInflateStatus::BadCodeSet},
        {"no end-of-block code",
         Dynamic(LitLengths({{'a', 1}, {'b', 1}}, 257), {0}).Put(0, 32).Done(),
         TInflateStatus::BadCodeSet},
        {"literal/length symbol 286", Symbol286.Done(), TInflateStatus::BadSymbol},
        {"distance symbol 30", Distance30.Done(), TInflateStatus::BadSymbol},
        {"distance symbol 31", Distance31.Done(), TInflateStatus::BadSymbol},
        {"match from no data", FixedWith({257}).Code(0, 5).Done(), TInflateStatus::DistanceTooFar},
        {"distance before the start", TooFar.Done(), TInflateStatus::DistanceTooFar},
        {"output over the limit", LongRun.Done(), TInflateStatus::OutputTooLarge, 4096},
    };
    for (const TBadCase& C : Cases)
    {
        TByteBuffer Out;
        EXPECT_EQ(Inflate(C.Stream, Out, C.MaxOutput), C.Expected) << C.Name;
        EXPECT_LE(Out.Size(), C.MaxOutput + 512) << C.Name;
    }
}

TEST(Inflater, CapsOutputAtSixtyFourMegabytesByDefault)
{
    // 426 KB of fixed codes claiming 67.6 MB: one literal and 262 000 runs
    // of 258 bytes.
    TBits B;
    B.Put(1, 1).Put(1, 2);
    Fixed(B, 'x');
    for (int I = 0; I < 262000; ++I)
        B.Code(0xC5, 8).Code(0, 5);
    Fixed(B, 256);
    TByteBuffer Out;
    EXPECT_EQ(Inflate(B.Done(), Out), TInflateStatus::OutputTooLarge);
    EXPECT_LE(Out.Capacity(), MaxInflateOutput + 1024);
}

TEST(Inflater, RoundTripsOurEncoderOutput)
{
    std::mt19937 Random(3);
    std::vector<uint8_t> Noise(200000), Text, Runs;
    for (auto& B : Noise)
        B = uint8_t(Random());
    while (Text.size() < 150000)
        for (const char* W : {"title ", "button ", "border ", "skin\n"})
            Text.insert(Text.end(), W, W + std::strlen(W));
    while (Runs.size() < 100000)
        Runs.insert(Runs.end(), 1 + Random() % 300, uint8_t(Random() % 3));
    for (const auto* Data : {&Noise, &Text, &Runs})
        for (TDeflateMode Mode : {TDeflateMode::Stored, TDeflateMode::Fixed})
        {
            TByteBuffer Out;
            ASSERT_EQ(Inflate(DeflateBytes(*Data, Mode), Out), TInflateStatus::Ok);
            EXPECT_TRUE(
                std::equal(Data->begin(), Data->end(), Out.Data(), Out.Data() + Out.Size()));
        }
}

TEST(Inflater, OutputMayReachTheLimitExactlyWhateverTheHint)
{
    // Literals, then three runs of 258 bytes that end the output.
    auto Stream = [](size_t Length)
    {
        TBits B;
        B.Put(1, 1).Put(1, 2);
        for (size_t I = 0; I < Length - 3 * 258; ++I)
            Fixed(B, 'a');
        for (int I = 0; I < 3; ++I)
            B.Code(0xC5, 8).Code(0, 5);
        Fixed(B, 256);
        return B.Done();
    };
    constexpr size_t Max = 1000;
    const struct
    {
        size_t Length, Hint;
        TInflateStatus Expected;
    } Cases[] = {
        {1000, 0, TInflateStatus::Ok},
        {1000, 800, TInflateStatus::Ok},
        {1000, 999, TInflateStatus::Ok},
        {1000, 1000, TInflateStatus::Ok},
        {1001, 0, TInflateStatus::OutputTooLarge},
        {1001, 1000, TInflateStatus::OutputTooLarge},
    };
    for (const auto& C : Cases)
    {
        TByteBuffer Out;
        EXPECT_EQ(Inflate(Stream(C.Length), Out, Max, C.Hint), C.Expected)
            << C.Length << " bytes, hint " << C.Hint;
        if (C.Expected == TInflateStatus::Ok)
        {
            EXPECT_EQ(Out.Size(), C.Length);
        }
    }
}

TEST(HuffmanTable, ALinkedCodeTakesTheBitsOfBothLevels)
{
    // Codes of 1 to 15 bits make every alphabet's table link past its root,
    // the code-length alphabet's (7 root bits) included, although a stream
    // can only give that code up to 7 bits.
    std::vector<uint8_t> Lengths(19, 0);
    for (int S = 0; S < 15; ++S)
        Lengths[S] = uint8_t(S + 1);
    Lengths[15] = 15;
    const auto Codes = CanonicalCodes(Lengths);
    for (THuffmanAlphabet Alphabet :
         {THuffmanAlphabet::CodeLength, THuffmanAlphabet::LiteralLength})
    {
        THuffmanTable Table;
        ASSERT_EQ(Table.Build(Alphabet, Lengths), TInflateStatus::Ok);
        for (unsigned S = 0; S < 16; ++S)
        {
            // The code, most significant bit first, then bits that belong
            // to whatever follows.
            uint64_t Bits = 0;
            for (int I = 0; I < Lengths[S]; ++I)
                Bits |= uint64_t((Codes[S] >> (Lengths[S] - 1 - I)) & 1) << I;
            Bits |= uint64_t(0x5A5A5A5A) << Lengths[S];
            unsigned Taken = 0;
            const uint32_t Entry = Table.Decode(Bits, Taken);
            EXPECT_EQ(Taken, Lengths[S]) << "symbol " << S;
            EXPECT_EQ(huffman::Value(Entry), S) << "symbol " << S;
            EXPECT_FALSE(Entry & (huffman::Invalid | huffman::Link)) << "symbol " << S;
        }
    }
}

} // namespace
