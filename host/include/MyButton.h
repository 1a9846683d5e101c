// The terminal's owner-drawn push button, with an optional tool tip.
#pragma once

#include <afxwin.h>

#include <memory>

class CMyButton : public CButton {
    DECLARE_DYNAMIC(CMyButton)
public:
    CMyButton();
    ~CMyButton() override;

    // Shows the text when the mouse rests on the button; an empty text
    // removes the tip.
    void SetToolTipText(const CString& strText);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void PreSubclassWindow() override;

private:
    std::unique_ptr<CToolTipCtrl> m_pToolTip;
};
