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
        if (FFormat & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS))
            for (TLine& Line : FLines)
                if (Line.Width > FMaxWidth) Shorten(Line);
        return std::move(FLines);
    }

    // Whether any line was shortened by an ellipsis flag.
    bool Shortened() const { return FShortened; }

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

    // Text [0, Keep) + "..." + Text [Tail, end), as wide as it then is.
    static TLine Cut(const TLine& Line, size_t Keep, size_t Tail)
    {
        TLine Out;
        Out.Text = Line.Text.substr(0, Keep) + U"..." + Line.Text.substr(Tail);
        Out.Marks = Line.Marks.substr(0, Keep) + std::u32string(3, 0) + Line.Marks.substr(Tail);
        return Out;
    }

    // The longest Keep (from Line's start, at most Before) that fits with
    // "..." and the text from Tail on; false when not even Keep = 0 fits.
    bool FitCut(const TLine& Line, size_t Before, size_t Tail, TLine& Out) const
    {
        for (size_t Keep = Before + 1; Keep-- > 0;)
        {
            TLine Candidate = Cut(Line, Keep, Tail);
            Candidate.Width = Measure(Candidate.Text);
            if (Candidate.Width <= FMaxWidth)
            {
                Out = std::move(Candidate);
                return true;
            }
        }
        return false;
    }

    void Shorten(TLine& Line)
    {
        FShortened = true;
        TLine Out;
        if (FFormat & DT_PATH_ELLIPSIS)
        {
            const size_t Slash = Line.Text.find_last_of(U"\\/");
            if (Slash != std::u32string::npos && Slash > 0 && FitCut(Line, Slash, Slash, Out))
            {
                Line = std::move(Out);
                return;
            }
        }
        if (!FitCut(Line, Line.Text.size(), Line.Text.size(), Out))
        {
            // Not even the ellipsis fits: it is all that is shown.
            Out = Cut(Line, 0, Line.Text.size());
            Out.Width = Measure(Out.Text);
        }
        Line = std::move(Out);
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
    bool FShortened = false;
};

std::string EncodeUtf8(const std::u32string& Text)
{
    std::string Out;
    for (char32_t C : Text)
    {
        if (C < 0x80)
            Out += static_cast<char>(C);
        else if (C < 0x800)
        {
            Out += static_cast<char>(0xC0 | (C >> 6));
            Out += static_cast<char>(0x80 | (C & 0x3F));
        }
        else if (C < 0x10000)
        {
            Out += static_cast<char>(0xE0 | (C >> 12));
            Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
            Out += static_cast<char>(0x80 | (C & 0x3F));
        }
        else
        {
            Out += static_cast<char>(0xF0 | (C >> 18));
            Out += static_cast<char>(0x80 | ((C >> 12) & 0x3F));
            Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
            Out += static_cast<char>(0x80 | (C & 0x3F));
        }
    }
    return Out;
}

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

namespace
{
int Draw(TDeviceContext& Dc, std::string_view Text, TRect& Rect, unsigned Format,
         std::string* Modified)
{
    if (Text.empty())
    {
        if (Format & DT_CALCRECT) Rect = {Rect.Left, Rect.Top, Rect.Left, Rect.Top};
        return 0;
    }
    const gfx::TFont& Font = Dc.Font();
    const int LineHeight = Font.Metrics().Height;
    TLayout Layout(Font, Format, Rect.Width());
    const std::vector<TLine> Lines = Layout.Run(DecodeUtf8(Text));
    if (Modified && Layout.Shortened())
    {
        std::u32string Joined;
        for (size_t I = 0; I < Lines.size(); ++I)
            Joined += (I ? U"\r\n" : U"") + Lines[I].Text;
        *Modified = EncodeUtf8(Joined);
    }
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
} // namespace

int DrawText(TDeviceContext& Dc, std::string_view Text, TRect& Rect, unsigned Format)
{
    return Draw(Dc, Text, Rect, Format, nullptr);
}

int DrawText(TDeviceContext& Dc, std::string& Text, TRect& Rect, unsigned Format)
{
    std::string Modified;
    const bool Modify = Format & DT_MODIFYSTRING;
    const int Height = Draw(Dc, Text, Rect, Format, Modify ? &Modified : nullptr);
    if (!Modified.empty()) Text = std::move(Modified);
    return Height;
}
