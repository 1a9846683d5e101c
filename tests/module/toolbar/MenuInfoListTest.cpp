#include <gtest/gtest.h>

#include <afxautomation.h>
#include <afxcmn.h>
#include <afxcodepage.h>

#include <string>

#include "toolbar/MenuInfo.h"

namespace {

TEST(MenuInfoList, AppendsOneRowPerChildWithNumberNameAndShortName) {
    afx::AutomationSession session;
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.lpszClassName = "MenuInfoListHost";
    ::RegisterClassA(&wc);
    CWnd host;
    ASSERT_TRUE(
        host.CreateEx(0, "MenuInfoListHost", "Host", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr));
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200), &host, 1));
    for (int nColumn = 0; nColumn < 3; ++nColumn) list.InsertColumn(nColumn, "column");
    list.InsertItem(0, "kept");

    CMenuInfo().FillListCtrl(list);
    EXPECT_EQ(list.GetItemCount(), 1);

    CMenuInfo group;
    const char* const rows[][3] = {
        {"0101", "Current price", "Current "}, {"0202", "주식주문", "주문"}, {"0303", "Chart", ""}};
    for (const auto& row : rows) {
        auto* pScreen = new CMenuInfo;
        pScreen->m_strScreenNo = row[0];
        pScreen->m_strName = afx::Utf8ToCp949(row[1]);
        pScreen->m_strShortName = afx::Utf8ToCp949(row[2]);
        group.m_listChild.AddTail(pScreen);
    }
    group.FillListCtrl(list);
    ASSERT_EQ(list.GetItemCount(), 4);
    EXPECT_EQ(list.GetItemText(0, 0), "kept");
    for (int nRow = 0; nRow < 3; ++nRow) {
        for (int nColumn = 0; nColumn < 3; ++nColumn)
            EXPECT_EQ(list.GetItemText(nRow + 1, nColumn),
                      afx::Utf8ToCp949(rows[nRow][nColumn]).c_str())
                << nRow << "/" << nColumn;
    }
    host.DestroyWindow();
}

}  // namespace
