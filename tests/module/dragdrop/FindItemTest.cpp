#include <afxcodepage.h>

#include <map>
#include <string>

#include "DragDropFixture.h"

namespace {

CString Cp949(const char* pszUtf8) {
    return afx::Utf8ToCp949(pszUtf8);
}

// The menu search's tree: every folder collapsed. Items are named by their
// UTF-8 labels; the long labels get short names.
class FindItemTree {
public:
    explicit FindItemTree(CTreeCtrl& tree) : m_tree(tree) {
        tree.DeleteAllItems();
        const HTREEITEM hRoot = Add("Menu", TVI_ROOT);
        const HTREEITEM hQuotes = Add("Quotes", hRoot);
        Add("Current price", hQuotes);
        Add("Daily CHART", hQuotes);
        const HTREEITEM hOrders = Add("Orders", hRoot);
        Add("Cash order", hOrders);
        Add("Credit order", Add("Credit", hOrders));
        const HTREEITEM hAccounts = Add("Accounts", hRoot);
        Add("Balance", hAccounts);
        Add("가나 잔고", hAccounts);          // bytes B0 A1 B3 AA ...
        Add("갵 screen", hAccounts);          // 갵 is 81 61: its trail byte is a Latin 'a'
        Add("ＡＢＣ wide", hAccounts);        // full-width capitals
        Add("Empty folder", hRoot);           // a folder without children is a leaf
        AddFlagged("Phantom folder", hRoot);  // says it has children, has none
        // Labels are matched on their first 511 bytes only.
        m_items["long 511"] = Add(std::string(505, 'x') + "NEEDLE", hRoot);
        m_items["long 512"] = Add(std::string(509, 'y') + "HAY", hRoot);
        Add("Last screen", hRoot);
        tree.Expand(hRoot, TVE_EXPAND);
    }

    HTREEITEM operator[](const std::string& strName) const {
        const auto it = m_items.find(strName);
        return it == m_items.end() ? nullptr : it->second;
    }

private:
    HTREEITEM Add(const std::string& strUtf8, HTREEITEM hParent) {
        const HTREEITEM hItem = m_tree.InsertItem(Cp949(strUtf8.c_str()), hParent);
        m_items[strUtf8] = hItem;
        return hItem;
    }
    void AddFlagged(const std::string& strUtf8, HTREEITEM hParent) {
        const CString strLabel = Cp949(strUtf8.c_str());
        TVINSERTSTRUCT tvis{};
        tvis.hParent = hParent;
        tvis.hInsertAfter = TVI_LAST;
        tvis.item.mask = TVIF_TEXT | TVIF_CHILDREN;
        tvis.item.pszText = const_cast<LPSTR>(static_cast<LPCSTR>(strLabel));
        tvis.item.cChildren = 1;
        m_items[strUtf8] = m_tree.InsertItem(&tvis);
    }

    CTreeCtrl& m_tree;
    std::map<std::string, HTREEITEM> m_items;
};

TEST_F(DragDrop, FindItemFindsLeavesInTreeOrderWhateverIsExpanded) {
    m_dlg.Run([&] {
        CDDTreeCtrl& tree = m_dlg.m_treeLink;
        const FindItemTree items(tree);
        struct Case {
            const char* start;  // item name, or nullptr for no start item
            const char* key;    // UTF-8
            const char* found;  // item name, or nullptr for none
        };
        const Case cases[] = {
            {"Menu", "balance", "Balance"},            // in the third collapsed folder
            {"Current price", "order", "Cash order"},  // on past the end of its folder
            {"Credit", "order", "Credit order"},       // a search continued after a hit
            {"Menu", "chart", "Daily CHART"},          // letter case ignored both ways
            {"Menu", "CURRENT", "Current price"},
            {"Menu", "quotes", nullptr},  // a folder's label is never a match
            {"Menu", "credit", "Credit order"},
            {"Menu", "empty", "Empty folder"},
            {"Menu", "phantom", nullptr},
            {"Menu", "가나", "가나 잔고"},
            {"Menu", "〕", nullptr},            // A1 B3 straddles 가 and 나
            {"Menu", "a screen", nullptr},      // 'a' is half of 갵
            {"Menu", "ａｂｃ", "ＡＢＣ wide"},  // full-width letters fold too
            {"Menu", "needle", "long 511"},
            {"Menu", "hay", nullptr},
            {"Menu", "yyyha", "long 512"},
            {"Last screen", "balance", nullptr},     // the walk ends with the tree
            {"Last screen", "last", "Last screen"},  // the start item itself
            {nullptr, "balance", nullptr},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.start ? c.start : "(null)") + " / " + c.key);
            const HTREEITEM hStart = c.start == nullptr ? nullptr : items[c.start];
            EXPECT_EQ(tree.FindItem(hStart, Cp949(c.key)), c.found ? items[c.found] : nullptr);
        }
        // The search expands nothing.
        EXPECT_EQ(tree.GetItemState(items["Accounts"], TVIS_EXPANDED), 0u);
    });
}

}  // namespace
