#include "SampleMenu.h"

namespace fuzz {
namespace {

void AddScreen(CMenuNode& parent, CMapStringToPtr& index, const char* pszName, BYTE nKind,
               const char* pszNo) {
    CMenuNode& node = *parent.AddChild();
    node.m_strName = pszName;
    node.m_nKind = nKind;
    node.m_pScreen = std::make_unique<CScreenRecord>();
    node.m_pScreen->m_strScreenNo = pszNo;
    index.SetAt(pszNo, &node);
}

}  // namespace

SampleMenu::SampleMenu() {
    AddScreen(root, index, "Current price", MENU_NODE_SCREEN, "0101");
    AddScreen(root, index, "Order book", MENU_NODE_SCREEN, "0102");
    AddScreen(root, index, "Sectors", MENU_NODE_FOLDER, "0200");
    AddScreen(root, index, "Notices", 7, "0900");
}

}  // namespace fuzz
