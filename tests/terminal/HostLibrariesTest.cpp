// The terminal's framework libraries as the module uses them: the message
// box of RoVuvi.

#include <afxautomation.h>
#include <afxwin.h>

#include <RoVuvi21.h>

#include <gtest/gtest.h>

namespace {

TEST(VoMessageBox, ShowsTheFrameworksBoxAndAnswersOneForOk) {
    afx::AutomationSession automation;
    const struct {
        int nType;
        LPCSTR pszLast;
        int nAnswer;
        UINT uShownType;
        const char* pszShownText;
    } cases[] = {
        {0, nullptr, IDOK, MB_OK, "Text"},           {1, nullptr, IDOK, MB_OKCANCEL, "Text"},
        {1, nullptr, IDCANCEL, MB_OKCANCEL, "Text"}, {0, "", IDOK, MB_OK, "Text"},
        {0, "More", IDOK, MB_OK, "Text\nMore"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszShownText);
        afx::ClearMessageBoxRecords();
        const afx::MessageBoxHandler previous =
            afx::SetMessageBoxHandler([&](HWND, LPCSTR, LPCSTR, UINT) { return c.nAnswer; });
        EXPECT_EQ(CRoVuvi21::VoMessageBox("Text", c.nType, "Halvane VORK", nullptr, c.pszLast),
                  c.nAnswer);
        afx::SetMessageBoxHandler(previous);
        ASSERT_EQ(afx::MessageBoxRecords().size(), 1u);
        const afx::MessageBoxRecord& box = afx::MessageBoxRecords()[0];
        EXPECT_EQ(box.text, c.pszShownText);
        EXPECT_EQ(box.caption, "Halvane VORK");
        EXPECT_EQ(box.type & MB_TYPEMASK, c.uShownType);
        EXPECT_EQ(box.owner, nullptr);
    }
}

}  // namespace
