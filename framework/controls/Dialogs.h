#pragma once

#include "framework/Set.h"
#include "framework/controls/ControlTypes.h"

#include <string>

enum TMsgDlgType
{
    mtWarning,
    mtError,
    mtInformation,
    mtConfirmation,
    mtCustom
};

enum TMsgDlgBtn
{
    mbYes,
    mbNo,
    mbOK,
    mbCancel,
    mbAbort,
    mbRetry,
    mbIgnore,
    mbAll,
    mbNoToAll,
    mbYesToAll,
    mbHelp // closes nothing: it has no modal result
};
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

// Shows Msg in a modal dialog with the given buttons (in the order above)
// and returns the modal result of the one pressed (mrCancel when the dialog
// is closed otherwise). The caption names the type; mtCustom uses the
// application's title. Needs the application object.
TModalResult MessageDlg(const std::string& Msg, TMsgDlgType Type, TMsgDlgButtons Buttons);
// An information box with an OK button, titled with the application's title.
void ShowMessage(const std::string& Msg);
