#include "SampleClasses.h"

#include "framework/Exception.h"
#include "framework/FormReader.h"
#include "framework/FormWriter.h"

#include <gtest/gtest.h>

namespace
{
class FormReader : public ::testing::Test
{
  protected:
    void SetUp() override { RegisterSampleClasses(); }
};

// A definition touching every kind of property, with a forward reference
// (Button1 refers to Panel1 before Panel1 exists) and a reference inside
// a collection item.
const char* const Sample = R"(object Form1: TSampleForm
  Left = -4
  Caption = 'It''s'#13#10'done '#8364
  Color = $00FBFBFB
  OnClick = ButtonClick
  object Button1: TSampleWidget
    Width = 75
    Visible = False
    Align = alClient
    Anchors = [fsBold, fsUnderline]
    Value = 433.25
    Buddy = Panel1
    Font.Name = 'Tahoma'
    Font.Style = [fsBold]
    Font.Color = clWhite
    Lines = (
      'one'
      'two')
    Items = <
      item
        Caption = 'first'
        Target = Form1
      end
      item
        Width = 20
        Target = Panel1
      end>
    Picture = {
      504943000102}
    OnClick = ButtonClick
    OnValue = ValueChanged
  end
  object Panel1: TSampleWidget
    Color = clLime
    object Inner: TSampleWidget
      Tag = 3
    end
  end
end
)";

TEST_F(FormReader, ReadsEveryKindOfPropertyThroughTheSetters)
{
    TSampleForm Form(nullptr);
    TFormReader::Read(Form, Sample);

    EXPECT_EQ(Form.Name(), "Form1");
    EXPECT_EQ(Form.Left(), -4);
    EXPECT_EQ(Form.Caption(), "It's\r\ndone \xE2\x82\xAC");
    EXPECT_EQ(Form.Color(), 0xFBFBFB);
    ASSERT_NE(Form.Button1, nullptr) << "the field follows the component of that name";
    TSampleWidget& B = *Form.Button1;
    auto* Panel = static_cast<TSampleWidget*>(Form.FindComponent("Panel1"));
    ASSERT_NE(Panel, nullptr);
    EXPECT_EQ(B.Width(), 75);
    EXPECT_FALSE(B.Visible());
    EXPECT_EQ(B.Align(), alClient);
    EXPECT_EQ(B.Anchors(), (TSampleStyles{fsBold, fsUnderline}));
    EXPECT_DOUBLE_EQ(B.Value(), 433.25);
    EXPECT_EQ(B.Buddy(), Panel);
    EXPECT_EQ(B.Font()->Name(), "Tahoma");
    EXPECT_EQ(B.Font()->Style(), TSampleStyles{fsBold});
    EXPECT_EQ(B.Font()->Color(), clWhite);
    EXPECT_EQ(B.Lines()->Text(), "one\ntwo\n");
    ASSERT_EQ(B.Items()->Count(), 2);
    EXPECT_EQ(B.Items()->Items(0)->Caption(), "first");
    EXPECT_EQ(B.Items()->Items(0)->Target(), &Form);
    EXPECT_EQ(B.Items()->Items(1)->Width(), 20);
    EXPECT_EQ(B.Items()->Items(1)->Target(), Panel);
    EXPECT_EQ(B.Picture()->Data(), (TBytes{'P', 'I', 'C', 0, 1, 2}));
    EXPECT_EQ(Panel->Color(), clLime);

    // Nesting gives the parent component; ownership stays with the root.
    auto* Inner = static_cast<TSampleWidget*>(Form.FindComponent("Inner"));
    ASSERT_NE(Inner, nullptr);
    EXPECT_EQ(Inner->GetParentComponent(), Panel);
    EXPECT_EQ(Inner->Owner(), &Form);
    EXPECT_EQ(B.GetParentComponent(), &Form);

    B.OnClick(&B);
    Form.OnClick(&Form);
    B.OnValue(&B, 1.5);
    EXPECT_EQ(Form.Clicks, (std::vector<TObject*>{&B, &Form}));
    EXPECT_EQ(Form.Values, std::vector<double>{1.5});
    for (int I = 0; I < Form.ComponentCount(); ++I)
        EXPECT_TRUE(Form.Components(I)->ComponentState().Empty());
    EXPECT_TRUE(Form.ComponentState().Empty());
}

TEST_F(FormReader, WriteThenReadGivesTheSameDefinition)
{
    TSampleForm Form(nullptr);
    TFormReader::Read(Form, Sample);
    const std::string Written = WriteFormDefinition(Form);

    TSampleForm Copy(nullptr);
    TFormReader::Read(Copy, Written);
    EXPECT_EQ(WriteFormDefinition(Copy), Written);
    ASSERT_NE(Copy.Button1, nullptr);
    EXPECT_EQ(Copy.Button1->Items()->Items(1)->Target(), Copy.FindComponent("Panel1"));
    EXPECT_EQ(Copy.Button1->Picture()->Data(), Form.Button1->Picture()->Data());
    EXPECT_EQ(Copy.Caption(), Form.Caption());
}

