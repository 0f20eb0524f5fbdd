// Which reply the window shows for a request, against virtual modules that
// answer late, with the other command's byte, or without storing a write.

#include "MainFormFixture.h"

namespace
{
class MainFormAnswersTest : public MainFormTest
{
  protected:
    // Handles messages until the link counted Count replies that answer
    // nothing and the window has taken every waiting reply.
    bool Dropped(uint64_t Count)
    {
        return PumpUntil(
            [&] {
                return Form->Serial()->UnansweredReplies() >= Count &&
                       Form->Serial()->WaitingReplies() == 0;
            });
    }
};

TEST_F(MainFormAnswersTest, ALateReadReplyDuringAWriteIsNotTheWritesAnswer)
{
    VirtualModule Slow;
    StartModule(Slow);
    ShowWindow();
    OpenPort(Slow);
    Form->suiNumberEdit_RfFrequency->SetValue(915.25);
    // Every text the frequency shows from here on.
    std::vector<std::string> Shown;
    const TNotifyEvent Clamp = Form->suiNumberEdit_RfFrequency->OnChange;
    Form->suiNumberEdit_RfFrequency->OnChange.Assign(
        [&](TObject* Sender)
        {
            Clamp(Sender);
            Shown.push_back(Form->suiNumberEdit_RfFrequency->Text());
        });
    // The read's reply comes only while the write waits, its echo right
    // after it.
    Slow.Hold();
    Press(Form->btn_ReadAll);
    Press(Form->btn_WriteAll);
    Slow.Release();
    ASSERT_TRUE(Dropped(1));
    ASSERT_TRUE(WaitForResult("Successful"));
    EXPECT_EQ(Shown, std::vector<std::string>{}) << "the read's 868.50 never shows";
    EXPECT_EQ(Form->suiNumberEdit_RfFrequency->Text(), "915.25");
    EXPECT_EQ(Slow.Block().FrequencyMHz, 915.25);
}

TEST_F(MainFormAnswersTest, AReplyToARequestBeforeCloseAndOpenIsDropped)
{
    VirtualModule Slow;
    StartModule(Slow);
    ShowWindow();
    OpenPort(Slow);
    // The reply comes only once the port was closed and opened again.
    Slow.Hold();
    Press(Form->btn_ReadAll);
    Press(Form->suiButton_OpenPort);
    OpenPort(Slow);
    Slow.Release();
    ASSERT_TRUE(Dropped(1));
    EXPECT_EQ(Panel(1), " ");
    EXPECT_EQ(Form->suiNumberEdit_RfFrequency->Text(), "433.00");
    EXPECT_EQ(Form->suiComboBox1->Text(), "Standard");
}

TEST_F(MainFormAnswersTest, AFrameOfTheOtherCommandAnswersNothingAndTheRequestTimesOut)
{
    VirtualModule Module;
    StartModule(Module, ModuleFault::WrongCommand);
    ShowWindow();
    OpenPort(Module);
    for (TsuiButton* TMainForm::*Button : {&TMainForm::btn_ReadAll, &TMainForm::btn_WriteAll})
    {
        const uint64_t Before = Form->Serial()->UnansweredReplies();
        Press(Form->*Button);
        ASSERT_TRUE(Dropped(Before + 1));
        EXPECT_EQ(Panel(1), "......");
        EXPECT_EQ(Form->suiComboBox1->Text(), "Standard");
        FDesktop.Advance(3000);
        FDesktop.Advance(1000);
        FDesktop.Advance(1000);
        EXPECT_EQ(Panel(1), "Error:TimeOut!");
    }
}

TEST_F(MainFormAnswersTest, AWriteTheModuleDidNotStoreSaysSoAndShowsWhatItHolds)
{
    VirtualModule Module;
    StartModule(Module, ModuleFault::IgnoreWrite);
    ShowWindow();
    OpenPort(Module);
    Press(Form->btn_ReadAll);
    ASSERT_TRUE(WaitForResult("Successful"));
    Form->suiNumberEdit_RfFrequency->SetValue(915.25);
    Form->suiNumberEdit_NetID->SetValue(9);
    Form->suiComboBox1->SetItemIndex(0);
    Press(Form->btn_WriteAll);
    ASSERT_TRUE(WaitForResult("Error:Verify!"));
    const std::string Hint = Form->suiStatusBar1->Hint();
    for (const char* Named :
         {"frequency: sent 915.25, module holds 868.50", "net ID: sent 9, module holds 7",
          "RF mode: sent Standard, module holds Node"})
        EXPECT_NE(Hint.find(Named), std::string::npos) << Hint;
    for (const char* Same : {"node ID", "power", "bandwidth"})
        EXPECT_EQ(Hint.find(Same), std::string::npos) << Hint;
    EXPECT_EQ(Form->suiNumberEdit_RfFrequency->Text(), "868.50");
    EXPECT_EQ(Form->suiNumberEdit_NetID->Text(), "7");
    EXPECT_EQ(Form->suiComboBox1->Text(), "Node");
    EXPECT_EQ(Form->TimeoutTicks(), -1);

    // Writing what the module holds is confirmed.
    Press(Form->btn_WriteAll);
    ASSERT_TRUE(WaitForResult("Successful"));
    EXPECT_EQ(Form->suiStatusBar1->Hint(), "");
}
} // namespace
