// The menu search of both dialogs: a text field, "Search", a counter
// "(position/total)" and the step buttons "<" and ">" above a menu tree.
// A search collects every leaf of the whole tree (collapsed folders too)
// whose label contains the text regardless of letter case, shows the first
// and lets "<" and ">" step through the others in tree order without
// wrapping around.
//
// The dialog fills its menu tree once and never changes it, and tells the
// search of each item as it appends it. A search then reads the labels it
// was told rather than asking the tree item by item: the tree's leaf search
// costs two messages per item, more than a frame for a large menu.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

#include <cstddef>
#include <string>
#include <vector>

#include "dragdrop/DDTreeCtrl.h"

class CMenuSearch {
public:
    // The controls are the dialog's; the counter is a label of the dialog
    // without a member of its own.
    CMenuSearch(CWnd& dialog, CDDTreeCtrl& tree, CEdit& editText, int nCounterID, CButton& btnPrev,
                CButton& btnNext);
    CMenuSearch(const CMenuSearch&) = delete;
    CMenuSearch& operator=(const CMenuSearch&) = delete;

    // The item just appended to the menu tree, in tree order (a folder's
    // items right after it, before its next sibling), with its label and
    // whether it has the children flag, which keeps it from ever matching.
    void Add(HTREEITEM hItem, LPCSTR pszLabel, bool bChildren);

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

    // The items that can match, in tree order, and their labels as the
    // tree's leaf search compares them, one after another in one string: a
    // menu of 100,000 screens costs no allocation per item.
    struct Leaf {
        HTREEITEM hItem;
        std::size_t nLabelEnd;  // the label starts where the one before ends
    };
    std::vector<Leaf> m_leaves;
    std::string m_labels;
    CString m_strLabel;  // each label on its way in

    int m_nHitCount = 0;
    int m_nHitIndex = 0;
    // Match position to item: every match keeps a position of its own,
    // however many a menu holds.
    std::vector<HTREEITEM> m_hitMap;
};
