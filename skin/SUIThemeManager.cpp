#include "skin/SUIThemeManager.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/CustomForm.h"
#include "skin/SUIFileTheme.h"

#include <map>
#include <string>

const TClassInfo& TsuiThemeMgrCompList::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiThemeMgrCompList>("TsuiThemeMgrCompList", &TStringList::StaticClass())
            .Build();
    return Info;
}

TsuiThemeManager::TsuiThemeManager(TComponent* AOwner)
    : TComponent(AOwner), TsuiSkinBinding(this), FCompList(std::make_unique<TsuiThemeMgrCompList>())
{
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
    const TsuiUIStyle Old = UIStyle();
    TsuiSkinBinding::SetUIStyle(Value);
    if (Old != UIStyle() && OnUIStyleChanged) OnUIStyleChanged(this);
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
        TsuiSkinned* C = SkinnedOf(Form->FindComponent(FCompList->Strings(I)));
        if (!C) continue;
        C->SetUIStyle(UIStyle());
        C->SetFileTheme(FileTheme());
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
    SkinNotification(AComponent, Operation);
}

TsuiThemeManager* RestyleForm(TCustomForm& Form, TsuiUIStyle UIStyle, TsuiFileTheme* FileTheme)
{
    std::map<std::string, int> Numbers;
    TStringList Names;
    for (int I = 0; I < Form.ComponentCount(); ++I)
    {
        TComponent* C = Form.Components(I);
        if (!SkinnedOf(C)) continue;
        if (C->Name().empty())
        {
            const std::string Base = C->ClassName().substr(1);
            std::string Name;
            do
                Name = Base + std::to_string(++Numbers[Base]);
            while (Form.FindComponent(Name));
            C->SetName(Name);
        }
        Names.Add(C->Name());
    }
    auto* Manager = new TsuiThemeManager(&Form);
    Manager->SetCompList(&Names);
    Manager->SetFileTheme(FileTheme);
    Manager->SetUIStyle(UIStyle);
    return Manager;
}
