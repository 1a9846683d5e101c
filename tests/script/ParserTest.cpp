// The script language as a person writes it: every command form, and the
// line-numbered errors for everything the parser can refuse.
#include <gtest/gtest.h>

#include <string>

#include <oleidl.h>
#include <windows.h>

#include "Parser.h"
#include "ScriptError.h"

namespace script {
namespace {

using Verb = Command::Verb;
using Where = Spot::Where;

Command ParseOne(const std::string& line) {
    const std::vector<Command> commands = ParseScript(line);
    EXPECT_EQ(commands.size(), 1u) << line;
    return commands.empty() ? Command{} : commands.front();
}

TEST(ScriptParser, SkipsCommentsAndBlankLinesAndNumbersTheRest) {
    const std::vector<Command> commands = ParseScript(
        "\xEF\xBB\xBF# a session\n"
        "\n"
        "   \t\n"
        "open toolbar\r\n"
        "  # indented comment\n"
        "\tclick 1\n"
        "note \"last\"");
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].verb, Verb::OpenToolbar);
    EXPECT_EQ(commands[0].line, 4);
    EXPECT_EQ(commands[1].verb, Verb::Click);
    EXPECT_EQ(commands[1].line, 6);
    EXPECT_EQ(commands[2].text, "last");
    EXPECT_EQ(commands[2].line, 7);
}

TEST(ScriptParser, ReadsEveryCommandForm) {
    struct Case {
        const char* line;
        Verb verb;
        Where where;
        int control;
        std::vector<int> rows;
        int column;
        std::string text;
    };
    const Case cases[] = {
        {"open link", Verb::OpenLink, Where::Control, 0, {}, 0, ""},
        {"click 1001", Verb::Click, Where::Control, 1001, {}, 0, ""},
        {"click 1002 row 3", Verb::Click, Where::Cell, 1002, {3}, 0, ""},
        {"click 1002 row 3 col 2", Verb::Click, Where::Cell, 1002, {3}, 2, ""},
        {"select 1001 item \"A > B\"", Verb::Click, Where::Item, 1001, {}, 0, "A > B"},
        {"select 1002 rows 4,0,7", Verb::Click, Where::Rows, 1002, {4, 0, 7}, 0, ""},
        {"select 1002 rows 5", Verb::Click, Where::Rows, 1002, {5}, 0, ""},
        {"dblclick 1001 item \"A\"", Verb::DblClick, Where::Item, 1001, {}, 0, "A"},
        {"dblclick 1002 row 0", Verb::DblClick, Where::Cell, 1002, {0}, 0, ""},
        {"focus 1003", Verb::Focus, Where::Control, 1003, {}, 0, ""},
        {"dump 1001", Verb::Dump, Where::Control, 1001, {}, 0, ""},
        {"type \"\xED\x95\x9C \\\"q\\\" \\\\\"",
         Verb::Type,
         Where::Control,
         0,
         {},
         0,
         "\xED\x95\x9C \"q\" \\"},
        {"note \"\"", Verb::Note, Where::Control, 0, {}, 0, ""},
        {"cat user/Toolbar.ini", Verb::Cat, Where::Control, 0, {}, 0, "user/Toolbar.ini"},
        {"cat \"users/guest/User Connect.ini\"",
         Verb::Cat,
         Where::Control,
         0,
         {},
         0,
         "users/guest/User Connect.ini"},
    };
    for (const Case& c : cases) {
        const Command command = ParseOne(c.line);
        EXPECT_EQ(command.verb, c.verb) << c.line;
        EXPECT_EQ(command.spot.where, c.where) << c.line;
        EXPECT_EQ(command.spot.control, c.control) << c.line;
        EXPECT_EQ(command.spot.rows, c.rows) << c.line;
        EXPECT_EQ(command.spot.column, c.column) << c.line;
        EXPECT_EQ(command.verb == Verb::Click || command.verb == Verb::DblClick ? command.spot.path
                                                                                : command.text,
                  c.text)
            << c.line;
    }
    EXPECT_TRUE(ParseOne("dump dialog").dialog);
    EXPECT_FALSE(ParseOne("dump 7").dialog);
    EXPECT_TRUE(ParseOne("answer ok").ok);
    EXPECT_FALSE(ParseOne("answer cancel").ok);
}

