// The skinned edits, combo boxes and popup menu in form definitions.

#include "../framework/GuiFixture.h"

#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/PropertyRegistry.h"
#include "framework/controls/Form.h"
#include "skin/SUIComboBox.h"
#include "skin/SUIEditClasses.h"
#include "skin/SUIMaskEdit.h"
#include "skin/SUINumberEdit.h"

namespace
{
class TNumberWindow : public TForm
{
  public:
    using TForm::TForm;
    static const TClassInfo& StaticClass()
    {
        static const TClassInfo Info =
            TClassBuilder<TNumberWindow>("TNumberWindow", &TForm::StaticClass())
                .Method("FrequencyChange", &TNumberWindow::FrequencyChange)
                .Build();
        return Info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    void FrequencyChange(TObject*) { ++Changes; }
    int Changes = 0;
};

constexpr const char* Definition = R"(object Window: TNumberWindow
  object Frequency: TsuiNumberEdit
    UIStyle = Protein
    BorderColor = clRed
    Color = clLime
    Text = '0'
    OnChange = FrequencyChange
    Mask = '0.00'
    AutoSelectSigns = 3
  end
  object NodeId: TsuiNumberEdit
    UIStyle = MacOS
    Mask = '0'
    Value = 65535
  end
  object Phone: TsuiMaskEdit
    UIStyle = Protein
    EditMask = '000-000;1;_'
    Text = '123456'
  end
  object Mode: TsuiComboBox
    UIStyle = Protein
    BorderColor = clBlack
    ArrowColor = clBlack
    ButtonColor = 16514043
    Color = clLime
    Style = csDropDownList
    Items = (
      'Standard'
      'Central'
      'Node')
    ItemIndex = 1
  end
end
)";
} // namespace

TEST_F(GuiTest, NumberEditsAndComboBoxesAreReadInTheirWrittenOrderAndWrittenBack)
{
    RegisterSkinEditClasses();
    for (int Round = 0; Round < 2; ++Round)
    {
        static std::string Text = Definition;
        auto* Window = new TNumberWindow(&FApp);
        TFormReader::Read(*Window, Text);
        auto* Frequency = dynamic_cast<TsuiNumberEdit*>(Window->FindComponent("Frequency"));
        auto* NodeId = dynamic_cast<TsuiNumberEdit*>(Window->FindComponent("NodeId"));
        ASSERT_NE(Frequency, nullptr);
        ASSERT_NE(NodeId, nullptr);
        EXPECT_EQ(Frequency->UIStyle(), Protein);
        EXPECT_EQ(Frequency->BorderColor(), clRed) << "the stored colour overrides the style's";
        EXPECT_EQ(Frequency->Text(), "0") << "assigning Mask does not reformat";
        EXPECT_EQ(Frequency->AutoSelectSigns(), 3);
        EXPECT_EQ(Window->Changes, 0) << "Text comes before OnChange";
        EXPECT_EQ(NodeId->Text(), "65535");
        EXPECT_EQ(NodeId->BorderColor(), TColor(0x7F7F7F));
        auto* Phone = dynamic_cast<TsuiMaskEdit*>(Window->FindComponent("Phone"));
        ASSERT_NE(Phone, nullptr);
        EXPECT_EQ(Phone->Text(), "123-456");
        EXPECT_EQ(Phone->UIStyle(), Protein);
        auto* Mode = dynamic_cast<TsuiComboBox*>(Window->FindComponent("Mode"));
        ASSERT_NE(Mode, nullptr);
        EXPECT_EQ(Mode->ButtonColor(), TColor(0xFBFBFB));
        EXPECT_EQ(Mode->Color(), clLime);
        EXPECT_EQ(Mode->Text(), "Central");
        Text = WriteFormDefinition(*Window);
        EXPECT_NE(Text.find("BorderStyle = bsNone"), std::string::npos);
        EXPECT_EQ(Text.find("Value = 0"), std::string::npos);
        Window->Free();
    }
}
