// The bytes of one profile (INI) file and what they say: sections, keys and
// values, found the way the Windows profile functions find them. Edits never
// reformat: they return the same bytes with one line changed, inserted or
// removed, so a file written elsewhere (CRLF or LF, comments, blank lines,
// CP949 text) keeps every byte that the edit does not touch.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace afx::detail {

class ProfileText {
public:
    ProfileText() = default;
    explicit ProfileText(std::string bytes);

    const std::string& Bytes() const { return m_bytes; }

    // The value as a read returns it: without surrounding blanks and without
    // one pair of enclosing quotes. Nothing when the section or key is missing.
    std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;
    // Every section header's name, in file order.
    std::vector<std::string_view> SectionNames() const;
    // The key names of the section, in file order; empty when the section is
    // missing or holds no key.
    std::vector<std::string_view> KeyNames(std::string_view section) const;

    // The file's bytes after the edit (unchanged when there is nothing to do).
    std::string WithValue(std::string_view section, std::string_view key,
                          std::string_view value) const;
    std::string WithoutKey(std::string_view section, std::string_view key) const;
    std::string WithoutSection(std::string_view section) const;

private:
    enum class Kind { Blank, Comment, Header, Key, Text };

    struct Line {
        std::size_t nBegin;
        std::size_t nContentEnd;  // before the line break
        std::size_t nNext;        // after the line break
        Kind kind;
        std::size_t nNameBegin;  // section or key name, trimmed
        std::size_t nNameLength;
        std::size_t nValueBegin;  // first byte of a key's value after the blanks
    };

    struct Section {
        std::size_t nHeader;            // line index of the header
        std::size_t nEnd;               // line index after the body
        std::vector<std::size_t> keys;  // line indexes of the key lines, first spelling wins below
        std::unordered_map<std::string, std::size_t> keyIndex;
    };

    void Parse();
    std::string_view Name(const Line& line) const {
        return std::string_view(m_bytes).substr(line.nNameBegin, line.nNameLength);
    }
    void SetName(Line& line, std::string_view name) const;
    const Section* FindSection(std::string_view name) const;
    const Line* FindKey(const Section& section, std::string_view key) const;
    std::string Splice(std::size_t nBegin, std::size_t nEnd, std::string_view insert) const;

    std::string m_bytes;
    std::vector<Line> m_lines;
    std::vector<Section> m_sections;
    std::unordered_map<std::string, std::size_t> m_sectionIndex;  // folded name -> first section
};

}  // namespace afx::detail
