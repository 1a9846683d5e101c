// The host's menu file format: what each line becomes, and the errors that
// name the line of a malformed file.

#include <gtest/gtest.h>

#include <functional>

#include "MenuFile.h"
#include "SampleData.h"

namespace {

using host::MenuFileError;
using host::MenuFileNode;
using host::ParseMenuFile;

TEST(MenuFile, LinesBecomeNodesWithTheirAttributes) {
    const auto roots = ParseMenuFile(
        "# the terminal's menu\n"
        "\n"
        "folder \"Quotes\"\n"
        "  screen \"Current price\" no=0101 code=TR0101\n"
        "  screen \"Order book\" no=0102 code=TR0102 type=3\n"
        "  separator\n"
        "  folder \"Sectors\" hidden\n"
        "    screen \"Sector index\" no=0150 code=TR0150 type=9\r\n"
        "    # a comment one level down\n"
        "  screen \"separator\" no=0999\n"
        "node \"Odd\" kind=7 no=0900\n"
        "folder \"Say \\\"hi\\\" \\\\ bye\" no=0777\n");
    ASSERT_EQ(roots.size(), 3u);
    const MenuFileNode& quotes = roots[0];
    EXPECT_EQ(quotes.name, "Quotes");
    EXPECT_EQ(quotes.kind, 16);
    EXPECT_FALSE(quotes.hasScreen);
    EXPECT_EQ(quotes.line, 3);
    ASSERT_EQ(quotes.children.size(), 5u);

    struct Expected {
        const char* name;
        int kind;
        bool shown, hasScreen;
        const char* no;
        const char* code;
        int type;
    };
    const Expected expected[] = {
        {"Current price", 1, true, true, "0101", "TR0101", 1},
        {"Order book", 1, true, true, "0102", "TR0102", 3},
        {"SEPARATOR", 1, true, true, "", "", 1},
        {"Sectors", 16, false, false, "", "", 1},
        {"separator", 1, true, true, "0999", "", 1},
    };
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        const MenuFileNode& node = quotes.children[i];
        EXPECT_EQ(node.name, expected[i].name);
        EXPECT_EQ(node.kind, expected[i].kind);
        EXPECT_EQ(node.shown, expected[i].shown);
        EXPECT_EQ(node.hasScreen, expected[i].hasScreen);
        EXPECT_EQ(node.screenNo, expected[i].no);
        EXPECT_EQ(node.code, expected[i].code);
        EXPECT_EQ(node.type, expected[i].type);
    }
    ASSERT_EQ(quotes.children[3].children.size(), 1u);
    EXPECT_EQ(quotes.children[3].children[0].type, 9);
    EXPECT_EQ(quotes.children[3].children[0].code, "TR0150");

    EXPECT_EQ(roots[1].kind, 7);
    EXPECT_TRUE(roots[1].hasScreen);
    EXPECT_EQ(roots[1].screenNo, "0900");
    // A folder with a screen number carries a screen record.
    EXPECT_EQ(roots[2].name, "Say \"hi\" \\ bye");
    EXPECT_TRUE(roots[2].hasScreen);
}

TEST(MenuFile, MalformedLinesNameTheLineAndTheReason) {
    struct Case {
        const char* text;
        int line;
        const char* reason;
    };
    const Case cases[] = {
        {"folder \"a\"\n    screen \"b\"", 2, "indented more than one level below the node above"},
        {"  screen \"b\"", 1, "indented more than one level below the node above"},
        {"folder \"a\"\n   screen \"b\"", 2, "indentation of 3 spaces; each level is two spaces"},
        {"\tscreen \"b\"", 1, "indent with spaces, not tabs"},
        {"folder a", 1, "expected a quoted name after 'folder'"},
        {"screen", 1, "expected a quoted name after 'screen'"},
        {"screen \"x\" no=1 no=2", 1, "no= given twice"},
        {"screen \"x\" hidden hidden", 1, "'hidden' given twice"},
        {"screen \"x\" no=", 1, "no= needs a value"},
        {"node \"x\"", 1, "'node' needs kind=N"},
        {"folder \"x\" kind=3", 1, "kind= belongs to 'node' lines only"},
        {"node \"x\" kind=256", 1, "kind= needs a whole number from 0 to 255, not '256'"},
        {"screen \"x\" type=3a", 1, "type= needs a whole number from 0 to 65535, not '3a'"},
        {"screen \"x\" type=-1", 1, "type= needs a whole number from 0 to 65535, not '-1'"},
        {"screen \"x\\q\"", 1, "unknown escape \\q (only \\\" and \\\\ are allowed)"},
        {"# c\nscreen \"x", 2, "string without its closing quote"},
        {"screen \"x\"y", 1, "expected a space after the closing quote"},
        {"screen \"x\" \"y\"", 1, "unexpected string; only the name is quoted"},
        {"screen \"x\" colour=red", 1,
         "unknown attribute 'colour=red' (expected no=, code=, type=, kind= or hidden)"},
        {"menu \"x\"", 1, "unknown node type 'menu' (expected folder, screen, node or separator)"},
        {"\"x\"", 1, "a line starts with folder, screen, node or separator, not a string"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            ParseMenuFile(c.text);
            ADD_FAILURE() << "accepted";
        } catch (const MenuFileError& error) {
            EXPECT_EQ(error.Line(), c.line);
            EXPECT_EQ(error.Reason(), c.reason);
        }
    }
}

TEST(MenuFile, ByteOrderMarkAndBlankLinesAreIgnored) {
    const auto roots = ParseMenuFile("\xEF\xBB\xBF\n   \nscreen \"a\" no=1\n\n");
    ASSERT_EQ(roots.size(), 1u);
    EXPECT_EQ(roots[0].line, 3);
    EXPECT_TRUE(ParseMenuFile("").empty());
}

// The built-in menu is what a fresh host shows: it must parse and hold what
// the dialogs are exercised with.
TEST(MenuFile, SampleMenuCoversTheTerminal) {
    const auto roots = ParseMenuFile(host::SampleMenu());
    int screens = 0, hidden = 0, type3 = 0, type9 = 0, separators = 0, deepSeparators = 0;
    std::function<void(const std::vector<MenuFileNode>&, int)> walk =
        [&](const std::vector<MenuFileNode>& nodes, int depth) {
            for (const MenuFileNode& node : nodes) {
                if (node.name == "SEPARATOR")
                    (depth == 0 ? separators : deepSeparators)++;
                else if (node.kind == 1) {
                    ++screens;
                    EXPECT_EQ(node.screenNo.size(), 4u) << node.name;
                    EXPECT_FALSE(node.code.empty()) << node.name;
                }
                hidden += !node.shown;
                type3 += node.type == 3;
                type9 += node.type == 9;
                walk(node.children, depth + 1);
            }
        };
    walk(roots, 0);
    EXPECT_GE(screens, 400);
    EXPECT_GT(hidden, 0);
    EXPECT_GT(type3, 0);
    EXPECT_GT(type9, 0);
    EXPECT_GT(separators, 0);
    EXPECT_GT(deepSeparators, 0);
}

}  // namespace
