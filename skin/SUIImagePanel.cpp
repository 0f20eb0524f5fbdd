#include "skin/SUIImagePanel.h"

#include "framework/PropertyRegistry.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Picture.h"
#include "platform/gfx/DrawText.h"
#include "platform/win/WinApi.h"
#include "skin/DoTrans.h"
#include "skin/TileDraw.h"

#include <algorithm>

const TClassInfo& TsuiCustomPanel::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiCustomPanel>("TsuiCustomPanel", &TCustomPanel::StaticClass()).Build();
    return Info;
}

const TClassInfo& TsuiImagePanel::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiImagePanel>("TsuiImagePanel", &TsuiCustomPanel::StaticClass())
            .Binary("Picture", &TsuiImagePanel::Picture, &TsuiImagePanel::SetPicture)
            .Boolean("Transparent", &TsuiImagePanel::Transparent, &TsuiImagePanel::SetTransparent)
            .Default(false)
            .Boolean("AutoSize", &TsuiImagePanel::AutoSize, &TsuiImagePanel::SetAutoSize)
            .Default(false)
            .Enum("Alignment", &TsuiImagePanel::Alignment, &TsuiImagePanel::SetAlignment,
                  AlignmentNames())
            .Default(taCenter)
            .Color("Color", &TsuiImagePanel::Color, &TsuiImagePanel::SetColor)
            .Default(clBtnFace)
            .Enum("DrawStyle", &TsuiImagePanel::DrawStyle, &TsuiImagePanel::SetDrawStyle,
                  {"suiNormal", "suiStretch", "suiTile"})
            .Default(suiNormal)
            .Build();
    return Info;
}

const TMessageMap& TsuiCustomPanel::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomPanel::StaticMessages())
                                       .On(CM_TEXTCHANGED, &TsuiCustomPanel::CMTextChanged)
                                       .On(WM_ERASEBKGND, &TsuiCustomPanel::WMEraseBkgnd);
    return Map;
}

TsuiCustomPanel::TsuiCustomPanel(TComponent* AOwner)
    : TCustomPanel(AOwner), FPicture(std::make_unique<TPicture>())
{
    FPicture->OnChange.Bind(this, &TsuiCustomPanel::PictureChanged);
    SetBevelInner(bvNone);
    SetBevelOuter(bvNone);
}

TsuiCustomPanel::~TsuiCustomPanel()
{
    FPicture->OnChange.Clear();
}

const TGraphic* TsuiCustomPanel::DrawableGraphic() const
{
    const TGraphic* G = FPicture->Graphic();
    return G && !G->Empty() && G->Width() > 0 && G->Height() > 0 ? G : nullptr;
}

void TsuiCustomPanel::SetPicture(const TPicture* Value)
{
    if (Value)
        FPicture->Assign(Value);
    else
        FPicture->SetGraphic(nullptr);
    ClearPanel();
    Invalidate();
}

void TsuiCustomPanel::SetDrawStyle(TsuiDrawStyle Value)
{
    FDrawStyle = Value;
    ClearPanel();
    Invalidate();
}

void TsuiCustomPanel::SetAutoSize(bool Value)
{
    FAutoSize = Value;
    if (FPicture->Graphic()) ApplyAutoSize();
}

void TsuiCustomPanel::SetTransparent(bool Value)
{
    FTransparent = Value;
    if (FPicture->Graphic()) ApplyTransparency();
    Invalidate();
}

void TsuiCustomPanel::SetCaptionPosX(int Value)
{
    FCaptionPosX = Value;
    Invalidate();
}

void TsuiCustomPanel::SetCaptionPosY(int Value)
{
    FCaptionPosY = Value;
    Invalidate();
}

void TsuiCustomPanel::ClearPanel()
{
    Canvas()->Brush()->SetColor(FColor);
}

void TsuiCustomPanel::ApplyAutoSize()
{
    if (!FAutoSize) return;
    const TAlign A = Align();
    int W = FWidth;
    int H = FHeight;
    if (A != alTop && A != alBottom && A != alClient) W = FPicture->Width();
    if (A != alLeft && A != alRight && A != alClient) H = FPicture->Height();
    SetBounds(FLeft, FTop, W, H);
}

void TsuiCustomPanel::ApplyTransparency()
{
    TGraphic* G = FPicture->Graphic();
    if (G && G->Transparent() != FTransparent) G->SetTransparent(FTransparent);
}

void TsuiCustomPanel::PictureChanged(TObject*)
{
    if (FPicture->Graphic())
    {
        ApplyAutoSize();
        ApplyTransparency();
    }
    ClearPanel();
    Invalidate();
}

void TsuiCustomPanel::Resize()
{
    TCustomPanel::Resize();
    Invalidate();
}

void TsuiCustomPanel::Paint()
{
    TBitmap Buffer;
    Buffer.SetSize(FWidth, FHeight);
    if (Buffer.Empty()) return;
    TCanvas* B = Buffer.Canvas();
    const TRect Client = ClientRect();
    if (FTransparent) DoTrans(B, this);
    if (const TGraphic* G = DrawableGraphic())
    {
        switch (FDrawStyle)
        {
        case suiStretch:
            B->StretchDraw(Client, G);
            break;
        case suiTile:
            TileDraw(B, FPicture.get(), Client);
            break;
        case suiNormal:
            B->Draw(0, 0, G);
            break;
        }
    }
    else if (!FTransparent)
    {
        B->Brush()->SetColor(FColor);
        B->FillRect(Client);
    }
    B->Brush()->SetStyle(bsClear);
    const std::string& Text = FText;
    const bool Blank =
        std::all_of(Text.begin(), Text.end(), [](char C) { return C == ' ' || C == '\t'; });
    if (!Blank)
    {
        B->Font()->Assign(Font());
        if (FCaptionPosX == -1 || FCaptionPosY == -1)
        {
            unsigned Format = DT_SINGLELINE | DT_VCENTER;
            if (Alignment() == taCenter)
                Format |= DT_CENTER;
            else if (Alignment() == taRightJustify)
                Format |= DT_RIGHT;
            TRect R = Client;
            B->DrawText(Text, R, Format);
            FLastCaptionRect = Client;
        }
        else
        {
            B->TextOut(FCaptionPosX, FCaptionPosY, Text);
            const TSize Size = B->TextExtent(Text);
            FLastCaptionRect = {FCaptionPosX, FCaptionPosY, FCaptionPosX + Size.Width,
                                FCaptionPosY + Size.Height};
        }
    }
    Canvas()->Draw(0, 0, &Buffer);
}

void TsuiCustomPanel::CMTextChanged(TMessage& M)
{
    TCustomPanel::CMTextChanged(M);
    RepaintText(FLastCaptionRect);
    Invalidate();
}

void TsuiCustomPanel::WMEraseBkgnd(TMessage& M)
{
    M.Result = 1;
}