TEST_F(FormReader, WriterStoresOnlyWhatDiffersFromTheDefaults)
{
    TSampleForm Form(nullptr);
    Form.SetName("F");
    auto* W = new TSampleWidget(&Form);
    W->SetName("W");
    W->SetCaption("x");
    W->SetValue(0.1 + 0.2);
    W->SetColor(0x123456);
    W->Items()->Add();
    // Left has no declared default and the font name is a non-empty string:
    // both are always stored.
    const char* const Expected = R"(object F: TSampleForm
  Left = 0
  Font.Name = 'Sans'
  Items = <>
  object W: TSampleWidget
    Left = 0
    Color = 1193046
    Value = 0.30000000000000004
    Caption = 'x'
    Font.Name = 'Sans'
    Items = <
      item
      end>
  end
end
)";
    EXPECT_EQ(WriteFormDefinition(Form), Expected);
}

TEST_F(FormReader, ALaterPropertyOverridesWhatAnEarlierSetterDid)
{
    TSampleForm Form(nullptr);
    // Theme sets the colour; the stored colour after it wins.
    TFormReader::Read(Form, "object TSampleForm\n  Theme = 1\n  Color = clRed\nend");
    EXPECT_EQ(Form.Color(), clRed);
    TSampleForm Other(nullptr);
    TFormReader::Read(Other, "object TSampleForm\n  Color = clRed\n  Theme = 1\nend");
    EXPECT_EQ(Other.Color(), clLime);

    // nil takes back an earlier reference (also one to a component not read
    // yet) or handler.
    TSampleForm Third(nullptr);
    TFormReader::Read(Third,
                      "object F: TSampleForm\n  Buddy = F\n  OnClick = ButtonClick\n"
                      "  Buddy = nil\n  OnClick = nil\n"
                      "  object A: TSampleWidget\n    Buddy = Later\n    Buddy = nil\n  end\n"
                      "  object Later: TSampleWidget\n  end\nend");
    EXPECT_EQ(Third.Buddy(), nullptr);
    EXPECT_FALSE(static_cast<bool>(Third.OnClick));
    EXPECT_EQ(static_cast<TSampleWidget*>(Third.FindComponent("A"))->Buddy(), nullptr);

    // Reading a collection again drops what its old items were waiting for.
    TSampleForm Fourth(nullptr);
    TFormReader::Read(Fourth, "object TSampleForm\n"
                              "  Items = <\n    item\n      Target = Later\n    end>\n"
                              "  Items = <\n    item\n      Caption = 'new'\n    end>\n"
                              "  object Later: TSampleWidget\n  end\nend");
    ASSERT_EQ(Fourth.Items()->Count(), 1);
    EXPECT_EQ(Fourth.Items()->Items(0)->Target(), nullptr);
}

TEST_F(FormReader, LoadedRunsOnEachComponentAfterReferencesAreResolved)
{
    std::vector<std::string> Log;
    TSampleWidget::DefaultLog = &Log;
    TSampleForm Form(nullptr);
    TFormReader::Read(Form, "object F: TSampleForm\n"
                            "  object A: TSampleWidget\n    Buddy = B\n  end\n"
                            "  object B: TSampleWidget\n  end\nend");
    TSampleWidget::DefaultLog = nullptr;
    const std::vector<std::string> Expected = {
        "loaded F (was loading)", "loaded A (was loading) buddy B", "loaded B (was loading)"};
    EXPECT_EQ(Log, Expected);
}

struct TErrorCase
{
    const char* Text;
    int Line;
    int Column;
    const char* What;
};

