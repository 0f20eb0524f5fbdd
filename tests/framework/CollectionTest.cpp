#include "SampleClasses.h"

#include "framework/Exception.h"
#include "framework/UpdateScope.h"

#include <gtest/gtest.h>

namespace
{
TEST(Collection, ReportsEachChangeToItsOwner)
{
    TSampleItems Items(nullptr);
    TSampleItem* A = Items.Add();
    TSampleItem* B = Items.Add();
    EXPECT_EQ(Items.Updates, (std::vector<TCollectionItem*>{nullptr, nullptr}));
    Items.Updates.clear();

    B->SetCaption("b");
    EXPECT_EQ(Items.Updates, (std::vector<TCollectionItem*>{B}));
    Items.Updates.clear();

    Items.BeginUpdate();
    A->SetWidth(5);
    Items.Add();
    Items.Delete(0);
    EXPECT_TRUE(Items.Updates.empty());
    Items.EndUpdate();
    EXPECT_EQ(Items.Updates, (std::vector<TCollectionItem*>{nullptr}));
    EXPECT_EQ(Items.Count(), 2);
    EXPECT_EQ(Items.Items(0), B);
}

// A collection whose owner refuses the change notices while Refuse is set.
class TRefusingItems : public TSampleItems
{
  public:
    using TSampleItems::TSampleItems;
    bool Refuse = false;

  protected:
    void Update(TCollectionItem* Item) override
    {
        TSampleItems::Update(Item);
        if (Refuse) throw Exception("refused");
    }
};

TEST(Collection, ClearEmptiesTheCollectionEvenWhenTheChangeNoticeThrows)
{
    TRefusingItems Items(nullptr);
    for (int I = 0; I < 3; ++I)
        Items.Add();
    Items.Updates.clear();
    Items.Refuse = true;
    EXPECT_THROW(Items.Clear(), Exception);
    EXPECT_EQ(Items.Count(), 0);
    EXPECT_EQ(Items.UpdateCount(), 0) << "the batch ended";
    EXPECT_EQ(Items.Updates, (std::vector<TCollectionItem*>{nullptr})) << "one notice";
    Items.Refuse = false;
    Items.Updates.clear();
    Items.Add();
    EXPECT_EQ(Items.Updates.size(), 1u) << "notices flow again";
}

TEST(UpdateScope, OneNoticePerBatchAndTheBatchEndsOnAnException)
{
    TRefusingItems Items(nullptr);
    {
        TUpdateScope Outer(Items);
        Items.Add();
        TUpdateScope Inner(Items);
        Items.Add();
    }
    EXPECT_EQ(Items.Updates, (std::vector<TCollectionItem*>{nullptr}));
    // A failing step ends the batch, and a notice that throws while the
    // first exception is on its way does not replace it.
    Items.Refuse = true;
    try
    {
        TUpdateScope Batch(Items);
        Items.Add();
        throw EListError("first");
    }
    catch (const EListError& E)
    {
        EXPECT_EQ(E.Message(), "first");
    }
    EXPECT_EQ(Items.UpdateCount(), 0);
    // Without another exception, the notice's own one comes through.
    EXPECT_THROW(
        {
            TUpdateScope Batch(Items);
            Items.Add();
        },
        Exception);
    EXPECT_EQ(Items.UpdateCount(), 0);
}

TEST(Collection, ItemsKnowTheirIndexAndKeepTheirID)
{
    TSampleItems Items(nullptr);
    auto* A = Items.Add();
    auto* B = Items.Add();
    auto* C = Items.Add();
    C->SetIndex(0);
    EXPECT_EQ(Items.Items(0), C);
    EXPECT_EQ(A->Index(), 1);
    EXPECT_EQ(B->ID(), 1);
    delete A; // an item freed directly leaves its collection
    EXPECT_EQ(Items.Count(), 2);
    EXPECT_EQ(Items.FindItemID(1), B);
    EXPECT_EQ(Items.FindItemID(0), nullptr);
    EXPECT_EQ(Items.Add()->ID(), 3) << "IDs are never reused";
    TCollectionItem* Inserted = Items.Insert(1);
    EXPECT_EQ(Inserted->Index(), 1);
    EXPECT_THROW(Items.Items(9), EListError);
    EXPECT_THROW(Items.Insert(-1), EListError);
}

TEST(Collection, AssignCopiesItemByItem)
{
    TSampleItems Source(nullptr), Dest(nullptr);
    Source.Add()->SetCaption("one");
    Source.Add()->SetWidth(42);
    Dest.Add();
    Dest.Add();
    Dest.Add();
    Dest.Updates.clear();
    Dest.Assign(&Source);
    ASSERT_EQ(Dest.Count(), 2);
    EXPECT_EQ(Dest.Items(0)->Caption(), "one");
    EXPECT_EQ(Dest.Items(1)->Width(), 42);
    EXPECT_EQ(Dest.Updates.size(), 1u) << "one batch";
    TSampleFont Font;
    EXPECT_THROW(Dest.Assign(&Font), EConvertError);
}

TEST(Collection, GetOwnerIsTheGivenOwner)
{
    TSampleWidget W(nullptr);
    EXPECT_EQ(W.Items()->GetOwner(), &W);
    EXPECT_EQ(W.Items()->Add()->GetOwner(), W.Items());
}
} // namespace
