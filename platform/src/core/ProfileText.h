// The bytes of one profile (INI) file and what they say: sections, keys and
// values, found the way the Windows profile functions find them. Edits never
// reformat: they return the same bytes with one line changed, inserted or
// removed, so a file written elsewhere (CRLF, LF or CR, comments, blank lines,
// CP949 text, stray bytes) keeps every byte that the edit does not touch.
//
// A file that starts with the UTF-16LE byte-order mark is a Unicode file, as
// on Windows: it is read as UTF-16, answers and names come and go in the code
// page (CP949), and edits are written in UTF-16. Any other file, one with a
// UTF-8 or UTF-16BE mark included, is code-page text.
//
// Any bytes are a valid file; a file of n bytes costs about n bytes plus a
// few bytes per section and key line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace afx::detail {

class ProfileText {
public:
    ProfileText() = default;
    explicit ProfileText(std::string bytes);

    const std::string& Bytes() const { return m_bytes; }
    // Memory held, in bytes.
    std::size_t Footprint() const;

    // Section and key names given here match without their leading and
    // trailing spaces (other blanks count) and regardless of letter case.

    // The value as a read returns it: without surrounding blanks and without
    // one pair of enclosing quotes. Nothing when the section or key is missing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // Every section header's name, in file order, duplicates included.
    std::vector<std::string> SectionNames() const;
    // The key names of the first section of that name, in file order; empty
    // when the section is missing or holds no key.
    std::vector<std::string> KeyNames(std::string_view section) const;

    // The file's bytes after the edit (unchanged when there is nothing to do).
    std::string WithValue(std::string_view section, std::string_view key,
                          std::string_view value) const;
    std::string WithoutKey(std::string_view section, std::string_view key) const;
    std::string WithoutSection(std::string_view section) const;

private:
    // Positions count text units: bytes, or UTF-16 code units after the mark.
    using Pos = std::uint32_t;
    static constexpr Pos kNone = ~Pos{0};

    struct Section {
        Pos header;     // the '[' of the header line
        Pos firstKey;   // index into m_keys
        Pos lastEntry;  // first unit of the section's last key or text line, or its header
    };

    class Units;
    Units Text() const;
    Units Name(std::string_view name, std::string& storage) const;
    std::string Answer(Pos begin, Pos end) const;

    void Parse();
    void Index();
    Pos FindSection(std::string_view name) const;
    Pos FindKey(Pos section, std::string_view key) const;
    Pos KeyEnd(Pos section) const;

    std::size_t ByteAt(Pos pos) const;
    std::string Splice(Pos begin, Pos end, std::string_view text) const;

    std::string m_bytes;
    bool m_bWide = false;
    std::vector<Pos> m_keys;  // the first unit of each key line, section by section
    std::vector<Section> m_sections;
    std::vector<Pos> m_sectionTable;  // hash table: section index + 1, 0 for a free slot
    std::vector<Pos> m_keyTable;      // hash table: key index + 1, 0 for a free slot
};

}  // namespace afx::detail
