// The skinned tab, page, tool-bar, side-channel and pop-up classes read from
// and written back to a form definition.

#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/comctrls/TabSheet.h"
#include "framework/comctrls/ToolButton.h"
#include "framework/controls/Form.h"
#include "skin/SUIPopupForm.h"
#include "skin/SUISideChannel.h"
#include "skin/SUITabControl.h"
#include "skin/SUIToolBar.h"
#include "skin/SkinBarClasses.h"
#include "tests/framework/GuiFixture.h"

namespace
{
constexpr const char* BarsDefinition = R"(object Window: TForm
  Caption = 'Window'
  object Bar: TsuiToolBar
    UIStyle = WinXP
    ShowCaptions = True
    object Run: TToolButton
      Caption = 'Run'
    end
  end
  object Book: TsuiPageControl
    Left = 8
    Top = 40
    Width = 200
    Height = 120
    ActivePage = Second
    UIStyle = MacOS
    object First: TTabSheet
      Caption = 'First'
    end
    object Second: TTabSheet
      Caption = 'Second'
    end
  end
  object Steps: TsuiTabControl
    Tabs = (
      'A'
      'B')
    TabIndex = 1
  end
  object Channel: TsuiSideChannel
    Caption = 'Tools'
    Align = alLeft
    OpenWidth = 150
    Pinned = True
  end
  object Note: TsuiPopupForm
    Title = 'Module'
    Text = 'Written.'
    Animation = suiPopupBlend
    Corner = suiTopLeft
    DisplayTime = 2500
  end
end
)";

class BarDefinitions : public GuiTest
{
  protected:
    BarDefinitions() { RegisterSkinBarClasses(); }

    static void Check(TComponent* Root)
    {
        auto* Bar = dynamic_cast<TsuiToolBar*>(Root->FindComponent("Bar"));
        ASSERT_NE(Bar, nullptr);
        EXPECT_EQ(Bar->UIStyle(), WinXP);
        ASSERT_EQ(Bar->ButtonCount(), 1);
        auto* Book = dynamic_cast<TsuiPageControl*>(Root->FindComponent("Book"));
        ASSERT_NE(Book, nullptr);
        EXPECT_EQ(Book->UIStyle(), MacOS);
        ASSERT_EQ(Book->PageCount(), 2);
        EXPECT_EQ(Book->ActivePage(), Book->Pages(1));
        auto* Steps = dynamic_cast<TsuiTabControl*>(Root->FindComponent("Steps"));
        ASSERT_NE(Steps, nullptr);
        EXPECT_EQ(Steps->TabIndex(), 1);
        auto* Channel = dynamic_cast<TsuiSideChannel*>(Root->FindComponent("Channel"));
        ASSERT_NE(Channel, nullptr);
        EXPECT_TRUE(Channel->Pinned());
        EXPECT_EQ(Channel->Align(), alLeft);
        EXPECT_EQ(Channel->Width(), 150);
        auto* Note = dynamic_cast<TsuiPopupForm*>(Root->FindComponent("Note"));
        ASSERT_NE(Note, nullptr);
        EXPECT_EQ(Note->Title(), "Module");
        EXPECT_EQ(Note->Animation(), suiPopupBlend);
        EXPECT_EQ(Note->Corner(), suiTopLeft);
        EXPECT_EQ(Note->DisplayTime(), 2500);
        EXPECT_FALSE(Note->Shown());
        EXPECT_EQ(Note->Parent(), nullptr);
    }
};
} // namespace

TEST_F(BarDefinitions, ReadAndWrittenBack)
{
    TComponent* Window = TFormReader::Create(BarsDefinition, &FApp);
    Check(Window);
    const std::string Written = WriteFormDefinition(*Window);
    Window->Free();
    TComponent* Again = TFormReader::Create(Written, &FApp);
    Check(Again);
    EXPECT_EQ(WriteFormDefinition(*Again), Written);
    Again->Free();
}
