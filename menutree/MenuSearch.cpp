#include "MenuSearch.h"

CMenuSearch::CMenuSearch(CWnd& dialog, CDDTreeCtrl& tree, CEdit& editText, int nCounterID,
                         CButton& btnPrev, CButton& btnNext)
    : m_dialog(dialog),
      m_tree(tree),
      m_editText(editText),
      m_nCounterID(nCounterID),
      m_btnPrev(btnPrev),
      m_btnNext(btnNext) {}

// An empty field is not a search: the counter, the buttons and the matches
// they step through stay as the last search left them, so the counter can
// never name a position beyond its total.
void CMenuSearch::Search() {
    CString strText;
    m_editText.GetWindowText(strText);
    if (strText.IsEmpty()) return;

    m_nHitCount = 0;
    m_hitMap.RemoveAll();
    // A match is a leaf, so the walk goes on after it with its next sibling
    // or the next sibling of its nearest ancestor that has one.
    for (m_hHitCursor = m_tree.GetRootItem(); m_hHitCursor;) {
        const HTREEITEM hHit = m_tree.FindItem(m_hHitCursor, strText);
        if (!hHit) break;
        m_hitMap.SetAt(m_nHitCount, hHit);
        ++m_nHitCount;
        m_hHitCursor = m_tree.GetNextVisibleItem(hHit);
    }

    if (m_nHitCount == 0) {
        m_btnPrev.EnableWindow(FALSE);
        m_btnNext.EnableWindow(FALSE);
        m_dialog.SetDlgItemText(m_nCounterID, "(0/0)");
        return;
    }
    m_nHitIndex = 0;
    ShowHit(m_nHitIndex);
    m_btnPrev.EnableWindow(FALSE);
    m_btnNext.EnableWindow(m_nHitCount > 1);
}

void CMenuSearch::NextHit() {
    m_btnPrev.EnableWindow(TRUE);
    if (m_nHitIndex + 1 >= m_nHitCount) return;
    ShowHit(++m_nHitIndex);
    if (m_nHitIndex + 1 == m_nHitCount) m_btnNext.EnableWindow(FALSE);
}

void CMenuSearch::PrevHit() {
    m_btnNext.EnableWindow(TRUE);
    if (m_nHitIndex < 1) return;
    ShowHit(--m_nHitIndex);
    if (m_nHitIndex == 0) m_btnPrev.EnableWindow(FALSE);
}

void CMenuSearch::ShowHit(int nIndex) {
    HTREEITEM hHit = nullptr;
    if (!m_hitMap.Lookup(nIndex, hHit)) return;
    for (HTREEITEM hItem = hHit; hItem; hItem = m_tree.GetParentItem(hItem)) {
        m_tree.Expand(hItem, TVE_EXPAND);
    }
    CString strCounter;
    strCounter.Format("(%d/%d)", nIndex + 1, m_nHitCount);
    m_dialog.SetDlgItemText(m_nCounterID, strCounter);
    m_tree.SelectItem(hHit);
}
