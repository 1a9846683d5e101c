#include <afxtempl.h>

#include <gtest/gtest.h>

#include "InvalidArg.h"

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
