// Undo and redo: the history watches the messages that carry a person's
// actions, and a step comes back as the rows of the link list, numbered as
// ever, with the selection and the status line of its time.
#include "ConnectMenuDlg.h"

LRESULT CConnectMenuDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) m_history.Close();
    const auto action = m_history.Track(IsActionMessage(message));
    return CNewDialog::WindowProc(message, wParam, lParam);
}

CLinkHistory::Hooks CConnectMenuDlg::HistoryHooks() {
    return {[this](const std::vector<LinkRow>&) { return LinkRows(); },
            [this] {
                LinkView view{CListPlace::Of(m_listLink), {}, m_bStatusError};
                m_stcStatus.GetWindowText(view.strStatus);
                return view;
            },
            [this](const std::vector<LinkRow>& rows, const LinkView& view) {
                m_listLink.DeleteAllItems();
                for (const LinkRow& row : rows) {
                    InsertRow(row.strInnerTR, row.strScreenNo, row.strName,
                              m_listLink.GetItemCount());
                }
                view.list.ShowIn(m_listLink);
                ShowStatus(view.strStatus, view.bStatusError);
            }};
}

std::vector<LinkRow> CConnectMenuDlg::LinkRows() const {
    std::vector<LinkRow> rows;
    for (int nRow = 0; nRow < m_listLink.GetItemCount(); ++nRow) {
        rows.push_back({m_listLink.GetItemText(nRow, kInnerTR),
                        m_listLink.GetItemText(nRow, kTRCode),
                        m_listLink.GetItemText(nRow, kScreenName)});
    }
    return rows;
}
