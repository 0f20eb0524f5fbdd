#include "framework/controls/Dialogs.h"

#include "framework/controls/Application.h"
#include "framework/controls/Button.h"
#include "framework/controls/Form.h"
#include "framework/controls/Label.h"
#include "platform/gfx/DrawText.h"

#include <algorithm>
#include <memory>

namespace
{
struct TButtonInfo
{
    TMsgDlgBtn Button;
    const char* Caption;
    TModalResult Result;
};

constexpr TButtonInfo ButtonTable[] = {
    {mbYes, "&Yes", mrYes},
    {mbNo, "&No", mrNo},
    {mbOK, "OK", mrOk},
    {mbCancel, "Cancel", mrCancel},
    {mbAbort, "&Abort", mrAbort},
    {mbRetry, "&Retry", mrRetry},
    {mbIgnore, "&Ignore", mrIgnore},
    {mbAll, "&All", mrAll},
    {mbNoToAll, "N&o to All", mrNoToAll},
    {mbYesToAll, "Yes to &All", mrYesToAll},
    {mbHelp, "&Help", mrNone},
};

std::string CaptionFor(TMsgDlgType Type)
{
    switch (Type)
    {
    case mtWarning:
        return "Warning";
    case mtError:
        return "Error";
    case mtInformation:
        return "Information";
    case mtConfirmation:
        return "Confirm";
    default:
        return Application ? Application->Title() : std::string();
    }
}
} // namespace

TModalResult MessageDlg(const std::string& Msg, TMsgDlgType Type, TMsgDlgButtons Buttons)
{
    if (Buttons.Empty()) Buttons = {mbOK};
    constexpr int Margin = 12;
    constexpr int ButtonWidth = 75;
    constexpr int ButtonHeight = 25;
    constexpr int ButtonGap = 8;

    // The dialog is ours until it is freed here, whatever the handlers do.
    auto Dialog = std::make_unique<TForm>(nullptr);
    Dialog->SetBorderStyle(bsDialog);
    Dialog->SetPosition(poScreenCenter);
    Dialog->SetCaption(CaptionFor(Type));

    auto* Text = new TLabel(Dialog.get());
    Text->SetShowAccelChar(false);
    Text->SetCaption(Msg);
    Text->SetParent(Dialog.get());
    // Wrap long messages at a readable width.
    if (Text->Width() > 360)
    {
        Text->SetWordWrap(true);
        Text->SetAutoSize(false);
        Text->SetWidth(360);
        Text->SetAutoSize(true);
    }
    Text->SetLeft(Margin);
    Text->SetTop(Margin);

    std::vector<TButton*> Made;
    for (const TButtonInfo& Info : ButtonTable)
    {
        if (!Buttons.Contains(Info.Button)) continue;
        auto* B = new TButton(Dialog.get());
        B->SetCaption(Info.Caption);
        B->SetModalResult(Info.Result);
        B->SetParent(Dialog.get());
        Made.push_back(B);
    }
    Made.front()->SetDefault(true);
    // Escape goes to Cancel, else to No, else to a lone OK.
    auto Find = [&](TModalResult R) -> TButton*
    {
        for (TButton* B : Made)
            if (B->ModalResult() == R) return B;
        return nullptr;
    };
    TButton* CancelButton = Find(mrCancel);
    if (!CancelButton) CancelButton = Find(mrNo);
    if (!CancelButton && Made.size() == 1) CancelButton = Made.front();
    if (CancelButton) CancelButton->SetCancel(true);

    int Count = static_cast<int>(Made.size());
    int RowWidth = Count * ButtonWidth + (Count - 1) * ButtonGap;
    int ClientWidth = std::max(Text->Width(), RowWidth) + 2 * Margin;
    int ButtonTop = Text->Top() + Text->Height() + Margin + 4;
    int X = (ClientWidth - RowWidth) / 2;
    for (TButton* B : Made)
    {
        B->SetBounds(X, ButtonTop, ButtonWidth, ButtonHeight);
        X += ButtonWidth + ButtonGap;
    }
    Dialog->SetClientWidth(ClientWidth);
    Dialog->SetClientHeight(ButtonTop + ButtonHeight + Margin);
    Dialog->SetActiveControl(Made.front());
    return Dialog->ShowModal();
}

void ShowMessage(const std::string& Msg)
{
    MessageDlg(Msg, mtCustom, {mbOK});
}
