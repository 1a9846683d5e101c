// A dialog holding the drag-and-drop controls as the module's dialogs hold
// them, recording the private messages and label edits that reach it.
#pragma once

#include <afxautomation.h>
#include <afxwin.h>

#include <functional>
#include <ostream>
#include <vector>

#include "dragdrop/DDListCtrl.h"
#include "dragdrop/DDTreeCtrl.h"
#include "dragdrop/DragDropMessages.h"

// One private message as the dialog received it; for UM_SHORT_NAME_EDITED the
// text lParam pointed to during the call.
struct Received {
    UINT nMessage;
    WPARAM wParam;
    LPARAM lParam;
    CString strText;

    bool operator==(const Received&) const = default;
    friend void PrintTo(const Received& r, std::ostream* os) {
        *os << "{0x" << std::hex << r.nMessage << std::dec << ", " << r.wParam << ", " << r.lParam
            << ", \"" << static_cast<LPCSTR>(r.strText) << "\"}";
    }
};

inline Received Item(UINT nMessage, HTREEITEM hDragged, HTREEITEM hTarget) {
    return {nMessage, reinterpret_cast<WPARAM>(hDragged), reinterpret_cast<LPARAM>(hTarget), ""};
}

// The end of a group-tree label edit, as the dialog saw it.
struct LabelEdit {
    bool bCancelled;
    CString strText;           // the notification's text
    CString strSelectedLabel;  // the selected item's label at that moment
};

class CDragDropTestDlg : public CDialog {
public:
    static constexpr UINT IDD = 9801;
    static constexpr UINT IDC_MENU_TREE = 1040;
    static constexpr UINT IDC_GROUP_TREE = 1042;
    static constexpr UINT IDC_LINK_TREE = 1075;  // a plain tree, as the link dialog's
    static constexpr UINT IDC_TOOL_LIST = 1033;
    static constexpr int kToolRows = 20;

    CDragDropTestDlg() : CDialog(IDD) {}

    // Runs the dialog modally, calls body from inside its modal loop, then
    // ends it unless it has already ended.
    void Run(const std::function<void()>& body);

    CDDTreeCtrl m_treeMenu;   // set up as the toolbar dialog's menu tree
    CDDTreeCtrl m_treeGroup;  // set up as the toolbar dialog's group tree
    CDDTreeCtrl m_treeLink;   // 1075
    CDDListCtrl m_listTool;   // 1033

    // Menu tree: root, folder "Quotes" with two screens, folder "Orders", screen "Balance".
    HTREEITEM m_hMenuRoot = nullptr, m_hQuotes = nullptr, m_hCurrentPrice = nullptr,
              m_hDailyChart = nullptr, m_hBalance = nullptr;
    // Group tree: root, "Group 1", collapsed "Group 2" holding one screen.
    HTREEITEM m_hGroupRoot = nullptr, m_hGroup1 = nullptr, m_hGroup2 = nullptr;
    // Link tree: root, collapsed "Folder" with one screen, then many screens.
    HTREEITEM m_hLinkRoot = nullptr, m_hLinkFolder = nullptr, m_hLinkFirst = nullptr,
              m_hLinkSecond = nullptr;

    std::vector<Received> m_received;
    std::vector<LabelEdit> m_labelEdits;

protected:
    BOOL OnInitDialog() override;

    template <UINT nMessage>
    afx_msg LRESULT OnPrivateMessage(WPARAM wParam, LPARAM lParam) {
        CString strText;
        if (nMessage == UM_SHORT_NAME_EDITED) strText = reinterpret_cast<LPCSTR>(lParam);
        m_received.push_back({nMessage, wParam, lParam, strText});
        return 0;
    }
    afx_msg void OnGroupEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void FillTrees();
    void FillList();
};
