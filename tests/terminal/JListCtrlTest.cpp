// The terminal's owner-drawn list: it takes over the drawing of a list from a
// dialog template and gives every row the height its owner asked for once
// the frame changes.

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

TEST(JListCtrl, RowsTakeTheSetHeightWhenTheFrameChanges) {
    afx::AutomationSession automation;
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(kDialogId));
    CJListCtrl list;
    ASSERT_TRUE(list.SubclassDlgItem(kListId, &dialog));
    EXPECT_TRUE(list.GetStyle() & LVS_OWNERDRAWFIXED);
    list.InsertColumn(0, "No", LVCFMT_LEFT, 50);
    for (int i = 0; i < 2; ++i) list.InsertItem(i, "0101");
    const auto rowHeight = [&list] {
        CRect first, second;
        list.GetItemRect(0, &first, LVIR_BOUNDS);
        list.GetItemRect(1, &second, LVIR_BOUNDS);
        EXPECT_EQ(second.top, first.bottom);
        return first.Height();
    };
    const int nOwnHeight = rowHeight();
    ASSERT_NE(nOwnHeight, 22);
    // {height set, frame changed, rows' height}: 0 and below give the list its own.
    const int steps[][3] = {{22, false, nOwnHeight},
                            {22, true, 22},
                            {30, true, 30},
                            {0, true, nOwnHeight},
                            {-5, true, nOwnHeight}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step[0]);
        list.fnSetRowHeight(step[0]);
        if (step[1])
            list.SetWindowPos(nullptr, 0, 0, 0, 0,
                              SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        EXPECT_EQ(rowHeight(), step[2]);
    }
    dialog.DestroyWindow();
}

}  // namespace
