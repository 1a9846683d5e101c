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
    CObList list;
    EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(CObList)));
}

TEST(TypedPtrList, PositionsSurviveInsertionsAndRemovals) {
    CItem a(1), b(2), c(3), d(4);
    CItemList list(2);
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
    EXPECT_EQ(&b, list.RemoveHead());
    EXPECT_EQ(&d, list.RemoveTail());
    EXPECT_EQ(1, list.GetCount());
}

TEST(TypedPtrList, InvalidPositionThrowsAndChangesNothing) {
    CItem a(1);
    CItemList list;
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetHead(); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveTail(); }));
    list.AddTail(&a);
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.RemoveAt(nullptr); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { list.GetAt(nullptr); }));
    EXPECT_EQ((std::vector<int>{1}), Values(list));
}

TEST(Map, LookupRemoveAndIterate) {
    CMap<int, int, CString, const CString&> map;
    for (int i = 0; i < 50; ++i) map[i].Format("v%d", i);
    CString value;
    EXPECT_TRUE(map.Lookup(7, value));
    EXPECT_EQ("v7", value);
    EXPECT_TRUE(map.RemoveKey(7));
    EXPECT_FALSE(map.RemoveKey(7));
    EXPECT_FALSE(map.Lookup(7, value));
    int nSeen = 0;
    for (POSITION pos = map.GetStartPosition(); pos;) {
        int key;
        map.GetNextAssoc(pos, key, value);
        CString expected;
        expected.Format("v%d", key);
        EXPECT_EQ(expected, value);
        ++nSeen;
    }
    EXPECT_EQ(49, nSeen);
    CMapStringToPtr strings;
    strings.SetAt("Key", &nSeen);
    void* p = nullptr;
    EXPECT_TRUE(strings.Lookup("Key", p));
    EXPECT_FALSE(strings.Lookup("key", p));
}

TEST(List, ValuesCopiesAndSearches) {
    CList<CString, const CString&> list;
    list.AddTail("b");
    list.AddHead("a");
    list.AddTail(list.GetHead());  // an element of the list itself
    EXPECT_EQ(3, list.GetCount());
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
    EXPECT_TRUE(other.IsEmpty());
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
    EXPECT_EQ(3, array.GetUpperBound());
    struct Case {
        const char* what;
        std::function<void()> call;
    } cases[] = {
        {"GetAt(-1)", [&] { array.GetAt(-1); }},
        {"GetAt(size)", [&] { array.GetAt(4); }},
        {"SetAt(size)", [&] { array.SetAt(4, "q"); }},
        {"operator[](size)", [&] { array[4] = "q"; }},
        {"RemoveAt past the end", [&] { array.RemoveAt(3, 2); }},
        {"InsertAt(-1)", [&] { array.InsertAt(-1, "q"); }},
        {"SetAtGrow(-1)", [&] { array.SetAtGrow(-1, "q"); }},
    };
    for (const Case& c : cases) EXPECT_TRUE(ThrowsInvalidArg(c.call)) << c.what;
    ASSERT_EQ(4, array.GetSize());
    EXPECT_EQ("a", array[0]);
    EXPECT_EQ("z", array[3]);
}

TEST(Map, StringKeysRemovalAndInvalidPositions) {
    CMap<CString, const CString&, int, int> map;
    map.InitHashTable(7);
    EXPECT_EQ(7u, map.GetHashTableSize());
    for (int i = 0; i < 100; ++i) {
        CString key;
        key.Format("\xb0\xa1%d", i);
        map[key] = i;
    }
    for (int i = 0; i < 100; i += 2) {
        CString key;
        key.Format("\xb0\xa1%d", i);
        EXPECT_TRUE(map.RemoveKey(key));
    }
    EXPECT_EQ(50, map.GetCount());
    int nSum = 0;
    for (POSITION pos = map.GetStartPosition(); pos;) {
        CString key;
        int value;
        map.GetNextAssoc(pos, key, value);
        EXPECT_EQ(1, value % 2);
        nSum += value;
    }
    EXPECT_EQ(2500, nSum);
    POSITION pos = nullptr;
    CString key;
    int value = -1;
    EXPECT_TRUE(ThrowsInvalidArg([&] { map.GetNextAssoc(pos, key, value); }));
    EXPECT_EQ(-1, value);
    map.RemoveAll();
    EXPECT_EQ(nullptr, map.GetStartPosition());
    EXPECT_FALSE(
        map.Lookup("\xb0\xa1"
                   "1",
                   value));
    CMapStringToPtr strings;
    EXPECT_TRUE(ThrowsInvalidArg([&] { strings.SetAt(nullptr, nullptr); }));
    EXPECT_TRUE(strings.IsEmpty());
}

// The table grows with its content; a size set before the first entry holds
// until the entries outnumber it, and every entry stays reachable.
TEST(Map, TheTableGrowsWithItsContentAndKeepsEveryEntry) {
    const struct {
        UINT nInit;  // 0: the default
        int nEntries;
        UINT nMinSize, nMaxSize;
    } cases[] = {
        {0, 17, 17, 17}, {0, 20000, 20000, 80000},     {7, 7, 7, 7},
        {7, 8, 8, 80},   {50000, 20000, 50000, 50000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nEntries);
        CMapStringToPtr map;
        if (c.nInit) map.InitHashTable(c.nInit);
        auto key = [](int i) {
            CString strKey;
            strKey.Format("\xc8\xad%d", i);
            return strKey;
        };
        for (int i = 0; i < c.nEntries; ++i) map[key(i)] = reinterpret_cast<void*>(INT_PTR{i} + 1);
        EXPECT_EQ(c.nEntries, map.GetCount());
        EXPECT_GE(map.GetHashTableSize(), c.nMinSize);
        EXPECT_LE(map.GetHashTableSize(), c.nMaxSize);
        int nFound = 0;
        for (int i = 0; i < c.nEntries; ++i) {
            void* pValue = nullptr;
            nFound +=
                map.Lookup(key(i), pValue) && pValue == reinterpret_cast<void*>(INT_PTR{i} + 1);
        }
        EXPECT_EQ(c.nEntries, nFound);
        std::vector<bool> seen(static_cast<size_t>(c.nEntries));
        for (POSITION pos = map.GetStartPosition(); pos;) {
            CString strKey;
            void* pValue = nullptr;
            map.GetNextAssoc(pos, strKey, pValue);
            const auto n = static_cast<size_t>(reinterpret_cast<INT_PTR>(pValue) - 1);
            ASSERT_LT(n, seen.size());
            EXPECT_FALSE(seen[n]);
            EXPECT_EQ(key(static_cast<int>(n)), strKey);
            seen[n] = true;
        }
        EXPECT_EQ(std::count(seen.begin(), seen.end(), true), c.nEntries);
        EXPECT_TRUE(map.RemoveKey(key(c.nEntries - 1)));
        EXPECT_EQ(c.nEntries - 1, map.GetCount());
    }
}

TEST(Diagnostics, OnlyVerifyEvaluatesItsArgument) {
    int n = 0;
    ASSERT(++n == 1);
    TRACE("%d %s\n", ++n, CString("x").GetString());
    VERIFY(++n == 1);
    EXPECT_EQ(1, n);
}
