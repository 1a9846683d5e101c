#include "Parser.h"

#include <oleidl.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <initializer_list>
#include <optional>
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

constexpr std::array<std::pair<std::string_view, unsigned>, 14> kKeys{{
    {"Enter", VK_RETURN},
    {"Escape", VK_ESCAPE},
    {"Delete", VK_DELETE},
    {"Backspace", VK_BACK},
    {"Tab", VK_TAB},
    {"Space", VK_SPACE},
    {"Up", VK_UP},
    {"Down", VK_DOWN},
    {"Left", VK_LEFT},
    {"Right", VK_RIGHT},
    {"Home", VK_HOME},
    {"End", VK_END},
    {"PageUp", VK_PRIOR},
    {"PageDown", VK_NEXT},
}};

constexpr std::array<std::pair<std::string_view, unsigned>, 3> kModifiers{{
    {"Ctrl", MK_CONTROL},
    {"Shift", MK_SHIFT},
    {"Alt", MK_ALT},
}};

constexpr int kFunctionKeys = 12;

std::optional<unsigned> NamedKey(std::string_view name) {
    for (const auto& [keyName, vk] : kKeys)
        if (keyName == name) return vk;
    // A letter or a digit is its own key code.
    if (name.size() == 1 &&
        ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= '0' && name[0] <= '9')))
        return static_cast<unsigned char>(name[0]);
    int number = 0;
    if (name.starts_with('F') && name.size() > 1 && name[1] != '0') {
        const char* end = name.data() + name.size();
        const auto [stop, error] = std::from_chars(name.data() + 1, end, number);
        if (error == std::errc() && stop == end && number >= 1 && number <= kFunctionKeys)
            return VK_F1 + static_cast<unsigned>(number - 1);
    }
    return std::nullopt;
}

// NAME or MODIFIER+...+NAME.
KeyStroke ParseKey(Line& line) {
    const std::string word = line.Word("a key name");
    KeyStroke stroke;
    std::string_view rest = word;
    for (std::size_t plus = rest.find('+'); plus != std::string_view::npos; plus = rest.find('+')) {
        const std::string_view name = rest.substr(0, plus);
        const auto modifier =
            std::find_if(kModifiers.begin(), kModifiers.end(),
                         [name](const auto& entry) { return entry.first == name; });
        if (modifier == kModifiers.end())
            line.Fail("unknown modifier \"" + std::string(name) +
                      "\"; modifiers are Ctrl, Shift and Alt");
        if ((stroke.modifiers & modifier->second) != 0)
            line.Fail(std::string(name) + "+ given twice in \"" + word + "\"");
        stroke.modifiers |= modifier->second;
        rest.remove_prefix(plus + 1);
    }
    const std::optional<unsigned> vk = NamedKey(rest);
    if (!vk)
        line.Fail("unknown key \"" + std::string(rest) +
                  "\"; keys are Enter, Escape, Delete, Backspace, Tab, Space, Up, Down, Left, "
                  "Right, Home, End, PageUp, PageDown, F1-F12, A-Z and 0-9");
    stroke.vk = *vk;
    return stroke;
}

// The most notches one command turns; more is a slip of the keyboard, and
// each notch is an event of its own.
constexpr int kMaxNotches = 1000;

void ParseWheel(Line& line, Command& command) {
    command.spot = ParseSpot(line, "wheel ID [item \"PATH\" | row R] up|down [N]",
                             {Where::Control, Where::Item, Where::Row});
    const std::string direction = line.Word("\"up\" or \"down\"");
    if (direction != "up" && direction != "down") line.Fail("the wheel turns \"up\" or \"down\"");
    int notches = 1;
    if (!line.AtEnd()) {
        notches = line.Number("the number of notches");
        if (notches < 1 || notches > kMaxNotches)
            line.Fail("the wheel turns 1 to " + std::to_string(kMaxNotches) + " notches");
    }
    command.notches = direction == "up" ? notches : -notches;
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

// The length of the UTF-8 sequence at the front of `text`, or 0 when it is
// not one (a stray or missing continuation byte, an overlong form, a
// surrogate, beyond U+10FFFF).
std::size_t Utf8Sequence(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned low = 0x80;
    unsigned high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80) return 0;
    return length;
}

// A NUL is where a UTF-16 file without its mark shows itself.
void CheckEncoding(std::string_view text, int number) {
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '\0')
            throw ScriptError(number, "a NUL byte: the script is not UTF-8 text (UTF-16?)");
        const std::size_t length = Utf8Sequence(text.substr(i));
        if (length == 0)
            throw ScriptError(number, "bytes that are not UTF-8 at column " +
                                          std::to_string(i + 1) + "; scripts are UTF-8 text");
        i += length;
    }
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
    } else if (verb == "wheel") {
        command.verb = Verb::Wheel;
        ParseWheel(line, command);
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
        if (!command.dialog) {
            command.spot = ParseSpot(line, "dump ID [top] or dump dialog", {Where::Control});
            command.top = line.Accept("top");
        }
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
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF"))
        throw ScriptError(1, "the script is UTF-16 text; scripts are UTF-8");
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    std::vector<Command> commands;
    for (int number = 1; !text.empty(); ++number) {
        const std::size_t newline = text.find('\n');
        std::string_view content = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        if (content.ends_with('\r')) content.remove_suffix(1);
        if (content.size() > kMaxLineBytes)
            throw ScriptError(
                number, "the line is longer than " + std::to_string(kMaxLineBytes) + " bytes");
        CheckEncoding(content, number);
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
