#include "skin/SUIStyleApply.h"

#include "framework/PropertyRegistry.h"
#include "framework/Text.h"
#include "framework/controls/CustomForm.h"
#include "skin/SUIFileTheme.h"

namespace
{
// The skinned form is built on these helpers, so it is recognised by its
// class name rather than by its type.
bool IsSkinnedForm(const TControl* Control)
{
    for (const TClassInfo* C = &Control->ClassInfo(); C; C = C->Parent())
        if (SameText(C->ClassName(), "TsuiForm")) return true;
    return false;
}

TsuiUIStyle StyleOf(const TControl& Control)
{
    const TPropInfo* Prop = Control.ClassInfo().FindProperty("UIStyle");
    if (!Prop || !Prop->GetOrd) return DeepBlue;
    const int64_t Value = Prop->GetOrd(Control);
    if (Value < FromThemeFile || Value > BlueGlass) return DeepBlue;
    return static_cast<TsuiUIStyle>(Value);
}
} // namespace

TsuiUIStyle GetSUIFormStyle(const TComponent* AOwner)
{
    const auto* Form = dynamic_cast<const TCustomForm*>(AOwner);
    if (!Form) return DeepBlue;
    for (int I = 0; I < Form->ControlCount(); ++I)
        if (IsSkinnedForm(Form->Controls(I))) return StyleOf(*Form->Controls(I));
    return DeepBlue;
}

bool UsingFileTheme(const TsuiFileTheme* FileTheme, TsuiUIStyle UIStyle, TsuiUIStyle& Style)
{
    Style = UIStyle;
    if (UIStyle != FromThemeFile) return false;
    if (!FileTheme || !FileTheme->CanUse())
    {
        Style = DeepBlue;
        return false;
    }
    return true;
}

void ContainerApplyUIStyle(TWinControl* Container, TsuiUIStyle UIStyle, TsuiFileTheme* FileTheme)
{
    if (!Container) return;
    // A setter may add or remove children; the index is checked each turn.
    for (int I = 0; I < Container->ControlCount(); ++I)
    {
        TControl* Child = Container->Controls(I);
        if (!IsHasProperty(Child, "FileTheme") || !IsHasProperty(Child, "UIStyle")) continue;
        SetPropValue(*Child, "FileTheme", TValue(static_cast<TObject*>(FileTheme)));
        SetPropValue(*Child, "UIStyle", TValue(static_cast<int64_t>(UIStyle)));
    }
}

bool IsHasProperty(const TComponent* Component, std::string_view Name)
{
    return Component && Component->ClassInfo().FindProperty(Name) != nullptr;
}
