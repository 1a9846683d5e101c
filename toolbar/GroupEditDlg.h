// The default toolbar picker: a pop-up without caption or border under the
// "Modify Group" button, one check box per default toolbar of the default
// toolbar file and "Confirm" below them. Confirming records for each of the
// first ten default toolbars whether it was ticked, in the caller's slots,
// and ends with IDOK; the caller then imports the ticked toolbars' screens.
#pragma once

#include <VoDialog.h>
#include <afxtempl.h>

class CGroupEditDlg : public CVoDialog {
public:
    // Slot t belongs to entry t + 1 of the default toolbar list.
    static constexpr int kSlots = 10;

    CGroupEditDlg();
    ~CGroupEditDlg() override;

    // The anchor is the caller's button on the screen: the pop-up opens at
    // its left edge, just below it. The slots are written only by Confirm.
    void SetInfo(const CRect& rcAnchor, BOOL (&aSlots)[kSlots], const CString& strDefaultFile);

protected:
    BOOL OnInitDialog() override;
    // Enter confirms, as "Confirm" does.
    void OnOK() override;
    // Escape and the close box leave the slots as they are.
    void OnCancel() override;
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnConfirm();

    DECLARE_MESSAGE_MAP()

private:
    // Shows a control made here in the pop-up's font and takes it over.
    void AddControl(CWnd* pControl);
    void FreeControls();

    CRect m_rcAnchor;
    BOOL* m_pSlots = nullptr;
    CString m_strDefaultFile;
    int m_nCheckCount = 0;
    CBrush m_brushBack;
    // The check boxes and "Confirm", made at initialisation; owned.
    CList<CWnd*, CWnd*> m_controls{10};
};
