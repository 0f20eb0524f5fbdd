#include "framework/graphics/JPEGImage.h"

#include "framework/PropertyRegistry.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicErrors.h"
#include "platform/gfx/Blit.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/JpegCodec.h"

#include <algorithm>

const TClassInfo& TJPEGImage::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TJPEGImage>("TJPEGImage", &TGraphic::StaticClass()).Build();
    return Info;
}

void TJPEGImage::SetCompressionQuality(int Value)
{
    FQuality = std::clamp(Value, 1, 100);
}

void TJPEGImage::LoadFromBytes(std::span<const uint8_t> Data)
{
    TSurface Read;
    TCodecStatus Status = ReadJpeg(Data, Read);
    if (Status != TCodecStatus::Ok)
        throw EInvalidGraphic(std::string("JPEG image is not valid: ") + CodecStatusText(Status));
    FSurface = std::move(Read);
    FBytes.assign(Data.begin(), Data.end());
    Changed();
}

void TJPEGImage::Draw(TCanvas& Canvas, const TRect& R) const
{
    TDeviceContext* Dc = Canvas.Handle();
    if (!Dc || FSurface.IsEmpty()) return;
    StretchBlt(*Dc, R.Left, R.Top, R.Width(), R.Height(), FSurface, 0, 0, Width(), Height());
}

void TJPEGImage::Assign(const TPersistent* Source)
{
    if (auto* J = dynamic_cast<const TJPEGImage*>(Source))
    {
        if (J == this) return;
        FSurface = J->FSurface.Clone();
        FBytes = J->FBytes;
        FQuality = J->FQuality;
        Changed();
        return;
    }
    if (auto* G = dynamic_cast<const TGraphic*>(Source))
    {
        std::vector<uint8_t> Bytes;
        if (!G->Empty())
        {
            TSurface Pixels(G->Width(), G->Height(), clWhite);
            TDeviceContext Dc(Pixels);
            AlphaBlit(Dc, 0, 0, G->Surface());
            TCodecStatus Status = WriteJpeg(Pixels, FQuality, Bytes);
            if (Status != TCodecStatus::Ok)
                throw EInvalidGraphic(std::string("JPEG encoding failed: ") +
                                      CodecStatusText(Status));
        }
        if (Bytes.empty())
        {
            FSurface = TSurface();
            FBytes.clear();
            Changed();
        }
        else
            LoadFromBytes(Bytes);
        return;
    }
    TGraphic::Assign(Source);
}
