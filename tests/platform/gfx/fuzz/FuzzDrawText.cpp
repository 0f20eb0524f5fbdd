// libFuzzer entry for text layout and drawing: any bytes as UTF-8 text, with
// format flags and a rectangle taken from the first bytes, must lay out and
// draw without faults, and measuring must agree with drawing's height.

#include "platform/gfx/DrawText.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size < 3) return 0;
    static constexpr unsigned Flags[] = {DT_CENTER,    DT_RIGHT,      DT_VCENTER,    DT_BOTTOM,
                                         DT_WORDBREAK, DT_SINGLELINE, DT_EXPANDTABS, DT_NOPREFIX};
    unsigned Format = 0;
    for (int I = 0; I < 8; ++I)
        if (Data[0] >> I & 1) Format |= Flags[I];
    const int Width = Data[1] - 16;
    const int Height = Data[2] / 4;
    const std::string_view Text(reinterpret_cast<const char*>(Data + 3), Size - 3);

    TSurface Surface(64, 32, clWhite);
    TDeviceContext Dc(Surface);
    TRect Measured{4, 4, 4 + Width, 4 + Height};
    const int Calc = DrawText(Dc, Text, Measured, Format | DT_CALCRECT);
    TRect Box{4, 4, 4 + Width, 4 + Height};
    const int Drawn = DrawText(Dc, Text, Box, Format);
    if ((Format & (DT_SINGLELINE | DT_VCENTER | DT_BOTTOM)) == 0 && Calc != Drawn) std::abort();
    if (Calc < 0 || Measured.Height() != Calc) std::abort();
    return 0;
}
