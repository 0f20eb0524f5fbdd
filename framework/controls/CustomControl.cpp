#include "framework/controls/CustomControl.h"

#include "framework/PropertyRegistry.h"
#include "framework/graphics/CanvasHandleScope.h"

const TClassInfo& TCustomControl::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TCustomControl>("TCustomControl", &TWinControl::StaticClass()).Build();
    return Info;
}

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TCanvas>())
{
}

TCustomControl::~TCustomControl() = default;

void TCustomControl::PaintWindow(HDC Dc)
{
    TCanvasHandleScope Borrowed(*FCanvas, Dc);
    FCanvas->Font()->Assign(Font());
    FCanvas->Brush()->SetColor(Color());
    Paint();
}
