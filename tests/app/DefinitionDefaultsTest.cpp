#include "MainFormFixture.h"

#include "framework/FormDefinition.h"
#include "framework/FormWriter.h"
#include "framework/ResourceTable.h"

#include <set>
#include <string_view>

namespace
{
// Each property the stored definition gives that the writer leaves out of
// the loaded window's definition, as "Object.Path" (items as "[i]").
void StoredDefaults(const TFormObject& Stored, const TFormObject& Written, const std::string& Where,
                    std::vector<std::string>& Out);

void CompareProperties(const std::vector<TFormProperty>& Stored,
                       const std::vector<TFormProperty>& Written, const std::string& Where,
                       std::vector<std::string>& Out)
{
    for (const TFormProperty& P : Stored)
    {
        auto Match = std::find_if(Written.begin(), Written.end(),
                                  [&](const TFormProperty& W) { return W.Path == P.Path; });
        if (Match == Written.end())
        {
            Out.push_back(Where + "." + P.Path);
            continue;
        }
        if (P.Value.Kind == TFormValue::TKind::Collection)
            for (size_t I = 0; I < P.Value.Items.size() && I < Match->Value.Items.size(); ++I)
                CompareProperties(P.Value.Items[I].Properties, Match->Value.Items[I].Properties,
                                  Where + "." + P.Path + "[" + std::to_string(I) + "]", Out);
    }
}

void StoredDefaults(const TFormObject& Stored, const TFormObject& Written, const std::string& Where,
                    std::vector<std::string>& Out)
{
    CompareProperties(Stored.Properties, Written.Properties, Where, Out);
    for (const TFormObject& Child : Stored.Children)
    {
        auto Match = std::find_if(Written.Children.begin(), Written.Children.end(),
                                  [&](const TFormObject& W) { return W.Name == Child.Name; });
        if (Match != Written.Children.end()) StoredDefaults(Child, *Match, Child.Name, Out);
    }
}
} // namespace

// The window definition stores only what differs from the class defaults:
// a value equal to its default is one more place to change by hand, and
// hides which values the window really sets.
TEST_F(MainFormTest, TheDefinitionStoresNoClassDefaults)
{
    const auto Resource = FindResource("TMainForm");
    ASSERT_TRUE(Resource);
    const TFormObject Stored = ParseFormDefinition(
        std::string_view(reinterpret_cast<const char*>(Resource->data()), Resource->size()));
    FApp.CreateForm(Form);
    std::vector<std::string> Defaults;
    StoredDefaults(Stored, BuildFormDefinition(*Form), Stored.Name, Defaults);
    std::string List;
    for (const std::string& Path : Defaults)
        List += Path + "\n";
    EXPECT_TRUE(Defaults.empty()) << Defaults.size() << " stored defaults:\n" << List;
}
