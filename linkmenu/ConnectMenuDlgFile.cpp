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

// The new file is composed on a copy of the old one beside it, by the same
// writes that would edit the old file in place, and replaces it only when
// every write went through: the file is always either the old one or the
// complete new one.
void CConnectMenuDlg::SaveConnectMenu() {
    const CString strFile = LinkMenuFile();
    const CString strDraft = strFile + ".new";
    ::DeleteFileA(strDraft);
    const int nRows = m_listLink.GetItemCount();
    bool bWritten = (::GetFileAttributesA(strFile) == INVALID_FILE_ATTRIBUTES ||
                     ::CopyFileA(strFile, strDraft, FALSE)) &&
                    ::WritePrivateProfileStringA(kCountSection, kCountKey, Number(nRows), strDraft);
    for (int nRow = 0; bWritten && nRow < nRows; ++nRow) {
        CString strValue;
        strValue.Format("%s,%s,%s", m_listLink.GetItemText(nRow, kScreenName).GetString(),
                        m_listLink.GetItemText(nRow, kInnerTR).GetString(),
                        m_listLink.GetItemText(nRow, kTRCode).GetString());
        bWritten =
            ::WritePrivateProfileStringA(kEntrySection, Number(nRow + 1), strValue, strDraft);
    }
    if (bWritten) ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, strDraft);
    if (!bWritten ||
        !::MoveFileExA(strDraft, strFile, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileA(strDraft);
    }
    HandOverSavedFile("0007", strFile);
}
