#pragma once

#include "app/ModuleSearch.h"
#include "app/ToolSettings.h"
#include "framework/controls/Form.h"
#include "framework/controls/Label.h"
#include "framework/controls/Panel.h"
#include "framework/controls/Timer.h"
#include "framework/menus/MenuItem.h"
#include "serial/TelvaroSerial.h"
#include "skin/SUIButton.h"
#include "skin/SUIComboBox.h"
#include "skin/SUIForm.h"
#include "skin/SUIGroupBox.h"
#include "skin/SUIImagePanel.h"
#include "skin/SUINumberEdit.h"
#include "skin/SUIStatusBar.h"

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The configuration window: lists the serial ports, opens the chosen one,
// reads and writes the radio module's parameter block through the module
// link, shows each outcome and the time in its status bar, and declares a
// time-out when no reply came by the third tick of its one-second timer.
// Built from the definition embedded as "TMainForm".
class TMainForm : public TForm
{
  public:
    explicit TMainForm(TComponent* AOwner);
    ~TMainForm() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    // The registered reply notification goes to OnSerialReceive; everything
    // else to the form.
    void WndProc(TMessage& Message) override;
    // The window menu's commands answer their keys wherever the focus is.
    bool IsShortCut(const TMessage& Message) override;

    // Text of status panel Panel (0 port, 1 result, 2 clock); other panel
    // numbers are ignored.
    void SetStatus(const std::string& Text, int Panel);

    // The module link; null after FormDestroy.
    TelvaroSerial* Serial() const { return FSerial.get(); }
    UINT RecvMessage() const { return FRecvMessage; }
    int TimeoutTicks() const { return FTimeoutTicks; }

    // Opens a document for the logo click; by default in the user's
    // browser through the shell. Failures are not shown: without a browser
    // the click does nothing.
    std::function<void(const std::string& Path)> OpenDocument;
    // The guide the logo opens (FindUserGuide for this program by default).
    std::string UserGuide;
    // Probes one port for the port list; CXSerial::ProbePortDevice by
    // default.
    std::function<CXSerial::Probe(int Port)> ProbePort;
    // Where the line settings are kept between runs; empty (the default)
    // keeps none. Read when the window first shows, written when it closes;
    // a file that cannot be read or written costs one line on standard
    // error and nothing else.
    std::string SettingsFile;
    // Chosen for this run over the kept settings (the command line's). A
    // port that is not listed is said in the result panel.
    TLineChoice Preselected;
    // What the port, baud rate and parity lists show now.
    TLineChoice LineChoice() const;
    // The block the parameter controls show now: what Write All sends.
    ModuleParameters BlockFromControls() const;
    // How long each attempt of Find module allows the module to answer,
    // besides the request's and reply's own time on the line.
    std::chrono::milliseconds SearchTurnaround{100};
    // Asks for the preset file to save to (Save) or load from, starting in
    // Folder; empty when the user cancels. The open and save dialogs by
    // default.
    std::function<std::string(bool Save, const std::string& Folder)> ChoosePresetFile;
    // True while Find module runs.
    bool Searching() const { return FSearch != nullptr; }

    TsuiForm* suiForm1 = nullptr;
    TsuiStatusBar* suiStatusBar1 = nullptr;
    TsuiGroupBox* suiGroupBox1 = nullptr;
    TsuiGroupBox* suiGroupBox2 = nullptr;
    TsuiGroupBox* suiGroupBox3 = nullptr;
    TsuiGroupBox* suiGroupBox5 = nullptr;
    TsuiGroupBox* suiGroupBox6 = nullptr;
    TsuiGroupBox* suiGroupBox7 = nullptr;
    TsuiGroupBox* suiGroupBox8 = nullptr;
    TsuiGroupBox* suiGroupBox9 = nullptr;
    TsuiGroupBox* suiGroupBox10 = nullptr;
    TsuiGroupBox* suiGroupBox11 = nullptr;
    TsuiGroupBox* suiGroupBox12 = nullptr;
    TsuiButton* suiButton_OpenPort = nullptr;
    TsuiButton* btn_WriteAll = nullptr;
    TsuiButton* btn_ReadAll = nullptr;
    TsuiComboBox* suiComboBox_PcPort = nullptr;
    TsuiComboBox* suiComboBox_PcBaudRate = nullptr;
    TsuiComboBox* suiComboBox_PcParity = nullptr;
    TsuiComboBox* suiComboBox_RfFactor = nullptr;
    TsuiComboBox* suiComboBox1 = nullptr;
    TsuiComboBox* suiComboBox_RFBW = nullptr;
    TsuiComboBox* suiComboBox_McuBaudRate = nullptr;
    TsuiComboBox* suiComboBox_McuParity = nullptr;
    TsuiComboBox* suiComboBox_Power = nullptr;
    TsuiComboBox* suiComboBox2 = nullptr;
    TsuiComboBox* suiComboBox3 = nullptr;
    TsuiNumberEdit* suiNumberEdit_RfFrequency = nullptr;
    TsuiNumberEdit* suiNumberEdit_CustID_H = nullptr;
    TsuiNumberEdit* suiNumberEdit_NetID = nullptr;
    TsuiImagePanel* img1 = nullptr;
    TsuiImagePanel* img2 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label9 = nullptr;
    TTimer* tmr1 = nullptr;

