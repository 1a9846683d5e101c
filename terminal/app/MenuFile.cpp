#include "MenuFile.h"

#include <afxcodepage.h>

#include <algorithm>
#include <charconv>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <forward_list>
#include <optional>
#include <vector>

namespace host {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Reads the words of one line: bare words and double-quoted strings. Words
// are views into the line; the few that differ from the line's bytes (a
// string with escapes, key="value") are kept by the reader while it lives.
class LineReader {
public:
    LineReader(std::string_view text, int line) : m_text(text), m_nLine(line) {}

    bool AtEnd() {
        SkipBlanks();
        return m_pos == m_text.size();
    }

    // The next word, or the value of a quoted string when the word starts
    // with a quote; quoted reports which it was.
    std::string_view Next(bool& quoted) {
        SkipBlanks();
        quoted = m_pos < m_text.size() && m_text[m_pos] == '"';
        if (quoted) return Quoted();
        const size_t start = m_pos;
        while (m_pos < m_text.size() && !IsBlank(m_text[m_pos])) {
            if (m_text[m_pos] == '"') {
                // key="value": the value is a string of its own.
                std::string word(m_text.substr(start, m_pos - start));
                word += Quoted();
                return m_kept.emplace_front(std::move(word));
            }
            ++m_pos;
        }
        return m_text.substr(start, m_pos - start);
    }

    [[noreturn]] void Fail(const std::string& reason) const {
        throw MenuFileError(m_nLine, reason);
    }

private:
    void SkipBlanks() {
        while (m_pos < m_text.size() && IsBlank(m_text[m_pos])) ++m_pos;
    }

    std::string_view Quoted() {
        const size_t start = ++m_pos;  // past the opening quote
        std::string* unescaped = nullptr;
        while (m_pos < m_text.size()) {
            size_t run = m_pos;
            while (run < m_text.size() && m_text[run] != '"' && m_text[run] != '\\') ++run;
            if (unescaped) unescaped->append(m_text.substr(m_pos, run - m_pos));
            m_pos = run;
            if (m_pos == m_text.size()) break;
            if (m_text[m_pos++] == '"') {
                if (m_pos < m_text.size() && !IsBlank(m_text[m_pos]))
                    Fail("expected a space after the closing quote");
                if (unescaped) return *unescaped;
                return m_text.substr(start, m_pos - 1 - start);
            }
            if (m_pos == m_text.size()) break;  // a backslash ends the line
            const char e = m_text[m_pos++];
            if (e != '"' && e != '\\')
                Fail(std::string("unknown escape \\") + e + " (only \\\" and \\\\ are allowed)");
            if (!unescaped)
                unescaped = &m_kept.emplace_front(m_text.substr(start, m_pos - 2 - start));
            *unescaped += e;
        }
        Fail("string without its closing quote");
    }

    std::string_view m_text;
    size_t m_pos = 0;
    int m_nLine;
    std::forward_list<std::string> m_kept;
};

int ParseNumber(const LineReader& reader, std::string_view key, std::string_view value,
                int maximum) {
    int number = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (ec != std::errc() || end != value.data() + value.size() || number < 0 || number > maximum)
        reader.Fail(std::string(key) + "= needs a whole number from 0 to " +
                    std::to_string(maximum) + ", not '" + std::string(value) + "'");
    return number;
}

// Numbers, codes and many names are ASCII, which reads the same in CP949:
// those are taken as they are.
CString ToCp949(std::string_view utf8) {
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; }))
        return CString(utf8.data(), static_cast<int>(utf8.size()));
    return CString(afx::Utf8ToCp949(utf8));
}

