#include "MenuFile.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

namespace host {
namespace {

constexpr int kKindFolder = 16;
constexpr size_t kFirstRoom = 16;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Reads the words of one line: bare words and double-quoted strings.
class LineReader {
public:
    LineReader(std::string_view text, int line) : m_text(text), m_nLine(line) {}

    bool AtEnd() {
        SkipBlanks();
        return m_pos == m_text.size();
    }

    // The next word, or the value of a quoted string when the word starts
    // with a quote; quoted reports which it was.
    std::string Next(bool& quoted) {
        SkipBlanks();
        quoted = m_pos < m_text.size() && m_text[m_pos] == '"';
        if (quoted) return Quoted();
        const size_t start = m_pos;
        while (m_pos < m_text.size() && !IsBlank(m_text[m_pos])) {
            if (m_text[m_pos] == '"') {
                // key="value": the value is a string of its own.
                std::string word(m_text.substr(start, m_pos - start));
                return word + Quoted();
            }
            ++m_pos;
        }
        return std::string(m_text.substr(start, m_pos - start));
    }

    [[noreturn]] void Fail(const std::string& reason) const {
        throw MenuFileError(m_nLine, reason);
    }

private:
    void SkipBlanks() {
        while (m_pos < m_text.size() && IsBlank(m_text[m_pos])) ++m_pos;
    }

    std::string Quoted() {
        std::string value;
        ++m_pos;  // the opening quote
        while (m_pos < m_text.size()) {
            // Plain characters go in as one run; a menu has many names.
            const size_t run = std::min(m_text.find_first_of("\"\\", m_pos), m_text.size());
            value.append(m_text.substr(m_pos, run - m_pos));
            m_pos = run;
            if (m_pos == m_text.size()) break;
            if (m_text[m_pos++] == '"') {
                if (m_pos < m_text.size() && !IsBlank(m_text[m_pos]))
                    Fail("expected a space after the closing quote");
                return value;
            }
            if (m_pos == m_text.size()) break;  // a backslash ends the line
            const char e = m_text[m_pos++];
            if (e != '"' && e != '\\')
                Fail(std::string("unknown escape \\") + e + " (only \\\" and \\\\ are allowed)");
            value += e;
        }
        Fail("string without its closing quote");
    }

    std::string_view m_text;
    size_t m_pos = 0;
    int m_nLine;
};

int ParseNumber(const LineReader& reader, const std::string& key, const std::string& value,
                int maximum) {
    int number = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (ec != std::errc() || end != value.data() + value.size() || number < 0 || number > maximum)
        reader.Fail(key + "= needs a whole number from 0 to " + std::to_string(maximum) +
                    ", not '" + value + "'");
    return number;
}

// Fills the node in place: a menu has many nodes, and each move of one
// moves four strings.
void ParseNode(std::string_view text, int line, MenuFileNode& node) {
    LineReader reader(text, line);
    node.line = line;
    bool quoted = false;
    const std::string keyword = reader.Next(quoted);
    if (quoted) reader.Fail("a line starts with folder, screen, node or separator, not a string");
    if (keyword == "separator") {
        node.name = "SEPARATOR";
    } else if (keyword == "folder" || keyword == "screen" || keyword == "node") {
        if (reader.AtEnd()) reader.Fail("expected a quoted name after '" + keyword + "'");
        node.name = reader.Next(quoted);
        if (!quoted) reader.Fail("expected a quoted name after '" + keyword + "'");
        if (keyword == "folder") node.kind = kKindFolder;
    } else {
        reader.Fail("unknown node type '" + keyword +
                    "' (expected folder, screen, node or separator)");
    }

    std::optional<std::string> no, code, type, kind;
    bool hidden = false;
    while (!reader.AtEnd()) {
        const std::string word = reader.Next(quoted);
        if (quoted) reader.Fail("unexpected string; only the name is quoted");
        if (word == "hidden") {
            if (hidden) reader.Fail("'hidden' given twice");
            hidden = true;
            continue;
        }
        const size_t eq = word.find('=');
        const std::string_view key = std::string_view(word).substr(0, eq);
        std::optional<std::string>* slot = key == "no"     ? &no
                                           : key == "code" ? &code
                                           : key == "type" ? &type
                                           : key == "kind" ? &kind
                                                           : nullptr;
        if (eq == std::string::npos || !slot)
            reader.Fail("unknown attribute '" + word + "' (expected no=, code=, type=, " +
                        "kind= or hidden)");
        if (*slot) reader.Fail(std::string(key) + "= given twice");
        *slot = word.substr(eq + 1);
        if ((*slot)->empty()) reader.Fail(std::string(key) + "= needs a value");
    }

    if (kind && keyword != "node") reader.Fail("kind= belongs to 'node' lines only");
    if (keyword == "node") {
        if (!kind) reader.Fail("'node' needs kind=N");
        node.kind = ParseNumber(reader, "kind", *kind, 255);
    }
    if (type) node.type = ParseNumber(reader, "type", *type, 65535);
    node.shown = !hidden;
    node.screenNo = std::move(no).value_or("");
    node.code = std::move(code).value_or("");
    node.hasScreen = no.has_value() || node.kind != kKindFolder;
}

}  // namespace

// Each node taken from the list hands its children to the list before it
// goes, so it is destroyed without any.
MenuFileNode::~MenuFileNode() {
    std::vector<MenuFileNode> pending = std::move(children);
    while (!pending.empty()) {
        MenuFileNode node = std::move(pending.back());
        pending.pop_back();
        for (MenuFileNode& child : node.children) pending.push_back(std::move(child));
        node.children.clear();
    }
}

std::vector<MenuFileNode> ParseMenuFile(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<MenuFileNode> roots;
    // The chain of the last node at each depth; a new line may go at most
    // one level below the last node.
    std::vector<std::vector<MenuFileNode>*> levels{&roots};
    int line = 0;
    while (!text.empty()) {
        ++line;
        const size_t end = text.find('\n');
        std::string_view row = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (row.ends_with('\r')) row.remove_suffix(1);

        size_t indent = 0;
        while (indent < row.size() && row[indent] == ' ') ++indent;
        const std::string_view body = row.substr(indent);
        if (body.find_first_not_of(" \t") == std::string_view::npos || body.starts_with('#'))
            continue;
        if (body.starts_with('\t')) throw MenuFileError(line, "indent with spaces, not tabs");
        if (indent % 2 != 0)
            throw MenuFileError(line, "indentation of " + std::to_string(indent) +
                                          " spaces; each level is two spaces");
        const size_t depth = indent / 2;
        if (depth >= levels.size())
            throw MenuFileError(line, "indented more than one level below the node above");
        levels.resize(depth + 1);
        // Folders hold a few dozen nodes: room for them from the first on
        // spares most of the moves of growing one by one.
        if (levels[depth]->empty()) levels[depth]->reserve(kFirstRoom);
        ParseNode(body, line, levels[depth]->emplace_back());
        levels.push_back(&levels[depth]->back().children);
    }
    return roots;
}

}  // namespace host
