// Presets in the window: saved and loaded as the command-line client's
// block files, through the file dialogs, and by dropping a file on the
// window.

#include "MainFormFixture.h"

#include "app/ToolSettings.h"
#include "protocol/BlockJson.h"
#include "protocol/Frames.h"
#include "tests/tools/ProcessRunner.h"

#include <fstream>
#include <sstream>

namespace
{
class MainFormPresetTest : public MainFormTest
{
  protected:
    // What every value control shows, in one line.
    std::string Controls() const
    {
        std::string Shown;
        for (const TControl* Control : std::initializer_list<const TControl*>{
                 Form->suiNumberEdit_RfFrequency, Form->suiComboBox_RfFactor, Form->suiComboBox1,
                 Form->suiComboBox_RFBW, Form->suiNumberEdit_CustID_H, Form->suiNumberEdit_NetID,
                 Form->suiComboBox_Power, Form->suiComboBox_McuBaudRate,
                 Form->suiComboBox_McuParity, Form->suiComboBox2, Form->suiComboBox3})
            Shown += Control->Text() + "|";
        return Shown;
    }

    std::string Write(const std::string& Name, const std::string& Text)
    {
        const std::string Path = Root.Path() + "/" + Name;
        std::ofstream(Path) << Text;
        return Path;
    }

    static std::string Read(const std::string& Path)
    {
        std::ifstream File(Path);
        std::stringstream Text;
        Text << File.rdbuf();
        return Text.str();
    }

    void CtrlKey(UINT Key)
    {
        FDesktop.KeyDown(VK_CONTROL);
        FDesktop.Press(Key);
        FDesktop.KeyUp(VK_CONTROL);
    }

    void Type(const std::string& Text)
    {
        for (char C : Text)
            FDesktop.Press(static_cast<UINT>(std::toupper(C)));
    }

