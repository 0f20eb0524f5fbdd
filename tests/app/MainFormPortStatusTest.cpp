// What the result panel says about the ports: devices that refuse this user,
// and the result an open replaces.

#include "MainFormFixture.h"

#include <cerrno>
#include <fcntl.h>

namespace
{
using MainFormPortStatusTest = MainFormTest;

TEST_F(MainFormPortStatusTest, PortsThatRefuseAccessAreNamedWithTheFixButNotListed)
{
    VirtualModule Module;
    StartModule(Module);
    // Two devices of the serial group that this user may not open. Root
    // opens anything, so the probe answers for them as it would for a user
    // outside the group.
    std::vector<std::string> Devices;
    for (const char* Name : {"ttyUSB0", "ttyUSB1"})
    {
        Devices.push_back(Root.Path() + "/" + Name);
        close(open(Devices.back().c_str(), O_CREAT | O_WRONLY, 0600));
        ASSERT_EQ(chown(Devices.back().c_str(), geteuid(), geteuid() == 0 ? 20 : getegid()), 0);
        ASSERT_EQ(chmod(Devices.back().c_str(), 0660), 0);
    }
    FApp.CreateForm(Form);
    Form->ProbePort = [&](int Port)
    {
        if (Port != 33 && Port != 34) return CXSerial::ProbePortDevice(Port);
        const std::string& Device = Devices[static_cast<size_t>(Port - 33)];
        return CXSerial::Probe{Device, ErrorFromErrno(EACCES, Device, "open")};
    };
    testing::internal::CaptureStderr();
    Form->Show();
    FDesktop.Pump();
    EXPECT_EQ(Form->suiComboBox_PcPort->Items()->Count(), 1);
    EXPECT_EQ(Panel(1), "Error:NoPermission!");
    const std::string Hint = Form->suiStatusBar1->Hint();
    EXPECT_NE(Hint.find("COM33 (" + Devices[0] + "), COM34 (" + Devices[1] + ")"),
              std::string::npos)
        << Hint;
    EXPECT_NE(Hint.find(PermissionHint(Devices[0])), std::string::npos) << Hint;
    EXPECT_NE(Hint.find("usermod -aG"), std::string::npos) << Hint;
    EXPECT_EQ(Hint.find(PermissionHint(Devices[0]), Hint.find(PermissionHint(Devices[0])) + 1),
              std::string::npos)
        << "the same fix once: " << Hint;

    // Probed again when the list drops down: said again, written once.
    Form->SetStatus("-", 1);
    Form->suiStatusBar1->SetHint("");
    Form->suiComboBox_PcPortDropDown(nullptr);
    EXPECT_EQ(Panel(1), "Error:NoPermission!");
    EXPECT_EQ(Form->suiStatusBar1->Hint(), Hint);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "novla-tool: " + Hint + "\n");
}

TEST_F(MainFormPortStatusTest, ASuccessfulOpenClearsTheLastResult)
{
    VirtualModule Module;
    StartModule(Module);
    ShowWindow();
    TelvaroSerial Other;
    PressOpenWhileHeld(Module, Other);
    ASSERT_EQ(Panel(1), "Error:Busy!");
    Other.Close();
    OpenPort(Module);
    EXPECT_EQ(Panel(1), " ");
    EXPECT_EQ(Form->suiStatusBar1->Hint(), "");

    Module.Stop();
    ASSERT_TRUE(WaitForResult("Error:PortLost!"));
    VirtualModule Again;
    StartModule(Again);
    Form->suiComboBox_PcPortDropDown(nullptr);
    OpenPort(Again);
    EXPECT_EQ(Panel(1), " ");
}
} // namespace
