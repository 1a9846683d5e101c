// "Register link menu": up to ten screens of the terminal's menu that the
// terminal offers as linked screens, picked from the menu tree into the link
// list and saved to the user's link menu file.
//
// The class is implemented by concern: ConnectMenuDlg.cpp (window, list,
// buttons, drops, status line, keys), ConnectMenuDlgTree.cpp (the menu tree),
// ConnectMenuDlgFile.cpp (the link menu file) and ConnectMenuDlgHistory.cpp
// (undo and redo).
#pragma once

#include <MenuNode.h>
#include <MyButton.h>
#include <NewDialog.h>
#include <afxcmn.h>

#include "dragdrop/DDListCtrl.h"
#include "dragdrop/DDTreeCtrl.h"
#include "linkmenu/LinkHistory.h"
#include "menutree/MenuSearch.h"

#include <unordered_set>

class CConnectMenuDlg : public CNewDialog {
public:
    CConnectMenuDlg(CMenuNode* pMenuRoot, CString strScreenNo, CWnd* pParent = nullptr);
    ~CConnectMenuDlg() override;

    // The terminal offers at most this many linked screens.
    static constexpr int kMaxLinks = 10;

protected:
    // Columns of the link list; a row holds nothing but their texts.
    enum LinkColumn { kInnerTR, kNo, kTRCode, kScreenName };
    // "%d", as "No", the file's keys and Count show numbers.
    static CString Number(int n);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL ListKey(UINT nKey);
    BOOL OnInitDialog() override;
    void OnOK() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The link list: columns "Inner TR" (hidden, the duplicate key), "No",
    // "TR Code" and "Screen Name".
    void InitListColumns();
    // 1 when a row already holds innerTR (nothing changes); otherwise puts
    // the screen in row nIndex, replacing that row when there is one, and
    // returns 0.
    int InsertLinkItem(const CString& strInnerTR, const CString& strScreenNo,
                       const CString& strName, int nIndex);
    // Rows nFrom and nTo trade their screens; FALSE when nTo names no row.
    BOOL SwapLinkItems(int nFrom, int nTo);
    void RenumberLinkItems();
    // The status line under both panes, red for a refusal.
    void ShowStatus(LPCSTR pszText, BOOL bError);

    afx_msg void OnAdd();
    afx_msg void OnDelete();
    afx_msg void OnDeleteAll();
    afx_msg void OnTreeDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnListDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg LRESULT OnListItemsMoved(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDroppedOnList(WPARAM wParam, LPARAM lParam);
    afx_msg void Search();
    afx_msg void PrevHit();
    afx_msg void NextHit();

    // The menu tree.
    void InitTreeImages();
    void FillMenuTree();
    void AddMenuChildren(const CMenuNode& node, HTREEITEM hParent);
    // Whether the node is a screen that makes its folders worth showing.
    static bool IsScreenToLink(const CMenuNode& node);
    // The nodes at or below root that hold such a screen.
    static std::unordered_set<const CMenuNode*> NodesHoldingScreens(const CMenuNode& root);

    // The link menu file.
    void LoadConnectMenu();
    void CheckLinkMenuReadable();
    void AddProfileEntry(const CString& strValue, int nIndex);
    // False, with the reason in the status line, when the file was not saved.
    bool SaveConnectMenu();

    DECLARE_MESSAGE_MAP()

    BOOL m_bStatusError = FALSE;
    CString m_strReadFailure;  // why the file could not be read when the dialog opened
    CString m_strInitScreenNo;
    CMenuNode* m_pMenuRoot;
    CImageList m_imageList;
    CDDTreeCtrl m_treeMenu;
    CDDListCtrl m_listLink;
    CMyButton m_btnOK, m_btnCancel, m_btnDeleteAll, m_btnDelete, m_btnAdd;
    CStatic m_stcStatus;
    CEdit m_editSearch;
    CMyButton m_btnSearch, m_btnPrev, m_btnNext;
    CMenuSearch m_search;

private:
    // The node of a menu-tree item; null for no item and for the root.
    const CMenuNode* MenuNode(HTREEITEM hItem) const;
    // Puts a screen of the menu tree in row nIndex and says how it went.
    void RegisterScreen(const CMenuNode& node, int nIndex);
    // A new row at nIndex, or at the end when nIndex lies beyond it.
    void InsertRow(const CString& strInnerTR, const CString& strScreenNo, const CString& strName,
                   int nIndex);

    // Undo and redo (ConnectMenuDlgHistory.cpp).
    CLinkHistory::Hooks HistoryHooks();
    std::vector<LinkRow> LinkRows() const;
    CLinkHistory m_history{HistoryHooks()};
};
