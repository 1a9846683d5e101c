// Text handed back into a caller's buffer: a window's text and a tree item's.
// Each message cuts a text that does not fit by the same rule and keeps its
// own documented result.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "HostWnd.h"
#include "afxcodepage.h"

namespace {

// "a", a double-byte character, "b": four bytes.
const std::string kText = "a" + afx::Utf8ToCp949("가") + "b";

// A request for an item's or a column's text into the buffer.
template <class T>
T Asking(char* buffer, int size, UINT mask) {
    T request{};
    request.mask = mask;
    request.pszText = buffer;
    request.cchTextMax = size;
    return request;
}

class TextBufferTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 100), &host, 1));
        hItem = tree.InsertItem(kText.c_str());
        host.SetWindowText(kText.c_str());
    }

    HostWnd host;
    CTreeCtrl tree;
    HTREEITEM hItem = nullptr;
};

TEST_F(TextBufferTest, AFullBufferKeepsWholeCharactersAndEachMessageItsResult) {
    // Each message as sent for a buffer of the given size; the result is its own.
    struct Message {
        const char* name;
        std::function<LRESULT(char*, int)> send;
        bool resultIsLength;  // else TRUE whatever was cut
    };
    const Message messages[] = {
        {"WM_GETTEXT",
         [&](char* buffer, int size) {
             return host.SendMessage(WM_GETTEXT, static_cast<WPARAM>(size),
                                     reinterpret_cast<LPARAM>(buffer));
         },
         true},
        {"TVM_GETITEM",
         [&](char* buffer, int size) {
             auto item = Asking<TVITEM>(buffer, size, TVIF_TEXT | TVIF_HANDLE);
             item.hItem = hItem;
             return tree.SendMessage(TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item));
         },
         false},
    };
    // Buffer size, what it holds afterwards; with no room nothing is written.
    const struct {
        int size;
        std::string text;
    } cases[] = {
        {0, "untouched"},        {1, ""},    {2, "a"},    {3, "a"},
        {4, kText.substr(0, 3)}, {5, kText}, {64, kText},
    };
    for (const Message& message : messages) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(message.name) + " into " + std::to_string(c.size) + " bytes");
            char buffer[64] = "untouched";
            const LRESULT result = message.send(buffer, c.size);
            EXPECT_EQ(std::string(buffer), c.text);
            const auto length = c.size == 0 ? 0 : static_cast<LRESULT>(c.text.size());
            EXPECT_EQ(result, message.resultIsLength ? length : TRUE);
        }
    }
}

}  // namespace
