#include "MainFormFixture.h"

#include <utility>

// The window definition's list texts are the entries the code tables map
// wire codes to: a list edited in the definition alone would send codes for
// texts it no longer shows.
TEST_F(MainFormTest, EachListShowsTheEntriesItsCodesBelongTo)
{
    ShowWindow();
    const std::pair<ParameterList, TsuiComboBox*> Lists[] = {
        {ParameterList::UartBaud, Form->suiComboBox_McuBaudRate},
        {ParameterList::UartParity, Form->suiComboBox_McuParity},
        {ParameterList::Spreading, Form->suiComboBox_RfFactor},
        {ParameterList::RfMode, Form->suiComboBox1},
        {ParameterList::Bandwidth, Form->suiComboBox_RFBW},
        {ParameterList::Power, Form->suiComboBox_Power},
        {ParameterList::Breath, Form->suiComboBox2},
        {ParameterList::Wake, Form->suiComboBox3},
        // The PC's own line settings offer what the module can be set to.
        {ParameterList::UartBaud, Form->suiComboBox_PcBaudRate},
        {ParameterList::UartParity, Form->suiComboBox_PcParity},
    };
    for (const auto& [List, Box] : Lists)
    {
        const auto Entries = ListEntries(List);
        ASSERT_EQ(Box->Items()->Count(), static_cast<int>(Entries.size())) << Box->Name();
        for (int I = 0; I < Box->Items()->Count(); ++I)
            EXPECT_EQ(Box->Items()->Strings(I), Entries[static_cast<size_t>(I)])
                << Box->Name() << " entry " << I;
    }
}
