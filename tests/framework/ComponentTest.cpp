#include "SampleClasses.h"

#include "framework/Exception.h"

#include <gtest/gtest.h>

namespace
{
TEST(Component, OwnerDestructionFreesOwnedComponentsLastFirst)
{
    std::vector<std::string> Log;
    auto* Owner = new TSampleWidget(nullptr);
    for (const char* Name : {"A", "B", "C"})
    {
        auto* W = new TSampleWidget(Owner);
        W->SetName(Name);
        W->Log = &Log;
    }
    auto* Grandchild = new TSampleWidget(Owner->Components(0));
    bool GrandchildGone = false;
    Grandchild->DestroyedFlag = &GrandchildGone;
    EXPECT_EQ(Owner->ComponentCount(), 3);
    delete Owner;
    EXPECT_TRUE(GrandchildGone);
    // Each freed component is first removed from the owner, and the others
    // still there hear of it.
    const std::vector<std::string> Expected = {
        "C heard removal of C", "B heard removal of C", "A heard removal of C",
        "destroyed C",          "B heard removal of B", "A heard removal of B",
        "destroyed B",          "A heard removal of A", "destroyed A"};
    EXPECT_EQ(Log, Expected);
}

TEST(Component, NamesAreIdentifiersUniqueWithinTheOwner)
{
    TSampleWidget Owner(nullptr);
    auto* A = new TSampleWidget(&Owner);
    auto* B = new TSampleWidget(&Owner);
    A->SetName("Button1");
    EXPECT_EQ(Owner.FindComponent("BUTTON1"), A);
    EXPECT_THROW(B->SetName("button1"), EComponentError);
    EXPECT_EQ(B->Name(), "");
    A->SetName("BUTTON1"); // the same component may change case
    EXPECT_EQ(A->Name(), "BUTTON1");
    for (const char* Bad : {"1abc", "a b", "a-b", "a.b"})
        EXPECT_THROW(B->SetName(Bad), EComponentError) << Bad;
    B->SetName("_x1");
    EXPECT_EQ(Owner.FindComponent(""), nullptr);
    EXPECT_EQ(B->ComponentIndex(), 1);
}

TEST(Component, RemovalOfASiblingClearsReferencesWithoutAsking)
{
    TSampleWidget Owner(nullptr);
    auto* A = new TSampleWidget(&Owner);
    auto* B = new TSampleWidget(&Owner);
    A->SetBuddy(B);
    B->RemoveFreeNotification(A); // same owner: the owner passes the news on anyway
    delete B;
    EXPECT_EQ(A->Buddy(), nullptr);
}

TEST(Component, FreeNotificationReachesComponentsOfOtherOwners)
{
    auto* OwnerA = new TSampleWidget(nullptr);
    auto* OwnerB = new TSampleWidget(nullptr);
    auto* A = new TSampleWidget(OwnerA);
    auto* B = new TSampleWidget(OwnerB);
    A->SetBuddy(B); // asks B for a free notification
    delete OwnerB;
    EXPECT_EQ(A->Buddy(), nullptr);

    // The listener going first must not leave the other pointing at it.
    auto* C = new TSampleWidget(nullptr);
    A->SetBuddy(C);
    delete OwnerA;
    delete C; // would notify the freed A if the link were one-way
}

TEST(Component, TheRemovedComponentHearsOfItselfWhenFreed)
{
    std::vector<std::string> Log;
    TSampleWidget Owner(nullptr);
    auto* A = new TSampleWidget(&Owner);
    A->SetName("A");
    A->Log = &Log;
    A->Free();
    EXPECT_EQ(Log, (std::vector<std::string>{"A heard removal of A", "destroyed A"}));
    EXPECT_EQ(Owner.ComponentCount(), 0);
}

// A widget that logs whether it was marked destroying by the time its own
// destructor ran.
struct TLateWidget : TSampleWidget
{
    using TSampleWidget::TSampleWidget;
    ~TLateWidget() override
    {
        if (Log) Log->push_back(ComponentState().Contains(csDestroying) ? "marked" : "not marked");
    }
};

TEST(Component, DeleteAndFreeTakeTheSamePath)
{
    using TLog = std::vector<std::string>;
    auto Run = [](bool ByDelete)
    {
        TLog Log;
        TSampleWidget Owner(nullptr);
        Owner.SetName("Owner");
        auto* Sibling = new TSampleWidget(&Owner);
        Sibling->SetName("S");
        Sibling->Log = &Log;
        TSampleWidget Listener(nullptr);
        Listener.SetName("L");
        Listener.Log = &Log;
        auto* A = new TLateWidget(&Owner);
        A->SetName("A");
        A->Log = &Log;
        Listener.SetBuddy(A);
        const TComponent::TLifeGuard Guard(A);
        EXPECT_TRUE(Guard.Alive());
        if (ByDelete)
            delete static_cast<TComponent*>(A);
        else
            A->Free();
        EXPECT_FALSE(Guard.Alive());
        EXPECT_EQ(Owner.ComponentCount(), 1);
        EXPECT_EQ(Listener.Buddy(), nullptr);
        Listener.Log = nullptr;
        Sibling->Log = nullptr;
        return Log;
    };
    const TLog Expected = {"A heard removal of A", "S heard removal of A", "marked", "destroyed A",
                           "L heard removal of A"};
    EXPECT_EQ(Run(false), Expected);
    EXPECT_EQ(Run(true), Expected);
}

TEST(Component, ALifeGuardEndsWithTheDestructionWhateverStartsIt)
{
    EXPECT_FALSE(TComponent::TLifeGuard(nullptr).Alive());
    auto* Owner = new TSampleWidget(nullptr);
    auto* Child = new TSampleWidget(Owner);
    const TComponent::TLifeGuard OwnerGuard(Owner), ChildGuard(Child);
    Owner->Destroying(); // marked, still there
    EXPECT_TRUE(ChildGuard.Alive());
    delete Owner;
    EXPECT_FALSE(OwnerGuard.Alive());
    EXPECT_FALSE(ChildGuard.Alive());

    std::vector<bool> SeenInDestructor;
    {
        struct TWatching : TSampleWidget
        {
            using TSampleWidget::TSampleWidget;
            std::vector<bool>* Seen = nullptr;
            ~TWatching() override { Seen->push_back(TLifeGuard(this).Alive()); }
        } Local(nullptr);
        Local.Seen = &SeenInDestructor;
    }
    EXPECT_EQ(SeenInDestructor, std::vector<bool>{true}) << "a local's ends in its base";
}

TEST(Component, FieldsFollowTheNamesOfOwnedComponents)
{
    TSampleForm Form(nullptr);
    auto* W = new TSampleWidget(&Form);
    W->SetName("Button1");
    EXPECT_EQ(Form.Button1, W);
    W->SetName("Other");
    EXPECT_EQ(Form.Button1, nullptr);
    W->SetName("Button1");
    delete W;
    EXPECT_EQ(Form.Button1, nullptr);

    // A component of the wrong class cannot take a field's name.
    auto* V = new TSampleWidget(&Form);
    EXPECT_THROW(V->SetName("SubForm"), EComponentError);
    EXPECT_EQ(V->Name(), "");
    EXPECT_EQ(Form.SubForm, nullptr);
    auto* S = new TSampleForm(&Form);
    S->SetName("SubForm");
    EXPECT_EQ(Form.SubForm, S);
}

TEST(Component, InsertComponentMovesOwnership)
{
    TSampleWidget A(nullptr), B(nullptr);
    auto* W = new TSampleWidget(&A);
    W->SetName("W");
    B.InsertComponent(W);
    EXPECT_EQ(W->Owner(), &B);
    EXPECT_EQ(A.ComponentCount(), 0);
    EXPECT_EQ(B.FindComponent("W"), W);

    auto* Clash = new TSampleWidget(&A);
    Clash->SetName("W");
    EXPECT_THROW(B.InsertComponent(Clash), EComponentError);
    EXPECT_EQ(Clash->Owner(), &A);
}

TEST(Component, TheOwnerHearsOfInsertionAndRemoval)
{
    struct TListener : TComponent
    {
        using TComponent::TComponent;
        std::vector<std::pair<TComponent*, TOperation>> Heard;
        void Notification(TComponent* AComponent, TOperation Operation) override
        {
            TComponent::Notification(AComponent, Operation);
            Heard.emplace_back(AComponent, Operation);
        }
    };
    TListener Owner(nullptr);
    auto* W = new TSampleWidget(&Owner);
    W->Free();
    const std::vector<std::pair<TComponent*, TOperation>> Expected = {{W, opInsert}, {W, opRemove}};
    EXPECT_EQ(Owner.Heard, Expected);
}

TEST(Component, StateFlags)
{
    TSampleWidget Owner(nullptr);
    Owner.SetDesigning(true);
    auto* W = new TSampleWidget(&Owner);
    EXPECT_TRUE(W->ComponentState().Contains(csDesigning)) << "joins a designed owner";
    EXPECT_FALSE(W->ComponentState().Contains(csDestroying));
    Owner.Destroying();
    EXPECT_TRUE(W->ComponentState().Contains(csDestroying));
}

TEST(Persistent, AssignBetweenUnrelatedClassesIsRefused)
{
    TSampleFont Font;
    TSamplePicture Picture;
    try
    {
        Font.Assign(&Picture);
        FAIL();
    }
    catch (const EConvertError& E)
    {
        EXPECT_EQ(E.Message(), "Cannot assign a TSamplePicture to a TSampleFont");
    }
    EXPECT_THROW(Font.Assign(nullptr), EConvertError);
    TSampleFont Other;
    Other.SetName("Tahoma");
    Font.Assign(&Other);
    EXPECT_EQ(Font.Name(), "Tahoma");
}
} // namespace
