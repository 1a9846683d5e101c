#include <gtest/gtest.h>

#include <MenuNode.h>
#include <TerminalSetup.h>

#include <algorithm>
#include <string>
#include <vector>

#include "toolbar/MenuInfo.h"

namespace {

// A group whose children carry the screen numbers given, separated by blanks.
std::unique_ptr<CMenuInfo> MakeGroup(const std::string& screens) {
    auto pGroup = std::make_unique<CMenuInfo>();
    std::size_t nStart = 0;
    while (nStart < screens.size()) {
        std::size_t nEnd = screens.find(' ', nStart);
        if (nEnd == std::string::npos) nEnd = screens.size();
        auto* pScreen = new CMenuInfo;
        pScreen->m_strScreenNo = screens.substr(nStart, nEnd - nStart);
        pScreen->m_strName = "Name " + pScreen->m_strScreenNo;
        pGroup->m_listChild.AddTail(pScreen);
        nStart = nEnd + 1;
    }
    return pGroup;
}

// "0 1 2 ... n-1"
std::string Numbered(int nCount) {
    std::string text;
    for (int i = 0; i < nCount; ++i) text += (i ? " " : "") + std::to_string(i);
    return text;
}

// The screen numbers of the children, in list order, separated by blanks.
std::string Order(const CMenuInfo& group) {
    std::string text;
    for (POSITION pos = group.m_listChild.GetHeadPosition(); pos != nullptr;) {
        if (!text.empty()) text += ' ';
        text += group.m_listChild.GetNext(pos)->m_strScreenNo.GetString();
    }
    return text;
}

std::unique_ptr<CMenuInfo> MakeScreen(const char* pszScreenNo) {
    auto pScreen = std::make_unique<CMenuInfo>();
    pScreen->m_strScreenNo = pszScreenNo;
    return pScreen;
}

// Screens built from nodes look for a short-name table; these tests give them
// none, so every short name is the name's first 8 bytes.
class MenuInfo : public ::testing::Test {
protected:
    void SetUp() override { terminal::SetDataDir("/nonexistent/tabulo-data"); }
};

TEST_F(MenuInfo, IdentifiesItsClassAndStartsAsAnEmptyGroup) {
    const CMenuInfo info;
    const CRuntimeClass* pClass = info.GetRuntimeClass();
    EXPECT_STREQ(pClass->m_lpszClassName, "CMenuInfo");
    EXPECT_EQ(pClass->m_pBaseClass, RUNTIME_CLASS(CObject));
    EXPECT_TRUE(info.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(info.IsKindOf(RUNTIME_CLASS(CObList)));

    EXPECT_EQ(info.m_nKind, MENU_KIND_GROUP);
    EXPECT_TRUE(info.m_strScreenNo.IsEmpty());
    EXPECT_TRUE(info.m_strName.IsEmpty());
    EXPECT_TRUE(info.m_strShortName.IsEmpty());
    EXPECT_EQ(info.m_listChild.GetCount(), 0);
    EXPECT_EQ(MENU_KIND_SCREEN, 1);
    EXPECT_EQ(MENU_KIND_ROOT, 15);
}

TEST_F(MenuInfo, InsertsDirectlyAfterTheNamedChildOrAtTheEnd) {
    struct Case {
        int nAfter;
        const char* pszOrder;
    };
    const Case cases[] = {
        {-1, "S1 S2 S3 N"}, {3, "S1 S2 S3 N"}, {99, "S1 S2 S3 N"}, {-7, "S1 S2 S3 N"},
        {0, "S1 N S2 S3"},  {1, "S1 S2 N S3"}, {2, "S1 S2 S3 N"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nAfter);
        auto pGroup = MakeGroup("S1 S2 S3");
        EXPECT_TRUE(pGroup->AddChild(MakeScreen("N").release(), c.nAfter));
        EXPECT_EQ(Order(*pGroup), c.pszOrder);

        CMenuNode node;
        node.m_nKind = MENU_KIND_SCREEN;
        node.m_pScreen = std::make_unique<CScreenRecord>();
        node.m_pScreen->m_strScreenNo = "N";
        pGroup = MakeGroup("S1 S2 S3");
        EXPECT_TRUE(pGroup->AddChildFromNode(&node, c.nAfter));
        EXPECT_EQ(Order(*pGroup), c.pszOrder);
    }
}

TEST_F(MenuInfo, AddChildRefusesADuplicateAndLeavesItWithTheCaller) {
    auto pGroup = MakeGroup("S1 S2 S3");
    auto pDuplicate = MakeScreen("S2");
    EXPECT_FALSE(pGroup->AddChild(pDuplicate.get(), 0));
    EXPECT_EQ(Order(*pGroup), "S1 S2 S3");
    pDuplicate->m_strName = "still the caller's";  // a use after free if the group had taken it

    EXPECT_TRUE(pGroup->AddChild(MakeScreen("s2").release(), -1));  // letter case counts
    EXPECT_EQ(Order(*pGroup), "S1 S2 S3 s2");

    CMenuInfo* pSame = pGroup->GetChild(0);
    EXPECT_FALSE(pGroup->AddChild(pSame, -1));
    EXPECT_FALSE(pGroup->AddChild(nullptr, -1));
    EXPECT_FALSE(pGroup->AddChild(pGroup.get(), -1));
    EXPECT_EQ(Order(*pGroup), "S1 S2 S3 s2");
}

TEST_F(MenuInfo, AddChildFromNodeBuildsAScreenRecordAndRefusesDuplicatesAndOtherNodes) {
    CMenuNode screen;
    screen.m_strName = "Chart";
    screen.m_nKind = MENU_KIND_SCREEN;
    screen.m_pScreen = std::make_unique<CScreenRecord>();
    screen.m_pScreen->m_strScreenNo = "S2";
    screen.AddChild()->m_strName = "never copied";

    auto pGroup = MakeGroup("S1 S2");
    EXPECT_FALSE(pGroup->AddChildFromNode(&screen, -1));
    EXPECT_EQ(Order(*pGroup), "S1 S2");

    screen.m_pScreen->m_strScreenNo = "S3";
    ASSERT_TRUE(pGroup->AddChildFromNode(&screen, 0));
    EXPECT_EQ(Order(*pGroup), "S1 S3 S2");
    const CMenuInfo* pAdded = pGroup->GetChild(1);
    EXPECT_EQ(pAdded->m_strName, "Chart");
    EXPECT_EQ(pAdded->m_nKind, MENU_KIND_SCREEN);
    EXPECT_EQ(pAdded->m_strShortName, "Chart");  // no short-name table: the name's first 8 bytes
    EXPECT_EQ(pAdded->m_listChild.GetCount(), 0);

    CMenuNode folder;
    folder.m_strName = "Quotes";
    EXPECT_FALSE(pGroup->AddChildFromNode(&folder, -1));
    EXPECT_FALSE(pGroup->AddChildFromNode(nullptr, -1));
    // Numbered nodes that are no screens: a folder, a notice board.
    for (const BYTE nKind : {MENU_NODE_FOLDER, BYTE{7}}) {
        screen.m_nKind = nKind;
        screen.m_pScreen->m_strScreenNo = "S4";
        EXPECT_FALSE(pGroup->AddChildFromNode(&screen, -1));
    }
    EXPECT_EQ(Order(*pGroup), "S1 S3 S2");
}

TEST_F(MenuInfo, BuildsFromANodeWithoutItsChildren) {
    struct Case {
        BYTE nKind;
        bool bScreenRecord;
        const char* pszScreenNo;
        const char* pszShortName;
    };
    const Case cases[] = {
        {MENU_KIND_SCREEN, true, "0101", "Current "},
        {MENU_KIND_SCREEN, false, "", ""},
        {MENU_KIND_GROUP, true, "", ""},
        {MENU_KIND_GROUP, false, "", ""},
        {MENU_KIND_ROOT, false, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.nKind) * 10 + c.bScreenRecord);
        CMenuNode node;
        node.m_strName = "Current price";
        node.m_nKind = c.nKind;
        if (c.bScreenRecord) {
            node.m_pScreen = std::make_unique<CScreenRecord>();
            node.m_pScreen->m_strScreenNo = "0101";
        }
        node.AddChild()->m_strName = "child";
        const CMenuInfo info(node);
        EXPECT_EQ(info.m_strName, "Current price");
        EXPECT_EQ(info.m_nKind, c.nKind);
        EXPECT_EQ(info.m_strScreenNo, c.pszScreenNo);
        EXPECT_EQ(info.m_strShortName, c.pszShortName);
        EXPECT_EQ(info.m_listChild.GetCount(), 0);
    }
}

TEST_F(MenuInfo, MovesARunBehindTheAnchorReversed) {
    // Forty children let a run pass the toolbar's limit of 30.
    std::string strForty = Numbered(40);
    std::string strFortyMoved = "35 36 37 38 39";
    for (int i = 34; i >= 0; --i) strFortyMoved += " " + std::to_string(i);

    struct Case {
        std::string strBefore;
        int nFrom, nTo, nCount;
        bool bMoved;
        std::string strAfter;
    };
    const Case cases[] = {
        // Single children: at nTo when moving down, at nTo + 1 when moving up.
        {Numbered(10), 5, 2, 1, true, "0 1 2 5 3 4 6 7 8 9"},
        {Numbered(10), 1, 4, 1, true, "0 2 3 4 1 5 6 7 8 9"},
        {"S1 S2 S3 S4 S5", 4, 0, 1, true, "S1 S5 S2 S3 S4"},
        {"S1 S2 S3 S4 S5", 0, 4, 1, true, "S2 S3 S4 S5 S1"},
        {"S1 S2 S3 S4 S5", 1, 0, 1, true, "S1 S2 S3 S4 S5"},
        {"S1 S2 S3 S4 S5", 0, 1, 1, true, "S2 S1 S3 S4 S5"},
        // Runs arrive reversed, upwards and downwards, next to the anchor or not.
        {"S1 S2 S3 S4 S5", 3, 0, 2, true, "S1 S5 S4 S2 S3"},
        {"S1 S2 S3 S4 S5", 0, 4, 2, true, "S3 S4 S5 S2 S1"},
        {"S1 S2 S3 S4 S5", 2, 1, 2, true, "S1 S2 S4 S3 S5"},
        {"S1 S2 S3 S4 S5", 1, 3, 2, true, "S1 S4 S3 S2 S5"},
        {"S1 S2 S3 S4 S5", 1, 0, 4, true, "S1 S5 S4 S3 S2"},
        // A run that passes the end takes what there is.
        {"S1 S2 S3 S4 S5", 3, 0, 5, true, "S1 S5 S4 S2 S3"},
        {"S1 S2 S3 S4 S5", 4, 1, 30, true, "S1 S2 S5 S3 S4"},
        // Longer than a toolbar: the whole run moves.
        {strForty, 0, 39, 35, true, strFortyMoved},
        // Refusals change nothing.
        {"S1 S2 S3 S4 S5", 2, 2, 1, false, "S1 S2 S3 S4 S5"},
        {"S1 S2 S3 S4 S5", 1, 5, 1, false, "S1 S2 S3 S4 S5"},
        {"S1 S2 S3 S4 S5", 1, -1, 1, false, "S1 S2 S3 S4 S5"},
        {"S1 S2 S3 S4 S5", 5, 0, 1, false, "S1 S2 S3 S4 S5"},
        {"S1 S2 S3 S4 S5", -1, 0, 1, false, "S1 S2 S3 S4 S5"},
        {"S1 S2 S3 S4 S5", 1, 3, 0, false, "S1 S2 S3 S4 S5"},
        {"S1 S2 S3 S4 S5", 1, 3, -2, false, "S1 S2 S3 S4 S5"},
        {"S1 S2 S3 S4 S5", 1, 2, 2, false, "S1 S2 S3 S4 S5"},
        {"S1 S2 S3 S4 S5", 1, 3, 3, false, "S1 S2 S3 S4 S5"},
        {"S1 S2 S3 S4 S5", 0, 4, 30, false, "S1 S2 S3 S4 S5"},
        {"", 0, 1, 1, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.nFrom) + " -> " + std::to_string(c.nTo) + " x" +
                     std::to_string(c.nCount));
        auto pGroup = MakeGroup(c.strBefore);
        EXPECT_EQ(pGroup->MoveChildren(c.nFrom, c.nTo, c.nCount), c.bMoved);
        EXPECT_EQ(Order(*pGroup), c.strAfter);
    }
}

