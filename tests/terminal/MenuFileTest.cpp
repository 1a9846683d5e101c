// The host's menu file format: what each line becomes, and the errors that
// name the line of a malformed file.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "MenuFile.h"
#include "SampleData.h"

namespace {

using host::MenuFileError;
using host::ParseMenuFile;

TEST(MenuFile, LinesBecomeNodesWithTheirAttributes) {
    const CMenuNode root = ParseMenuFile(
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
        "node \"Odd\" kind=7 no=\"0900\"\n"
        "folder \"Say \\\"hi\\\" \\\\ bye\" no=0777\n");
    ASSERT_EQ(root.GetChildCount(), 3);
    const CMenuNode& quotes = *root.GetChild(0);
    EXPECT_EQ(quotes.m_strName, "Quotes");
    EXPECT_EQ(quotes.m_nKind, 16);
    EXPECT_EQ(quotes.m_pScreen, nullptr);
    ASSERT_EQ(quotes.GetChildCount(), 5);

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
    for (int i = 0; i < static_cast<int>(std::size(expected)); ++i) {
        SCOPED_TRACE(i);
        const CMenuNode& node = *quotes.GetChild(i);
        EXPECT_EQ(node.m_strName, expected[i].name);
        EXPECT_EQ(node.m_nKind, expected[i].kind);
        EXPECT_EQ(node.m_dwShow, expected[i].shown ? 1u : 0u);
        ASSERT_EQ(node.m_pScreen != nullptr, expected[i].hasScreen);
        if (!node.m_pScreen) continue;
        EXPECT_EQ(node.m_pScreen->m_strScreenNo, expected[i].no);
        EXPECT_EQ(node.m_pScreen->m_strSecondCode, expected[i].code);
        EXPECT_EQ(node.m_pScreen->m_nScreenType, expected[i].type);
    }
    ASSERT_EQ(quotes.GetChild(3)->GetChildCount(), 1);
    EXPECT_EQ(quotes.GetChild(3)->GetChild(0)->m_pScreen->m_nScreenType, 9);
    EXPECT_EQ(quotes.GetChild(3)->GetChild(0)->m_pScreen->m_strSecondCode, "TR0150");

    EXPECT_EQ(root.GetChild(1)->m_nKind, 7);
    ASSERT_NE(root.GetChild(1)->m_pScreen, nullptr);
    EXPECT_EQ(root.GetChild(1)->m_pScreen->m_strScreenNo, "0900");
    // A folder with a screen number carries a screen record.
    EXPECT_EQ(root.GetChild(2)->m_strName, "Say \"hi\" \\ bye");
    EXPECT_NE(root.GetChild(2)->m_pScreen, nullptr);
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
        {"\xEF\xBB\xBF\n \t \n# c\r\nscreen", 4, "expected a quoted name after 'screen'"},
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
    EXPECT_EQ(ParseMenuFile("\xEF\xBB\xBF\n   \nscreen \"a\" no=1\n\n").GetChildCount(), 1);
    EXPECT_EQ(ParseMenuFile("").GetChildCount(), 0);
}

// The built-in menu is what a fresh host shows: it must parse and hold what
// the dialogs are exercised with.
TEST(MenuFile, SampleMenuCoversTheTerminal) {
    const CMenuNode root = ParseMenuFile(host::SampleMenu());
    int screens = 0, hidden = 0, type3 = 0, type9 = 0, separators = 0, deepSeparators = 0;
    std::function<void(const CMenuNode&, int)> walk = [&](const CMenuNode& parent, int depth) {
        for (int i = 0; i < parent.GetChildCount(); ++i) {
            const CMenuNode& node = *parent.GetChild(i);
            const short type = node.m_pScreen ? node.m_pScreen->m_nScreenType : 0;
            if (node.m_strName == "SEPARATOR")
                (depth == 0 ? separators : deepSeparators)++;
            else if (node.m_nKind == 1) {
                ++screens;
                EXPECT_EQ(node.m_pScreen->m_strScreenNo.GetLength(), 4) << node.m_strName;
                EXPECT_FALSE(node.m_pScreen->m_strSecondCode.IsEmpty()) << node.m_strName;
            }
            hidden += node.m_dwShow == 0;
            type3 += type == 3;
            type9 += type == 9;
            walk(node, depth + 1);
        }
    };
    walk(root, 0);
    EXPECT_GE(screens, 400);
    EXPECT_GT(hidden, 0);
    EXPECT_GT(type3, 0);
    EXPECT_GT(type9, 0);
    EXPECT_GT(separators, 0);
    EXPECT_GT(deepSeparators, 0);
}

// The read stops at the limit whether the file claims a size (a sparse file
// here) or not (a device); an empty text row is a file that is read whole.
TEST(MenuFile, ReadingStopsAtTheLimit) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      ("tabulo-menu-limit-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "small") << "screen \"a\"\n";
    const struct {
        std::string path;
        std::uintmax_t size;
        const char* error;
    } cases[] = {
        {"/dev/zero", 0, "/dev/zero: larger than the 64 MiB a menu file may hold"},
        {(dir / "over").string(), host::kMenuFileLimit + 1,
         "over: larger than the 64 MiB a menu file may hold"},
        {(dir / "full").string(), host::kMenuFileLimit, nullptr},
        {(dir / "small").string(), 0, nullptr},
        {(dir / "missing").string(), 0, "missing: cannot read the menu file"},
        {dir.string(), 0, ": cannot read the menu file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        if (c.size) {
            std::ofstream(c.path).close();
            std::filesystem::resize_file(c.path, c.size);
        }
        try {
            const std::string text = host::ReadMenuFile(c.path);
            EXPECT_EQ(c.error, nullptr);
            EXPECT_EQ(text.size(), c.size ? c.size : 11);
        } catch (const std::runtime_error& error) {
            ASSERT_NE(c.error, nullptr) << error.what();
            EXPECT_TRUE(std::string(error.what()).ends_with(c.error)) << error.what();
        }
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
