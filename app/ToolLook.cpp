#include "app/ToolLook.h"

#include "framework/Text.h"
#include "framework/controls/CustomForm.h"
#include "skin/SUIStyleApply.h"
#include "skin/SUIThemeManager.h"
#include "skinfiles/SUISkinFileTheme.h"

bool ApplyToolLook(TCustomForm& Form, const TToolOptions& Options, std::string& Error)
{
    if (Options.Style.empty() && Options.Skin.empty()) return true;
    TsuiUIStyle Style = FromThemeFile;
    TsuiSkinFileTheme* Theme = nullptr;
    if (!Options.Skin.empty())
    {
        Theme = new TsuiSkinFileTheme(&Form);
        Theme->SetPassword(Options.Password);
        Theme->SetThemeFile(Options.Skin);
        if (!Theme->Ready())
        {
            Error = "cannot use the skin " + Options.Skin + ": " +
                    (Theme->ThemeFile().empty() ? std::string("no such file") : Theme->LastError());
            Theme->Free();
            return false;
        }
    }
    else
    {
        const auto& Names = UIStyleNames();
        for (size_t I = 0; I < Names.size(); ++I)
            if (SameText(Names[I], Options.Style)) Style = static_cast<TsuiUIStyle>(I);
        if (Style == FromThemeFile)
        {
            Error = "unknown style " + Options.Style;
            return false;
        }
    }
    auto* Manager = new TsuiThemeManager(&Form);
    TStringList Names;
    for (int I = 0; I < Form.ComponentCount(); ++I)
    {
        const TComponent* C = Form.Components(I);
        if (!C->Name().empty() && IsHasProperty(C, "UIStyle") && IsHasProperty(C, "FileTheme"))
            Names.Add(C->Name());
    }
    Manager->SetCompList(&Names);
    Manager->SetFileTheme(Theme);
    Manager->SetUIStyle(Style);
    return true;
}
