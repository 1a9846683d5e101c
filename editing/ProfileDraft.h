// A new version of a profile file, composed in a draft of its own beside the
// file by the same profile writes that would edit the file in place, and put
// in the file's place by one atomic replace once every write went through.
// Two processes saving the same file each compose their own draft, so the
// file is always one complete save, the last one published. Whatever fails
// leaves the file byte for byte as it was and removes the draft; Failure()
// then names the file and what failed, in words for the user.
#pragma once

#include <afx.h>

class CProfileDraft {
public:
    // With bFromFile the draft starts as a copy of the file (when there is
    // one), so that what the save does not write stays as it was.
    CProfileDraft(const CString& strFile, bool bFromFile);
    ~CProfileDraft();
    CProfileDraft(const CProfileDraft&) = delete;
    CProfileDraft& operator=(const CProfileDraft&) = delete;

    // After the first write that fails the others are not made.
    void Write(LPCSTR pszSection, LPCSTR pszKey, LPCSTR pszValue);
    void Write(LPCSTR pszSection, LPCSTR pszKey, int nValue, LPCSTR pszFormat);
    // Puts the draft in the file's place; false when anything failed.
    bool Publish();
    CString Failure() const;

private:
    void Fail();

    CString m_strFile;
    CString m_strDraft;  // empty once published or removed
    DWORD m_dwError = ERROR_SUCCESS;
};

// The system's words for why the file, which exists, could not be read;
// empty for a file that was read or does not exist. A file that could not be
// read when a dialog opened is never replaced by its save: what the dialog
// shows of it is not what it holds.
CString UnreadableReason(const CString& strFile);

// "<file> could not be read: <why> It is kept as it is and not saved."
CString UnreadableMessage(const CString& strFile, const CString& strReason);
