#include "skin/SkinText.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "platform/win/SystemMetrics.h"

#include <array>
#include <cstdlib>

namespace
{
// Bytes of the first Count UTF-8 characters of Text.
size_t CharPrefix(const std::string& Text, size_t Count)
{
    size_t At = 0;
    for (size_t N = 0; N < Count && At < Text.size(); ++N)
    {
        ++At;
        while (At < Text.size() && (static_cast<unsigned char>(Text[At]) & 0xC0) == 0x80)
            ++At;
    }
    return At;
}

size_t CharCount(const std::string& Text)
{
    size_t Count = 0;
    for (unsigned char C : Text)
        if ((C & 0xC0) != 0x80) ++Count;
    return Count;
}

// Captions of Yes, No, OK, Cancel, Abort, Retry, Ignore and Help.
struct TCaptions
{
    const char* Language;
    std::array<const char*, 8> Text;
};

constexpr TCaptions CaptionTable[] = {
    {"en", {"&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry", "&Ignore", "&Help"}},
    {"de",
     {"&Ja", "&Nein", "OK", "Abbrechen", "&Abbrechen", "&Wiederholen", "&Ignorieren", "&Hilfe"}},
    {"fr",
     {"&Oui", "&Non", "OK", "Annuler", "&Abandonner", "&R\xC3\xA9\x65ssayer", "&Ignorer", "&Aide"}},
    {"es",
     {"&S\xC3\xAD", "&No", "Aceptar", "Cancelar", "&Anular", "&Reintentar", "&Omitir", "Ay&uda"}},
    {"zh",
     {"\xE6\x98\xAF(&Y)", "\xE5\x90\xA6(&N)", "\xE7\xA1\xAE\xE5\xAE\x9A",
      "\xE5\x8F\x96\xE6\xB6\x88", "\xE4\xB8\xAD\xE6\xAD\xA2(&A)", "\xE9\x87\x8D\xE8\xAF\x95(&R)",
      "\xE5\xBF\xBD\xE7\x95\xA5(&I)", "\xE5\xB8\xAE\xE5\x8A\xA9(&H)"}},
};

// The language the user reads, by the usual precedence of the variables.
std::string_view UserLanguage()
{
    for (const char* Name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* Value = std::getenv(Name); Value && *Value) return Value;
    return "en";
}
} // namespace

std::string FormatStringWithWidth(TCanvas* Canvas, const std::string& Text, int Width)
{
    if (!Canvas || Canvas->TextWidth(Text) <= Width) return Text;
    const size_t Count = CharCount(Text);
    for (size_t I = 1; I < Count; ++I)
    {
        std::string Shortened = Text.substr(0, CharPrefix(Text, I)) + "...";
        if (Canvas->TextWidth(Shortened) >= Width) return Shortened;
    }
    return Text;
}

void GetCaptionFont(TFont* Font)
{
    if (!Font) return;
    NONCLIENTMETRICS Metrics;
    if (SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, 0))
        Font->SetDesc(Metrics.lfCaptionFont);
}

std::string GetLocaleButtonCaption(TMsgDlgBtn Button)
{
    return GetLocaleButtonCaption(Button, UserLanguage());
}

std::string GetLocaleButtonCaption(TMsgDlgBtn Button, std::string_view Language)
{
    const TCaptions* Captions = &CaptionTable[0];
    for (const TCaptions& C : CaptionTable)
        if (Language.substr(0, 2) == C.Language) Captions = &C;
    switch (Button)
    {
    case mbYes:
    case mbNo:
    case mbOK:
    case mbCancel:
    case mbAbort:
    case mbRetry:
    case mbIgnore:
        return Captions->Text[static_cast<size_t>(Button)];
    case mbHelp:
        return Captions->Text[7];
    case mbAll:
        return "All";
    case mbNoToAll:
        return "No to All";
    case mbYesToAll:
        return "Yes to All";
    }
    return "";
}

std::string PCharToStr(const char* Text)
{
    return Text ? std::string(Text) : std::string();
}
