#include "framework/graphics/Bitmap.h"

#include "framework/PropertyRegistry.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicErrors.h"
#include "platform/gfx/Blit.h"
#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/PngCodec.h"

#include <cstring>

const TClassInfo& TBitmap::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TBitmap>("TBitmap", &TGraphic::StaticClass()).Build();
    return Info;
}

TBitmap::TBitmap() = default;

TBitmap::~TBitmap()
{
    if (FCanvas) FCanvas->SetHandle(nullptr);
}

void TBitmap::ResetCanvas()
{
    if (!FCanvas) return;
    FCanvas->SetHandle(nullptr);
    FDc.reset();
    if (!FSurface.IsEmpty())
    {
        FDc = std::make_unique<TDeviceContext>(FSurface);
        FCanvas->SetHandle(FDc.get());
    }
}

TCanvas* TBitmap::Canvas()
{
    if (!FCanvas)
    {
        FCanvas = std::make_unique<TCanvas>();
        ResetCanvas();
    }
    return FCanvas.get();
}

void TBitmap::SetSize(int AWidth, int AHeight)
{
    if (AWidth == Width() && AHeight == Height()) return;
    TSurface Next;
    if (AWidth > 0 && AHeight > 0)
    {
        Next = TSurface(AWidth, AHeight, clWhite);
        if (!FSurface.IsEmpty())
        {
            TDeviceContext Dc(Next);
            BitBlt(Dc, 0, 0, FSurface.Width(), FSurface.Height(), FSurface, 0, 0);
        }
    }
    FSurface = std::move(Next);
    ResetCanvas();
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat Value)
{
    if (FPixelFormat == Value) return;
    FPixelFormat = Value;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode Value)
{
    if (FTransparentMode == Value) return;
    FTransparentMode = Value;
    Changed();
}

TColor TBitmap::TransparentColor() const
{
    if (FTransparentMode == tmFixed) return FTransparentColor;
    if (FSurface.IsEmpty()) return clDefault;
    return FSurface.Pixel(0, FSurface.Height() - 1);
}

void TBitmap::SetTransparentColor(TColor Value)
{
    if (FTransparentMode == tmFixed && FTransparentColor == Value) return;
    FTransparentColor = Value;
    FTransparentMode = tmFixed;
    Changed();
}

uint32_t* TBitmap::ScanLine(int Y)
{
    if (Y < 0 || Y >= Height()) throw EInvalidGraphicOperation("Scan line index out of range");
    return FSurface.Row(Y);
}

const uint32_t* TBitmap::ScanLine(int Y) const
{
    if (Y < 0 || Y >= Height()) throw EInvalidGraphicOperation("Scan line index out of range");
    return FSurface.Row(Y);
}

void TBitmap::LoadFromSurface(TSurface Pixels)
{
    FSurface = std::move(Pixels);
    ResetCanvas();
    Changed();
}

void TBitmap::LoadFromBytes(std::span<const uint8_t> Data)
{
    static const uint8_t PngSignature[] = {0x89, 'P', 'N', 'G'};
    TSurface Read;
    TCodecStatus Status;
    if (Data.size() >= 4 && std::memcmp(Data.data(), PngSignature, 4) == 0)
        Status = ReadPng(Data, Read);
    else
        Status = ReadBmp(Data, Read);
    if (Status != TCodecStatus::Ok)
        throw EInvalidGraphic(std::string("Bitmap image is not valid: ") + CodecStatusText(Status));
    LoadFromSurface(std::move(Read));
}

std::vector<uint8_t> TBitmap::SaveToBytes() const
{
    std::vector<uint8_t> Bytes;
    if (FSurface.IsEmpty()) return Bytes;
    int Bits = 24;
    switch (FPixelFormat)
    {
    case pf1bit:
        Bits = 1;
        break;
    case pf4bit:
        Bits = 4;
        break;
    case pf8bit:
        Bits = 8;
        break;
    case pf15bit:
    case pf16bit:
        Bits = 16;
        break;
    case pf32bit:
        Bits = 32;
        break;
    default:
        break;
    }
    if (WriteBmp(FSurface, Bits, Bytes) != TCodecStatus::Ok)
    {
        Bytes.clear();
        WriteBmp(FSurface, 24, Bytes);
    }
    return Bytes;
}

void TBitmap::Draw(TCanvas& Canvas, const TRect& R) const
{
    TDeviceContext* Dc = Canvas.Handle();
    if (!Dc || FSurface.IsEmpty()) return;
    if (FTransparent)
        TransparentBlt(*Dc, R.Left, R.Top, R.Width(), R.Height(), FSurface, 0, 0, Width(), Height(),
                       ColorToRGB(TransparentColor()));
    else if (R.Width() == Width() && R.Height() == Height())
        BitBlt(*Dc, R.Left, R.Top, Width(), Height(), FSurface, 0, 0);
    else
        StretchBlt(*Dc, R.Left, R.Top, R.Width(), R.Height(), FSurface, 0, 0, Width(), Height());
}

void TBitmap::Assign(const TPersistent* Source)
{
    if (auto* B = dynamic_cast<const TBitmap*>(Source))
    {
        if (B == this) return;
        FPixelFormat = B->FPixelFormat;
        FTransparent = B->FTransparent;
        FTransparentMode = B->FTransparentMode;
        FTransparentColor = B->FTransparentColor;
        LoadFromSurface(B->FSurface.Clone());
        return;
    }
    if (auto* G = dynamic_cast<const TGraphic*>(Source))
    {
        // Another format: its picture over white, as it would be drawn.
        TSurface Pixels;
        if (!G->Empty())
        {
            Pixels = TSurface(G->Width(), G->Height(), clWhite);
            TDeviceContext Dc(Pixels);
            AlphaBlit(Dc, 0, 0, G->Surface());
        }
        LoadFromSurface(std::move(Pixels));
        return;
    }
    TGraphic::Assign(Source);
}
