#include "framework/controls/CustomControl.h"

#include "framework/PropertyRegistry.h"

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
    FCanvas->SetHandle(Dc);
    FCanvas->Font()->Assign(Font());
    FCanvas->Brush()->SetColor(Color());
    try
    {
        Paint();
    }
    catch (...)
    {
        FCanvas->SetHandle(nullptr);
        throw;
    }
    FCanvas->SetHandle(nullptr);
}
