// The menu search of both dialogs: a text field, "Search", a counter
// "(position/total)" and the step buttons "<" and ">" above a menu tree.
// A search collects, in one walk over the whole tree (collapsed folders
// too), every leaf whose label contains the text regardless of letter case,
// shows the first and lets "<" and ">" step through the others in tree
// order without wrapping around.
#pragma once

#include <afxcmn.h>
#include <afxtempl.h>
#include <afxwin.h>

#include "dragdrop/DDTreeCtrl.h"

class CMenuSearch {
public:
    // The controls are the dialog's; the counter is a label of the dialog
    // without a member of its own.
    CMenuSearch(CWnd& dialog, CDDTreeCtrl& tree, CEdit& editText, int nCounterID, CButton& btnPrev,
                CButton& btnNext);
    CMenuSearch(const CMenuSearch&) = delete;
    CMenuSearch& operator=(const CMenuSearch&) = delete;

    // An empty text leaves everything as it was, the last matches included.
    void Search();
    void PrevHit();
    void NextHit();

private:
    // Opens the folders above a match, selects it and shows its position.
    void ShowHit(int nIndex);

    CWnd& m_dialog;
    CDDTreeCtrl& m_tree;
    CEdit& m_editText;
    const int m_nCounterID;
    CButton& m_btnPrev;
    CButton& m_btnNext;

    int m_nHitCount = 0;
    int m_nHitIndex = 0;
    HTREEITEM m_hHitCursor = nullptr;  // where the walk of a search goes on
    // Match position to item. The key is as wide as the count, so every
    // match keeps a position of its own, however many a menu holds.
    CMap<int, int, HTREEITEM, HTREEITEM> m_hitMap{10};
};
