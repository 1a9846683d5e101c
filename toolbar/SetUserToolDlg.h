// "Toolbar Settings": the user's toolbars (groups of screen shortcuts),
// edited against the terminal's menu and saved to the user's toolbar file.
//
// The class is implemented by concern: SetUserToolDlg.cpp (construction,
// initialisation, notifications, keys, colours), SetUserToolDlgTrees.cpp
// (pictures, menu tree, group-tree items), SetUserToolDlgScreens.cpp (the
// screens of a group and the drops), SetUserToolDlgFiles.cpp (toolbar and
// favorites files, the default toolbar import), SetUserToolDlgGroups.cpp
// (group operations), SetUserToolDlgSearch.cpp (menu search) and
// SetUserToolDlgHistory.cpp (undo and redo).
#pragma once

#include <MenuNode.h>
#include <MyButton.h>
#include <VoDialog.h>
#include <afxcmn.h>
#include <afxtempl.h>

#include <vector>

#include "dragdrop/DDListCtrl.h"
#include "GroupEditDlg.h"
#include "dragdrop/DDTreeCtrl.h"
#include "toolbar/MenuInfo.h"
#include "menutree/MenuSearch.h"
#include "toolbar/ToolbarHistory.h"

class CProfileDraft;

class CSetUserToolDlg : public CVoDialog {
public:
    // The user's file is "<user dir>\ToolBar_<user id>.ini" with the
    // identifier's trailing white space removed; the defaults are in
    // "<user dir>\Toolbar.ini". The menu is copied; the index is borrowed.
    CSetUserToolDlg(CMenuNode* pMenuRoot, CString strUserDir, CString strUserID,
                    CString strScreenNo, CMapStringToPtr* pScreenIndex, CWnd* pParent = nullptr);
    ~CSetUserToolDlg() override;

    // A toolbar takes new screens only while it holds fewer than this many.
    static constexpr int kMaxScreens = 30;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL ListKey(UINT nKey);
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Window, colours and the notifications that belong to no one operation.
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnDeleteGroupItem(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeleteMenuItem(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnGroupItemExpanding(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnGroupSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnGroupDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnMenuDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnListDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg LRESULT OnShortNameEdited(WPARAM wParam, LPARAM lParam);
    void InsertListColumns();

    // Trees: pictures, the menu tree, group-tree items.
    void BuildImageList();
    void FillMenuTree();
    void InsertMenuChildren(const CMenuNode& node, HTREEITEM hParent, bool bFirstLevel);
    HTREEITEM InsertGroupItem(CMenuInfo* pInfo, HTREEITEM hParent);
    void RefreshGroupItem(HTREEITEM hItem);

    // Screens of a group.
    void ShowGroupScreens(HTREEITEM hItem);
    int GetSelectedListIndex() const;
    afx_msg void RegisterScreen();
    afx_msg void DeleteScreens();
    afx_msg void DeleteAllScreens();
    afx_msg void MoveScreenToTop();
    afx_msg void MoveScreenUp();
    afx_msg void MoveScreenDown();
    afx_msg void MoveScreenToBottom();
    afx_msg LRESULT OnListItemsMoved(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDroppedOnList(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListDroppedOnGroups(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListDroppedOnMenu(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMenuItemDropped(WPARAM wParam, LPARAM lParam);

    // Files.
    void CheckUserFileReadable();
    void LoadToolbarFile();
    void AddFavoritesToMenuTree();
    void FillGroupTree();
    afx_msg void SaveToolbarFile();
    void WriteToolbarFile(CProfileDraft& file, int nDefaults);
    afx_msg void ModifyGroup();
    void ImportDefaultToolbars();

    // Groups.
    // "NewGroup", else the first "NewGroup(n)" that no child of the item's
    // record has in any letter case; false when none is free.
    bool MakeUniqueGroupName(HTREEITEM hParent, CString& strName) const;
    afx_msg void AddGroup();
    afx_msg void RenameGroup();
    afx_msg void DeleteGroup();
    afx_msg void MoveScreenToGroup();
    afx_msg void OnBeginGroupEdit(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnEndGroupEdit(NMHDR* pNMHDR, LRESULT* pResult);

    // Menu search.
    afx_msg void Search();
    afx_msg void PrevHit();
    afx_msg void NextHit();

    // The record of a group-tree item, the node of a menu-tree item; null
    // for no item or an item without data.
    CMenuInfo* GroupRecord(HTREEITEM hItem) const;
    CMenuNode* MenuNode(HTREEITEM hItem) const;

    // The terminal's message box, caption "Halvane VORK"; Ask offers OK and
    // Cancel and is true for OK.
    void Alert(LPCSTR pszText);
    bool Ask(LPCSTR pszQuestion);
    // The window's own message box with the exclamation icon.
    void Warn(LPCSTR pszText, LPCSTR pszCaption);

    DECLARE_MESSAGE_MAP()

    CEdit m_editSearch;
    CMyButton m_btnPrev, m_btnNext, m_btnSearch, m_btnCancel, m_btnSave, m_btnAddGroup,
        m_btnRenameGroup, m_btnDeleteGroup, m_btnDeleteToolbar, m_btnMoveToolbar, m_btnRegist,
        m_btnDelete, m_btnDeleteAll, m_btnTop, m_btnUp, m_btnDown, m_btnBottom, m_btnModifyGroup;
    HBRUSH m_hStaticBrush = nullptr;
    BOOL m_aDefaultImport[CGroupEditDlg::kSlots] = {};
    CDDTreeCtrl m_treeGroup;
    CDDTreeCtrl m_treeMenu;
    CDDListCtrl m_listTool;
    CMenuNode m_menuRoot;
    CImageList m_imageList;
    CString m_strInitScreenNo;
    CString m_strUserFile;
    CString m_strDefaultFile;
    CString m_strReadFailure;  // why the user's file could not be read when the dialog opened
    CMenuSearch m_search;
    CMapStringToPtr* m_pScreenIndex;

private:
    // The records behind the group tree, whether they differ from what the
    // dialog opened with, and the group whose screens the list shows.
    CMenuInfo m_groupRoot;
    BOOL m_bModified = FALSE;
    HTREEITEM m_hCurGroup = nullptr;

    static CString LimitMessage();
    enum class Move { Top, Up, Down, Bottom };
    void MoveScreen(Move how);
    // Adds a menu screen to a group after row nAfter (-1: at the end);
    // shows why and returns false when the group refuses it.
    bool AddScreen(CMenuInfo* pGroup, const CMenuNode* pNode, int nAfter);
    // The registering shared by "Regist" and a drop on the list: the
    // selected group takes the screen after the first selected row.
    void RegisterAfterSelection(const CMenuNode* pNode);
    // The list shows the group again with row nRow selected, focused and in view.
    void RefreshList(const CMenuInfo& group, int nRow);
    void SelectRow(int nRow);
    std::vector<int> SelectedRows() const;
    void ClickButton(CButton& button);

    // Undo and redo (SetUserToolDlgHistory.cpp).
    CToolbarHistory::Hooks HistoryHooks();
    ToolbarView CurrentView() const;
    void ShowState(const ToolbarContent& groups, const ToolbarView& view);
    CToolbarHistory m_history{HistoryHooks()};
};
