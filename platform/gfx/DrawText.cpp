#include "platform/gfx/DrawText.h"

#include "platform/gfx/Font.h"
#include "platform/gfx/GlyphPainter.h"
#include "platform/gfx/Shapes.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{
// One laid-out line: its characters, their underline marks and width.
struct TLine
{
    std::u32string Text;
    std::u32string Marks;
    int Width = 0;
};

class TLayout
{
  public:
    TLayout(const gfx::TFont& Font, unsigned Format, int MaxWidth)
        : FFont(Font), FFormat(Format), FMaxWidth(MaxWidth),
          FTabWidth(std::max(1, 8 * Font.Metrics().AveCharWidth))
    {
    }

    std::vector<TLine> Run(const std::u32string& Source)
    {
        std::u32string Text;
        std::u32string Marks;
        StripPrefixes(Source, Text, Marks);
        size_t Start = 0;
        const bool Single = (FFormat & DT_SINGLELINE) != 0;
        for (size_t I = 0; I <= Text.size(); ++I)
        {
            const bool End = I == Text.size();
            const bool Break = !End && !Single && (Text[I] == U'\r' || Text[I] == U'\n');
            if (!End && !Break) continue;
            AddParagraph(Text.substr(Start, I - Start), Marks.substr(Start, I - Start));
            if (!End && Text[I] == U'\r' && I + 1 < Text.size() && Text[I + 1] == U'\n') ++I;
            Start = I + 1;
        }
        return std::move(FLines);
    }

  private:
    void StripPrefixes(const std::u32string& Source, std::u32string& Text,
                       std::u32string& Marks) const
    {
        const bool Prefix = (FFormat & DT_NOPREFIX) == 0;
        bool Mark = false;
        for (size_t I = 0; I < Source.size(); ++I)
        {
            if (Prefix && Source[I] == U'&' && !Mark)
            {
                // "&&" is a literal ampersand; a single "&" marks what follows.
                if (I + 1 < Source.size() && Source[I + 1] == U'&')
                {
                    Text.push_back(U'&');
                    Marks.push_back(0);
                    ++I;
                    continue;
                }
                Mark = true;
                continue;
            }
            Text.push_back(Source[I]);
            Marks.push_back(Mark ? 1 : 0);
            Mark = false;
        }
    }

    int Advance(char32_t C, int Pen) const
    {
        if (C == U'\t' && (FFormat & DT_EXPANDTABS)) return (Pen / FTabWidth + 1) * FTabWidth - Pen;
        return FFont.Glyph(C).Advance;
    }

    int Measure(const std::u32string& Text) const
    {
        int Pen = 0;
        for (char32_t C : Text)
            Pen += Advance(C, Pen);
        return Pen;
    }

    void Push(std::u32string Text, std::u32string Marks)
    {
        TLine Line{std::move(Text), std::move(Marks), 0};
        Line.Width = Measure(Line.Text);
        FLines.push_back(std::move(Line));
    }

    void AddParagraph(const std::u32string& Text, const std::u32string& Marks)
    {
        const bool Wrap = (FFormat & DT_WORDBREAK) && !(FFormat & DT_SINGLELINE);
        if (!Wrap || Measure(Text) <= FMaxWidth)
        {
            Push(Text, Marks);
            return;
        }
        size_t LineStart = 0;
        size_t I = 0;
        while (LineStart < Text.size())
        {
            // Extend the line word by word while it fits.
            size_t Fit = std::u32string::npos;
            I = LineStart;
            while (I < Text.size())
            {
                size_t WordEnd = I;
                while (WordEnd < Text.size() && Text[WordEnd] == U' ')
                    ++WordEnd;
                while (WordEnd < Text.size() && Text[WordEnd] != U' ')
                    ++WordEnd;
                if (Fit != std::u32string::npos &&
                    Measure(Text.substr(LineStart, WordEnd - LineStart)) > FMaxWidth)
                    break;
                Fit = WordEnd;
                I = WordEnd;
            }
            size_t LineEnd = Fit;
            while (LineEnd > LineStart && Text[LineEnd - 1] == U' ')
                --LineEnd;
            Push(Text.substr(LineStart, LineEnd - LineStart),
                 Marks.substr(LineStart, LineEnd - LineStart));
            LineStart = Fit;
            while (LineStart < Text.size() && Text[LineStart] == U' ')
                ++LineStart;
        }
    }

