// Standard controls read from and written to form definitions.

#include "../GuiFixture.h"

#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/stdctrls/CheckListBox.h"
#include "framework/stdctrls/ComboBox.h"
#include "framework/stdctrls/MaskEdit.h"
#include "framework/stdctrls/ScrollBar.h"
#include "framework/stdctrls/StandardControlClasses.h"

namespace
{
constexpr const char* Definition = R"(object Window: TForm
  Caption = 'Window'
  object Frequency: TEdit
    Left = 8
    Top = 8
    Alignment = taRightJustify
    BorderStyle = bsNone
    MaxLength = 8
    Text = '433.00'
  end
  object Phone: TMaskEdit
    EditMask = '000-000;1;_'
    Text = '123456'
  end
  object Parity: TComboBox
    Style = csDropDownList
    Items = (
      'NO'
      'ODD'
      'EVEN')
    ItemIndex = 2
  end
  object Options: TCheckListBox
    ItemHeight = 18
    Items = (
      'Read'
      'Write')
  end
  object Volume: TScrollBar
    Kind = sbVertical
    LargeChange = 25
    Max = 500
    Min = 20
    PageSize = 50
    Position = 300
    SmallChange = 5
  end
end
)";

void CheckWindow(TComponent* Root)
{
    auto* Frequency = dynamic_cast<TEdit*>(Root->FindComponent("Frequency"));
    ASSERT_NE(Frequency, nullptr);
    EXPECT_EQ(Frequency->Text(), "433.00");
    EXPECT_EQ(Frequency->Alignment(), taRightJustify);
    EXPECT_EQ(Frequency->BorderStyle(), bsNone);
    EXPECT_EQ(Frequency->MaxLength(), 8);
    auto* Phone = dynamic_cast<TMaskEdit*>(Root->FindComponent("Phone"));
    ASSERT_NE(Phone, nullptr);
    EXPECT_EQ(Phone->Text(), "123-456");
    auto* Parity = dynamic_cast<TComboBox*>(Root->FindComponent("Parity"));
    ASSERT_NE(Parity, nullptr);
    EXPECT_EQ(Parity->Style(), csDropDownList);
    EXPECT_EQ(Parity->ItemIndex(), 2);
    EXPECT_EQ(Parity->Text(), "EVEN");
    auto* Options = dynamic_cast<TCheckListBox*>(Root->FindComponent("Options"));
    ASSERT_NE(Options, nullptr);
    EXPECT_EQ(Options->Count(), 2);
    EXPECT_EQ(Options->ItemHeight(), 18);
    auto* Volume = dynamic_cast<TScrollBar*>(Root->FindComponent("Volume"));
    ASSERT_NE(Volume, nullptr);
    EXPECT_EQ(Volume->Kind(), sbVertical);
    EXPECT_EQ(Volume->Min(), 20);
    EXPECT_EQ(Volume->Max(), 500);
    EXPECT_EQ(Volume->PageSize(), 50);
    EXPECT_EQ(Volume->Position(), 300);
    EXPECT_EQ(Volume->SmallChange(), 5);
    EXPECT_EQ(Volume->LargeChange(), 25);
    EXPECT_TRUE(Volume->TabStop());
}
} // namespace

TEST_F(GuiTest, StandardControlsAreReadAndWrittenBack)
{
    RegisterStandardControlClasses();
    TComponent* Window = TFormReader::Create(Definition, &FApp);
    CheckWindow(Window);
    std::string Written = WriteFormDefinition(*Window);
    EXPECT_EQ(Written.find("TComboEdit"), std::string::npos); // the combo box's own parts
    Window->Free();
    TComponent* Again = TFormReader::Create(Written, &FApp);
    CheckWindow(Again);
    Again->Free();
}
