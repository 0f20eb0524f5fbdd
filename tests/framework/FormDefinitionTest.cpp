#include "framework/FormDefinition.h"
#include "framework/Exception.h"

#include <gtest/gtest.h>

namespace
{
TEST(FormDefinition, StringsSurviveFormattingAndParsing)
{
    const std::string Texts[] = {"",
                                 "plain",
                                 "It's",
                                 "''",
                                 "a\r\nb",
                                 "\t",
                                 "\x7f",
                                 "caf\xC3\xA9 \xE2\x82\xAC",
                                 std::string("nul\0in", 6)};
    for (const std::string& T : Texts)
    {
        TFormObject Obj;
        Obj.ClassName = "TX";
        TFormProperty P;
        P.Path = "Caption";
        P.Value.Kind = TFormValue::TKind::String;
        P.Value.Text = T;
        Obj.Properties.push_back(P);
        const TFormObject Back = ParseFormDefinition(FormatFormDefinition(Obj));
        ASSERT_EQ(Back.Properties.size(), 1u);
        EXPECT_EQ(Back.Properties[0].Value.Text, T) << FormatFormDefinition(Obj);
    }
}

TEST(FormDefinition, ValueForms)
{
    const TFormObject Obj = ParseFormDefinition(R"(OBJECT a: TX
  I1 = $FF
  I2 = -12
  I3 = +7
  F1 = 1.5e3
  F2 = -0.25
  F3 = 2E-2
  S1 = 'ab' + 'cd'#33
  S2 = #$41#66
  Id = Font.Name
  St = []
  L = ()
  C = <>
  B = {}
End)");
    const auto& P = Obj.Properties;
    ASSERT_EQ(P.size(), 13u);
    EXPECT_EQ(P[0].Value.Integer, 255);
    EXPECT_EQ(P[1].Value.Integer, -12);
    EXPECT_EQ(P[2].Value.Integer, 7);
    EXPECT_EQ(P[3].Value.Float, 1500);
    EXPECT_EQ(P[4].Value.Float, -0.25);
    EXPECT_EQ(P[5].Value.Float, 0.02);
    EXPECT_EQ(P[6].Value.Text, "abcd!");
    EXPECT_EQ(P[7].Value.Text, "AB");
    EXPECT_EQ(P[8].Value.Kind, TFormValue::TKind::Ident);
    EXPECT_EQ(P[8].Value.Text, "Font.Name");
    EXPECT_TRUE(P[9].Value.Members.empty());
    EXPECT_EQ(P[12].Value.Kind, TFormValue::TKind::Binary);
    EXPECT_EQ(P[0].Pos.Line, 2);
    EXPECT_EQ(P[0].Pos.Column, 3);
}

TEST(FormDefinition, KeywordsCanBePropertyNames)
{
    const TFormObject Obj = ParseFormDefinition("object TX\n  Object = 1\n  End = 2\nend");
    ASSERT_EQ(Obj.Properties.size(), 2u);
    EXPECT_EQ(Obj.Properties[1].Path, "End");
}

TEST(FormDefinition, DeepNestingIsRefusedNotRecursedInto)
{
    std::string Deep = "object TX\n  P = ";
    for (int I = 0; I < 100000; ++I)
        Deep += '(';
    EXPECT_THROW(ParseFormDefinition(Deep), EFormError);
    std::string Objects;
    for (int I = 0; I < 100000; ++I)
        Objects += "object TX ";
    EXPECT_THROW(ParseFormDefinition(Objects), EFormError);
}
} // namespace
