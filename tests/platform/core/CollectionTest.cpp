#include <afxtempl.h>

#include <gtest/gtest.h>

#include "InvalidArg.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

class CItem : public CObject {
    DECLARE_DYNAMIC(CItem)
public:
    explicit CItem(int n) : m_nValue(n) {}
    int m_nValue;
};
IMPLEMENT_DYNAMIC(CItem, CObject)

class CSpecialItem : public CItem {
    DECLARE_DYNAMIC(CSpecialItem)
public:
    using CItem::CItem;
};
IMPLEMENT_DYNAMIC(CSpecialItem, CItem)

using CItemList = CTypedPtrList<CObList, CItem*>;

std::vector<int> Values(const CItemList& list) {
    std::vector<int> values;
    for (POSITION pos = list.GetHeadPosition(); pos;) values.push_back(list.GetNext(pos)->m_nValue);
    return values;
}

}  // namespace

TEST(RuntimeClass, IsKindOfFollowsTheBaseChain) {
    CSpecialItem special(1);
    CItem plain(2);
    EXPECT_TRUE(special.IsKindOf(RUNTIME_CLASS(CItem)));
    EXPECT_TRUE(special.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(plain.IsKindOf(RUNTIME_CLASS(CSpecialItem)));
    EXPECT_STREQ("CSpecialItem", special.GetRuntimeClass()->m_lpszClassName);
}

// Positions name elements while others come and go; a position or an end
// that names nothing throws and changes nothing.
TEST(TypedPtrList, PositionsSurviveInsertionsAndRemovals) {
    CItem a(1), b(2), c(3), d(4);
    CItemList list(2);
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetHead(); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveTail(); }));
    POSITION posA = list.AddTail(&a);
    POSITION posC = list.AddTail(&c);
    list.InsertBefore(posC, &b);
    list.InsertAfter(posC, &d);
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), Values(list));
    list.RemoveAt(posA);
    EXPECT_EQ(&c, list.GetAt(posC));
    EXPECT_EQ((std::vector<int>{2, 3, 4}), Values(list));
    EXPECT_EQ(posC, list.FindIndex(1));
    EXPECT_EQ(posC, list.Find(&c));
    EXPECT_EQ(nullptr, list.FindIndex(3));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveAt(nullptr); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetAt(nullptr); }));
    EXPECT_EQ(&b, list.RemoveHead());
    EXPECT_EQ(&d, list.RemoveTail());
    EXPECT_EQ((std::vector<int>{3}), Values(list));
}

TEST(List, ValuesCopiesAndSearches) {
    CList<CString, const CString&> list;
    list.AddTail("b");
    list.AddHead("a");
    list.AddTail(list.GetHead());  // an element of the list itself
    const POSITION posB = list.Find("b");
    ASSERT_NE(nullptr, posB);
    EXPECT_EQ(list.FindIndex(1), posB);
    const POSITION posSecondA = list.Find("a", list.GetHeadPosition());
    EXPECT_EQ(list.GetTailPosition(), posSecondA);
    EXPECT_EQ(nullptr, list.Find("a", posSecondA));
    CList<CString, const CString&> other;
    other.AddTail("x");
    other.AddHead(&list);
    other.AddTail(&list);
    std::string joined;
    for (POSITION pos = other.GetTailPosition(); pos;) joined += other.GetPrev(pos).GetString();
    EXPECT_EQ("abaxaba", joined);
    other.RemoveAll();
    EXPECT_EQ(nullptr, other.GetHeadPosition());
    other.AddTail("again");  // usable after its blocks were released
    EXPECT_EQ("again", other.GetTail());
}

TEST(Array, IndexesOutsideThrowAndChangeNothing) {
    CStringArray array;
    EXPECT_EQ(0, array.Add("a"));
    EXPECT_EQ(1, array.Add(array[0]));
    array.InsertAt(1, "x", 2);
    array.SetAtGrow(5, "z");
    const char* expected[] = {"a", "x", "x", "a", "", "z"};
    ASSERT_EQ(6, array.GetSize());
    for (int i = 0; i < 6; ++i) EXPECT_EQ(expected[i], array.GetAt(i));
    array.RemoveAt(1, 2);
    const std::function<void()> outside[] = {
        [&] { array.GetAt(-1); },          [&] { array.GetAt(4); },
        [&] { array.SetAt(4, "q"); },      [&] { array[4] = "q"; },
        [&] { array.RemoveAt(3, 2); },     [&] { array.InsertAt(-1, "q"); },
        [&] { array.SetAtGrow(-1, "q"); },
    };
    for (const auto& call : outside) EXPECT_TRUE(ThrowsInvalidArg(call));
    ASSERT_EQ(4, array.GetSize());
    EXPECT_EQ("a", array[0]);
    EXPECT_EQ("z", array[3]);
}

