#include "GalleryLook.h"

#include "framework/StringList.h"
#include "framework/controls/Form.h"
#include "skin/SUIStyleApply.h"
#include "skin/SUIThemeManager.h"
#include "skinfiles/SUISkinFileTheme.h"

#include <map>

TsuiSkinFileTheme* LoadGallerySkin(TForm* Form, const std::string& FileName,
                                   const std::string& Password, std::string& Error)
{
    TsuiSkinFileTheme* Theme = OpenSkinFileTheme(Form, FileName, Password, Error);
    if (Theme) Theme->SetName("GallerySkin");
    return Theme;
}

void ApplyGalleryTheme(TForm* Form, TsuiFileTheme* Theme)
{
    std::map<std::string, int> Numbers;
    TStringList Names;
    for (int I = 0; I < Form->ComponentCount(); ++I)
    {
        TComponent* C = Form->Components(I);
        if (!IsHasProperty(C, "UIStyle") || !IsHasProperty(C, "FileTheme")) continue;
        if (C->Name().empty())
        {
            const std::string Base = C->ClassName().substr(1);
            std::string Name;
            do
                Name = Base + std::to_string(++Numbers[Base]);
            while (Form->FindComponent(Name));
            C->SetName(Name);
        }
        Names.Add(C->Name());
    }
    auto* Manager = new TsuiThemeManager(Form);
    Manager->SetCompList(&Names);
    Manager->SetFileTheme(Theme);
    Manager->SetUIStyle(FromThemeFile);
}
