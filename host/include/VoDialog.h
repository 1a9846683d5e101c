// The terminal's dialog base: the dialogs of the terminal's modules derive
// from it and so share the terminal's colours.
#pragma once

#include <afxwin.h>

class CVoDialog : public CDialog {
    DECLARE_DYNAMIC(CVoDialog)
public:
    explicit CVoDialog(UINT nIDTemplate, CWnd* pParent = nullptr);
    ~CVoDialog() override;

protected:
    // The dialog and its static texts on the terminal's face colour; derived
    // dialogs call it first and may then change the colours it chose.
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()

private:
    CBrush m_brushFace;
};
