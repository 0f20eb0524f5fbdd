// The skinned scroll bar drawn from the sample skin file.

#include "framework/graphics/Bitmap.h"
#include "skin/RoundPicture.h"
#include "skin/SUI2Define.h"
#include "skin/SUIScrollBarLook.h"
#include "skinfiles/SUISkinFileTheme.h"
#include "tests/framework/GuiFixture.h"

#include <memory>
#include <string>

namespace
{
const std::string SampleSkinFile = std::string(NOVLA_SAMPLE_SKIN_DIR) + "/novla-sample.skin";

std::unique_ptr<TBitmap> SkinFrame(TsuiFileTheme& Theme, Tsk2SkinBitmapElement Element, int Frame)
{
    auto B = std::make_unique<TBitmap>();
    Theme.GetBitmap2(Element, B.get(), 3, Frame + 1);
    return B;
}

bool ShowsAt(const TBitmap& Picture, int X, int Y, const TBitmap& Frame)
{
    if (Frame.Empty()) return false;
    for (int FY = 0; FY < Frame.Height(); ++FY)
        for (int FX = 0; FX < Frame.Width(); ++FX)
            if (Picture.Surface().Pixel(X + FX, Y + FY) != Frame.Surface().Pixel(FX, FY))
                return false;
    return true;
}
} // namespace

TEST_F(GuiTest, TheSampleSkinsScrollBarPicturesDrawEachState)
{
    TsuiSkinFileTheme Theme(nullptr);
    Theme.SetThemeFile(SampleSkinFile);
    ASSERT_TRUE(Theme.CanUse());
    TsuiScrollBarLook Look;
    Look.Load(FromThemeFile, &Theme);
    EXPECT_EQ(Look.TrackColor(), Theme.GetColor(SKIN2_SCROLLBARCOLOR));
    // The sample skin's arrows are 16 x 16: a 16-pixel bar copies them.
    struct
    {
        const char* Name;
        int Hot, Pressed;
        bool Disabled;
        int Up, Down;
    } const Cases[] = {
        {"normal", ssbNone, ssbNone, false, 0, 0},
        {"hot", ssbLineUp, ssbNone, false, 1, 0},
        {"pressed", ssbNone, ssbLineDown, false, 0, 2},
        {"disabled", ssbLineUp, ssbLineDown, true, 0, 0},
    };
    TBitmap Slider;
    Theme.GetBitmap2(SKIN2_SCROLLBAR, &Slider);
    RoundPicture3(&Slider);
    for (const auto& Case : Cases)
    {
        SCOPED_TRACE(Case.Name);
        TsuiScrollBarLayout L;
        L.Bar = {0, 0, 16, 100};
        L.Arrow = 16;
        L.ThumbStart = 40;
        L.ThumbEnd = 60;
        L.Hot = Case.Hot;
        L.Pressed = Case.Pressed;
        L.Disabled = Case.Disabled;
        TBitmap B;
        B.SetSize(16, 100);
        Look.Paint(B.Canvas(), L);
        EXPECT_TRUE(ShowsAt(B, 0, 0, *SkinFrame(Theme, SKIN2_SCROLLBARUPBUTTON, Case.Up)));
        EXPECT_TRUE(ShowsAt(B, 0, 84, *SkinFrame(Theme, SKIN2_SCROLLBARDOWNBUTTON, Case.Down)));
        EXPECT_EQ(B.Surface().Pixel(8, 30), Look.TrackColor());
        EXPECT_EQ(B.Surface().Pixel(8, 50),
                  Case.Disabled ? Look.TrackColor() : Slider.Surface().Pixel(8, 10));
    }
}