TEST(ScriptParser, ReadsKeysWithTheirModifiers) {
    const struct {
        const char* name;
        unsigned vk;
        unsigned modifiers;
    } keys[] = {
        {"Enter", VK_RETURN, 0},
        {"Escape", VK_ESCAPE, 0},
        {"Delete", VK_DELETE, 0},
        {"Backspace", VK_BACK, 0},
        {"Space", VK_SPACE, 0},
        {"PageDown", VK_NEXT, 0},
        {"Home", VK_HOME, 0},
        {"F1", VK_F1, 0},
        {"F2", VK_F2, 0},
        {"F12", VK_F1 + 11, 0},
        {"Z", 'Z', 0},
        {"0", '0', 0},
        {"Shift+Tab", VK_TAB, MK_SHIFT},
        {"Ctrl+Up", VK_UP, MK_CONTROL},
        {"Ctrl+Shift+Z", 'Z', MK_CONTROL | MK_SHIFT},
        {"Alt+Shift+Ctrl+End", VK_END, MK_CONTROL | MK_SHIFT | MK_ALT},
    };
    for (const auto& key : keys) {
        const Command command = ParseOne(std::string("key ") + key.name);
        EXPECT_EQ(command.verb, Verb::PressKey) << key.name;
        EXPECT_EQ(command.key.vk, key.vk) << key.name;
        EXPECT_EQ(command.key.modifiers, key.modifiers) << key.name;
    }
}

TEST(ScriptParser, ReadsTheWheelAndTheTopItem) {
    const struct {
        const char* line;
        Where where;
        int notches;
    } wheels[] = {
        {"wheel 1001 down", Where::Control, -1},
        {"wheel 1001 up 3", Where::Control, 3},
        {"wheel 1001 item \"A > B\" down 2", Where::Item, -2},
        {"wheel 1002 row 4 up", Where::Row, 1},
    };
    for (const auto& wheel : wheels) {
        const Command command = ParseOne(wheel.line);
        EXPECT_EQ(command.verb, Verb::Wheel) << wheel.line;
        EXPECT_EQ(command.spot.where, wheel.where) << wheel.line;
        EXPECT_EQ(command.notches, wheel.notches) << wheel.line;
    }
    const Command top = ParseOne("dump 1002 top");
    EXPECT_EQ(top.spot.control, 1002);
    EXPECT_TRUE(top.top);
    EXPECT_FALSE(ParseOne("dump 1002").top);
}

TEST(ScriptParser, ReadsDragSourcesTargetsAndCancel) {
    const Command drag = ParseOne(
        "drag 1001 item \"Menu > Quotes\" to 1002 row 4 bottom via 1002 at -3 17 "
        "via 1002 end via 1002 empty via 1001 item \"Menu\" via 1002 row 1 cancel");
    EXPECT_EQ(drag.verb, Verb::Drag);
    EXPECT_EQ(drag.spot.where, Where::Item);
    EXPECT_EQ(drag.spot.path, "Menu > Quotes");
    EXPECT_EQ(drag.to.control, 1002);
    EXPECT_EQ(drag.to.where, Where::RowBottom);
    EXPECT_EQ(drag.to.rows, std::vector<int>{4});
    ASSERT_EQ(drag.via.size(), 5u);
    EXPECT_EQ(drag.via[0].where, Where::At);
    EXPECT_EQ(drag.via[0].x, -3);
    EXPECT_EQ(drag.via[0].y, 17);
    EXPECT_EQ(drag.via[1].where, Where::End);
    EXPECT_EQ(drag.via[2].where, Where::Empty);
    EXPECT_EQ(drag.via[3].where, Where::Item);
    EXPECT_EQ(drag.via[4].where, Where::Row);
    EXPECT_TRUE(drag.cancel);

    const Command rows = ParseOne("drag 1002 rows 2,3 to 1002 row 0");
    EXPECT_EQ(rows.spot.where, Where::Rows);
    EXPECT_EQ(rows.spot.rows, (std::vector<int>{2, 3}));
    EXPECT_EQ(rows.to.where, Where::Row);
    EXPECT_TRUE(rows.via.empty());
    EXPECT_FALSE(rows.cancel);
}

