#include "app/ControlHints.h"

#include "framework/comctrls/StatusBar.h"
#include "framework/controls/Form.h"
#include "framework/controls/HintTracker.h"
#include "framework/controls/Messages.h"

namespace
{
struct TControlHint
{
    const char* Name;
    const char* Hint;
};

constexpr TControlHint ControlHints[] = {
    {"suiButton_OpenPort", "Opens or closes the PC's serial port"},
    {"suiComboBox_PcPort", "PC serial port, COM1-COM255 (those that can be opened now)"},
    {"suiComboBox_PcBaudRate", "PC baud rate, 1200-115200"},
    {"suiComboBox_PcParity", "PC parity: NO, ODD or EVEN"},
    {"suiNumberEdit_RfFrequency", "RF frequency in MHz, 140-990 (two decimals)"},
    {"suiComboBox_RfFactor", "Spreading factor in chips per symbol, 128-4096"},
    {"suiComboBox1", "RF mode: Standard, Central or Node"},
    {"suiComboBox_RFBW", "RF bandwidth, 62.5K-500K"},
    {"suiComboBox_McuBaudRate", "The module's serial baud rate, 1200-115200"},
    {"suiComboBox_McuParity", "The module's serial parity: NO, ODD or EVEN"},
    {"suiComboBox_Power", "Transmit power, 1-7"},
    {"suiNumberEdit_CustID_H", "Node ID, 0-65535"},
    {"suiNumberEdit_NetID", "Net ID, 0-255"},
    {"suiComboBox2", "Breath period, 2-10 s"},
    {"suiComboBox3", "Wake timer, 2-64 ms"},
    {"btn_WriteAll", "Writes every value into the module"},
    {"btn_ReadAll", "Reads every value from the module"},
    {"img2", "Opens the user guide"},
};

// The status bar panel whose text the bar's hint explains.
constexpr int ExplainedPanel = 1;

// The status bar's hint is about the result panel alone.
void KeepHintToPanel(TCustomStatusBar* Bar, int Panel)
{
    auto Old = Bar->WindowProc;
    Bar->WindowProc = [Bar, Panel, Old](TMessage& M)
    {
        if (M.Msg != CM_HINTSHOW)
        {
            Old(M);
            return;
        }
        auto* Info = reinterpret_cast<THintInfo*>(M.LParam);
        for (int I = 0; I < Bar->Panels()->Count(); ++I)
        {
            const TRect Rect = Bar->PanelRect(I);
            if (!Rect.Contains(Info->CursorPos.X, Info->CursorPos.Y)) continue;
            // Another panel: no hint until the pointer leaves it.
            Info->CursorRect = Rect;
            if (I != Panel) M.Result = 1;
            return;
        }
        M.Result = 1;
    };
}
} // namespace

void ApplyControlHints(TForm* Form)
{
    for (const TControlHint& Entry : ControlHints)
        if (auto* Control = dynamic_cast<TControl*>(Form->FindComponent(Entry.Name)))
            Control->SetHint(Entry.Hint);
    if (auto* Bar = dynamic_cast<TCustomStatusBar*>(Form->FindComponent("suiStatusBar1")))
        KeepHintToPanel(Bar, ExplainedPanel);
    Form->SetShowHint(true);
}
