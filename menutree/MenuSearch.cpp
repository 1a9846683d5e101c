#include "MenuSearch.h"

#include <cstring>

CMenuSearch::CMenuSearch(CWnd& dialog, CDDTreeCtrl& tree, CEdit& editText, int nCounterID,
                         CButton& btnPrev, CButton& btnNext)
    : m_dialog(dialog),
      m_tree(tree),
      m_editText(editText),
      m_nCounterID(nCounterID),
      m_btnPrev(btnPrev),
      m_btnNext(btnNext) {}

void CMenuSearch::Add(HTREEITEM hItem, LPCSTR pszLabel, bool bChildren) {
    if (bChildren) return;
    CDDTreeCtrl::SearchedLabel(pszLabel, m_strLabel);
    m_labels.append(m_strLabel.GetString(), static_cast<std::size_t>(m_strLabel.GetLength()));
    m_leaves.push_back({hItem, m_labels.size()});
}

// An empty field is not a search: the counter, the buttons and the matches
// they step through stay as the last search left them, so the counter can
// never name a position beyond its total.
void CMenuSearch::Search() {
    CString strText;
    m_editText.GetWindowText(strText);
    if (strText.IsEmpty()) return;

    strText.MakeUpper();
    m_hitMap.clear();
    // Each label goes through one string, so the walk allocates nothing.
    CString strLabel;
    std::size_t nStart = 0;
    for (const Leaf& leaf : m_leaves) {
        const auto nLength = static_cast<int>(leaf.nLabelEnd - nStart);
        std::memcpy(strLabel.GetBufferSetLength(nLength), m_labels.data() + nStart,
                    static_cast<std::size_t>(nLength));
        strLabel.ReleaseBuffer(nLength);
        if (strLabel.Find(strText) >= 0) m_hitMap.push_back(leaf.hItem);
        nStart = leaf.nLabelEnd;
    }
    m_nHitCount = static_cast<int>(m_hitMap.size());

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
    const HTREEITEM hHit = m_hitMap[static_cast<std::size_t>(nIndex)];
    for (HTREEITEM hItem = hHit; hItem; hItem = m_tree.GetParentItem(hItem)) {
        m_tree.Expand(hItem, TVE_EXPAND);
    }
    CString strCounter;
    strCounter.Format("(%d/%d)", nIndex + 1, m_nHitCount);
    m_dialog.SetDlgItemText(m_nCounterID, strCounter);
    m_tree.SelectItem(hHit);
}
