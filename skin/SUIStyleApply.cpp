#include "skin/SUIStyleApply.h"

#include "framework/controls/CustomForm.h"
#include "skin/SUIFileTheme.h"
#include "skin/SUIForm.h"
#include "skin/SUISkinned.h"

TsuiUIStyle GetSUIFormStyle(const TComponent* AOwner)
{
    const auto* Form = dynamic_cast<const TCustomForm*>(AOwner);
    if (!Form) return DeepBlue;
    for (int I = 0; I < Form->ControlCount(); ++I)
        if (const auto* Skinned = dynamic_cast<const TsuiForm*>(Form->Controls(I)))
            return Skinned->UIStyle();
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
        if (TsuiSkinned* Child = SkinnedOf(Container->Controls(I)))
        {
            Child->SetFileTheme(FileTheme);
            Child->SetUIStyle(UIStyle);
        }
}
