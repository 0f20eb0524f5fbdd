#include "app/ToolLook.h"

#include "framework/controls/CustomForm.h"
#include "skin/SUIForm.h"
#include "skin/SUIThemeManager.h"
#include "skinfiles/SUISkinFileTheme.h"

#include <sys/stat.h>

namespace
{
// The skinned frame of Form, or null when it has none.
TsuiForm* SkinnedFrameOf(TCustomForm& Form)
{
    for (int I = 0; I < Form.ControlCount(); ++I)
        if (auto* Frame = dynamic_cast<TsuiForm*>(Form.Controls(I))) return Frame;
    return nullptr;
}

// The bars at the top grew or shrank by Delta: the freely placed content moves
// with its bottom edge and the window's height follows, so the content
// keeps the distance below the bar it was laid out with. Aligned controls
// (the bars, a status bar at the bottom) are placed by their alignment.
void KeepContentBelowTitle(TCustomForm& Form, TsuiForm& Frame, int Delta)
{
    if (Delta == 0) return;
    for (int I = 0; I < Frame.ControlCount(); ++I)
    {
        TControl* C = Frame.Controls(I);
        if (C->Align() == alNone) C->SetTop(C->Top() + Delta);
    }
    Form.SetClientHeight(Form.ClientHeight() + Delta);
}

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
    TsuiForm* Frame = SkinnedFrameOf(Form);
    const auto BarsHeight = [Frame]
    { return Frame ? Frame->GetTitleBarHeight() + Frame->GetMenuBarHeight() : 0; };
    const int BarsBefore = BarsHeight();
    RestyleForm(Form, Style, Theme);
    if (Frame) KeepContentBelowTitle(Form, *Frame, BarsHeight() - BarsBefore);
    return true;
}
