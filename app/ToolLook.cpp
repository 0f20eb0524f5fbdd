#include "app/ToolLook.h"

#include "framework/controls/CustomForm.h"
#include "skin/SUIStyleApply.h"
#include "skin/SUIThemeManager.h"
#include "skinfiles/SUISkinFileTheme.h"

#include <sys/stat.h>

namespace
{
// What Path names when it exists but is no regular file; null otherwise.
const char* NotAFile(const std::string& Path)
{
    struct stat Info
    {
    };
    if (stat(Path.c_str(), &Info) != 0 || S_ISREG(Info.st_mode)) return nullptr;
    if (S_ISDIR(Info.st_mode)) return "a folder";
    if (S_ISCHR(Info.st_mode) || S_ISBLK(Info.st_mode)) return "a device";
    if (S_ISFIFO(Info.st_mode)) return "a FIFO (named pipe)";
    if (S_ISSOCK(Info.st_mode)) return "a socket";
    return "no regular file";
}
} // namespace

bool ApplyToolLook(TCustomForm& Form, const TToolOptions& Options, std::string& Error)
{
    if (Options.Style.empty() && Options.Skin.empty()) return true;
    TsuiUIStyle Style = FromThemeFile;
    TsuiSkinFileTheme* Theme = nullptr;
    if (!Options.Skin.empty())
    {
        Theme = OpenSkinFileTheme(&Form, Options.Skin, Options.Password, Error);
        if (!Theme)
        {
            if (const char* What = NotAFile(Options.Skin))
                Error =
                    "cannot use the skin " + Options.Skin + ": it is " + What + ", not a skin file";
            return false;
        }
    }
    else if (!BuiltInStyleByName(Options.Style, Style))
    {
        Error = "unknown style " + Options.Style;
        return false;
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