// Fills the node from its line; nothing of the line is kept as text of its
// own before it is known to be well-formed.
void ParseNode(std::string_view text, int line, CMenuNode& node) {
    LineReader reader(text, line);
    bool quoted = false;
    const std::string_view keyword = reader.Next(quoted);
    if (quoted) reader.Fail("a line starts with folder, screen, node or separator, not a string");
    std::string_view name = "SEPARATOR";
    int kind = MENU_NODE_SCREEN;
    if (keyword == "folder" || keyword == "screen" || keyword == "node") {
        const auto NoName = [&] {
            reader.Fail("expected a quoted name after '" + std::string(keyword) + "'");
        };
        if (reader.AtEnd()) NoName();
        name = reader.Next(quoted);
        if (!quoted) NoName();
        if (keyword == "folder") kind = MENU_NODE_FOLDER;
    } else if (keyword != "separator") {
        reader.Fail("unknown node type '" + std::string(keyword) +
                    "' (expected folder, screen, node or separator)");
    }

    std::optional<std::string_view> no, code, type, kindText;
    bool hidden = false;
    while (!reader.AtEnd()) {
        const std::string_view word = reader.Next(quoted);
        if (quoted) reader.Fail("unexpected string; only the name is quoted");
        if (word == "hidden") {
            if (hidden) reader.Fail("'hidden' given twice");
            hidden = true;
            continue;
        }
        const size_t eq = word.find('=');
        const std::string_view key = word.substr(0, eq);
        std::optional<std::string_view>* slot = key == "no"     ? &no
                                                : key == "code" ? &code
                                                : key == "type" ? &type
                                                : key == "kind" ? &kindText
                                                                : nullptr;
        if (eq == std::string_view::npos || !slot)
            reader.Fail("unknown attribute '" + std::string(word) +
                        "' (expected no=, code=, type=, kind= or hidden)");
        if (*slot) reader.Fail(std::string(key) + "= given twice");
        *slot = word.substr(eq + 1);
        if ((*slot)->empty()) reader.Fail(std::string(key) + "= needs a value");
    }

    if (kindText && keyword != "node") reader.Fail("kind= belongs to 'node' lines only");
    if (keyword == "node") {
        if (!kindText) reader.Fail("'node' needs kind=N");
        kind = ParseNumber(reader, "kind", *kindText, 255);
    }
    const int screenType = type ? ParseNumber(reader, "type", *type, 65535) : 1;

    node.m_strName = ToCp949(name);
    node.m_nKind = static_cast<BYTE>(kind);
    node.m_dwShow = hidden ? 0 : 1;
    if (no || kind != MENU_NODE_FOLDER) {
        node.m_pScreen = std::make_unique<CScreenRecord>();
        node.m_pScreen->m_strScreenNo = ToCp949(no.value_or(""));
        node.m_pScreen->m_strSecondCode = ToCp949(code.value_or(""));
        node.m_pScreen->m_nScreenType = static_cast<short>(screenType);
    }
}

}  // namespace

std::string ReadMenuFile(const std::string& path) {
    const auto Failure = [&path](const std::string& what) {
        return std::runtime_error(path + ": " + what);
    };
    const auto TooLarge = [&] {
        return Failure("larger than the " + std::to_string(kMenuFileLimit >> 20) +
                       " MiB a menu file may hold");
    };
    // The system's own calls: the file goes straight into the text, without
    // a stream's buffer between them.
    struct File {
        ~File() {
            if (fd >= 0) ::close(fd);
        }
        int fd;
    } const file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    const int fd = file.fd;
    if (fd < 0) throw Failure("cannot read the menu file");
    // A regular file is read in one go, with a byte to spare to see its end;
    // a device or a pipe claims no size and is read in growing pieces.
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (regular && static_cast<std::uintmax_t>(info.st_size) > kMenuFileLimit) throw TooLarge();
    std::string text(regular ? static_cast<size_t>(info.st_size) + 1 : size_t{1} << 16, '\0');
    size_t used = 0;
    for (;;) {
        if (used == text.size()) {
            if (used > kMenuFileLimit) throw TooLarge();
            text.resize(std::min(used * 2, kMenuFileLimit + 1));
        }
        const ssize_t got = ::read(fd, text.data() + used, text.size() - used);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw Failure("cannot read the menu file");
        if (got == 0) break;
        used += static_cast<size_t>(got);
    }
    text.resize(used);
    return text;
}

CMenuNode ParseMenuFile(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    CMenuNode root;
    root.m_strName = "VORK";
    root.m_nKind = MENU_NODE_FOLDER;
    // The chain of the last node at each depth, the root first; a new line
    // may go at most one level below the last node.
    std::vector<CMenuNode*> levels{&root};
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
        CMenuNode* pNode = levels.back()->AddChild();
        ParseNode(body, line, *pNode);
        levels.push_back(pNode);
    }
    return root;
}

CMenuNode LoadMenuFile(const std::string& path) {
    const std::string text = ReadMenuFile(path);
    try {
        return ParseMenuFile(text);
    } catch (const MenuFileError& error) {
        throw std::runtime_error(path + ":" + std::to_string(error.Line()) + ": " + error.Reason());
    }
}

}  // namespace host
