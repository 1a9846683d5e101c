// Text handed back into a caller's buffer: a window's text and a tree item's.
// Each message cuts a text that does not fit by the same rule, never inside a
// double-byte character, and keeps its own documented result.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "HostWnd.h"
#include "afxcodepage.h"

TEST(TextBuffer, AFullBufferKeepsWholeCharactersAndEachMessageItsResult) {
    // "a", a double-byte character, "b": four bytes.
    const std::string text = "a" + afx::Utf8ToCp949("가") + "b";
    HostWnd host;
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &host, 1));
    const HTREEITEM hItem = tree.InsertItem(text.c_str());
    host.SetWindowText(text.c_str());
    // Buffer size, what it holds afterwards; with no room nothing is written.
    const struct {
        int size;
        std::string text;
    } cases[] = {
        {0, "untouched"},       {1, ""},   {2, "a"},   {3, "a"},
        {4, text.substr(0, 3)}, {5, text}, {64, text},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        char buffer[64] = "untouched";
        // WM_GETTEXT answers the length copied.
        EXPECT_EQ(host.SendMessage(WM_GETTEXT, static_cast<WPARAM>(c.size),
                                   reinterpret_cast<LPARAM>(buffer)),
                  c.size == 0 ? 0 : static_cast<LRESULT>(c.text.size()));
        EXPECT_EQ(std::string(buffer), c.text);
        // TVM_GETITEM answers TRUE whatever was cut.
        std::snprintf(buffer, sizeof buffer, "untouched");
        TVITEM item{};
        item.mask = TVIF_TEXT | TVIF_HANDLE;
        item.hItem = hItem;
        item.pszText = buffer;
        item.cchTextMax = c.size;
        EXPECT_EQ(tree.SendMessage(TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item)), TRUE);
        EXPECT_EQ(std::string(buffer), c.text);
    }
}
