#pragma once

// The configuration window on the headless desktop, with its own port
// folders: the machine's fixed-table ports are hidden behind user links to
// nothing, so only the virtual modules a test starts can be listed.

#include "app/MainForm.h"

#include "framework/DateTime.h"
#include "framework/controls/Application.h"
#include "platform/comm/PortMap.h"
#include "platform/win/WinApi.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "protocol/CodeTables.h"
#include "tests/platform/comm/TempFolder.h"
#include "tools/virtual-module/VirtualModule.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace std::chrono_literals;

namespace
{
// A block unlike the window's defaults in every field.
ModuleParameters ModuleBlock()
{
    ModuleParameters B;
    B.UartBaudCode = 0; // 115200
    B.UartParity = 2;   // EVEN
    B.FrequencyMHz = 868.5;
    B.SpreadingCode = 7; // 128
    B.RfMode = 2;        // Node
    B.BandwidthCode = 9; // 500K
    B.NodeIdHigh = 0x01;
    B.NodeIdLow = 0x02; // 258
    B.NetId = 7;
    B.PowerLevel = 3;
    B.BreathCode = 4; // 10s
    B.WakeCode = 1;   // 4ms
    return B;
}

// The window with its own port folders: the machine's fixed-table ports
// are hidden behind user links to nothing, so only the virtual modules
// started here can be listed.
class MainFormTest : public ::testing::Test
{
  protected:
    MainFormTest()
    {
        setenv("XDG_RUNTIME_DIR", Root.Path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", (Root.Path() + "/config").c_str(), 1);
        const PortFolders Folders = PortFoldersFromEnvironment();
        EXPECT_TRUE(EnsurePrivateFolder(Folders.User).Ok());
        EXPECT_TRUE(EnsurePrivateFolder(Folders.Runtime).Ok());
        for (int Port = 1; Port <= 96; ++Port)
            symlink((Root.Path() + "/unplugged").c_str(),
                    (Folders.User + "/" + LinkFileName(Port)).c_str());
        FApp.Initialize();
        RegisterMainFormClasses();
    }

    ~MainFormTest() override
    {
        if (Form) Form->Free();
        unsetenv("XDG_RUNTIME_DIR");
        unsetenv("XDG_CONFIG_HOME");
    }

    void StartModule(VirtualModule& Module, ModuleFault Fault = ModuleFault::None,
                     std::chrono::milliseconds Delay = 5ms)
    {
        VirtualModuleOptions Options;
        Options.RuntimeFolder = PortFoldersFromEnvironment().Runtime;
        Options.Fault = Fault;
        Options.Delay = Delay;
        Options.Initial = ModuleBlock();
        ASSERT_TRUE(Module.Start(Options).Ok());
    }

    void ShowWindow()
    {
        FApp.CreateForm(Form);
        Form->Show();
        FDesktop.Pump();
    }

    // Clicks the middle of Control with the mouse, as a user would.
    void ClickOn(const TControl* Control)
    {
        const TPoint P = Control->ClientToScreen({Control->Width() / 2, Control->Height() / 2});
        FDesktop.Click(P.X, P.Y);
        FDesktop.Pump();
    }

    // Presses a button with the mouse; a disabled one takes no notice.
    void Press(TControl* Button) { ClickOn(Button); }

    std::string Panel(int Index) const
    {
        return Form->suiStatusBar1->Panels()->Items(Index)->Text();
    }

    // Handles messages until Done, or until Limit of real time passed (a
    // helper thread then wakes the loop). True when Done.
    bool PumpUntil(const std::function<bool()>& Done, std::chrono::milliseconds Limit = 5000ms)
    {
        std::mutex Lock;
        std::condition_variable Finished;
        bool Over = false;
        std::atomic<bool> Expired{false};
        const HWND Window = Form->Handle();
        std::thread Watch(
            [&]
            {
                std::unique_lock Hold(Lock);
                if (!Finished.wait_for(Hold, Limit, [&] { return Over; }))
                {
                    Expired = true;
                    PostMessage(Window, WM_NULL, 0, 0);
                }
            });
        FDesktop.Pump();
        // The answer that ended the loop: asking again could see a message
        // that arrived since (a reply right behind another).
        bool Reached = false;
        while (!(Reached = Done()) && !Expired)
            FApp.HandleMessage();
        {
            std::lock_guard Hold(Lock);
            Over = true;
        }
        Finished.notify_all();
        Watch.join();
        return Reached;
    }

    bool WaitForResult(const std::string& Text)
    {
        return PumpUntil([&] { return Panel(1) == Text; });
    }

    void SelectPort(const VirtualModule& Module)
    {
        const int Index =
            Form->suiComboBox_PcPort->Items()->IndexOf("COM" + std::to_string(Module.PortNumber()));
        ASSERT_GE(Index, 0);
        Form->suiComboBox_PcPort->SetItemIndex(Index);
    }

    // Presses Open on Module's port while Other holds it: the window's open
    // is refused as busy.
    void PressOpenWhileHeld(const VirtualModule& Module, TelvaroSerial& Other)
    {
        ASSERT_EQ(Other.Open(Module.PortNumber(), 9600, 0), 1);
        SelectPort(Module);
        Press(Form->suiButton_OpenPort);
    }

    void OpenPort(const VirtualModule& Module)
    {
        SelectPort(Module);
        Press(Form->suiButton_OpenPort);
        ASSERT_EQ(Panel(0), "Opened") << Form->Serial()->LastError().Message << " ["
                                      << Form->suiComboBox_PcPort->Text() << "]";
    }

    TempFolder Root;
    THeadlessDesktop FDesktop{1024, 768};
    TApplication FApp;
    TMainForm* Form = nullptr;
};
} // namespace
