// The terminal's pop-up library (Flyout.dll), loaded from the main directory
// for one hand-over of a saved settings file and freed again.
#pragma once

#include <afx.h>

class CFlyoutLib {
public:
    CFlyoutLib();  // loads the library at once
    ~CFlyoutLib();
    CFlyoutLib(const CFlyoutLib&) = delete;
    CFlyoutLib& operator=(const CFlyoutLib&) = delete;

    // The library from CEnvMgr::GetMainDir(), or null when it cannot be loaded.
    HMODULE LoadFromMainDir();

    // Hands one file to the library's ShowFileDownDlg under a file kind code:
    // 0 without calling when the menu grade does not begin with "1", -1 when
    // the library or its export is missing, else the export's result.
    int CallShowFileDownDlg(int nMode, const CString& strCode, const CString& strPath);

private:
    HMODULE m_hModule = nullptr;
    CString m_strName = "Flyout.dll";
};

// What both save paths do after writing their file: users of service 1 have
// it handed to the pop-up library (mode 1) under its file kind code.
void HandOverSavedFile(const CString& strCode, const CString& strPath);
