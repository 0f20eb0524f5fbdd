#include "platform/gfx/DrawText.h"
#include "platform/gfx/Text.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

// Fonts are shared process-wide; threads that look them up, measure and draw
// at the same time must all see the same results.
TEST(FontThreads, ConcurrentLookupMeasureAndDrawAgree)
{
    const char* Faces[] = {"MS Sans Serif", "Tahoma", "DejaVu Sans", "No Such Face"};
    auto DescOf = [&](int Face, int Step)
    {
        TFontDesc Desc;
        Desc.Face = Faces[Face % 4];
        Desc.Height = -11 - Step % 5;
        Desc.Bold = Step % 2 == 0;
        return Desc;
    };
    constexpr int Threads = 4;
    constexpr int Steps = 10;
    std::vector<std::vector<int>> Widths(Threads);
    std::vector<std::thread> Workers;
    for (int T = 0; T < Threads; ++T)
        Workers.emplace_back(
            [&, T]
            {
                TSurface S(200, 40, clWhite);
                TDeviceContext Dc(S);
                // Each thread walks the descriptions in its own order, drawing as it goes.
                for (int Step = 0; Step < Steps; ++Step)
                    for (int F = 0; F < 4; ++F)
                    {
                        Dc.SetFont(DescOf(F + T, Step + T));
                        TRect R{0, 0, 200, 40};
                        DrawText(Dc, "Write All &Open", R, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
                    }
                for (int Step = 0; Step < Steps; ++Step)
                    for (int F = 0; F < 4; ++F)
                    {
                        Dc.SetFont(DescOf(F, Step));
                        Widths[static_cast<size_t>(T)].push_back(
                            GetTextExtent(Dc, "Read All").Width);
                    }
            });
    for (std::thread& W : Workers)
        W.join();
    for (int T = 1; T < Threads; ++T)
        EXPECT_EQ(Widths[static_cast<size_t>(T)], Widths[0]) << T;
}
