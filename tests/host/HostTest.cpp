// The terminal's framework libraries as the module sees them, set up through
// the terminal's own side.
#include <gtest/gtest.h>

#include <EnvMgr.h>
#include <MenuNode.h>
#include <RegDllMng.h>
#include <RoVuvi21.h>
#include <TerminalSetup.h>

#include <string>
#include <vector>

namespace {

CMenuNode* AddScreen(CMenuNode& parent, const char* pszName, const char* pszScreenNo, short nType) {
    CMenuNode* pNode = parent.AddChild();
    pNode->m_strName = pszName;
    pNode->m_nKind = MENU_NODE_SCREEN;
    pNode->m_pScreen = std::make_unique<CScreenRecord>();
    pNode->m_pScreen->m_strScreenNo = pszScreenNo;
    pNode->m_pScreen->m_strSecondCode = CString("T") + pszScreenNo;
    pNode->m_pScreen->m_nScreenType = nType;
    return pNode;
}

// root - Quotes (0101, 0102 hidden) - Orders (0201, Deep (0301))
CMenuNode MakeMenu() {
    CMenuNode root;
    root.m_strName = "VORK";
    CMenuNode* pQuotes = root.AddChild();
    pQuotes->m_strName = "Quotes";
    AddScreen(*pQuotes, "Current price", "0101", 3);
    AddScreen(*pQuotes, "Hidden", "0102", 9)->m_dwShow = 0;
    CMenuNode* pOrders = root.AddChild();
    pOrders->m_strName = "Orders";
    AddScreen(*pOrders, "Order", "0201", 0);
    CMenuNode* pDeep = pOrders->AddChild();
    pDeep->m_strName = "Deep";
    AddScreen(*pDeep, "Deep screen", "0301", 0);
    return root;
}

// The subtree as text, one node a line, indented by depth.
void Describe(const CMenuNode& node, int nDepth, std::string& text) {
    text += std::string(static_cast<std::size_t>(nDepth) * 2, ' ') + node.m_strName.GetString() +
            " " + std::to_string(node.m_nKind) + " " + std::to_string(node.m_dwShow);
    if (node.m_pScreen)
        text += std::string(" ") + node.m_pScreen->m_strScreenNo.GetString() + " " +
                node.m_pScreen->m_strSecondCode.GetString() + " " +
                std::to_string(node.m_pScreen->m_nScreenType);
    text += "\n";
    for (int i = 0; i < node.GetChildCount(); ++i) Describe(*node.GetChild(i), nDepth + 1, text);
}

std::string Describe(const CMenuNode& node) {
    std::string text;
    Describe(node, 0, text);
    return text;
}

TEST(MenuNode, StartsAsAnEmptyVisibleFolder) {
    const CMenuNode node;
    EXPECT_TRUE(node.m_strName.IsEmpty());
    EXPECT_EQ(node.m_nKind, MENU_NODE_FOLDER);
    EXPECT_NE(node.m_dwShow, 0u);
    EXPECT_EQ(node.m_pScreen, nullptr);
    EXPECT_EQ(node.GetChildCount(), 0);
    EXPECT_EQ(node.GetChild(0), nullptr);
}

TEST(MenuNode, KeepsChildrenInOrderAndAnswersNullOutsideThem) {
    const CMenuNode root = MakeMenu();
    EXPECT_EQ(Describe(root),
              "VORK 16 1\n"
              "  Quotes 16 1\n"
              "    Current price 1 1 0101 T0101 3\n"
              "    Hidden 1 0 0102 T0102 9\n"
              "  Orders 16 1\n"
              "    Order 1 1 0201 T0201 0\n"
              "    Deep 16 1\n"
              "      Deep screen 1 1 0301 T0301 0\n");
    EXPECT_EQ(root.GetChild(-1), nullptr);
    EXPECT_EQ(root.GetChild(2), nullptr);
}

TEST(MenuNode, ACopyOfASubtreeSharesNothingWithItsSource) {
    const CMenuNode source = MakeMenu();
    const std::string strSource = Describe(source);

    CMenuNode copy(source);
    CMenuNode assigned;
    AddScreen(assigned, "replaced", "9999", 0);
    assigned = source;
    for (CMenuNode* pCopy : {&copy, &assigned}) {
        EXPECT_EQ(Describe(*pCopy), strSource);
        EXPECT_NE(pCopy->GetChild(0), source.GetChild(0));
        EXPECT_NE(pCopy->GetChild(0)->GetChild(0)->m_pScreen,
                  source.GetChild(0)->GetChild(0)->m_pScreen);
        pCopy->m_nKind = 15;
        pCopy->m_strName = "copy";
        pCopy->GetChild(0)->GetChild(0)->m_pScreen->m_strScreenNo = "changed";
        pCopy->GetChild(1)->AddChild()->m_strName = "added";
    }
    { CMenuNode dropped(source); }
    EXPECT_EQ(Describe(source), strSource);
}

TEST(MenuNode, AssignmentFromItselfOrItsOwnDescendantKeepsTheSourceIntact) {
    CMenuNode root = MakeMenu();
    const std::string strMenu = Describe(root);
    CMenuNode& self = root;
    root = self;
    EXPECT_EQ(Describe(root), strMenu);

    const std::string strOrders = Describe(*root.GetChild(1));
    root = *root.GetChild(1);
    EXPECT_EQ(Describe(root), strOrders);
}

TEST(TerminalInputs, AnIndexGivesBackWhatWasRegisteredAndEveryReadIsRecorded) {
    terminal::ClearInputs();
    int nMenu = 0;
    terminal::RegisterInput(1, &nMenu);
    terminal::RegisterInput(2, CString("/home/user"));
    terminal::RegisterInput(3, CString("trader  "));
    terminal::RegisterInput(5, CString("replaced by a pointer"));
    terminal::RegisterInput(5, static_cast<void*>(&nMenu + 1));

    CString strValue = "stale";
    EXPECT_EQ(CRegDllMng::GetInput_p(1), &nMenu);
    EXPECT_EQ(CRegDllMng::GetInput_s(2, strValue), 10);
    EXPECT_EQ(strValue, "/home/user");
    EXPECT_EQ(CRegDllMng::GetInput_s(3, strValue), 8);
    EXPECT_EQ(strValue, "trader  ");
    EXPECT_EQ(CRegDllMng::GetInput_s(4, strValue), 0);  // nothing registered
    EXPECT_TRUE(strValue.IsEmpty());
    EXPECT_EQ(CRegDllMng::GetInput_p(5), &nMenu + 1);
    EXPECT_EQ(CRegDllMng::GetInput_p(2), nullptr);  // a text is no pointer
    strValue = "stale";
    EXPECT_EQ(CRegDllMng::GetInput_s(1, strValue), 0);  // and a pointer no text
    EXPECT_TRUE(strValue.IsEmpty());
    EXPECT_EQ(terminal::InputReadLog(), "p1 s2 s3 s4 p5 p2 s1");

    terminal::ClearInputs();
    EXPECT_EQ(terminal::InputReadLog(), "");
    EXPECT_EQ(CRegDllMng::GetInput_p(1), nullptr);
    EXPECT_EQ(terminal::InputReadLog(), "p1");
}

TEST(TerminalEnvironment, DirectoriesAndUserDataAreTheOnesTheTerminalSet) {
    terminal::SetMainDir("/opt/vork");
    terminal::SetUserDir("/opt/vork/usr/trader");
    terminal::SetDataDir("/opt/vork/data");
    terminal::SetBaseDir("/opt/vork/usr");
    EXPECT_EQ(CEnvMgr::GetMainDir(), "/opt/vork");
    EXPECT_EQ(CEnvMgr::GetUserDir(), "/opt/vork/usr/trader");
    EXPECT_EQ(CEnvMgr::GetDataDir(), "/opt/vork/data");
    EXPECT_EQ(CEnvMgr::GetBaseUserDir("trader"), "/opt/vork/usr/trader");
    EXPECT_EQ(CEnvMgr::GetBaseUserDir("other"), "/opt/vork/usr/other");

    terminal::SetBaseUserID("trader");
    terminal::SetServiceID(1);
    terminal::SetMenuGrade("10");
    EXPECT_EQ(CRoVuvi21::GetBaseUserID(), "trader");
    EXPECT_EQ(CRoVuvi21::GetServiceID(), 1);
    EXPECT_EQ(CRoVuvi21::GetMenuGrade(), "10");
    terminal::SetServiceID(2);
    EXPECT_EQ(CRoVuvi21::GetServiceID(), 2);
}

TEST(ScreenIndex, FindsEveryScreenByItsExactNumber) {
    CMenuNode root = MakeMenu();
    CMapStringToPtr index;
    terminal::BuildScreenIndex(root, index);
    EXPECT_EQ(index.GetCount(), 4);
    const struct {
        const char* pszKey;
        const CMenuNode* pNode;
    } cases[] = {
        {"0101", root.GetChild(0)->GetChild(0)},
        {"0102", root.GetChild(0)->GetChild(1)},
        {"0201", root.GetChild(1)->GetChild(0)},
        {"0301", root.GetChild(1)->GetChild(1)->GetChild(0)},
        {"0999", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        void* pFound = nullptr;
        EXPECT_EQ(index.Lookup(c.pszKey, pFound) != FALSE, c.pNode != nullptr) << c.pszKey;
        EXPECT_EQ(pFound, c.pNode) << c.pszKey;
    }
}

}  // namespace
