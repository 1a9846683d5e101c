// The terminal's owner-drawn report list: rows of a height the owner sets,
// drawn with the selection and the drop highlight in the system's colours.
#pragma once

#include <afxcmn.h>

class CJListCtrl : public CListCtrl {
    DECLARE_DYNAMIC(CJListCtrl)
public:
    CJListCtrl();
    ~CJListCtrl() override;

    // The height of every row in pixels; it takes effect when the list's
    // frame next changes (SetWindowPos with SWP_FRAMECHANGED). 0 keeps the
    // height the list chooses for its font.
    void fnSetRowHeight(int nHeight);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void PreSubclassWindow() override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

    DECLARE_MESSAGE_MAP()

private:
    int m_nRowHeight = 0;
};
