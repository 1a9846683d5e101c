// The terminal's newer dialog base, which can centre itself over its owner.
#pragma once

#include "VoDialog.h"

class CNewDialog : public CVoDialog {
    DECLARE_DYNAMIC(CNewDialog)
public:
    explicit CNewDialog(UINT nIDTemplate, CWnd* pParent = nullptr);
    ~CNewDialog() override;

protected:
    BOOL OnInitDialog() override;

    // Non-zero: the dialog centres itself over its owner when it opens; zero
    // (the default) leaves it where the framework puts it.
    BOOL m_bCenterOnOwner = FALSE;
};