    ProcessResult Cli(const std::vector<std::string>& Arguments, const std::string& Output = {})
    {
        return RunProcess(NOVLA_CLI_PATH, Arguments, {}, std::chrono::milliseconds(15000), Output);
    }
};

// Window to file, the client writes it into a module and reads it back into
// a file, the window loads that: the same block at every step.
TEST_F(MainFormPresetTest, ARoundTripThroughTheClientAndAModuleKeepsTheBlock)
{
    VirtualModule Module;
    StartModule(Module);
    ShowWindow();
    // The window's block: the module's block, set through the controls.
    OpenPort(Module);
    Press(Form->btn_ReadAll);
    ASSERT_TRUE(WaitForResult("Successful"));
    Press(Form->suiButton_OpenPort);
    Form->suiNumberEdit_NetID->SetValue(99);
    ModuleParameters Expected = ModuleBlock();
    Expected.NetId = 99;
    const std::string Shown = Controls();

    const std::string Saved = Root.Path() + "/saved.json";
    Form->ChoosePresetFile = [&](bool Save, const std::string&)
    { return Save ? Saved : Root.Path() + "/read.json"; };
    Form->SavePresetClick(nullptr);
    ASSERT_EQ(Panel(1), "Successful") << Form->suiStatusBar1->Hint();
    EXPECT_EQ(Read(Saved), BlockToJson(Expected) + "\n");

    const std::string Port = "COM" + std::to_string(Module.PortNumber());
    const ProcessResult Written = Cli({"write", "--port", Port, "--json-file", Saved});
    ASSERT_EQ(Written.ExitCode, 0) << Written.Err;
    EXPECT_EQ(Module.Block(), Expected);
    const ProcessResult ReadBack =
        Cli({"read", "--port", Port, "--json"}, Root.Path() + "/read.json");
    ASSERT_EQ(ReadBack.ExitCode, 0) << ReadBack.Err;

    // Loading puts the block into the controls and sends nothing.
    Form->suiNumberEdit_NetID->SetValue(1);
    Form->suiComboBox_Power->SetItemIndex(0);
    const uint64_t Requests = Module.Requests();
    Form->LoadPresetClick(nullptr);
    EXPECT_EQ(Panel(1), "Successful") << Form->suiStatusBar1->Hint();
    EXPECT_EQ(Controls(), Shown);
    EXPECT_EQ(Module.Requests(), Requests);
}

TEST_F(MainFormPresetTest, ABadPresetChangesNothingAndSaysWhyWithTheLine)
{
    ShowWindow();
    const struct
    {
        const char* Name;
        std::string Text;
        std::string Hint; // a part of the hint
    } Cases[] = {
        {"unknown-key.json", "{\"net_id\": 9,\n \"colour\": \"red\"}", "line 2: unknown parameter"},
        {"out-of-range.json", "{\n\"net_id\": 9,\n\"frequency_mhz\": 120}", "line 3: frequency"},
        // Node ID 0xAFAF puts a frame start into the module's reply.
        {"unsendable.json", "{\"net_id\": 9, \"node_id\": 44975}", "the bytes AF AF"},
        {"bad-json.json", "{\"net_id\": 9,\n\n \"power\": }",
         "JSON: expected a string or a number at line 3"},
        {"empty.json", "", "JSON: expected '{' at line 1"},
        {"missing.json", "", "cannot read"},
    };
    for (const auto& Case : Cases)
    {
        SCOPED_TRACE(Case.Name);
        const std::string Path = std::string(Case.Name) == "missing.json"
                                     ? Root.Path() + "/missing.json"
                                     : Write(Case.Name, Case.Text);
        const std::string Before = Controls();
        Form->ChoosePresetFile = [&](bool, const std::string&) { return Path; };
        Form->LoadPresetClick(nullptr);
        EXPECT_EQ(Panel(1), "Error:Preset!");
        EXPECT_NE(Form->suiStatusBar1->Hint().find(Case.Hint), std::string::npos)
            << Form->suiStatusBar1->Hint();
        EXPECT_EQ(Controls(), Before);
    }
    // A file of some of the values sets those alone.
    const std::string Before = Controls();
    const std::string Part = Write("part.json", "{\"net_id\": 9}");
    Form->ChoosePresetFile = [&](bool, const std::string&) { return Part; };
    Form->LoadPresetClick(nullptr);
    EXPECT_EQ(Panel(1), "Successful");
    EXPECT_EQ(Form->suiNumberEdit_NetID->Text(), "9");
    Form->suiNumberEdit_NetID->SetValue(0);
    EXPECT_EQ(Controls(), Before);
}

// Ctrl+S and Ctrl+L open the dialogs, driven here by keys; the folder is
// kept in the settings.
TEST_F(MainFormPresetTest, TheKeysOpenTheDialogsAndTheFolderIsKept)
{
    setenv("HOME", Root.Path().c_str(), 1);
    FApp.CreateForm(Form);
    Form->SettingsFile = TSettingsFile::DefaultPath();
    Form->Show();
    FDesktop.Pump();
    Form->suiNumberEdit_NetID->SetValue(77);
    const std::string Saved = Controls();

    CtrlKey('S');
    Type("mine");
    FDesktop.Press(VK_RETURN);
    FDesktop.Pump();
    ASSERT_EQ(Panel(1), "Successful") << Form->suiStatusBar1->Hint();
    const std::string Path = Root.Path() + "/mine.json";
    ModuleParameters Block;
    std::string Error;
    ASSERT_TRUE(ApplyBlockJson(Read(Path), Block, Error)) << Error;
    EXPECT_EQ(Block.NetId, 77);

    Form->suiNumberEdit_NetID->SetValue(5);
    CtrlKey('L');
    FDesktop.Press(VK_TAB);
    FDesktop.Press(VK_DOWN);
    FDesktop.Press(VK_RETURN);
    FDesktop.Pump();
    EXPECT_EQ(Panel(1), "Successful") << Form->suiStatusBar1->Hint();
    EXPECT_EQ(Controls(), Saved);

    PostMessage(Form->Handle(), WM_CLOSE, 0, 0);
    FDesktop.Pump();
    FApp.ProcessMessages();
    TToolSettings Kept;
    ASSERT_TRUE(TSettingsFile(TSettingsFile::DefaultPath()).Load(Kept, Error)) << Error;
    EXPECT_EQ(Kept.PresetFolder, Root.Path());
    unsetenv("HOME");
}

TEST_F(MainFormPresetTest, AJsonFileDroppedOnTheWindowLoads)
{
    ShowWindow();
    const std::string Notes = Write("notes.txt", "{\"net_id\": 12}");
    const std::string Preset = Write("drop.JSON", "{\"net_id\": 34}");
    const TPoint Middle = Form->ClientToScreen({Form->ClientWidth() / 2, Form->ClientHeight() / 2});
    ASSERT_TRUE(FDesktop.DropFiles(Middle.X, Middle.Y, {Notes}));
    EXPECT_EQ(Form->suiNumberEdit_NetID->Text(), "0") << "not a preset";
    ASSERT_TRUE(FDesktop.DropFiles(Middle.X, Middle.Y, {Notes, Preset}));
    EXPECT_EQ(Form->suiNumberEdit_NetID->Text(), "34");
    EXPECT_EQ(Panel(1), "Successful");
}
} // namespace
