// The menu tree of the link dialog: what it leaves out, its labels and
// pictures, and the screen it opens on.
#include "LinkMenuFixture.h"

namespace {

using LinkMenuTree = LinkMenuDialog;

std::vector<std::string> ExpectedTree(const std::string& strMarks) {
    std::vector<std::string> lines = {
        "Halvane VORK Menu img=1 + open",
        "  Quotes img=2 +",
        "    [0101] Current price img=4",
        "    [0102] Order book img=5",
        "    [0199] separator img=4",
        "    Deep img=2 +",
        "      Deeper img=2 +",
        "        [0a61] Deep screen img=4" + strMarks,
        "  Many img=2 +",
    };
    for (int n = 1001; n <= 1012; ++n) {
        lines.push_back("    [" + std::to_string(n) + "] Screen " + std::to_string(n) + " img=4");
    }
    for (const char* pszLine : {"  Mixed img=2 +", "    [0902] Nine img=4", "    [0903] Odd img=4",
                                "  Hidden inside img=2 +", "  [0900] Top screen img=4"}) {
        lines.push_back(pszLine);
    }
    return lines;
}

// Left out: hidden nodes, "SEPARATOR" in any case at the first level and in
// capitals below it, folders whose subtree holds no countable screen
// (empty, or only screens of type 9). A hidden folder's screens still count
// for the folder above it.
TEST_F(LinkMenuTree, ShowsEveryScreenThatCanBeLinked) {
    std::vector<std::string> lines;
    Run([&] { lines = driver::TreeLines(Tree()); });
    EXPECT_EQ(lines, ExpectedTree(""));
}

// The screen number matches regardless of letter case; the screen's folder
// opens (and with it the folders above) and the screen is selected.
TEST_F(LinkMenuTree, OpensOnTheLaunchScreen) {
    const struct {
        const char* pszScreenNo;
        std::vector<std::string> lines;
    } cases[] = {
        {"0A61",
         [] {
             auto lines = ExpectedTree(" sel");
             lines[1] = "  Quotes img=2 + open";
             lines[5] = "    Deep img=2 + open";
             lines[6] = "      Deeper img=2 + open";
             return lines;
         }()},
        {"", ExpectedTree("")},
        {"9999", ExpectedTree("")},
        {"0103", ExpectedTree("")},  // hidden: not in the tree
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszScreenNo);
        std::vector<std::string> lines;
        Run([&] { lines = driver::TreeLines(Tree()); }, c.pszScreenNo);
        EXPECT_EQ(lines, c.lines);
    }
}

TEST_F(LinkMenuTree, ItemsCarryTheirNodes) {
    Run([&] {
        EXPECT_EQ(Tree().GetItemData(Tree().GetRootItem()), 0u);
        const HTREEITEM hItem = MenuItem({"Quotes", "[0102] Order book"});
        const auto* pNode = reinterpret_cast<const CMenuNode*>(Tree().GetItemData(hItem));
        ASSERT_NE(pNode, nullptr);
        EXPECT_EQ(pNode, m_menu.GetChild(0)->GetChild(1));
    });
}

}  // namespace