TEST_F(FormReader, BadDefinitionsAreRejectedSayingWhere)
{
    const TErrorCase Cases[] = {
        {"object TSampleForm\n  object X: TNoSuchClass\n  end\nend", 2, 3,
         "class TNoSuchClass is not registered"},
        {"object TSampleForm\n  Colour = clRed\nend", 2, 3, "TSampleForm has no property Colour"},
        {"object TSampleForm\n  Font.Nope = 1\nend", 2, 3, "TSampleFont has no property Font.Nope"},
        {"object TSampleForm\n  Caption.Size = 1\nend", 2, 3, "has no sub-properties"},
        {"object TSampleForm\n  OnClick = NoSuchHandler\nend", 2, 13,
         "handler NoSuchHandler not found in TSampleForm"},
        {"object TSampleForm\n  OnClick = ValueChanged\nend", 2, 3, "does not match"},
        {"object TSampleForm\n  Buddy = Ghost\nend", 2, 11, "component Ghost not found"},
        {"object TSampleForm\n  Left = 'x'\nend", 2, 3, "property Left: Invalid value"},
        {"object TSampleForm\n  Align = alSideways\nend", 2, 3,
         "'alSideways' is not a valid value"},
        {"object TSampleForm\n  Picture = {0102}\nend", 2, 3, "property Picture: Not a picture"},
        {"object TSampleForm\n  Picture = {010}\nend", 2, 17, "odd number of hex digits"},
        {"object TSampleForm\n  Picture = {01zz}\nend", 2, 16, "invalid character in binary data"},
        {"object TSampleForm\n  Items = ('a')\nend", 2, 11, "takes a collection"},
        {"object TSampleForm\n  Lines = ('a' 1)\nend", 2, 16, "a list holds only strings"},
        {"object TSampleForm\n  Items = <\n    item\n      Nope = 1\n    end>\nend", 4, 7,
         "TSampleItem has no property Nope"},
        {"object TSampleForm\n  Caption = 'open\nend", 2, 13, "unterminated string"},
        {"object TSampleForm\n  Left = ]\nend", 2, 10, "value expected but ']' found"},
        {"object TSampleForm\n  Left 5\nend", 2, 8, "'=' expected but a number found"},
        {"object TSampleForm\n  Left = 5\n", 3, 1,
         "property, 'object' or 'end' expected but end of text found"},
        {"object TSampleForm\nend\nend", 3, 1, "text after the end of the definition"},
        {"thing TSampleForm\nend", 1, 1, "'object' expected"},
        {"object TSampleWidget\nend", 1, 1,
         "the definition is for class TSampleWidget, not TSampleForm"},
        {"object TSampleForm\n  Left = 99999999999999999999\nend", 2, 10, "number out of range"},
        {"object TSampleForm\n  Left = 12abc\nend", 2, 10, "invalid number"},
        {"object TSampleForm\n  Caption = #55296\nend", 2, 13, "character code out of range"},
        {"object TSampleForm\n  Caption = 'a' +\nend", 3, 1, "string expected"},
        {"object TSampleForm\n  Left = @\nend", 2, 10, "unexpected character '@'"},
        {"object TSampleForm\n  object A: TSampleWidget\n  end\n  object a: TSampleWidget\n  "
         "end\nend",
         4, 3, "A component named a already exists"},
        {"object TSampleForm\n  object SubForm: TSampleWidget\n  end\nend", 2, 3,
         "cannot hold a TSampleWidget"},
    };
    for (const auto& C : Cases)
    {
        TSampleForm Form(nullptr);
        try
        {
            TFormReader::Read(Form, C.Text);
            ADD_FAILURE() << "accepted: " << C.Text;
        }
        catch (const EFormError& E)
        {
            EXPECT_EQ(E.Line(), C.Line) << C.Text << "\n" << E.Message();
            EXPECT_EQ(E.Column(), C.Column) << C.Text << "\n" << E.Message();
            EXPECT_NE(E.Message().find(C.What), std::string::npos) << C.Text << "\n" << E.Message();
            EXPECT_EQ(E.Message().rfind("line " + std::to_string(C.Line) + ", column " +
                                            std::to_string(C.Column),
                                        0),
                      0u);
        }
    }
}

TEST_F(FormReader, AFailedReadFreesWhatItCreated)
{
    TSampleForm Form(nullptr);
    EXPECT_THROW(TFormReader::Read(Form,
                                   "object TSampleForm\n"
                                   "  object Button1: TSampleWidget\n  end\n"
                                   "  object B: TSampleWidget\n    Buddy = Ghost\n  end\nend"),
                 EFormError);
    EXPECT_EQ(Form.ComponentCount(), 0);
    EXPECT_EQ(Form.Button1, nullptr);
    EXPECT_FALSE(Form.ComponentState().Contains(csLoading));
}

TEST_F(FormReader, CreatesTheRootByClassName)
{
    TComponent* C = TFormReader::Create(Sample, nullptr);
    auto* Form = dynamic_cast<TSampleForm*>(C);
    ASSERT_NE(Form, nullptr);
    EXPECT_NE(Form->Button1, nullptr);
    delete C;
    try
    {
        TFormReader::Create("\n  object X: TMissing\n  end", nullptr);
        FAIL();
    }
    catch (const EFormError& E)
    {
        EXPECT_EQ(E.Message(), "line 2, column 3: class TMissing is not registered");
    }
}

TEST_F(FormReader, ReferencesToComponentsOutsideTheRootAreNotWritten)
{
    TSampleForm Form(nullptr);
    TSampleWidget Stranger(nullptr);
    Stranger.SetName("Stranger");
    Form.SetBuddy(&Stranger);
    EXPECT_EQ(WriteFormDefinition(Form).find("Buddy"), std::string::npos);
}
} // namespace
