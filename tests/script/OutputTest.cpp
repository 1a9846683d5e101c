// The output lines of a script, exactly as tools that compare sessions read
// them.
#include <gtest/gtest.h>

#include <sstream>

#include "Escape.h"
#include "Output.h"

namespace script {
namespace {

TEST(ScriptOutput, QuotesTextOnOneLine) {
    EXPECT_EQ(Quote(""), "\"\"");
    EXPECT_EQ(Quote("Save"), "\"Save\"");
    EXPECT_EQ(Quote("a\nb \"c\" d\\e"), "\"a\\nb \\\"c\\\" d\\\\e\"");
    EXPECT_EQ(Quote("\xEC\xA3\xBC\xEC\x86\x8C\xEB\xB0\x94"),
              "\"\xEC\xA3\xBC\xEC\x86\x8C\xEB\xB0\x94\"");
}

TEST(ScriptOutput, EscapesFileBytesAsTheProfileCasesDo) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"[Main]\r\nKey=Value\r\n", "[Main]\\r\\nKey=Value\\r\\n"},
        {std::string("a\0b\tc\\", 6), "a\\x00b\\tc\\\\"},
        {"\x1f\x7f\x80\xff", "\\x1f\x7f\\x80\\xff"},
        {"\xC1\xD6\xBC\xD2", "\\xc1\\xd6\\xbc\\xd2"},
        {"a b ", "a b\\x20"},
        {" ", "\\x20"},
    };
    for (const auto& [bytes, escaped] : cases) EXPECT_EQ(EscapeBytes(bytes), escaped) << escaped;
}

TEST(ScriptOutput, PrintsEachEventLine) {
    std::ostringstream out;
    Output output(out);
    output.Text("Toolbar settings");
    output.Box("Halvane VORK", "Save?\nReally \"now\"", true);
    output.Box("Halvane VORK", "x", false);
    output.Result(1);
    output.Closed(1710, 2);
    output.File("user/Toolbar.ini", std::string("[A]\r\nx=\xC7\xD1 \r\n"));
    output.File("user/none.ini", std::nullopt);
    output.File("data/empty", std::string());
    output.Silence();
    output.Result(2);
    EXPECT_EQ(out.str(),
              "Toolbar settings\n"
              "box \"Halvane VORK\" \"Save?\\nReally \\\"now\\\"\" -> ok\n"
              "box \"Halvane VORK\" \"x\" -> cancel\n"
              "result 1\n"
              "closed 1710 2\n"
              "file user/Toolbar.ini [A]\\r\\nx=\\xc7\\xd1 \\r\\n\n"
              "file user/none.ini MISSING\n"
              "file data/empty \n");
}

TEST(ScriptOutput, PrintsDumps) {
    std::ostringstream out;
    Output output(out);
    output.Dialog(1706, "Toolbar Settings");
    output.Control({"button", 1, "Save", std::nullopt, false, std::nullopt});
    output.Control({"static", 1010, "Red", std::nullopt, true, 0x000000FF});
    output.Control({"static", 1011, "Mixed", std::nullopt, false, 0x00563412});
    output.Control({"check", 1020, "Show", true, false, std::nullopt});
    output.Control({"check", 1021, "Hide", false, true, std::nullopt});
    output.Control({"edit", 1030, "a\"b", std::nullopt, false, std::nullopt});
    output.Tree(1001);
    output.TreeItem({0, "Menu", true, true, false, false, 0});
    output.TreeItem({1, "Quotes", true, false, true, true, 2});
    output.TreeItem({2, "Current price(0101)", false, false, false, false, 1});
    output.TreeItem({1, "Empty folder", false, false, false, false, 0});
    output.List(1002, 2, -1, 0);
    output.ListRow({0, {"0101", "Current price"}, true, true, false});
    output.ListRow({1, {"", "x"}, false, false, true});
    output.ListRow({2, {"only"}, false, false, false});
    EXPECT_EQ(out.str(),
              "dialog 1706 \"Toolbar Settings\"\n"
              "button 1 \"Save\"\n"
              "static 1010 \"Red\" disabled color=#FF0000\n"
              "static 1011 \"Mixed\" color=#123456\n"
              "check 1020 \"Show\" on\n"
              "check 1021 \"Hide\" off disabled\n"
              "edit 1030 \"a\\\"b\"\n"
              "tree 1001\n"
              "  Menu [+ open]\n"
              "    Quotes [+ sel hot img=2]\n"
              "      Current price(0101) [img=1]\n"
              "    Empty folder\n"
              "list 1002 rows=2 mark=-1 top=0\n"
              "  0: 0101 | Current price [sel focus]\n"
              "  1:  | x [hot]\n"
              "  2: only\n");
}

}  // namespace
}  // namespace script
