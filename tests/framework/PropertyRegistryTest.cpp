#include "SampleClasses.h"

#include "framework/ClassRegistry.h"
#include "framework/Exception.h"

#include <gtest/gtest.h>

namespace
{
std::vector<std::string> Names(const TClassInfo& Class)
{
    std::vector<std::string> R;
    for (const TPropInfo* P : Class.Properties())
        R.push_back(P->Name);
    return R;
}

TEST(PropertyRegistry, InheritedPropertiesComeFirstInDeclarationOrder)
{
    const std::vector<std::string> Widget = {
        "Name",  "Tag",   "Left",  "Width",   "Visible",       "Align", "Anchors",
        "Theme", "Color", "Value", "Caption", "ReadOnlyCount", "Font",  "Picture",
        "Items", "Lines", "Buddy", "OnClick", "OnValue"};
    EXPECT_EQ(Names(TSampleWidget::StaticClass()), Widget);
    // The form redeclares Width: same place, its own default.
    EXPECT_EQ(Names(TSampleForm::StaticClass()), Widget);
    EXPECT_EQ(TSampleWidget::StaticClass().FindProperty("Width")->Default, 100);
    EXPECT_EQ(TSampleForm::StaticClass().FindProperty("Width")->Default, 300);
    EXPECT_TRUE(TSampleForm::StaticClass().InheritsFrom(TComponent::StaticClass()));
    EXPECT_FALSE(TSampleWidget::StaticClass().InheritsFrom(TSampleForm::StaticClass()));
}

TEST(PropertyRegistry, IsPublishedPropIgnoresCaseAndFollowsPaths)
{
    TSampleWidget W(nullptr);
    EXPECT_TRUE(IsPublishedProp(TSampleWidget::StaticClass(), "caption"));
    EXPECT_TRUE(IsPublishedProp(W, "Font.Name"));
    EXPECT_TRUE(IsPublishedProp(W, "FONT.size"));
    EXPECT_FALSE(IsPublishedProp(W, "Font.Nope"));
    EXPECT_FALSE(IsPublishedProp(W, "Caption.Length"));
    EXPECT_FALSE(IsPublishedProp(W, "Nope"));
    EXPECT_FALSE(IsPublishedProp(TComponent::StaticClass(), "Caption"));
}

TEST(PropertyRegistry, SetAndGetByNameGoThroughTheAccessors)
{
    TSampleWidget W(nullptr);
    const struct
    {
        const char* Name;
        TValue In;
        TValue Out;
    } Cases[] = {
        {"Left", 12, int64_t{12}},
        {"Visible", false, false},
        {"Visible", TIdent{"true"}, true},
        {"Align", TIdent{"alClient"}, TIdent{"alClient"}},
        {"Align", std::string("altop"), TIdent{"alTop"}},
        {"Align", 2, TIdent{"alBottom"}},
        {"Anchors", TSetValue{{"fsUnderline", "fsBold"}}, TSetValue{{"fsBold", "fsUnderline"}}},
        {"Anchors", 2, TSetValue{{"fsItalic"}}},
        {"Color", TIdent{"clLime"}, int64_t{clLime}},
        {"Color", int64_t{-16777211}, int64_t{clWindow}}, // 0xFF000005 written signed
        {"Value", 433.5, 433.5},
        {"Value", 7, 7.0},
        {"Caption", "It's", std::string("It's")},
        {"Font.Name", "Tahoma", std::string("Tahoma")},
        {"Font.Style", TSetValue{{"fsBold"}}, TSetValue{{"fsBold"}}},
    };
    for (const auto& C : Cases)
    {
        SetPropValue(W, C.Name, C.In);
        EXPECT_EQ(GetPropValue(W, C.Name), C.Out) << C.Name;
    }
    EXPECT_EQ(W.Font()->Name(), "Tahoma");
    SetPropValue(W, "Theme", 1);
    EXPECT_EQ(W.Setters, 1);
    EXPECT_EQ(W.Color(), clLime);
    SetPropValue(W, "Lines", TStringVector{"a", "b"});
    EXPECT_EQ(W.Lines()->Text(), "a\nb\n");
    SetPropValue(W, "Picture", TBytes{'P', 'I', 'C', 1});
    EXPECT_EQ(W.Picture()->Data().size(), 4u);
}

TEST(PropertyRegistry, RefusesWhatAPropertyCannotTake)
{
    TSampleWidget W(nullptr);
    TSampleForm Other(nullptr);
    const struct
    {
        const char* Name;
        TValue In;
        const char* Message;
    } Cases[] = {
        {"Nope", 1, "Property Nope does not exist in TSampleWidget"},
        {"Font.Nope", 1, "Property Nope does not exist in TSampleFont"},
        {"Left", "x", "Invalid value for property Left"},
        {"Left", int64_t{1} << 40, "Value 1099511627776 is out of range for property Left"},
        {"Align", TIdent{"alLeft"}, "'alLeft' is not a valid value for property Align"},
        {"Align", 4, "Invalid value for property Align"},
        {"Anchors", 8, "Invalid value for property Anchors"},
        {"Color", TIdent{"clPlaid"}, "'clPlaid' is not a valid colour for property Color"},
        {"ReadOnlyCount", 1, "Property ReadOnlyCount is read-only"},
        {"Caption", 5, "Invalid value for property Caption"},
        {"Picture", TBytes{1, 2}, "Not a picture"},
        {"Lines", 1, "Invalid value for property Lines"},
        {"Buddy", TValue(static_cast<TObject*>(W.Font())),
         "Invalid object class for property Buddy"},
    };
    for (const auto& C : Cases)
    {
        try
        {
            SetPropValue(W, C.Name, C.In);
            ADD_FAILURE() << C.Name << " accepted";
        }
        catch (const Exception& E)
        {
            EXPECT_EQ(E.Message(), C.Message) << C.Name;
        }
    }
    EXPECT_THROW(GetPropValue(W, "Nope"), EPropertyError);
    EXPECT_EQ(W.Left(), 0);
    EXPECT_EQ(W.Align(), alNone);
}

TEST(PropertyRegistry, DefaultsAndStoredFlags)
{
    TSampleForm F(nullptr);
    const auto& Class = F.ClassInfo();
    auto Stored = [&](const char* Name) { return IsStoredProp(F, *Class.FindProperty(Name)); };
    EXPECT_FALSE(Stored("Name")) << "stored false";
    EXPECT_FALSE(Stored("Width")) << "300 is the form's default";
    EXPECT_TRUE(Stored("Left")) << "no declared default: always stored";
    EXPECT_FALSE(Stored("Visible"));
    EXPECT_FALSE(Stored("Value")) << "floats are stored when not 0";
    EXPECT_FALSE(Stored("Caption")) << "strings are stored when not empty";
    EXPECT_FALSE(Stored("Buddy"));
    EXPECT_FALSE(Stored("OnClick"));
    F.SetWidth(100);
    F.SetVisible(false);
    F.SetValue(0.5);
    F.SetCaption("x");
    EXPECT_TRUE(Stored("Width"));
    EXPECT_TRUE(Stored("Visible"));
    EXPECT_TRUE(Stored("Value"));
    EXPECT_TRUE(Stored("Caption"));
    F.SetName("Form1");
    EXPECT_FALSE(Stored("Name"));
}

TEST(PropertyRegistry, EventsBindToHandlersOfTheirOwnSignature)
{
    TSampleForm F(nullptr);
    TSampleWidget W(&F);
    const TMethodInfo* Click = F.ClassInfo().FindMethod("buttonclick");
    const TMethodInfo* Value = F.ClassInfo().FindMethod("ValueChanged");
    ASSERT_NE(Click, nullptr);
    ASSERT_NE(Value, nullptr);
    EXPECT_EQ(TSampleWidget::StaticClass().FindMethod("ButtonClick"), nullptr);

    SetPropValue(W, "OnClick", TMethodRef{&F, Click, Click->Name});
    SetPropValue(W, "OnValue", TMethodRef{&F, Value, Value->Name});
    W.OnClick(&W);
    W.OnValue(&W, 2.5);
    EXPECT_EQ(F.Clicks, std::vector<TObject*>{&W});
    EXPECT_EQ(F.Values, std::vector<double>{2.5});
    EXPECT_EQ(GetPropValue(W, "OnClick").TryGet<TMethodRef>()->Name, "ButtonClick");

    EXPECT_THROW(SetPropValue(W, "OnClick", TMethodRef{&F, Value, Value->Name}), EPropertyError);
    // A handler of TSampleForm cannot be called on a plain widget.
    EXPECT_THROW(SetPropValue(W, "OnClick", TMethodRef{&W, Click, Click->Name}), EPropertyError);
    EXPECT_THROW(SetPropValue(W, "OnClick", TMethodRef{nullptr, Click, Click->Name}),
                 EPropertyError);
    SetPropValue(W, "OnClick", TValue());
    EXPECT_FALSE(static_cast<bool>(W.OnClick));
}

TEST(ClassRegistry, FindsRegisteredClassesByNameWithoutCase)
{
    RegisterSampleClasses();
    RegisterSampleClasses();
    EXPECT_EQ(FindClass("tsamplewidget"), &TSampleWidget::StaticClass());
    EXPECT_EQ(FindClass("TNothing"), nullptr);
    EXPECT_TRUE(TSampleWidget::StaticClass().CanCreateComponent());
    EXPECT_FALSE(TSampleFont::StaticClass().CanCreateComponent());
    EXPECT_TRUE(TSampleItem::StaticClass().CanCreateItem());

    static const TClassInfo Impostor =
        TClassBuilder<TSampleWidget>("TSampleWidget", &TComponent::StaticClass()).Build();
    EXPECT_THROW(RegisterClass(Impostor), EComponentError);
    EXPECT_EQ(FindClass("TSampleWidget"), &TSampleWidget::StaticClass());
}
} // namespace