TEST_F(MenuInfo, MovesOneChildToTheTopUpDownOrBottom) {
    enum Move { Top, Up, Down, Bottom };
    struct Case {
        Move move;
        int nIndex;
        const char* pszAfter;
    };
    const Case cases[] = {
        {Top, 2, "S3 S1 S2 S4 S5"},    {Top, 0, "S1 S2 S3 S4 S5"},  {Up, 1, "S2 S1 S3 S4 S5"},
        {Up, 4, "S1 S2 S3 S5 S4"},     {Up, 0, "S1 S2 S3 S4 S5"},   {Down, 0, "S2 S1 S3 S4 S5"},
        {Down, 3, "S1 S2 S3 S5 S4"},   {Down, 4, "S1 S2 S3 S4 S5"}, {Bottom, 0, "S2 S3 S4 S5 S1"},
        {Bottom, 4, "S1 S2 S3 S4 S5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.move) + " at " + std::to_string(c.nIndex));
        auto pGroup = MakeGroup("S1 S2 S3 S4 S5");
        switch (c.move) {
            case Top:
                pGroup->MoveChildToTop(c.nIndex);
                break;
            case Up:
                pGroup->MoveChildUp(c.nIndex);
                break;
            case Down:
                pGroup->MoveChildDown(c.nIndex);
                break;
            case Bottom:
                pGroup->MoveChildToBottom(c.nIndex);
                break;
        }
        EXPECT_EQ(Order(*pGroup), c.pszAfter);
    }
}

TEST_F(MenuInfo, AnIndexThatNamesNoChildThrowsAndChangesNothing) {
    using Operation = void (*)(CMenuInfo&, int);
    const Operation operations[] = {
        [](CMenuInfo& g, int i) { g.DeleteChild(i); },
        [](CMenuInfo& g, int i) { g.GetChild(i); },
        [](CMenuInfo& g, int i) { delete g.DetachChild(i); },
        [](CMenuInfo& g, int i) { g.MoveChildToTop(i); },
        [](CMenuInfo& g, int i) { g.MoveChildUp(i); },
        [](CMenuInfo& g, int i) { g.MoveChildDown(i); },
        [](CMenuInfo& g, int i) { g.MoveChildToBottom(i); },
    };
    for (const Operation& operation : operations) {
        for (int nIndex : {-1, 3, 100}) {
            auto pGroup = MakeGroup("S1 S2 S3");
            bool bThrown = false;
            try {
                operation(*pGroup, nIndex);
            } catch (CInvalidArgException* pException) {
                pException->Delete();
                bThrown = true;
            }
            EXPECT_TRUE(bThrown) << "index " << nIndex;
            EXPECT_EQ(Order(*pGroup), "S1 S2 S3");
        }
    }
}

TEST_F(MenuInfo, GetDetachDeleteAndDeleteAll) {
    auto pGroup = MakeGroup("S1 S2 S3 S4");
    EXPECT_EQ(pGroup->GetChild(2)->m_strScreenNo, "S3");
    EXPECT_EQ(Order(*pGroup), "S1 S2 S3 S4");

    std::unique_ptr<CMenuInfo> pDetached(pGroup->DetachChild(1));
    EXPECT_EQ(pDetached->m_strScreenNo, "S2");
    EXPECT_EQ(pDetached->m_strName, "Name S2");
    EXPECT_EQ(Order(*pGroup), "S1 S3 S4");

    pGroup->DeleteChild(2);
    EXPECT_EQ(Order(*pGroup), "S1 S3");

    // A detached record goes back in like any other.
    EXPECT_TRUE(pGroup->AddChild(pDetached.release(), 0));
    EXPECT_EQ(Order(*pGroup), "S1 S2 S3");

    pGroup->GetChild(1)->m_listChild.AddTail(MakeScreen("inner").release());
    pGroup->DeleteAllChildren();
    EXPECT_EQ(pGroup->m_listChild.GetCount(), 0);
    EXPECT_TRUE(pGroup->AddChild(MakeScreen("S9").release(), -1));
    EXPECT_EQ(Order(*pGroup), "S9");
}

TEST_F(MenuInfo, IsUniqueChildComparesOneFieldExactlySkippingTheExcepted) {
    CMenuInfo root;
    auto* pNewGroup = new CMenuInfo;
    pNewGroup->m_strName = "NewGroup";
    pNewGroup->m_strScreenNo = "0101";
    auto* pOther = new CMenuInfo;
    pOther->m_strName = "Other";
    root.m_listChild.AddTail(pNewGroup);
    root.m_listChild.AddTail(pOther);

    struct Case {
        const CMenuInfo* pExcept;
        const char* pszText;
        int nField;
        bool bUnique;
    };
    const Case cases[] = {
        {nullptr, "NewGroup", 1, false}, {pNewGroup, "NewGroup", 1, true},
        {pOther, "NewGroup", 1, false},  {nullptr, "newgroup", 1, true},
        {nullptr, "NewGroup ", 1, true}, {nullptr, "0101", 0, false},
        {nullptr, "NewGroup", 0, true},  {nullptr, "0101", 1, true},
        {pNewGroup, "0101", 0, true},    {nullptr, "", 0, false},
        {nullptr, "NewGroup", 2, true},  {nullptr, "NewGroup", -1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pszText) + " field " + std::to_string(c.nField));
        EXPECT_EQ(root.IsUniqueChild(c.pExcept, c.pszText, c.nField), c.bUnique);
    }
    EXPECT_TRUE(CMenuInfo().IsUniqueChild(nullptr, "", 0));
}