// Keys are found as they were stored (string keys with their letter case),
// removed once, and visited once each; the table grows with its content, a
// size set before the first entry holds until the entries outnumber it.
TEST(Map, EveryEntryStaysReachableWhateverTheTableSize) {
    const struct {
        UINT nInit;  // 0: the default
        int nEntries;
        UINT nMinSize, nMaxSize;
    } cases[] = {
        {0, 17, 17, 17}, {0, 20000, 20000, 80000},     {7, 7, 7, 7},
        {7, 8, 8, 80},   {50000, 20000, 50000, 50000},
    };
    const auto key = [](int i) {
        CString strKey;
        strKey.Format("\xc8\xadKey%d", i);
        return strKey;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nEntries);
        CMapStringToPtr map;
        if (c.nInit) map.InitHashTable(c.nInit);
        for (int i = 0; i < c.nEntries; ++i) map[key(i)] = reinterpret_cast<void*>(INT_PTR{i} + 1);
        EXPECT_EQ(c.nEntries, map.GetCount());
        EXPECT_GE(map.GetHashTableSize(), c.nMinSize);
        EXPECT_LE(map.GetHashTableSize(), c.nMaxSize);
        int nFound = 0;
        void* pValue = nullptr;
        for (int i = 0; i < c.nEntries; ++i)
            nFound +=
                map.Lookup(key(i), pValue) && pValue == reinterpret_cast<void*>(INT_PTR{i} + 1);
        EXPECT_EQ(c.nEntries, nFound);
        EXPECT_FALSE(map.Lookup(key(0).MakeLower(), pValue));
        EXPECT_TRUE(map.RemoveKey(key(c.nEntries - 1)));
        EXPECT_FALSE(map.RemoveKey(key(c.nEntries - 1)));
        std::vector<bool> seen(static_cast<size_t>(c.nEntries));
        for (POSITION pos = map.GetStartPosition(); pos;) {
            CString strKey;
            map.GetNextAssoc(pos, strKey, pValue);
            const auto n = static_cast<size_t>(reinterpret_cast<INT_PTR>(pValue) - 1);
            ASSERT_LT(n, seen.size());
            EXPECT_FALSE(seen[n]);
            EXPECT_EQ(key(static_cast<int>(n)), strKey);
            seen[n] = true;
        }
        EXPECT_EQ(std::count(seen.begin(), seen.end(), true), c.nEntries - 1);
    }
    CMap<int, int, CString, const CString&> numbers;
    numbers[7] = "seven";
    POSITION pos = nullptr;
    int nKey = -1;
    CString value;
    EXPECT_TRUE(ThrowsInvalidArg([&] { numbers.GetNextAssoc(pos, nKey, value); }));
    EXPECT_EQ(-1, nKey);
    EXPECT_TRUE(numbers.Lookup(7, value));
    EXPECT_EQ("seven", value);
    numbers.RemoveAll();
    EXPECT_EQ(nullptr, numbers.GetStartPosition());
    CMapStringToPtr strings;
    EXPECT_TRUE(ThrowsInvalidArg([&] { strings.SetAt(nullptr, nullptr); }));
    EXPECT_TRUE(strings.IsEmpty());
}

// Checks are real in a debug build, where a failed one names its place and
// ends the program; in any other only VERIFY evaluates its argument. A trace
// never does.
TEST(Diagnostics, VerifyAlwaysEvaluatesAndAFailedCheckEndsADebugBuild) {
    int nVerified = 0, nAsserted = 0, nTraced = 0;
    VERIFY(++nVerified);
    ASSERT(++nAsserted);
    TRACE("%d %s\n", ++nTraced, CString("x").GetString());
    EXPECT_EQ(nVerified, 1);
    EXPECT_EQ(nTraced, 0);
#ifdef _DEBUG
    EXPECT_EQ(nAsserted, 1);
    EXPECT_DEATH(ASSERT(nVerified == 2), "CollectionTest\\.cpp\\([0-9]+\\): assertion failed");
    EXPECT_DEATH(VERIFY(--nVerified), "CollectionTest\\.cpp\\([0-9]+\\): assertion failed");
#else
    EXPECT_EQ(nAsserted, 0);
#endif
}
