#include "framework/graphics/Icon.h"

#include "framework/PropertyRegistry.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicErrors.h"
#include "platform/gfx/Blit.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/IcoCodec.h"

const TClassInfo& TIcon::StaticClass()
{
    static const TClassInfo Info = TClassBuilder<TIcon>("TIcon", &TGraphic::StaticClass()).Build();
    return Info;
}

TIcon::TIcon()
{
    FTransparent = true;
}

void TIcon::LoadFromBytes(std::span<const uint8_t> Data)
{
    TSurface Read;
    TCodecStatus Status = ReadIco(Data, Read);
    if (Status != TCodecStatus::Ok)
        throw EInvalidGraphic(std::string("Icon image is not valid: ") + CodecStatusText(Status));
    FSurface = std::move(Read);
    FBytes.assign(Data.begin(), Data.end());
    Changed();
}

TSurface TIcon::Image(int Size) const
{
    TSurface Read;
    if (!FBytes.empty() && ReadIco(FBytes, Read, Size) == TCodecStatus::Ok) return Read;
    return FSurface.Clone();
}

void TIcon::Draw(TCanvas& Canvas, const TRect& R) const
{
    TDeviceContext* Dc = Canvas.Handle();
    if (!Dc || FSurface.IsEmpty()) return;
    AlphaBlit(*Dc, R.Left, R.Top, FSurface);
}

void TIcon::Assign(const TPersistent* Source)
{
    if (auto* I = dynamic_cast<const TIcon*>(Source))
    {
        if (I == this) return;
        FSurface = I->FSurface.Clone();
        FBytes = I->FBytes;
        Changed();
        return;
    }
    TGraphic::Assign(Source);
}