// A root with two groups of three screens each.
std::unique_ptr<CMenuInfo> MakeRoot() {
    auto pRoot = std::make_unique<CMenuInfo>();
    pRoot->m_strName = "my Menu";
    pRoot->m_nKind = MENU_KIND_ROOT;
    for (const char* pszGroup : {"G1", "G2"}) {
        auto pGroup = MakeGroup(std::string(pszGroup) + "a " + pszGroup + "b " + pszGroup + "c");
        pGroup->m_strName = pszGroup;
        for (POSITION pos = pGroup->m_listChild.GetHeadPosition(); pos != nullptr;) {
            CMenuInfo* pScreen = pGroup->m_listChild.GetNext(pos);
            pScreen->m_nKind = MENU_KIND_SCREEN;
            pScreen->m_strShortName = "short " + pScreen->m_strScreenNo;
        }
        pRoot->m_listChild.AddTail(pGroup.release());
    }
    return pRoot;
}

// Every record of a tree, depth first, as "kind|screen|name|short" lines.
void Describe(const CMenuInfo& info, std::vector<std::string>& lines,
              std::vector<const CMenuInfo*>& records) {
    lines.push_back(std::to_string(info.m_nKind) + "|" + info.m_strScreenNo.GetString() + "|" +
                    info.m_strName.GetString() + "|" + info.m_strShortName.GetString());
    records.push_back(&info);
    for (POSITION pos = info.m_listChild.GetHeadPosition(); pos != nullptr;)
        Describe(*info.m_listChild.GetNext(pos), lines, records);
}

