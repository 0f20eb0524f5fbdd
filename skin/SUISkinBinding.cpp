#include "skin/SUISkinBinding.h"

#include "framework/controls/WinControl.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"

TsuiSkinBinding::TsuiSkinBinding(TComponent* Self, TsuiUIStyle Initial, TsuiSkinReach Reach)
    : FSelf(*Self), FReach(Reach), FUIStyle(Initial)
{
}

TsuiSkinBinding::~TsuiSkinBinding()
{
    if (FFileTheme) FFileTheme->RemoveFreeNotification(&FSelf);
}

void TsuiSkinBinding::SetUIStyle(TsuiUIStyle Value)
{
    FUIStyle = Value;
    ApplySkin();
}

void TsuiSkinBinding::SetFileTheme(TsuiFileTheme* Value)
{
    if (FFileTheme != Value)
    {
        if (FFileTheme) FFileTheme->RemoveFreeNotification(&FSelf);
        FFileTheme = Value;
        if (Value) Value->FreeNotification(&FSelf);
    }
    ApplySkin();
}

bool TsuiSkinBinding::IsUIStyleStored() const
{
    return UIStyle() != GetSUIFormStyle(FSelf.Owner());
}

void TsuiSkinBinding::FileThemeRemoved()
{
    if (FReach == TsuiSkinReach::Children)
        ContainerApplyUIStyle(dynamic_cast<TWinControl*>(&FSelf), DeepBlue, nullptr);
    SetUIStyle(DeepBlue);
}

void TsuiSkinBinding::SkinNotification(const TComponent* AComponent, TOperation Operation)
{
    if (Operation != opRemove || !FFileTheme || AComponent != FFileTheme) return;
    FFileTheme = nullptr;
    FileThemeRemoved();
}

bool TsuiSkinBinding::UsesFileTheme(TsuiUIStyle& Style) const
{
    return UsingFileTheme(FFileTheme, FUIStyle, Style);
}
