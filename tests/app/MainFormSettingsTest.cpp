// The line settings the window keeps between runs, and the command line's
// choice over them.

#include "MainFormFixture.h"

#include "app/ToolSettings.h"

#include <fstream>

namespace
{
class MainFormSettingsTest : public MainFormTest
{
  protected:
    // Shows a new window that keeps its settings in the default place.
    void StartWindow(const TLineChoice& Preselected = {})
    {
        FApp.CreateForm(Form);
        Form->SettingsFile = TSettingsFile::DefaultPath();
        Form->Preselected = Preselected;
        Form->Show();
        FDesktop.Pump();
    }

    // Closes the window as the user would and frees it.
    void EndWindow()
    {
        PostMessage(Form->Handle(), WM_CLOSE, 0, 0);
        FDesktop.Pump();
        FApp.ProcessMessages();
        Form->Free();
        Form = nullptr;
    }

    void Choose(TsuiComboBox* List, const std::string& Text)
    {
        const int Index = List->Items()->IndexOf(Text);
        ASSERT_GE(Index, 0) << Text;
        List->SetItemIndex(Index);
    }

    std::string Port(const VirtualModule& Module) const
    {
        return "COM" + std::to_string(Module.PortNumber());
    }
};

TEST_F(MainFormSettingsTest, TheLineSettingsAreKeptFromOneWindowToTheNext)
{
    VirtualModule First, Second;
    StartModule(First);
    StartModule(Second);
    StartWindow();
    ASSERT_EQ(Form->suiComboBox_PcPort->ItemIndex(), 0);
    Choose(Form->suiComboBox_PcPort, Port(Second));
    Choose(Form->suiComboBox_PcBaudRate, "115200");
    Choose(Form->suiComboBox_PcParity, "EVEN");
    EndWindow();

    StartWindow();
    const TLineChoice Shown = Form->LineChoice();
    EXPECT_EQ(Shown.Port, Port(Second));
    EXPECT_EQ(Shown.Baud, "115200");
    EXPECT_EQ(Shown.Parity, "EVEN");
    EXPECT_EQ(Panel(1).find("not listed"), std::string::npos) << Panel(1);
    EndWindow();

    // Without a file to keep them in, nothing is read or written.
    std::remove(TSettingsFile::DefaultPath().c_str());
    FApp.CreateForm(Form);
    Form->Show();
    FDesktop.Pump();
    EXPECT_EQ(Form->suiComboBox_PcBaudRate->Text(), "9600");
    EndWindow();
    std::ifstream Left(TSettingsFile::DefaultPath());
    EXPECT_FALSE(Left.is_open());
}

TEST_F(MainFormSettingsTest, TheCommandLineWinsOverTheKeptSettings)
{
    VirtualModule First, Second;
    StartModule(First);
    StartModule(Second);
    std::string Error;
    ASSERT_TRUE(TSettingsFile(TSettingsFile::DefaultPath())
                    .Save({{Port(First), "1200", "ODD"}, "/home/someone/presets"}, Error))
        << Error;

    StartWindow({Port(Second), "", "EVEN"});
    TLineChoice Shown = Form->LineChoice();
    EXPECT_EQ(Shown.Port, Port(Second));
    EXPECT_EQ(Shown.Baud, "1200") << "what the command line leaves out is kept";
    EXPECT_EQ(Shown.Parity, "EVEN");
    EndWindow();

    // A port that is not listed is said, and the kept one stays selected.
    StartWindow({"COM250", "57600", ""});
    Shown = Form->LineChoice();
    EXPECT_EQ(Panel(1), "COM250 not listed");
    EXPECT_NE(Form->suiStatusBar1->Hint().find("COM250"), std::string::npos);
    EXPECT_EQ(Shown.Port, Port(Second));
    EXPECT_EQ(Shown.Baud, "57600");
    EndWindow();

    TToolSettings Kept;
    ASSERT_TRUE(TSettingsFile(TSettingsFile::DefaultPath()).Load(Kept, Error)) << Error;
    EXPECT_EQ(Kept.Line.Port, Port(Second));
    EXPECT_EQ(Kept.Line.Baud, "57600");
    EXPECT_EQ(Kept.Line.Parity, "EVEN");
    EXPECT_EQ(Kept.PresetFolder, "/home/someone/presets") << "a key of others survives";
}

TEST_F(MainFormSettingsTest, ADamagedFileOrAFolderThatCannotBeWrittenCostsOneLineEach)
{
    VirtualModule Module;
    StartModule(Module);
    const std::string Path = TSettingsFile::DefaultPath();
    ASSERT_TRUE(EnsurePrivateFolder(std::filesystem::path(Path).parent_path()).Ok());
    std::ofstream(Path) << "port=COM7\nbaud=fast\n";
    testing::internal::CaptureStderr();
    StartWindow();
    EXPECT_EQ(Form->suiComboBox_PcBaudRate->Text(), "9600");
    EXPECT_EQ(Form->suiComboBox_PcPort->Text(), Port(Module));
    const std::string Said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(Said.begin(), Said.end(), '\n'), 1) << Said;
    EXPECT_NE(Said.find("line 2"), std::string::npos) << Said;
    Choose(Form->suiComboBox_PcBaudRate, "38400");
    EndWindow();
    TToolSettings Kept;
    std::string Error;
    ASSERT_TRUE(TSettingsFile(Path).Load(Kept, Error)) << "written over: " << Error;
    EXPECT_EQ(Kept.Line.Baud, "38400");

    // The settings' folder is a plain file: the window opens and closes all
    // the same.
    const std::string Blocked = Root.Path() + "/blocked";
    std::ofstream(Blocked) << "";
    setenv("XDG_CONFIG_HOME", Blocked.c_str(), 1);
    testing::internal::CaptureStderr();
    StartWindow();
    EXPECT_EQ(Panel(0), "Closed");
    EndWindow();
    const std::string Refused = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(Refused.begin(), Refused.end(), '\n'), 1) << Refused;
    EXPECT_NE(Refused.find("settings not kept"), std::string::npos) << Refused;
}
} // namespace
