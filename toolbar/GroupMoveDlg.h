// "도구 이동": picks the group a screen is to be moved to, from a private
// copy of the toolbar dialog's groups, so nothing the user does here reaches
// the caller's records.
#pragma once

#include <VoDialog.h>
#include <afxcmn.h>

#include "toolbar/MenuInfo.h"

class CGroupMoveDlg : public CVoDialog {
public:
    CGroupMoveDlg();
    ~CGroupMoveDlg() override;

    // The caller assigns its root record (kind 15) before DoModal.
    CMenuInfo m_rootCopy;
    // In: a group to preselect, by name without regard to case. Out, after
    // IDOK: the chosen group's name, empty when none was selected or when
    // Enter ended the dialog.
    CString m_strGroupName;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnGroupOk();

    DECLARE_MESSAGE_MAP()

    CTreeCtrl m_treeGroups;
    CImageList m_stateImages;
};