TEST(ScriptParser, RefusesBadLinesNamingTheLine) {
    struct Case {
        const char* line;
        const char* message;  // a part of the message
    };
    const Case cases[] = {
        {"frobnicate 3", "unknown command \"frobnicate\""},
        {"\"open\" toolbar", "expected a command"},
        {"open", "expected \"toolbar\" or \"link\""},
        {"open dialog", "open takes"},
        {"open toolbar now", "unexpected \"now\""},
        {"click", "expected a control ID"},
        {"click OK", "expected a control ID as a number, found \"OK\""},
        {"click 12x", "as a number"},
        {"click -4", "must not be negative"},
        {"click 1 item \"A\"", "expected click ID or click ID row R"},
        {"click 1 row", "expected a row number"},
        {"click 1 row 2 col", "expected a column number"},
        {"select 1", "expected select ID item"},
        {"select 1 item A", "in double quotes"},
        {"select 1 item \"\"", "empty item path"},
        {"select 1 rows 1,,2", "as a number"},
        {"select 1 rows 1,-2", "must not be negative"},
        {"dblclick 1 row 2 bottom", "expected dblclick"},
        {"focus 1 row 2", "expected focus ID"},
        {"key Return", "unknown key \"Return\""},
        {"key", "expected a key name"},
        {"key z", "unknown key \"z\""},
        {"key F13", "unknown key \"F13\""},
        {"key F01", "unknown key \"F01\""},
        {"key Ctrl+", "unknown key \"\""},
        {"key Control+Z", "unknown modifier \"Control\""},
        {"key Ctrl+Shift+Ctrl+Z", "Ctrl+ given twice"},
        {"key Ctrl+Z Enter", "unexpected \"Enter\""},
        {"wheel 1001", "expected \"up\" or \"down\""},
        {"wheel 1001 sideways", "the wheel turns \"up\" or \"down\""},
        {"wheel 1001 up 0", "1 to 1000 notches"},
        {"wheel 1001 down 1001", "1 to 1000 notches"},
        {"wheel 1002 rows 1 up", "expected wheel ID"},
        {"wheel 1002 row 1 up 2 fast", "unexpected \"fast\""},
        {"dump 1002 top 3", "unexpected \"3\""},
        {"dump 1002 row 3", "expected dump ID [top]"},
        {"type hello", "in double quotes"},
        {"type \"open", "unterminated string"},
        {"type \"a\\n\"", "bad escape"},
        {"type \"a\\", "bad escape"},
        {"type \"a\"b", "after a closing quote"},
        {"type a\"b\"", "quote inside a word"},
        {"answer yes", "answer takes"},
        {"drag 1 row 2 to 3 row 4", "expected a drag source"},
        {"drag 1 item \"A\" 3 row 4", "expected \"to\""},
        {"drag 1 item \"A\" to 3", "expected a target"},
        {"drag 1 item \"A\" to 3 row 1 col 2", "expected a target"},
        {"drag 1 item \"A\" to 3 row 1 via", "expected a control ID"},
        {"drag 1 item \"A\" to 3 at 1", "expected a y coordinate"},
        {"drag 1 item \"A\" to 3 end cancel now", "unexpected \"now\""},
        {"dump", "expected a control ID"},
        {"dump window", "as a number"},
        {"cat", "expected a file name"},
        {"cat /etc/passwd", "under HOME"},
        {"cat user/../../x", "under HOME"},
        {"cat ..\\x", "under HOME"},
        {"note", "expected the note"},
        {"note \"a\" \"b\"", "unexpected string \"b\""},
    };
    for (const Case& c : cases) {
        try {
            ParseScript(std::string("note \"first\"\n# comment\n") + c.line + "\nclick 1\n");
            ADD_FAILURE() << "accepted: " << c.line;
        } catch (const ScriptError& error) {
            EXPECT_EQ(error.Line(), 3) << c.line;
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
                << c.line << " -> " << error.what();
        }
    }
}

TEST(ScriptParser, RefusesTextThatIsNotUtf8NamingTheLine) {
    struct Case {
        std::string text;
        int line;
        const char* message;
    };
    const std::string utf16("\xFF\xFEo\0p\0e\0n\0", 10);
    const Case cases[] = {
        {utf16, 1, "the script is UTF-16 text; scripts are UTF-8"},
        {std::string("note \"a\"\no\0p\0e\0n\0", 17), 2, "a NUL byte"},
        {"note \"a\"\nnote \"caf\xE9\"\n", 2, "not UTF-8 at column 10"},
        {"# \xC0\xAF is an overlong slash\n", 1, "not UTF-8 at column 3"},
        {"note \"\xED\xA0\x80\"", 1, "not UTF-8 at column 7"},
        {"note \"\xF4\x90\x80\x80\"", 1, "not UTF-8 at column 7"},
        {"note \"\xE2\x82\"", 1, "not UTF-8 at column 7"},
        {"\n\nnote \"" + std::string(kMaxLineBytes, 'x') + "\"", 3, "longer than 4096 bytes"},
    };
    for (const Case& c : cases) {
        try {
            ParseScript(c.text);
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const ScriptError& error) {
            EXPECT_EQ(error.Line(), c.line) << c.message;
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos)
                << c.message << " -> " << error.what();
        }
    }
    EXPECT_EQ(ParseOne("note \"\xF0\x9F\x98\x80 \xE2\x82\xAC\"").text,
              "\xF0\x9F\x98\x80 \xE2\x82\xAC");
    EXPECT_EQ(ParseOne("note \"" + std::string(kMaxLineBytes - 7, 'x') + "\"").text.size(),
              kMaxLineBytes - 7);
}

}  // namespace
}  // namespace script
