// Unpublished data kept in form definitions, and the program's own folder.

#include "framework/ClassRegistry.h"
#include "framework/Component.h"
#include "framework/Exception.h"
#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/ProgramPath.h"
#include "framework/PropertyRegistry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace
{
// Keeps bytes it stores only while it has some, after a published caption.
class TBlobHolder : public TComponent
{
  public:
    explicit TBlobHolder(TComponent* AOwner) : TComponent(AOwner) {}
    static const TClassInfo& StaticClass()
    {
        static const TClassInfo Info =
            TClassBuilder<TBlobHolder>("TBlobHolder", &TComponent::StaticClass())
                .String("Caption", &TBlobHolder::Caption, &TBlobHolder::SetCaption)
                .DefineBinary("Blob", &TBlobHolder::ReadBlob, &TBlobHolder::WriteBlob)
                .Build();
        return Info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& V) { FCaption = V; }
    void ReadBlob(std::span<const uint8_t> Data)
    {
        Blob.assign(Data.begin(), Data.end());
        CaptionWhenRead = FCaption;
    }
    std::optional<TBytes> WriteBlob() const
    {
        if (Blob.empty()) return std::nullopt;
        return Blob;
    }

    TBytes Blob;
    std::string CaptionWhenRead;

  private:
    std::string FCaption;
};

// Inherits the stored data and adds none.
class TBlobChild : public TBlobHolder
{
  public:
    explicit TBlobChild(TComponent* AOwner) : TBlobHolder(AOwner) {}
    static const TClassInfo& StaticClass()
    {
        static const TClassInfo Info =
            TClassBuilder<TBlobChild>("TBlobChild", &TBlobHolder::StaticClass()).Build();
        return Info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
};

class StoredDataTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        RegisterClasses({&TBlobHolder::StaticClass(), &TBlobChild::StaticClass()});
    }
};
} // namespace

TEST_F(StoredDataTest, IsWrittenAfterThePublishedPropertiesAndReadBack)
{
    TComponent Root(nullptr);
    Root.SetName("Root");
    auto* H = new TBlobChild(&Root);
    H->SetName("H");
    H->SetCaption("x");
    H->Blob = {0, 1, 0xFF};
    const TFormObject Def = BuildFormDefinition(Root);
    ASSERT_EQ(Def.Children.size(), 1u);
    const auto& Props = Def.Children[0].Properties;
    ASSERT_EQ(Props.size(), 2u);
    EXPECT_EQ(Props[0].Path, "Caption");
    EXPECT_EQ(Props[1].Path, "Blob");
    EXPECT_EQ(Props[1].Value.Bytes, (TBytes{0, 1, 0xFF}));

    const std::string Text = WriteFormDefinition(Root);
    TComponent Copy(nullptr);
    TFormReader::Read(Copy, Text);
    auto* Read = dynamic_cast<TBlobChild*>(Copy.FindComponent("H"));
    ASSERT_NE(Read, nullptr);
    EXPECT_EQ(Read->Blob, (TBytes{0, 1, 0xFF}));
    // Published values come first, so the reader of the data can use them.
    EXPECT_EQ(Read->CaptionWhenRead, "x");
}

TEST_F(StoredDataTest, IsLeftOutWhenTheClassHasNothingToStore)
{
    TComponent Root(nullptr);
    (new TBlobHolder(&Root))->SetName("H");
    EXPECT_TRUE(BuildFormDefinition(Root).Children[0].Properties.empty());
}

TEST_F(StoredDataTest, IsNotPublished)
{
    TBlobHolder H(nullptr);
    EXPECT_FALSE(IsPublishedProp(H, "Blob"));
    EXPECT_THROW(GetPropValue(H, "Blob"), EPropertyError);
    EXPECT_NE(TBlobChild::StaticClass().FindDefinedProperty("BLOB"), nullptr);
}

TEST_F(StoredDataTest, TakesOnlyBinaryData)
{
    TBlobHolder H(nullptr);
    EXPECT_THROW(TFormReader::Read(H, "object TBlobHolder\n  Blob = 'text'\nend"), EFormError);
    EXPECT_THROW(TFormReader::Read(H, "object TBlobHolder\n  Blob.Size = 1\nend"), EFormError);
    EXPECT_TRUE(H.Blob.empty());
}

TEST(ProgramPath, NamesThisTestProgramAndItsFolder)
{
    const std::string File = ProgramFileName();
    const std::string Folder = ProgramFolder();
    ASSERT_FALSE(Folder.empty());
    EXPECT_EQ(Folder.back(), '/');
    EXPECT_EQ(File.rfind(Folder, 0), 0u);
    EXPECT_TRUE(std::filesystem::is_regular_file(File));
    EXPECT_NE(File.find("framework_tests"), std::string::npos);
}