    void FormShow(TObject* Sender);
    void FormDestroy(TObject* Sender);
    void suiButton_OpenPortClick(TObject* Sender);
    void suiComboBox_PcPortDropDown(TObject* Sender);
    void btn_WriteAllClick(TObject* Sender);
    void btn_ReadAllClick(TObject* Sender);
    void tmr1Timer(TObject* Sender);
    void suiNumberEdit_RfFrequencyChange(TObject* Sender);
    void suiNumberEdit_CustID_HChange(TObject* Sender);
    void suiNumberEdit_NetIDChange(TObject* Sender);
    void img2Click(TObject* Sender);
    // Find module: searches the selected port and then every other listed
    // one for a module, at every line setting; while a search runs, cancels
    // it.
    void FindModuleClick(TObject* Sender);
    // Save preset: the controls' block into a block file the command-line
    // client reads too. Load preset: a block file into the controls;
    // nothing is sent until Write All.
    void SavePresetClick(TObject* Sender);
    void LoadPresetClick(TObject* Sender);
    // Loads the preset at Path as Load preset does.
    void LoadPreset(const std::string& Path);

  protected:
    // Registers the reply message and binds the module link to the window.
    void DoCreate() override;
    // Keeps the line settings.
    void DoClose(TCloseAction& Action) override;

  private:
    void OnSerialReceive(WPARAM Flag);
    void ShowAnswer(const ModuleReply& Reply);
    void ApplyParameters(const ModuleParameters& Block);
    void ListPorts();
    void ShowPortState();
    void ShowOpenFailure();
    void ShowRefusedPorts(const std::vector<std::string>& Ports,
                          const std::vector<std::string>& Advice);
    void ShowPortDeviceInHint();
    void StartRequest();
    void ShowTime();
    void ChooseLine();
    void AddMenuCommands();
    void OnSearchEvent();
    void ShowSearchFinished(const TSearchEvent& Event);
    void ShowFound(const PortFinding& Finding);
    void EnableRequests();
    void ShowLineHint(const ModuleParameters& Block);
    void ShowPresetError(const std::string& Why);
    void KeepPresetFolder(const std::string& Path);
    std::string PresetFolder() const;
    TPopupMenu* WindowMenu() const;

    std::unique_ptr<TelvaroSerial> FSerial;
    UINT FRecvMessage = 0;
    int FTimeoutTicks = -1;
    ModuleParameters FWritten;              // the block of the last write sent
    bool FRefusalReported = false;          // ports refusing access were named on standard error
    bool FLineChosen = false;               // the kept and preselected line settings were applied
    TToolSettings FSettings;                // as read; written back with the lists' choice
    std::unique_ptr<TModuleSearch> FSearch; // while Find module runs
    UINT FSearchMessage = 0;
    // The commands Find module holds back, with their buttons.
    std::vector<TMenuItem*> FRequestItems;
    // The module's own line setting as its last answer since the port
    // opened named it (baud and parity codes); absent until one came.
    std::optional<std::pair<uint8_t, uint8_t>> FModuleLine;
    // The device behind each listed port, in the list's order.
    std::vector<std::string> FListedDevices;
};

// The one configuration window, once the application made it.
extern TMainForm* MainForm;

// Makes the window's classes known to form definitions (after the
// application's Initialize).
void RegisterMainFormClasses();
