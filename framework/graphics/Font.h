#pragma once

#include "framework/Set.h"
#include "framework/graphics/GraphicsObject.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/FontDesc.h"

#include <string>

enum TFontStyle
{
    fsBold,
    fsItalic,
    fsUnderline,
    fsStrikeOut
};
using TFontStyles = TSet<TFontStyle>;

constexpr int DEFAULT_CHARSET = 1;

// A font as controls publish it. Height follows the classic rule (negative:
// character height in pixels); Size is in points at 96 pixels per inch and is
// kept in step with Height (only Height is stored).
class TFont : public TGraphicsObject
{
  public:
    TFont() = default;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    static constexpr int PixelsPerInch = 96;

    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value);
    int Height() const { return FHeight; }
    void SetHeight(int Value);
    int Size() const;
    void SetSize(int Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles Value);
    int Charset() const { return FCharset; }
    void SetCharset(int Value);

    // What the graphics layer needs to select this font.
    TFontDesc Desc() const;
    // Takes face, height and style from a description (a system font);
    // colour and character set stay.
    void SetDesc(const TFontDesc& Value);
    bool operator==(const TFont& Other) const;

    void Assign(const TPersistent* Source) override;

  private:
    std::string FName = "MS Sans Serif";
    int FHeight = -11;
    TColor FColor = clWindowText;
    TFontStyles FStyle;
    int FCharset = DEFAULT_CHARSET;
};
