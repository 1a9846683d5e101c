// The terminal's menu: the host's menu file and the CMenuNode tree built
// from it under a root of the host's own, the screen index over that tree,
// and copies of its subtrees.

#include <afxcodepage.h>

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "MenuFile.h"
#include "TerminalSetup.h"

namespace fs = std::filesystem;

namespace {

using host::ParseMenuFile;

// The subtree a node a line: name, kind, "hidden" when not shown, and the
// screen record's number, code and type.
std::string Describe(const CMenuNode& node, int nDepth = 0) {
    std::string text = std::string(static_cast<size_t>(nDepth) * 2, ' ') +
                       afx::Cp949ToUtf8(node.m_strName.GetString()) + " " +
                       std::to_string(node.m_nKind) + (node.m_dwShow ? "" : " hidden");
    if (const CScreenRecord* pScreen = node.m_pScreen.get())
        text += std::string(" [") + pScreen->m_strScreenNo.GetString() + " " +
                pScreen->m_strSecondCode.GetString() + " " +
                std::to_string(pScreen->m_nScreenType) + "]";
    text += "\n";
    for (int i = 0; i < node.GetChildCount(); ++i) text += Describe(*node.GetChild(i), nDepth + 1);
    return text;
}

std::string DescribeFile(std::string_view text) {
    return Describe(ParseMenuFile(text));
}

TEST(MenuFile, EachLineBecomesANodeInCp949UnderTheHostsRoot) {
    EXPECT_EQ(DescribeFile("\xEF\xBB\xBF# the terminal's menu\n"
                           "\n"
                           "   \n"
                           "folder \"시세\"\n"
                           "  screen \"현재가\" no=0101 code=TR0101\n"
                           "  screen \"Order book\" no=0102 code=TR0102 type=3\r\n"
                           "  separator\n"
                           "  folder \"Sectors\" hidden\n"
                           "    # a comment one level down\n"
                           "    screen \"Sector index\" no=0150 type=9 hidden\n"
                           "  screen \"separator\" no=0999\n"
                           "node \"Odd\" kind=7\n"
                           "folder \"Say \\\"hi\\\" \\\\ bye\" no=0777\n"),
              "VORK 16\n"
              "  시세 16\n"
              "    현재가 1 [0101 TR0101 1]\n"
              "    Order book 1 [0102 TR0102 3]\n"
              "    SEPARATOR 1 [  1]\n"
              "    Sectors 16 hidden\n"
              "      Sector index 1 hidden [0150  9]\n"
              "    separator 1 [0999  1]\n"
              "  Odd 7 [  1]\n"
              "  Say \"hi\" \\ bye 16 [0777  1]\n");
    EXPECT_EQ(DescribeFile(""), "VORK 16\n");
}

TEST(MenuFile, MalformedLinesNameTheLineAndTheReason) {
    struct Case {
        const char* text;
        int line;
        const char* reason;
    };
    const Case cases[] = {
        {"folder \"a\"\n    screen \"b\"", 2, "indented more than one level below the node above"},
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
        } catch (const host::MenuFileError& error) {
            EXPECT_EQ(error.Line(), c.line);
            EXPECT_EQ(error.Reason(), c.reason);
        }
    }
}

// A screen number given twice, one screen deep down and one hidden.
constexpr const char* kMenu =
    "folder \"Quotes\"\n"
    "  screen \"Price\" no=0101 code=T1 type=3\n"
    "  screen \"Hidden\" no=0102 hidden\n"
    "folder \"Orders\"\n"
    "  folder \"Deep\"\n"
    "    screen \"Deep screen\" no=0301\n"
    "  screen \"Price again\" no=0101\n";

TEST(ScreenIndex, FindsTheFirstNodeOfAScreenNumberAtAnyDepth) {
    CMenuNode root = ParseMenuFile(kMenu);
    CMapStringToPtr index;
    terminal::BuildScreenIndex(root, index);
    EXPECT_EQ(index.GetCount(), 3);
    const CMenuNode* pQuotes = root.GetChild(0);
    const std::pair<const char*, const CMenuNode*> cases[] = {
        {"0101", pQuotes->GetChild(0)},
        {"0102", pQuotes->GetChild(1)},
        {"0301", root.GetChild(1)->GetChild(0)->GetChild(0)},
        {"0999", nullptr}};
    for (const auto& [pszNo, pNode] : cases) {
        void* pFound = nullptr;
        index.Lookup(pszNo, pFound);
        EXPECT_EQ(pFound, pNode) << pszNo;
    }
}

TEST(MenuNode, CopiesShareNothingWithTheirSourceEvenFromWithin) {
    const CMenuNode source = ParseMenuFile(kMenu);
    const std::string strSource = Describe(source);
    EXPECT_EQ(source.GetChild(-1), nullptr);
    EXPECT_EQ(source.GetChild(2), nullptr);

    CMenuNode copy(source);
    CMenuNode assigned = ParseMenuFile("screen \"replaced\" no=9999");
    assigned = source;
    for (CMenuNode* pCopy : {&copy, &assigned}) {
        EXPECT_EQ(Describe(*pCopy), strSource);
        pCopy->m_strName = "copy";
        pCopy->GetChild(0)->GetChild(0)->m_pScreen->m_strScreenNo = "changed";
        pCopy->GetChild(1)->AddChild()->m_strName = "added";
    }
    EXPECT_EQ(Describe(source), strSource);

    CMenuNode root = source;
    CMenuNode& self = root;
    root = self;
    EXPECT_EQ(Describe(root), strSource);
    root = *root.GetChild(1);
    EXPECT_EQ(Describe(root),
              "Orders 16\n  Deep 16\n    Deep screen 1 [0301  1]\n  Price again 1 [0101  1]\n");
}

// The read stops at the limit whether the file claims a size (a sparse file
// here) or not (a device); a missing file is the host program's own test.
TEST(MenuFile, ReadingStopsAtTheLimit) {
    const fs::path dir = fs::temp_directory_path() / ("tabulo-menu-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const struct {
        std::string path;
        std::uintmax_t size;
        const char* error;
    } cases[] = {
        {"/dev/zero", 0, "/dev/zero: larger than the 64 MiB a menu file may hold"},
        {(dir / "over").string(), host::kMenuFileLimit + 1,
         "over: larger than the 64 MiB a menu file may hold"},
        {(dir / "full").string(), host::kMenuFileLimit, nullptr},
        {dir.string(), 0, ": cannot read the menu file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        if (c.size) {
            std::ofstream(c.path).close();
            fs::resize_file(c.path, c.size);
        }
        try {
            EXPECT_EQ(host::ReadMenuFile(c.path).size(), c.size);
            EXPECT_EQ(c.error, nullptr);
        } catch (const std::runtime_error& error) {
            ASSERT_NE(c.error, nullptr) << error.what();
            EXPECT_TRUE(std::string(error.what()).ends_with(c.error)) << error.what();
        }
    }
    fs::remove_all(dir);
}

}  // namespace
