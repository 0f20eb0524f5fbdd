#include "platform/gfx/Text.h"

#include "platform/gfx/GlyphPainter.h"
#include "platform/gfx/Shapes.h"

TTextMetric GetTextMetrics(const TDeviceContext& Dc)
{
    return Dc.Font().Metrics();
}

TSize GetTextExtent(const TDeviceContext& Dc, std::string_view Text)
{
    const gfx::TFont& Font = Dc.Font();
    return {Font.TextWidth(DecodeUtf8(Text)), Font.Metrics().Height};
}

void TextOut(TDeviceContext& Dc, int X, int Y, std::string_view Text)
{
    const gfx::TFont& Font = Dc.Font();
    const std::u32string Decoded = DecodeUtf8(Text);
    if (Dc.BkMode() == OPAQUE)
        FillRect(Dc, {X, Y, X + Font.TextWidth(Decoded), Y + Font.Metrics().Height},
                 gfx::TBrush::Solid(Dc.BkColor()));
    PaintGlyphRun(Dc, Font, X, Y, Decoded);
}
