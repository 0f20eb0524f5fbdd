#include "skin/SUIThemeManager.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/CustomForm.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIStyleApply.h"

const TClassInfo& TsuiThemeMgrCompList::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiThemeMgrCompList>("TsuiThemeMgrCompList", &TStringList::StaticClass())
            .Build();
    return Info;
}

TsuiThemeManager::TsuiThemeManager(TComponent* AOwner)
    : TComponent(AOwner), FCompList(std::make_unique<TsuiThemeMgrCompList>())
{
}

TsuiThemeManager::~TsuiThemeManager()
{
    if (FFileTheme) FFileTheme->RemoveFreeNotification(this);
}

const TClassInfo& TsuiThemeManager::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiThemeManager>("TsuiThemeManager", &TComponent::StaticClass())
            .Enum("UIStyle", &TsuiThemeManager::UIStyle, &TsuiThemeManager::SetUIStyle,
                  UIStyleNames())
            .Default(DeepBlue)
            .Component("FileTheme", &TsuiThemeManager::FileTheme, &TsuiThemeManager::SetFileTheme)
            .Strings("CompList", &TsuiThemeManager::CompList, &TsuiThemeManager::SetCompList)
            .Event("OnUIStyleChanged", &TsuiThemeManager::OnUIStyleChanged)
            .Build();
    return Info;
}

void TsuiThemeManager::SetUIStyle(TsuiUIStyle Value)
{
    const TsuiUIStyle Old = FUIStyle;
    FUIStyle = Value;
    UpdateAll();
    if (Old != FUIStyle && OnUIStyleChanged) OnUIStyleChanged(this);
}

void TsuiThemeManager::SetFileTheme(TsuiFileTheme* Value)
{
    if (FFileTheme != Value)
    {
        if (FFileTheme) FFileTheme->RemoveFreeNotification(this);
        FFileTheme = Value;
        if (Value) Value->FreeNotification(this);
    }
    SetUIStyle(FUIStyle);
}

void TsuiThemeManager::SetCompList(const TStrings* Value)
{
    FCompList->Assign(Value);
}

void TsuiThemeManager::UpdateAll()
{
    auto* Form = dynamic_cast<TCustomForm*>(Owner());
    if (!Form) return;
    // A setter may rename or free components, or change the list: each name
    // is looked up again on its turn.
    for (int I = 0; I < FCompList->Count(); ++I)
    {
        TComponent* C = Form->FindComponent(FCompList->Strings(I));
        if (!C || !IsHasProperty(C, "UIStyle") || !IsHasProperty(C, "FileTheme")) continue;
        SetPropValue(*C, "UIStyle", TValue(static_cast<int64_t>(FUIStyle)));
        SetPropValue(*C, "FileTheme", TValue(static_cast<TObject*>(FFileTheme)));
    }
}

void TsuiThemeManager::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove || AComponent == this) return;
    // Names in the list are those of the owner's components.
    if (AComponent->Owner() == Owner() && !AComponent->Name().empty())
        if (const int Index = FCompList->IndexOf(AComponent->Name()); Index >= 0)
            FCompList->Delete(Index);
    if (AComponent == FFileTheme)
    {
        FFileTheme = nullptr;
        FUIStyle = DeepBlue;
    }
}
