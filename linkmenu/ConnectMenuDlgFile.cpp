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

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ConnectMenuDlg.h"
#include "menu/ProfileDraft.h"

namespace {

constexpr LPCSTR kCountSection = "USERMENUCOUNT";
constexpr LPCSTR kCountKey = "Count";
constexpr LPCSTR kEntrySection = "USERMENU";
constexpr LPCSTR kMissing = "Empty Section";
constexpr DWORD kValueBytes = 512;

CString LinkMenuFile() {
    return CEnvMgr::GetBaseUserDir(CRoVuvi21::GetBaseUserID()) + "\\UserConnectMenu.ini";
}

// The value, or "" when the key is missing or holds the word that stands for
// a missing key.
CString ReadValue(LPCSTR pszSection, LPCSTR pszKey, LPCSTR pszFile) {
    char szValue[kValueBytes];
    ::GetPrivateProfileStringA(pszSection, pszKey, kMissing, szValue, kValueBytes, pszFile);
    return std::strcmp(szValue, kMissing) == 0 ? CString() : CString(szValue);
}

// The leading decimal integer of a text (blanks, a sign, digits), 0 when
// there is none, held within the range of int.
int LeadingInteger(LPCSTR pszText) {
    const long nValue = std::strtol(pszText, nullptr, 10);
    return nValue > INT_MAX ? INT_MAX : nValue < INT_MIN ? INT_MIN : static_cast<int>(nValue);
}

// The largest key of the section that reads as a number the way the save
// writes it; keys beyond it need no trying, however large Count claims to be.
int LastNumberedKey(LPCSTR pszSection, LPCSTR pszFile) {
    CString strKey;
    std::vector<char> names(4096);
    while (::GetPrivateProfileStringA(pszSection, nullptr, "", names.data(),
                                      static_cast<DWORD>(names.size()),
                                      pszFile) == names.size() - 2) {
        names.resize(names.size() * 2);
    }
    int nLast = 0;
    for (const char* pszKey = names.data(); *pszKey; pszKey += std::strlen(pszKey) + 1) {
        const int nKey = LeadingInteger(pszKey);
        strKey.Format("%d", nKey);
        if (nKey > nLast && strKey == pszKey) nLast = nKey;
    }
    return nLast;
}

}  // namespace

// A file edited by hand may hold more than the dialog lets a user register:
// the first ten entries in key order are shown, the rest stay in the file
// unread, so the list never holds more than Add and the drops allow.
void CConnectMenuDlg::LoadConnectMenu() {
    const CString strFile = LinkMenuFile();
    const CString strCount = ReadValue(kCountSection, kCountKey, strFile);
    if (strCount.IsEmpty()) return;
    const int nCount = LeadingInteger(strCount);
    if (nCount <= 0) return;
    const int nLastKey = std::min(nCount, LastNumberedKey(kEntrySection, strFile));
    for (int i = 0; i < nLastKey && m_listLink.GetItemCount() < kMaxLinks; ++i) {
        const CString strValue = ReadValue(kEntrySection, Number(i + 1), strFile);
        if (!strValue.IsEmpty()) AddProfileEntry(strValue, i);
    }
}

// "name,inner TR,TR code": the first two commas divide the fields, so a
// comma in the name moves the rest along; nothing is trimmed. A missing key
// before this one leaves no hole: the row goes at the end of the list.
void CConnectMenuDlg::AddProfileEntry(const CString& strValue, int nIndex) {
    const int nFirst = strValue.Find(',');
    if (nFirst < 0) return;
    const CString strRest = strValue.Mid(nFirst + 1);
    const int nSecond = strRest.Find(',');
    if (nSecond < 0) return;
    InsertRow(strRest.Left(nSecond), strRest.Mid(nSecond + 1), strValue.Left(nFirst), nIndex);
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
