#include "framework/ResourceTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace
{
const TStringResourceRegistration Greeting("Greeting", "Hello");
const TStringResourceRegistration GreetingAgain("GREETING", "Ignored");
const TStringResourceRegistration Blank("Blank", "");
const TResourceString GreetingText{"greeting"};
const TResourceString MissingText{"Missing"};

std::string AsText(std::span<const uint8_t> Data)
{
    return std::string(Data.begin(), Data.end());
}

TEST(ResourceTable, FindsEmbeddedFilesByNameWithoutCase)
{
    auto Form = FindResource("tmainform");
    ASSERT_TRUE(Form.has_value());
    EXPECT_EQ(AsText(*Form), "object Form1: TForm\n  Caption = 'It''s'\nend\n");

    auto Bytes = FindResource("Bytes.Bin");
    ASSERT_TRUE(Bytes.has_value());
    ASSERT_EQ(Bytes->size(), 256u);
    for (size_t I = 0; I < 256; ++I)
        EXPECT_EQ((*Bytes)[I], I);

    auto Empty = FindResource("EMPTY");
    ASSERT_TRUE(Empty.has_value());
    EXPECT_TRUE(Empty->empty());

    EXPECT_FALSE(FindResource("MISSING").has_value());
    EXPECT_TRUE(DuplicateResourceNames().empty());
}

TEST(ResourceTable, ResourcesOfALinkedStaticLibraryAreRegistered)
{
    auto Lib = FindResource("FROM_LIBRARY");
    ASSERT_TRUE(Lib.has_value());
    EXPECT_EQ(Lib->size(), 256u);
    const auto Names = ResourceNames();
    EXPECT_TRUE(std::is_sorted(Names.begin(), Names.end()));
    EXPECT_EQ(Names.size(), 6u);
}

TEST(ResourceTable, FilesWrittenDuringTheBuildAreEmbeddedUnderTheirManifestNames)
{
    auto First = FindResource("GENERATED_FIRST");
    ASSERT_TRUE(First.has_value());
    EXPECT_EQ(AsText(*First), "made during the build");

    // An absolute path with a space, and a name with a dot.
    auto Second = FindResource("generated.second");
    ASSERT_TRUE(Second.has_value());
    ASSERT_EQ(Second->size(), 300u);
    EXPECT_EQ((*Second)[299], 299 % 256);
}
TEST(ResourceTable, StringsAreFoundByNameWithoutCaseFirstRegistrationWins)
{
    EXPECT_EQ(FindStringResource("GREETING"), "Hello");
    EXPECT_EQ(std::string(GreetingText), "Hello");
    EXPECT_EQ(FindStringResource("blank"), "");
    EXPECT_FALSE(FindStringResource("Missing").has_value());
    EXPECT_EQ(MissingText.Text(), "");
    EXPECT_EQ(StringResourceNames(), (std::vector<std::string>{"BLANK", "GREETING"}));
    EXPECT_FALSE(FindResource("Greeting").has_value()); // strings are not blobs
}
} // namespace
