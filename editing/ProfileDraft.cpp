#include "editing/ProfileDraft.h"

#include <algorithm>

namespace {

// Drafts are "tbl<hex>.TMP"; those of ended processes go with the next save.
constexpr LPCSTR kDraftPrefix = "tbl";

// The system's words for an error code, one sentence.
CString ErrorText(DWORD dwError) {
    char szText[256] = {};
    CString strText;
    if (::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                         dwError, 0, szText, sizeof szText, nullptr) == 0) {
        strText.Format("Error %lu.", static_cast<unsigned long>(dwError));
        return strText;
    }
    strText = szText;
    return strText.TrimRight();
}

CString DirectoryOf(const CString& strFile) {
    const int nSeparator = std::max(strFile.ReverseFind('\\'), strFile.ReverseFind('/'));
    return nSeparator < 0 ? CString(".") : strFile.Left(std::max(nSeparator, 1));
}

}  // namespace

CProfileDraft::CProfileDraft(const CString& strFile, bool bFromFile) : m_strFile(strFile) {
    char szDraft[MAX_PATH] = {};
    if (::GetTempFileNameA(DirectoryOf(strFile), kDraftPrefix, 0, szDraft) == 0) {
        Fail();
        return;
    }
    m_strDraft = szDraft;
    if (bFromFile && ::GetFileAttributesA(strFile) != INVALID_FILE_ATTRIBUTES &&
        !::CopyFileA(strFile, m_strDraft, FALSE)) {
        Fail();
    }
}

CProfileDraft::~CProfileDraft() {
    if (!m_strDraft.IsEmpty()) ::DeleteFileA(m_strDraft);
}

void CProfileDraft::Fail() {
    if (m_dwError == ERROR_SUCCESS) m_dwError = ::GetLastError();
    if (m_dwError == ERROR_SUCCESS) m_dwError = ERROR_GEN_FAILURE;
}

void CProfileDraft::Write(LPCSTR pszSection, LPCSTR pszKey, LPCSTR pszValue) {
    if (m_dwError == ERROR_SUCCESS &&
        !::WritePrivateProfileStringA(pszSection, pszKey, pszValue, m_strDraft)) {
        Fail();
    }
}

void CProfileDraft::Write(LPCSTR pszSection, LPCSTR pszKey, int nValue, LPCSTR pszFormat) {
    CString strValue;
    strValue.Format(pszFormat, nValue);
    Write(pszSection, pszKey, strValue);
}

// A file that is not there yet is created by moving the draft to its name.
bool CProfileDraft::Publish() {
    if (m_dwError != ERROR_SUCCESS) return false;
    BOOL bDone =
        ::ReplaceFileA(m_strFile, m_strDraft, nullptr, REPLACEFILE_WRITE_THROUGH, nullptr, nullptr);
    if (!bDone && ::GetLastError() == ERROR_FILE_NOT_FOUND) {
        bDone = ::MoveFileExA(m_strDraft, m_strFile,
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    }
    if (!bDone) {
        Fail();
        return false;
    }
    m_strDraft.Empty();
    return true;
}

CString CProfileDraft::Failure() const {
    CString strText;
    strText.Format("%s could not be saved: %s The file is unchanged.", m_strFile.GetString(),
                   ErrorText(m_dwError).GetString());
    return strText;
}

CString UnreadableReason(const CString& strFile) {
    char szNames[2];
    ::GetPrivateProfileStringA(nullptr, nullptr, "", szNames, sizeof szNames, strFile);
    const DWORD dwError = ::GetLastError();
    return dwError == ERROR_SUCCESS || dwError == ERROR_FILE_NOT_FOUND ||
                   dwError == ERROR_PATH_NOT_FOUND
               ? CString()
               : ErrorText(dwError);
}

CString UnreadableMessage(const CString& strFile, const CString& strReason) {
    CString strText;
    strText.Format("%s could not be read: %s It is kept as it is and not saved.",
                   strFile.GetString(), strReason.GetString());
    return strText;
}