    const gfx::TFont& FFont;
    unsigned FFormat;
    int FMaxWidth;
    int FTabWidth;
    std::vector<TLine> FLines;
};

// Draws one line, expanding tabs as the layout measured them.
void PaintLine(TDeviceContext& Dc, const gfx::TFont& Font, const TLine& Line, int X, int Top,
               unsigned Format)
{
    const int TabWidth = std::max(1, 8 * Font.Metrics().AveCharWidth);
    size_t Start = 0;
    int Pen = X;
    for (size_t I = 0; I <= Line.Text.size(); ++I)
    {
        const bool Tab = I < Line.Text.size() && Line.Text[I] == U'\t' && (Format & DT_EXPANDTABS);
        if (I < Line.Text.size() && !Tab) continue;
        const std::u32string_view Text(Line.Text.data() + Start, I - Start);
        const std::u32string_view Marks(Line.Marks.data() + Start, I - Start);
        Pen = PaintGlyphRun(Dc, Font, Pen, Top, Text, Marks);
        if (Tab)
        {
            const int Offset = Pen - X;
            Pen = X + (Offset / TabWidth + 1) * TabWidth;
        }
        Start = I + 1;
    }
}
} // namespace

int DrawText(TDeviceContext& Dc, std::string_view Text, TRect& Rect, unsigned Format)
{
    if (Text.empty())
    {
        if (Format & DT_CALCRECT) Rect = {Rect.Left, Rect.Top, Rect.Left, Rect.Top};
        return 0;
    }
    const gfx::TFont& Font = Dc.Font();
    const int LineHeight = Font.Metrics().Height;
    const std::vector<TLine> Lines = TLayout(Font, Format, Rect.Width()).Run(DecodeUtf8(Text));
    const int Height = LineHeight * static_cast<int>(Lines.size());
    if (Format & DT_CALCRECT)
    {
        int Widest = 0;
        for (const TLine& Line : Lines)
            Widest = std::max(Widest, Line.Width);
        Rect.Right = Rect.Left + Widest;
        Rect.Bottom = Rect.Top + Height;
        return Height;
    }
    int Top = Rect.Top;
    if (Format & DT_SINGLELINE)
    {
        if (Format & DT_VCENTER)
            Top = Rect.Top + (Rect.Height() - LineHeight) / 2;
        else if (Format & DT_BOTTOM)
            Top = Rect.Bottom - LineHeight;
    }
    const bool Clip = (Format & DT_NOCLIP) == 0;
    if (Clip)
    {
        Dc.SaveDC();
        Dc.IntersectClipRect(Rect);
    }
    int Y = Top;
    for (const TLine& Line : Lines)
    {
        int X = Rect.Left;
        if (Format & DT_CENTER)
            X = Rect.Left + (Rect.Width() - Line.Width) / 2;
        else if (Format & DT_RIGHT)
            X = Rect.Right - Line.Width;
        if (Dc.BkMode() == OPAQUE)
            FillRect(Dc, {X, Y, X + Line.Width, Y + LineHeight}, gfx::TBrush::Solid(Dc.BkColor()));
        PaintLine(Dc, Font, Line, X, Y, Format);
        Y += LineHeight;
    }
    if (Clip) Dc.RestoreDC(-1);
    return (Format & DT_SINGLELINE) && (Format & (DT_VCENTER | DT_BOTTOM)) ? Top - Rect.Top + Height
                                                                           : Height;
}
