#include "app/ToolLook.h"

#include "framework/controls/CustomForm.h"
#include "skin/SUIThemeManager.h"
#include "skinfiles/SUISkinFileTheme.h"

bool ApplyToolLook(TCustomForm& Form, const TToolOptions& Options, std::string& Error)
{
    if (Options.Style.empty() && Options.Skin.empty()) return true;
    TsuiUIStyle Style = FromThemeFile;
    TsuiSkinFileTheme* Theme = nullptr;
    if (!Options.Skin.empty())
    {
        Theme = OpenSkinFileTheme(&Form, Options.Skin, Options.Password, Error);
        if (!Theme) return false;
    }
    else if (!BuiltInStyleByName(Options.Style, Style))
    {
        Error = "unknown style " + Options.Style;
        return false;
    }
    RestyleForm(Form, Style, Theme);
    return true;
}
