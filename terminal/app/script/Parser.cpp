#include "Parser.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <initializer_list>
#include <string>
#include <utility>

#include "ScriptError.h"

namespace script {
namespace {

using Where = Spot::Where;
using Verb = Command::Verb;

struct Token {
    std::string text;
    bool quoted = false;
};

std::string Shown(const Token& token) {
    return token.quoted ? "string \"" + token.text + "\"" : "\"" + token.text + "\"";
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// The words of one line, consumed front to back by the command parsers.
class Line {
public:
    Line(std::string_view text, int number) : m_number(number) { Split(text); }

    [[noreturn]] void Fail(const std::string& message) const {
        throw ScriptError(m_number, message);
    }

    bool AtEnd() const { return m_next == m_tokens.size(); }

    // Consumes the next token when it is the bare word `keyword`.
    bool Accept(std::string_view keyword) {
        if (AtEnd() || m_tokens[m_next].quoted || m_tokens[m_next].text != keyword) return false;
        ++m_next;
        return true;
    }

    void Expect(std::string_view keyword) {
        if (!Accept(keyword)) Fail("expected \"" + std::string(keyword) + "\"" + Found());
    }

    std::string Word(std::string_view what) {
        if (AtEnd() || m_tokens[m_next].quoted) Fail("expected " + std::string(what) + Found());
        return m_tokens[m_next++].text;
    }

    std::string String(std::string_view what) {
        if (AtEnd() || !m_tokens[m_next].quoted)
            Fail("expected " + std::string(what) + " in double quotes" + Found());
        return m_tokens[m_next++].text;
    }

    // A file name may be written bare or quoted.
    std::string Text(std::string_view what) {
        if (AtEnd()) Fail("expected " + std::string(what));
        return m_tokens[m_next++].text;
    }

    int Number(std::string_view what, bool allowNegative = false) {
        const std::string word = Word(what);
        const int value = ToInt(word, what);
        if (value < 0 && !allowNegative) Fail(std::string(what) + " must not be negative");
        return value;
    }

    // "R[,R...]"
    std::vector<int> Numbers(std::string_view what) {
        const std::string word = Word(what);
        std::vector<int> values;
        std::string_view rest = word;
        for (;;) {
            const std::size_t comma = rest.find(',');
            const int value = ToInt(rest.substr(0, comma), what);
            if (value < 0) Fail(std::string(what) + " must not be negative");
            values.push_back(value);
            if (comma == std::string_view::npos) return values;
            rest.remove_prefix(comma + 1);
        }
    }

    void End() {
        if (!AtEnd()) Fail("unexpected " + Shown(m_tokens[m_next]) + " at the end of the command");
    }

private:
    std::string Found() const { return AtEnd() ? "" : ", found " + Shown(m_tokens[m_next]); }

    int ToInt(std::string_view text, std::string_view what) const {
        int value = 0;
        const char* end = text.data() + text.size();
        const auto [stop, error] = std::from_chars(text.data(), end, value);
        if (text.empty() || error != std::errc() || stop != end)
            Fail("expected " + std::string(what) + " as a number, found \"" + std::string(text) +
                 "\"");
        return value;
    }

    void Split(std::string_view text) {
        std::size_t i = 0;
        while (i < text.size()) {
            if (IsBlank(text[i])) {
                ++i;
                continue;
            }
            Token token;
            if (text[i] == '"') {
                token.quoted = true;
                i = ReadString(text, i + 1, token.text);
            } else {
                while (i < text.size() && !IsBlank(text[i])) {
                    if (text[i] == '"') Fail("a quote inside a word; strings stand on their own");
                    token.text += text[i++];
                }
            }
            m_tokens.push_back(std::move(token));
        }
    }

    // Reads a string body from `i` (just past the opening quote); returns the
    // index after the closing quote, which must end the word.
    std::size_t ReadString(std::string_view text, std::size_t i, std::string& out) const {
        for (; i < text.size(); ++i) {
            if (text[i] == '"') {
                if (i + 1 < text.size() && !IsBlank(text[i + 1]))
                    Fail("text right after a closing quote");
                return i + 1;
            }
            if (text[i] == '\\') {
                if (++i == text.size() || (text[i] != '"' && text[i] != '\\'))
                    Fail("bad escape in a string: only \\\" and \\\\ are allowed");
            }
            out += text[i];
        }
        Fail("unterminated string");
    }

    int m_number;
    std::vector<Token> m_tokens;
    std::size_t m_next = 0;
};

// `ID` and what follows it: item "PATH", rows R,..., row R [col C | bottom],
// end, empty, at X Y. A bare row is the row's middle here; click and
// dblclick turn it into the cell of column 0.
Spot ParseSpot(Line& line) {
    Spot spot;
    spot.control = line.Number("a control ID");
    if (line.Accept("item")) {
        spot.where = Where::Item;
        spot.path = line.String("an item path");
        if (spot.path.empty()) line.Fail("empty item path");
    } else if (line.Accept("rows")) {
        spot.where = Where::Rows;
        spot.rows = line.Numbers("a row number");
    } else if (line.Accept("row")) {
        spot.rows = {line.Number("a row number")};
        spot.where = Where::Row;
        if (line.Accept("col")) {
            spot.where = Where::Cell;
            spot.column = line.Number("a column number");
        } else if (line.Accept("bottom")) {
            spot.where = Where::RowBottom;
        }
    } else if (line.Accept("end")) {
        spot.where = Where::End;
    } else if (line.Accept("empty")) {
        spot.where = Where::Empty;
    } else if (line.Accept("at")) {
        spot.where = Where::At;
        spot.x = line.Number("an x coordinate", true);
        spot.y = line.Number("a y coordinate", true);
    }
    return spot;
}

Spot ParseSpot(Line& line, std::string_view usage, std::initializer_list<Where> allowed) {
    Spot spot = ParseSpot(line);
    if (std::find(allowed.begin(), allowed.end(), spot.where) == allowed.end())
        line.Fail("expected " + std::string(usage));
    return spot;
}

// The cell a click or double-click on a row lands on: column 0 unless named.
Spot ParseCellSpot(Line& line, std::string_view usage, std::initializer_list<Where> allowed) {
    Spot spot = ParseSpot(line, usage, allowed);
    if (spot.where == Where::Row) spot.where = Where::Cell;
    return spot;
}

constexpr std::array<std::pair<std::string_view, Key>, 7> kKeys{{
    {"Enter", Key::Enter},
    {"Escape", Key::Escape},
    {"Delete", Key::Delete},
    {"Tab", Key::Tab},
    {"Up", Key::Up},
    {"Down", Key::Down},
    {"Space", Key::Space},
}};

Key ParseKey(Line& line) {
    const std::string name = line.Word("a key name");
    for (const auto& [keyName, key] : kKeys)
        if (keyName == name) return key;
    line.Fail("unknown key \"" + name +
              "\"; keys are Enter, Escape, Delete, Tab, Up, Down and Space");
}

constexpr std::string_view kTarget =
    "a target: ID item \"PATH\", ID row R [bottom], ID end, ID empty or ID at X Y";
constexpr std::initializer_list<Where> kTargets = {Where::Item, Where::Row,   Where::RowBottom,
                                                   Where::End,  Where::Empty, Where::At};

void ParseDrag(Line& line, Command& command) {
    command.spot = ParseSpot(line, "a drag source: ID item \"PATH\" or ID rows R[,R...]",
                             {Where::Item, Where::Rows});
    line.Expect("to");
    command.to = ParseSpot(line, kTarget, kTargets);
    while (line.Accept("via")) command.via.push_back(ParseSpot(line, kTarget, kTargets));
    command.cancel = line.Accept("cancel");
}

// A file under HOME: relative, and never climbing out of it.
std::string ParseHomeFile(Line& line) {
    std::string name = line.Text("a file name");
    std::string_view rest = name;
    const bool absolute = !rest.empty() && (rest.front() == '/' || rest.front() == '\\');
    bool climbs = false;
    while (!rest.empty()) {
        const std::size_t slash = rest.find_first_of("/\\");
        climbs = climbs || rest.substr(0, slash) == "..";
        rest.remove_prefix(slash == std::string_view::npos ? rest.size() : slash + 1);
    }
    if (name.empty() || absolute || climbs) line.Fail("cat takes a file under HOME");
    return name;
}

Command ParseCommand(Line& line) {
    Command command;
    const std::string verb = line.Word("a command");
    if (verb == "open") {
        const std::string what = line.Word("\"toolbar\" or \"link\"");
        if (what != "toolbar" && what != "link") line.Fail("open takes \"toolbar\" or \"link\"");
        command.verb = what == "toolbar" ? Verb::OpenToolbar : Verb::OpenLink;
    } else if (verb == "click") {
        command.verb = Verb::Click;
        command.spot = ParseCellSpot(line, "click ID or click ID row R [col C]",
                                     {Where::Control, Where::Row, Where::Cell});
    } else if (verb == "select") {
        command.verb = Verb::Click;
        command.spot = ParseSpot(line, "select ID item \"PATH\" or select ID rows R[,R...]",
                                 {Where::Item, Where::Rows});
    } else if (verb == "dblclick") {
        command.verb = Verb::DblClick;
        command.spot = ParseCellSpot(line, "dblclick ID item \"PATH\" or dblclick ID row R",
                                     {Where::Item, Where::Row, Where::Cell});
    } else if (verb == "focus") {
        command.verb = Verb::Focus;
        command.spot = ParseSpot(line, "focus ID", {Where::Control});
    } else if (verb == "key") {
        command.verb = Verb::PressKey;
        command.key = ParseKey(line);
    } else if (verb == "type") {
        command.verb = Verb::Type;
        command.text = line.String("the text to type");
    } else if (verb == "answer") {
        command.verb = Verb::Answer;
        const std::string answer = line.Word("\"ok\" or \"cancel\"");
        if (answer != "ok" && answer != "cancel") line.Fail("answer takes \"ok\" or \"cancel\"");
        command.ok = answer == "ok";
    } else if (verb == "drag") {
        command.verb = Verb::Drag;
        ParseDrag(line, command);
    } else if (verb == "dump") {
        command.verb = Verb::Dump;
        command.dialog = line.Accept("dialog");
        if (!command.dialog)
            command.spot = ParseSpot(line, "dump ID or dump dialog", {Where::Control});
    } else if (verb == "cat") {
        command.verb = Verb::Cat;
        command.text = ParseHomeFile(line);
    } else if (verb == "note") {
        command.verb = Verb::Note;
        command.text = line.String("the note");
    } else {
        line.Fail("unknown command \"" + verb + "\"");
    }
    line.End();
    return command;
}

}  // namespace

std::vector<Command> ParseScript(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    std::vector<Command> commands;
    for (int number = 1; !text.empty(); ++number) {
        const std::size_t newline = text.find('\n');
        std::string_view content = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        if (content.ends_with('\r')) content.remove_suffix(1);
        const std::size_t first = content.find_first_not_of(" \t");
        if (first == std::string_view::npos || content[first] == '#') continue;
        Line line(content, number);
        Command command = ParseCommand(line);
        command.line = number;
        commands.push_back(std::move(command));
    }
    return commands;
}

}  // namespace script
