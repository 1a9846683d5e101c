// The link menu file, "<base user dir>\UserConnectMenu.ini":
//
//   [USERMENUCOUNT]  Count=<n>
//   [USERMENU]       1=<name>,<inner TR>,<TR code> ... <n>=...
//
// Keys are only ever written: a shorter list leaves the keys of a longer one
// behind, unread because loading stops at Count.
#include <EnvMgr.h>
#include <FlyoutLib.h>
#include <RoVuvi21.h>

#include "ConnectMenuDlg.h"
#include "linkmenu/LinkMenuFile.h"
#include "editing/ProfileDraft.h"

namespace {

constexpr LPCSTR kCountSection = "USERMENUCOUNT";
constexpr LPCSTR kCountKey = "Count";
constexpr LPCSTR kEntrySection = "USERMENU";

CString LinkMenuFile() {
    return CEnvMgr::GetBaseUserDir(CRoVuvi21::GetBaseUserID()) + "\\UserConnectMenu.ini";
}

}  // namespace

// A file edited by hand may hold more than the dialog lets a user register:
// the first ten entries in key order are shown, the rest stay in the file
// unread, so the list never holds more than Add and the drops allow.
void CConnectMenuDlg::LoadConnectMenu() {
    ReadLinkMenuFile(LinkMenuFile(), [this](const CString& strValue, int nIndex) {
        AddProfileEntry(strValue, nIndex);
        return m_listLink.GetItemCount() < kMaxLinks;
    });
}

// A missing key before this one leaves no hole: the row goes at the end of
// the list.
void CConnectMenuDlg::AddProfileEntry(const CString& strValue, int nIndex) {
    LinkMenuEntry entry;
    if (SplitLinkMenuValue(strValue, entry))
        InsertRow(entry.strInnerTR, entry.strTRCode, entry.strScreenName, nIndex);
}

// A link menu file that exists but cannot be read is told in the status
// line; OK then never replaces it.
void CConnectMenuDlg::CheckLinkMenuReadable() {
    m_strReadFailure = UnreadableReason(LinkMenuFile());
    if (!m_strReadFailure.IsEmpty()) {
        ShowStatus(UnreadableMessage(LinkMenuFile(), m_strReadFailure), TRUE);
    }
}

// The new file is composed on a copy of the old one beside it, by the same
// writes that would edit the old file in place, and replaces it whole. A
// save that fails says why in the status line; false then.
bool CConnectMenuDlg::SaveConnectMenu() {
    const CString strFile = LinkMenuFile();
    if (!m_strReadFailure.IsEmpty()) {
        ShowStatus(UnreadableMessage(strFile, m_strReadFailure), TRUE);
        return false;
    }
    CProfileDraft file(strFile, true);
    const int nRows = m_listLink.GetItemCount();
    file.Write(kCountSection, kCountKey, Number(nRows));
    for (int nRow = 0; nRow < nRows; ++nRow) {
        CString strValue;
        strValue.Format("%s,%s,%s", m_listLink.GetItemText(nRow, kScreenName).GetString(),
                        m_listLink.GetItemText(nRow, kInnerTR).GetString(),
                        m_listLink.GetItemText(nRow, kTRCode).GetString());
        file.Write(kEntrySection, Number(nRow + 1), strValue);
    }
    if (!file.Publish()) {
        ShowStatus(file.Failure(), TRUE);
        return false;
    }
    HandOverSavedFile("0007", strFile);
    return true;
}
