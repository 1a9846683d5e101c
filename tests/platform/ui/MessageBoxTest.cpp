// Message boxes: one path for all of them, answered by the handler or by a
// person (here the modal hook), and every one recorded.
#include <gtest/gtest.h>

#include "Support.h"

namespace {

TEST(MessageBoxes, EveryBoxIsAnsweredByTheHandlerAndRecorded) {
    afx::ClearMessageBoxRecords();
    AfxSetAppName("Halvane VORK");
    ScopedMessageBoxHandler handler([&](HWND, LPCSTR text, LPCSTR, UINT) {
        return std::string(text) == "Save?" ? IDCANCEL : IDOK;
    });
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, "#32770", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
    EXPECT_EQ(IDCANCEL, AfxMessageBox("Save?", MB_OKCANCEL));
    EXPECT_EQ(IDOK, owner.MessageBox("Only one", "Notice", MB_OK | MB_ICONEXCLAMATION));
    EXPECT_EQ(IDOK, owner.MessageBox("No caption"));
    EXPECT_EQ(IDOK, MessageBoxA(nullptr, "Raw", nullptr, MB_OK));
    owner.DestroyWindow();

    const auto& records = afx::MessageBoxRecords();
    ASSERT_EQ(4u, records.size());
    struct Expected {
        const char* caption;
        const char* text;
        UINT type;
        int answer;
    };
    const Expected expected[] = {{"Halvane VORK", "Save?", MB_OKCANCEL, IDCANCEL},
                                 {"Notice", "Only one", MB_OK | MB_ICONEXCLAMATION, IDOK},
                                 {"Halvane VORK", "No caption", MB_OK, IDOK},
                                 {"Error", "Raw", MB_OK, IDOK}};
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(CString(expected[i].caption), records[i].caption) << i;
        EXPECT_EQ(CString(expected[i].text), records[i].text) << i;
        EXPECT_EQ(expected[i].type, records[i].type) << i;
        EXPECT_EQ(expected[i].answer, records[i].answer) << i;
    }
}

TEST(MessageBoxes, WithoutAHandlerARealBoxRunsModallyUntilAnswered) {
    afx::ClearMessageBoxRecords();
    std::vector<afx::ModalInfo> seen;
    ScopedModalHook hook([&](const afx::ModalInfo& info) {
        seen.push_back(info);
        EXPECT_EQ(nullptr, afx::TopModalWindow());  // a box, not a dialog, is on top
        afx::EndModal(IDNO);
    });
    EXPECT_EQ(IDNO, MessageBoxA(nullptr, "Really?", "Question", MB_YESNO | MB_ICONQUESTION));
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(nullptr, seen[0].hwnd);
    EXPECT_EQ(CString("Really?"), seen[0].text);
    EXPECT_EQ(CString("Question"), seen[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), seen[0].type);
    ASSERT_EQ(1u, afx::MessageBoxRecords().size());
    EXPECT_EQ(IDNO, afx::MessageBoxRecords()[0].answer);
}

// The first button of each type, in the order Windows shows them.
TEST(MessageBoxes, OffscreenWithNoHookTheFirstButtonAnswers) {
    afx::ClearMessageBoxRecords();
    const std::pair<UINT, int> cases[] = {
        {MB_OK, IDOK},           {MB_OKCANCEL, IDOK}, {MB_ABORTRETRYIGNORE, IDABORT},
        {MB_YESNOCANCEL, IDYES}, {MB_YESNO, IDYES},   {MB_RETRYCANCEL, IDRETRY}};
    for (const auto& [type, first] : cases)
        EXPECT_EQ(first, MessageBoxA(nullptr, "Go on?", "Question", type)) << type;
    EXPECT_EQ(std::size(cases), afx::MessageBoxRecords().size());
}

}  // namespace
