// The terminal's owner-drawn list: it takes over the drawing of a list from a
// dialog template and gives every row the height its owner asked for.

#include <afxautomation.h>
#include <afxcmn.h>
#include <afxresource.h>
#include <afxwin.h>

#include <JListCtrl.h>

#include <gtest/gtest.h>

namespace {

constexpr UINT kDialogId = 4712;
constexpr UINT kListId = 1079;

const afx::DialogControl kControls[] = {
    {kListId, WC_LISTVIEWA, "", WS_VISIBLE | WS_BORDER | LVS_REPORT, 5, 5, 150, 120},
};
AFX_DIALOG_RESOURCE(kListDialog, kDialogId, "List", DS_SETFONT | WS_POPUP | WS_CAPTION, "Tahoma", 9,
                    0, 0, 160, 130, kControls);

int RowHeight(CListCtrl& list) {
    CRect first;
    CRect second;
    EXPECT_TRUE(list.GetItemRect(0, &first, LVIR_BOUNDS));
    EXPECT_TRUE(list.GetItemRect(1, &second, LVIR_BOUNDS));
    EXPECT_EQ(second.top, first.bottom);
    return first.Height();
}

TEST(JListCtrl, RowsTakeTheSetHeightWhenTheFrameChanges) {
    afx::AutomationSession automation;
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(kDialogId));
    CJListCtrl list;
    ASSERT_TRUE(list.SubclassDlgItem(kListId, &dialog));
    EXPECT_TRUE(list.GetStyle() & LVS_OWNERDRAWFIXED);
    list.InsertColumn(0, "No", LVCFMT_LEFT, 50);
    list.InsertColumn(1, "Name", LVCFMT_RIGHT, 90);
    for (int i = 0; i < 3; ++i) list.SetItemText(list.InsertItem(i, "0101"), 1, "Price");
    const int nOwnHeight = RowHeight(list);
    const auto reframe = [&list] {
        list.SetWindowPos(nullptr, 0, 0, 0, 0,
                          SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    };

    const struct {
        int nSet;
        bool bReframe;
        int nExpected;
    } steps[] = {
        {22, false, nOwnHeight},  // stored, not yet applied
        {22, true, 22},          {30, true, 30},
        {0, true, nOwnHeight},  // back to the list's own height
        {-5, true, nOwnHeight},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.nSet);
        list.fnSetRowHeight(step.nSet);
        if (step.bReframe) reframe();
        EXPECT_EQ(RowHeight(list), step.nExpected);
    }
    ASSERT_NE(nOwnHeight, 22);
    dialog.DestroyWindow();
}

}  // namespace
