#include "framework/StringList.h"
#include "framework/Exception.h"

#include <gtest/gtest.h>

namespace
{
TEST(StringList, NameValueAccessIgnoresCaseOfNames)
{
    TStringList L;
    L.SetText("Port=COM7\nbaud=9600\nplain\n");
    EXPECT_EQ(L.Values("PORT"), "COM7");
    EXPECT_EQ(L.Values("Baud"), "9600");
    EXPECT_EQ(L.Values("plain"), "");
    EXPECT_EQ(L.IndexOfName("BAUD"), 1);
    EXPECT_EQ(L.Names(0), "Port");
    EXPECT_EQ(L.ValueFromIndex(1), "9600");
    L.SetValues("BAUD", "19200");
    EXPECT_EQ(L.Strings(1), "BAUD=19200");
    L.SetValues("Parity", "NO");
    EXPECT_EQ(L.Count(), 4);
    L.SetValues("port", "");
    EXPECT_EQ(L.Text(), "BAUD=19200\nplain\nParity=NO\n");
    EXPECT_EQ(L.IndexOf("PLAIN"), 1);
    EXPECT_EQ(L.IndexOf("missing"), -1);
}

TEST(StringList, TextSplitsAtEveryLineBreakKind)
{
    TStringList L;
    L.SetText("a\r\nb\rc\n\nd");
    EXPECT_EQ(L.Count(), 5);
    EXPECT_EQ(L.Strings(3), "");
    EXPECT_EQ(L.Text(), "a\nb\nc\n\nd\n");
}

TEST(StringList, CommaText)
{
    const struct
    {
        const char* In;
        std::vector<std::string> Items;
        const char* Out;
    } Cases[] = {
        {"a,b,c", {"a", "b", "c"}, "a,b,c"},
        {"\"x y\",z", {"x y", "z"}, "\"x y\",z"},
        {"a b", {"a", "b"}, "a,b"},
        {"\"say \"\"hi\"\"\"", {"say \"hi\""}, "\"say \"\"hi\"\"\""},
        {"a,,b", {"a", "", "b"}, "a,,b"},
        {"a,", {"a", ""}, "a,"},
        {"", {}, ""},
        {"\"a,b\"", {"a,b"}, "\"a,b\""},
    };
    for (const auto& C : Cases)
    {
        TStringList L;
        L.SetCommaText(C.In);
        std::vector<std::string> Got;
        for (int I = 0; I < L.Count(); ++I)
            Got.push_back(L.Strings(I));
        EXPECT_EQ(Got, C.Items) << C.In;
        EXPECT_EQ(L.CommaText(), C.Out) << C.In;
    }
}

TEST(StringList, SortedListsKeepOrderAndHandleDuplicates)
{
    TStringList L;
    TObject* Tag = reinterpret_cast<TObject*>(&L);
    L.Add("pear");
    L.AddObject("Apple", Tag);
    L.Add("fig");
    L.SetSorted(true);
    EXPECT_EQ(L.CommaText(), "Apple,fig,pear");
    EXPECT_EQ(L.Objects(0), Tag) << "objects travel with their strings";
    EXPECT_EQ(L.Add("banana"), 1);
    EXPECT_EQ(L.Add("APPLE"), 0) << "dupIgnore returns the existing line";
    EXPECT_EQ(L.Count(), 4);
    L.SetDuplicates(dupError);
    EXPECT_THROW(L.Add("fig"), EListError);
    L.SetDuplicates(dupAccept);
    EXPECT_EQ(L.Add("fig"), 3);
    EXPECT_EQ(L.Count(), 5);
    int Index = -1;
    EXPECT_TRUE(L.Find("FIG", Index));
    EXPECT_EQ(Index, 2);
    EXPECT_FALSE(L.Find("grape", Index));
    EXPECT_EQ(Index, 4);
    EXPECT_THROW(L.Insert(0, "x"), EListError);
    EXPECT_THROW(L.SetStrings(0, "x"), EListError);
    L.SetCaseSensitive(true);
    EXPECT_EQ(L.IndexOf("apple"), -1);
}

TEST(StringList, ChangeEventsOncePerBatch)
{
    TStringList L;
    int Changing = 0, Changed = 0;
    L.OnChanging = [&](TObject*) { ++Changing; };
    L.OnChange = [&](TObject* Sender)
    {
        EXPECT_EQ(Sender, &L);
        ++Changed;
    };
    L.Add("a");
    EXPECT_EQ(Changing, 1);
    EXPECT_EQ(Changed, 1);
    L.BeginUpdate();
    L.Add("b");
    L.Delete(0);
    L.SetText("x\ny");
    L.EndUpdate();
    EXPECT_EQ(Changing, 2);
    EXPECT_EQ(Changed, 2);
}

TEST(StringList, IndexErrorsAndAssign)
{
    TStringList L;
    L.Add("a");
    EXPECT_THROW(L.Strings(1), EListError);
    EXPECT_THROW(L.Delete(-1), EListError);
    EXPECT_THROW(L.Insert(2, "x"), EListError);
    try
    {
        L.Objects(5);
    }
    catch (const EListError& E)
    {
        EXPECT_EQ(E.Message(), "List index out of bounds (5)");
    }
    TStringList Copy;
    Copy.Add("old");
    Copy.Assign(&L);
    EXPECT_TRUE(Copy.Equals(L));
    L.Move(0, 0);
    L.Add("b");
    L.Exchange(0, 1);
    EXPECT_EQ(L.CommaText(), "b,a");
}
} // namespace
