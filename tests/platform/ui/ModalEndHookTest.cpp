// The modal hooks as a scripted session uses them: which template each
// shown dialog comes from, and each nested loop's end with its result, in
// the order the loops end.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "Support.h"
#include "afxresource.h"

namespace {

constexpr UINT kOuterDialog = 5901;
constexpr UINT kInnerDialog = 5902;

const afx::DialogControl kOuterControls[] = {
    {IDOK, "Button", "OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 7, 7, 50, 14},
};
AFX_DIALOG_RESOURCE(kOuter, kOuterDialog, "Outer", DS_MODALFRAME | WS_POPUP | WS_CAPTION, "Tahoma",
                    9, 0, 0, 64, 28, kOuterControls);
AFX_DIALOG_RESOURCE(kInner, kInnerDialog, "Inner", DS_MODALFRAME | WS_POPUP | WS_CAPTION, "Tahoma",
                    9, 0, 0, 64, 28, kOuterControls);

class ScopedModalEndHook {
public:
    explicit ScopedModalEndHook(afx::ModalEndHook hook)
        : m_previous(afx::SetModalEndHook(std::move(hook))) {}
    ~ScopedModalEndHook() { afx::SetModalEndHook(std::move(m_previous)); }
    ScopedModalEndHook(const ScopedModalEndHook&) = delete;
    ScopedModalEndHook& operator=(const ScopedModalEndHook&) = delete;

private:
    afx::ModalEndHook m_previous;
};

TEST(ModalHooks, NameTheTemplateAndReportEachEndWithItsResult) {
    std::vector<UINT> shown;
    std::vector<std::pair<HWND, INT_PTR>> ended;
    std::vector<HWND> dialogs;
    ScopedModalHook hook([&](const afx::ModalInfo& info) {
        shown.push_back(info.templateId);
        dialogs.push_back(info.hwnd);
        EXPECT_TRUE(::IsWindow(info.hwnd));
        if (info.templateId == kOuterDialog) {
            CDialog inner(kInnerDialog);
            EXPECT_EQ(inner.DoModal(), 9);
            ::EndDialog(info.hwnd, 4);
        } else {
            ::EndDialog(info.hwnd, 9);
        }
    });
    ScopedModalEndHook endHook([&](HWND dialog, INT_PTR result) {
        EXPECT_TRUE(::IsWindow(dialog));  // still there to be looked at
        ended.emplace_back(dialog, result);
    });
    CDialog outer(kOuterDialog);
    EXPECT_EQ(outer.DoModal(), 4);
    EXPECT_EQ(shown, (std::vector<UINT>{kOuterDialog, kInnerDialog}));
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(ended, (std::vector<std::pair<HWND, INT_PTR>>{{dialogs[1], 9}, {dialogs[0], 4}}));
}

}  // namespace
