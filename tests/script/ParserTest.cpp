// The script language as a person writes it: the command forms the recorded
// sessions hardly use (they play the rest), and the line-numbered errors for
// everything the parser can refuse.
#include <gtest/gtest.h>

#include <string>

#include <oleidl.h>
#include <windows.h>

#include "Parser.h"
#include "ScriptError.h"

namespace script {
namespace {

using Where = Spot::Where;

std::string Describe(const Spot& spot) {
    static const char* const kWhere[] = {"",        " item", " rows",  " cell", " row",
                                         " bottom", " end",  " empty", " at"};
    std::string text = std::to_string(spot.control) + kWhere[static_cast<int>(spot.where)];
    if (!spot.path.empty()) text += " \"" + spot.path + "\"";
    for (int row : spot.rows) text += " " + std::to_string(row);
    if (spot.where == Where::Cell) text += " col " + std::to_string(spot.column);
    if (spot.where == Where::At)
        text += " " + std::to_string(spot.x) + " " + std::to_string(spot.y);
    return text;
}

// A command in one line: its verb and whatever of it is set.
std::string Describe(const Command& command) {
    static const char* const kVerbs[] = {"open-toolbar", "open-link", "click", "dblclick", "focus",
                                         "key",          "wheel",     "type",  "answer",   "drag",
                                         "dump",         "cat",       "note"};
    std::string text = kVerbs[static_cast<int>(command.verb)];
    if (command.spot.control) text += " " + Describe(command.spot);
    if (command.key.vk)
        text += " vk=" + std::to_string(command.key.vk) +
                " mod=" + std::to_string(command.key.modifiers);
    if (command.notches) text += " notches=" + std::to_string(command.notches);
    if (command.verb == Command::Verb::Drag) text += " to " + Describe(command.to);
    for (const Spot& via : command.via) text += " via " + Describe(via);
    if (!command.text.empty()) text += " [" + command.text + "]";
    if (!command.ok) text += " cancel-answer";
    if (command.cancel) text += " cancel";
    if (command.dialog) text += " dialog";
    if (command.top) text += " top";
    return text;
}

TEST(ScriptParser, ReadsCommandForms) {
    const std::pair<const char*, const char*> cases[] = {
        {"click 1002 row 3 col 2", "click 1002 cell 3 col 2"},
        {"dblclick 1002 row 0", "dblclick 1002 cell 0 col 0"},
        {"type \"\xED\x95\x9C \\\"q\\\" \\\\\"", "type [\xED\x95\x9C \"q\" \\]"},
        {"cat \"users/guest/User Connect.ini\"", "cat [users/guest/User Connect.ini]"},
        {"key Tab", "key vk=9 mod=0"},
        {"key F1", "key vk=112 mod=0"},
        {"key F12", "key vk=123 mod=0"},
        {"key Z", "key vk=90 mod=0"},
        {"key 0", "key vk=48 mod=0"},
        {"key Ctrl+Up", "key vk=38 mod=8"},
        {"key Alt+Shift+Ctrl+End", "key vk=35 mod=44"},
        {"wheel 1001 up 1000", "wheel 1001 notches=1000"},
        {"wheel 1001 item \"A > B\" down 2", "wheel 1001 item \"A > B\" notches=-2"},
        {"wheel 1002 row 4 up", "wheel 1002 row 4 notches=1"},
        {"drag 1001 item \"Menu\" to 1002 row 4 bottom via 1002 at -3 17 via 1002 end via 1002 "
         "empty via 1002 row 1 cancel",
         "drag 1001 item \"Menu\" to 1002 bottom 4 via 1002 at -3 17 via 1002 end via 1002 empty "
         "via 1002 row 1 cancel"},
    };
    for (const auto& [line, described] : cases) {
        const std::vector<Command> commands = ParseScript(line);
        ASSERT_EQ(commands.size(), 1u) << line;
        EXPECT_EQ(Describe(commands[0]), described) << line;
    }
}

TEST(ScriptParser, SkipsCommentsAndBlankLinesAndNumbersTheRest) {
    const std::vector<Command> commands = ParseScript(
        "\xEF\xBB\xBF# a session\n"
        "\n"
        "   \t\n"
        "open toolbar\r\n"
        "  # indented comment\n"
        "\tclick 1\n"
        "note \"\xF0\x9F\x98\x80 \xE2\x82\xAC\"");
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].line, 4);
    EXPECT_EQ(commands[1].line, 6);
    EXPECT_EQ(Describe(commands[2]), "note [\xF0\x9F\x98\x80 \xE2\x82\xAC]");
    EXPECT_EQ(commands[2].line, 7);
}

