// The test dialog in a running application, answering every message box with
// OK; clicks, drags and their points come from the dialog driver.
#pragma once

#include <gtest/gtest.h>

#include <afxautomation.h>

#include <utility>
#include <vector>

#include "DialogDriver.h"
#include "DragDropTestDlg.h"

using driver::ClickCell;
using driver::ClickRow;
using driver::Drag;
using driver::EndPoint;
using driver::ItemPoint;
using driver::Place;
using driver::RowPoint;

class DragDrop : public ::testing::Test {
protected:
    void SetUp() override {
        afx::SetMessageBoxHandler([](HWND, LPCSTR, LPCSTR, UINT) { return IDOK; });
        afx::ClearMessageBoxRecords();
    }
    void TearDown() override {
        afx::SetMessageBoxHandler({});
        afx::ClearMessageBoxRecords();
    }

    // The texts of the message boxes shown so far.
    static std::vector<CString> BoxTexts() {
        std::vector<CString> texts;
        for (const afx::MessageBoxRecord& record : afx::MessageBoxRecords()) {
            texts.push_back(record.text);
        }
        return texts;
    }

    // Exactly one box was shown, a "Notice" with the exclamation icon on the window.
    static void ExpectOneNotice(LPCSTR pszText, HWND hOwner) {
        ASSERT_EQ(afx::MessageBoxRecords().size(), 1u);
        const afx::MessageBoxRecord& box = afx::MessageBoxRecords()[0];
        EXPECT_EQ(box.text, CString(pszText));
        EXPECT_EQ(box.caption, CString("Notice"));
        EXPECT_EQ(box.type, static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK));
        EXPECT_EQ(box.owner, hOwner);
    }

    static CPoint ToScreen(const CWnd& wnd, CPoint point) {
        wnd.ClientToScreen(&point);
        return point;
    }

    // Clicks the first row, Ctrl+clicks the others.
    static void SelectRows(CListCtrl& list, const std::vector<int>& rows) {
        for (int nRow : rows) ClickRow(list, nRow, nRow == rows.front() ? 0 : MK_CONTROL);
    }

    afx::AutomationSession m_session;
    CDragDropTestDlg m_dlg;
};
