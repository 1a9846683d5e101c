#include <MenuNode.h>
#include <TerminalSetup.h>

void terminal::BuildScreenIndex(CMenuNode& root, CMapStringToPtr& index) {
    void* pExisting = nullptr;
    if (root.m_pScreen && !index.Lookup(root.m_pScreen->m_strScreenNo, pExisting))
        index.SetAt(root.m_pScreen->m_strScreenNo, &root);
    for (int i = 0; i < root.GetChildCount(); ++i) BuildScreenIndex(*root.GetChild(i), index);
}