TEST(ScriptParser, RefusesBadTextNamingTheLine) {
    struct Case {
        std::string text;     // placed on line 3 unless it names its own lines
        const char* message;  // a part of the message
        int line = 3;
    };
    const Case cases[] = {
        {"frobnicate 3", "unknown command \"frobnicate\""},
        {"\"open\" toolbar", "expected a command"},
        {"open dialog", "open takes"},
        {"click", "expected a control ID"},
        {"click OK", "expected a control ID as a number, found \"OK\""},
        {"click -4", "must not be negative"},
        {"click 1 item \"A\"", "expected click ID or click ID row R"},
        {"click 1 row", "expected a row number"},
        {"select 1", "expected select ID item"},
        {"select 1 item \"\"", "empty item path"},
        {"select 1 rows 1,,2", "as a number"},
        {"dblclick 1 row 2 bottom", "expected dblclick"},
        {"focus 1 row 2", "expected focus ID"},
        {"key", "expected a key name"},
        {"key z", "unknown key \"z\""},
        {"key F13", "unknown key \"F13\""},
        {"key Control+Z", "unknown modifier \"Control\""},
        {"key Ctrl+Shift+Ctrl+Z", "Ctrl+ given twice"},
        {"wheel 1001", "expected \"up\" or \"down\""},
        {"wheel 1001 sideways", "the wheel turns \"up\" or \"down\""},
        {"wheel 1001 up 0", "1 to 1000 notches"},
        {"wheel 1001 down 1001", "1 to 1000 notches"},
        {"wheel 1002 rows 1 up", "expected wheel ID"},
        {"dump 1002 row 3", "expected dump ID [top]"},
        {"type hello", "in double quotes"},
        {"type \"open", "unterminated string"},
        {"type \"a\\n\"", "bad escape"},
        {"type \"a\"b", "after a closing quote"},
        {"type a\"b\"", "quote inside a word"},
        {"answer yes", "answer takes"},
        {"drag 1 row 2 to 3 row 4", "expected a drag source"},
        {"drag 1 item \"A\" 3 row 4", "expected \"to\""},
        {"drag 1 item \"A\" to 3 row 1 col 2", "expected a target"},
        {"drag 1 item \"A\" to 3 at 1", "expected a y coordinate"},
        {"cat", "expected a file name"},
        {"cat /etc/passwd", "under HOME"},
        {"cat user/../../x/y", "under HOME"},
        {"cat ..\\x", "under HOME"},
        {"note \"a\" \"b\"", "unexpected string \"b\""},
        {"note \"caf\xE9\"", "not UTF-8 at column 10"},
        {"# \xC0\xAF is an overlong slash", "not UTF-8 at column 3"},
        {"note \"\xED\xA0\x80\"", "not UTF-8 at column 7"},
        {"note \"\xE2\x82\"", "not UTF-8 at column 7"},
        {std::string("o\0p\0e\0n\0", 8), "a NUL byte"},
        {"note \"" + std::string(kMaxLineBytes, 'x') + "\"", "longer than 4096 bytes"},
        {std::string("\xFF\xFEo\0p\0e\0n\0", 10), "the script is UTF-16 text; scripts are UTF-8",
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        try {
            ParseScript(c.line == 3 ? "note \"first\"\n# comment\n" + c.text + "\nclick 1\n"
                                    : c.text);
            ADD_FAILURE() << "accepted";
        } catch (const ScriptError& error) {
            EXPECT_EQ(error.Line(), c.line);
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
    EXPECT_EQ(ParseScript("note \"" + std::string(kMaxLineBytes - 7, 'x') + "\"")[0].text.size(),
              kMaxLineBytes - 7);
}

}  // namespace
}  // namespace script
