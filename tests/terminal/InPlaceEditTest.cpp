// The terminal's in-place editor of a list cell: how an edit ends, what the
// list hears of it, and that the editor is gone afterwards.

#include <afxautomation.h>
#include <afxcmn.h>
#include <afxresource.h>
#include <afxwin.h>

#include <InPlaceEdit.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace {

constexpr UINT kDialogId = 4711;
constexpr UINT kListId = 1079;

const afx::DialogControl kControls[] = {
    {kListId, WC_LISTVIEWA, "", WS_VISIBLE | WS_BORDER | LVS_REPORT, 5, 5, 150, 80},
    {IDOK, "Button", "OK", WS_VISIBLE | BS_PUSHBUTTON, 5, 90, 40, 14},
};
AFX_DIALOG_RESOURCE(kEditDialog, kDialogId, "Edit", DS_SETFONT | WS_POPUP | WS_CAPTION, "Tahoma", 9,
                    0, 0, 160, 110, kControls);

// A list that keeps what the end of an edit reported, as a list control
// hears it: reflected back from its parent.
class CReportingList : public CListCtrl {
public:
    struct Report {
        int nRow, nColumn;
        std::optional<CString> text;
    };
    std::vector<Report> m_reports;

protected:
    afx_msg void OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult) {
        const auto* pInfo = reinterpret_cast<NMLVDISPINFO*>(pNMHDR);
        m_reports.push_back(
            {pInfo->item.iItem, pInfo->item.iSubItem,
             pInfo->item.pszText ? std::optional<CString>(pInfo->item.pszText) : std::nullopt});
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReportingList, CListCtrl)
ON_NOTIFY_REFLECT(LVN_ENDLABELEDIT, &CReportingList::OnEndLabelEdit)
END_MESSAGE_MAP()

TEST(InPlaceEdit, EndsOnEnterEscapeOrLostFocusReportsToTheListAndGoesAway) {
    afx::AutomationSession automation;
    const struct {
        const char* pszName;
        std::function<void(CReportingList&)> end;
        std::optional<CString> reported;
    } cases[] = {
        {"Enter", [](CReportingList&) { afx::PressKey(VK_RETURN); }, CString("New")},
        {"Escape", [](CReportingList&) { afx::PressKey(VK_ESCAPE); }, std::nullopt},
        {"focus", [](CReportingList& list) { list.SetFocus(); }, CString("New")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CDialog dialog;
        ASSERT_TRUE(dialog.Create(kDialogId));
        CReportingList list;
        ASSERT_TRUE(list.SubclassDlgItem(kListId, &dialog));
        dialog.ShowWindow(SW_SHOW);

        auto* pEdit = new CInPlaceEdit(3, 2, "Old");
        ASSERT_TRUE(
            pEdit->Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 80, 30), &list, 1002));
        const HWND hEdit = pEdit->GetSafeHwnd();
        EXPECT_EQ(CWnd::GetFocus(), pEdit);
        char text[16] = {};
        ::GetWindowTextA(hEdit, text, sizeof text);
        EXPECT_STREQ(text, "Old");
        afx::TypeText("New");
        c.end(list);

        ASSERT_EQ(list.m_reports.size(), 1u);
        EXPECT_EQ(list.m_reports[0].nRow, 3);
        EXPECT_EQ(list.m_reports[0].nColumn, 2);
        EXPECT_EQ(list.m_reports[0].text, c.reported);
        EXPECT_FALSE(::IsWindow(hEdit));
        dialog.DestroyWindow();
    }
}

}  // namespace
