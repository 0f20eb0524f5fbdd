#include "framework/controls/GraphicControl.h"

#include "framework/PropertyRegistry.h"
#include "framework/graphics/CanvasHandleScope.h"
#include "platform/win/WinApi.h"

const TClassInfo& TGraphicControl::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TGraphicControl>("TGraphicControl", &TControl::StaticClass()).Build();
    return Info;
}

const TMessageMap& TGraphicControl::StaticMessages()
{
    static const TMessageMap Map =
        TMessageMap(&TControl::StaticMessages()).On(WM_PAINT, &TGraphicControl::WMPaint);
    return Map;
}

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TCanvas>())
{
}

TGraphicControl::~TGraphicControl() = default;

void TGraphicControl::WMPaint(TMessage& M)
{
    if (!M.WParam) return;
    TCanvasHandleScope Borrowed(*FCanvas, reinterpret_cast<HDC>(M.WParam));
    FCanvas->Font()->Assign(Font());
    FCanvas->Brush()->SetColor(Color());
    Paint();
}
