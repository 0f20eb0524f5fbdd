#include "framework/controls/Screen.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/CustomForm.h"
#include "platform/win/WinApi.h"

#include <algorithm>

TScreen* Screen = nullptr;

const TClassInfo& TScreen::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TScreen>("TScreen", &TComponent::StaticClass()).Build();
    return Info;
}

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

TScreen::~TScreen()
{
    if (Screen == this) Screen = nullptr;
}

void TScreen::SetCursor(TCursor Value)
{
    if (FCursor == Value) return;
    FCursor = Value;
    const char* Name = CursorName(Value == crDefault ? crArrow : Value);
    if (Name) ::SetCursor(LoadCursor(nullptr, Name));
}

int TScreen::Width() const
{
    return GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::Height() const
{
    return GetSystemMetrics(SM_CYSCREEN);
}

TRect TScreen::WorkAreaRect() const
{
    RECT R{};
    SystemParametersInfo(SPI_GETWORKAREA, 0, &R, 0);
    return {R.left, R.top, R.right, R.bottom};
}

void TScreen::AddForm(TCustomForm* Form)
{
    if (std::find(FForms.begin(), FForms.end(), Form) == FForms.end()) FForms.push_back(Form);
}

void TScreen::RemoveForm(TCustomForm* Form)
{
    FForms.erase(std::remove(FForms.begin(), FForms.end(), Form), FForms.end());
    if (FActiveForm == Form)
    {
        FActiveForm = nullptr;
        FActiveControl = nullptr;
        OnActiveFormChange(this);
    }
}

void TScreen::SetActiveForm(TCustomForm* Form)
{
    if (FActiveForm == Form) return;
    FActiveForm = Form;
    FActiveControl = Form ? Form->ActiveControl() : nullptr;
    OnActiveFormChange(this);
}

void TScreen::SetActiveControl(TWinControl* Control)
{
    FActiveControl = Control;
}