TEST_F(MenuInfo, ACopyIsAnIndependentTree) {
    auto pSource = MakeRoot();
    std::vector<std::string> sourceLines;
    std::vector<const CMenuInfo*> sourceRecords;
    Describe(*pSource, sourceLines, sourceRecords);
    ASSERT_EQ(sourceLines.size(), 9u);

    auto pCopy = std::make_unique<CMenuInfo>(*pSource);
    std::vector<std::string> copyLines;
    std::vector<const CMenuInfo*> copyRecords;
    Describe(*pCopy, copyLines, copyRecords);
    EXPECT_EQ(copyLines, sourceLines);
    for (const CMenuInfo* pRecord : copyRecords)
        EXPECT_EQ(std::count(sourceRecords.begin(), sourceRecords.end(), pRecord), 0);

    pCopy->GetChild(0)->DeleteChild(0);
    pCopy->GetChild(1)->GetChild(2)->m_strShortName = "changed";
    pCopy.reset();
    std::vector<std::string> afterLines;
    std::vector<const CMenuInfo*> afterRecords;
    Describe(*pSource, afterLines, afterRecords);
    EXPECT_EQ(afterLines, sourceLines);
}

TEST_F(MenuInfo, AssignmentAppendsCopiesBehindExistingChildren) {
    auto pSource = MakeGroup("A B");
    pSource->m_strName = "source";
    pSource->m_strShortName = "src";
    pSource->m_nKind = MENU_KIND_SCREEN;
    auto pTarget = MakeGroup("X");
    *pTarget = *pSource;
    EXPECT_EQ(Order(*pTarget), "X A B");
    EXPECT_EQ(pTarget->m_strName, "source");
    EXPECT_EQ(pTarget->m_strShortName, "src");
    EXPECT_EQ(pTarget->m_nKind, MENU_KIND_SCREEN);
    EXPECT_NE(pTarget->GetChild(1), pSource->GetChild(0));

    CMenuInfo& self = *pTarget;
    *pTarget = self;
    EXPECT_EQ(Order(*pTarget), "X A B");
}

}  // namespace
