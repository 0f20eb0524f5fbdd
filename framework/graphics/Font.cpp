#include "framework/graphics/Font.h"

#include "framework/PropertyRegistry.h"

const TClassInfo& TFont::StaticClass()
{
    static const TClassInfo Info = TClassBuilder<TFont>("TFont", &TGraphicsObject::StaticClass())
                                       .Integer("Charset", &TFont::Charset, &TFont::SetCharset)
                                       .Default(DEFAULT_CHARSET)
                                       .Color("Color", &TFont::Color, &TFont::SetColor)
                                       .Default(clWindowText)
                                       .Integer("Height", &TFont::Height, &TFont::SetHeight)
                                       .NoDefault()
                                       .String("Name", &TFont::Name, &TFont::SetName)
                                       .Integer("Size", &TFont::Size, &TFont::SetSize)
                                       .Stored(false)
                                       .Set("Style", &TFont::Style, &TFont::SetStyle,
                                            {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"})
                                       .Default(TFontStyles{})
                                       .Build();
    return Info;
}

void TFont::SetName(const std::string& Value)
{
    if (FName == Value || Value.empty()) return;
    FName = Value;
    Changed();
}

void TFont::SetHeight(int Value)
{
    if (FHeight == Value) return;
    FHeight = Value;
    Changed();
}

int TFont::Size() const
{
    // Points from pixels, rounded to the nearest point (-11 px is 8 pt).
    int Pixels = FHeight < 0 ? -FHeight : FHeight;
    int Points = (Pixels * 72 + PixelsPerInch / 2) / PixelsPerInch;
    return FHeight < 0 ? Points : -Points;
}

void TFont::SetSize(int Value)
{
    int Magnitude = Value < 0 ? -Value : Value;
    int Pixels = (Magnitude * PixelsPerInch + 36) / 72;
    SetHeight(Value < 0 ? Pixels : -Pixels);
}

void TFont::SetColor(TColor Value)
{
    if (FColor == Value) return;
    FColor = Value;
    Changed();
}

void TFont::SetStyle(TFontStyles Value)
{
    if (FStyle == Value) return;
    FStyle = Value;
    Changed();
}

void TFont::SetCharset(int Value)
{
    if (FCharset == Value) return;
    FCharset = Value;
    Changed();
}

TFontDesc TFont::Desc() const
{
    TFontDesc S;
    S.Face = FName;
    S.Height = FHeight;
    S.Bold = FStyle.Contains(fsBold);
    S.Italic = FStyle.Contains(fsItalic);
    S.Underline = FStyle.Contains(fsUnderline);
    S.StrikeOut = FStyle.Contains(fsStrikeOut);
    return S;
}

void TFont::SetDesc(const TFontDesc& Value)
{
    TFontStyles Style;
    if (Value.Bold) Style.Include(fsBold);
    if (Value.Italic) Style.Include(fsItalic);
    if (Value.Underline) Style.Include(fsUnderline);
    if (Value.StrikeOut) Style.Include(fsStrikeOut);
    const std::string& Name = Value.Face.empty() ? FName : Value.Face;
    if (FName == Name && FHeight == Value.Height && FStyle == Style) return;
    FName = Name;
    FHeight = Value.Height;
    FStyle = Style;
    Changed();
}

bool TFont::operator==(const TFont& Other) const
{
    return FName == Other.FName && FHeight == Other.FHeight && FColor == Other.FColor &&
           FStyle == Other.FStyle && FCharset == Other.FCharset;
}

void TFont::Assign(const TPersistent* Source)
{
    if (auto* F = dynamic_cast<const TFont*>(Source))
    {
        if (*this == *F) return;
        FName = F->FName;
        FHeight = F->FHeight;
        FColor = F->FColor;
        FStyle = F->FStyle;
        FCharset = F->FCharset;
        Changed();
        return;
    }
    TGraphicsObject::Assign(Source);
}
