#include "core/ProfileText.h"

#include <algorithm>
#include <clocale>
#include <cwctype>

#include "core/CodePage.h"

namespace afx::detail {

namespace {

constexpr std::string_view kNewLine = "\r\n";

// Every unit up to the space is a blank in the file, line breaks included;
// a line ends at CR, LF or CR LF. None of these units, nor '=', ';', '[' or
// ']', can be the trail byte of a CP949 character, so the line syntax can be
// read unit by unit.
bool IsBlank(char16_t c) {
    return c <= u' ';
}
bool IsBreak(char16_t c) {
    return c == u'\r' || c == u'\n';
}

// Only spaces are cut from the names a caller gives.
std::string_view TrimSpaces(std::string_view name) {
    while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    return name;
}

char16_t FoldAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// Letters of a Unicode file match as Windows matches them, in Unicode.
char16_t FoldWide(char16_t c) {
    if (c < 0x80) return FoldAscii(c);
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    if (locale == nullptr) return c;
    const wint_t lower = towlower_l(c, locale);
    return lower <= 0xFFFF ? static_cast<char16_t>(lower) : c;
}

std::uint32_t Mix(std::uint32_t hash, std::uint32_t value) {
    return (hash ^ value) * 16777619u;
}

// The home slot of a hash: FNV leaves the low bits of similar names close
// together, so the bits are mixed before the mask takes them.
std::uint32_t Home(std::uint32_t hash, std::uint32_t mask) {
    hash ^= hash >> 16;
    hash *= 0x85EBCA6Bu;
    hash ^= hash >> 13;
    return hash & mask;
}

std::size_t TableSize(std::size_t nEntries) {
    std::size_t size = 8;
    while (size < nEntries + nEntries / 2) size *= 2;
    return size;
}

}  // namespace

// The file's text as units, with the line syntax over them.
class ProfileText::Units {
public:
    Units(const char* data, std::size_t nUnits, bool bWide)
        : m_data(reinterpret_cast<const unsigned char*>(data)),
          m_size(static_cast<Pos>(std::min<std::size_t>(nUnits, kNone - 1))),
          m_bWide(bWide) {}

    Pos Size() const { return m_size; }
    char16_t operator[](Pos pos) const {
        return m_bWide ? static_cast<char16_t>(m_data[2 * std::size_t{pos}] |
                                               m_data[2 * std::size_t{pos} + 1] << 8)
                       : m_data[pos];
    }

    Pos LineEnd(Pos pos) const {
        while (pos < m_size && !IsBreak((*this)[pos])) ++pos;
        return pos;
    }
    Pos NextLine(Pos pos) const {
        pos = LineEnd(pos);
        if (pos < m_size && (*this)[pos] == u'\r') ++pos;
        if (pos < m_size && (*this)[pos] == u'\n') ++pos;
        return pos;
    }
    // Back over the blanks that open the line holding pos.
    Pos LineStart(Pos pos) const {
        while (pos > 0 && IsBlank((*this)[pos - 1]) && !IsBreak((*this)[pos - 1])) --pos;
        return pos;
    }
    Pos Find(Pos begin, Pos end, char16_t c) const {
        while (begin < end && (*this)[begin] != c) ++begin;
        return begin;
    }
    Pos SkipBlanks(Pos begin, Pos end) const {
        while (begin < end && IsBlank((*this)[begin])) ++begin;
        return begin;
    }
    Pos TrimBlanks(Pos begin, Pos end) const {
        while (end > begin && IsBlank((*this)[end - 1])) --end;
        return end;
    }

    struct Span {
        Pos begin;
        Pos end;
    };
    // The name in a header line: from after '[' to the first ']' or the end
    // of the line, without blanks around it.
    Span HeaderName(Pos header) const {
        const Pos eol = LineEnd(header);
        const Pos begin = SkipBlanks(header + 1, eol);
        return {begin, TrimBlanks(begin, Find(begin, eol, u']'))};
    }
    Span KeyName(Pos line) const {
        return {line, TrimBlanks(line, Find(line, LineEnd(line), u'='))};
    }
    Span KeyValue(Pos line) const {
        const Pos eol = LineEnd(line);
        const Pos begin = SkipBlanks(Find(line, eol, u'=') + 1, eol);
        return {begin, TrimBlanks(begin, eol)};
    }
    Span Whole() const { return {0, m_size}; }

    // The character at pos as a letter-case-free code, moving pos past it; a
    // CP949 lead byte and the byte after it inside the span make one code.
    std::uint32_t Folded(Pos& pos, Pos end) const {
        const char16_t c = (*this)[pos++];
        if (m_bWide) return FoldWide(c);
        if (IsLeadByte(static_cast<unsigned char>(c)) && pos < end)
            return static_cast<std::uint32_t>(c << 8 | (*this)[pos++]);
        return FoldAscii(c);
    }
    std::uint32_t Hash(Span span) const {
        std::uint32_t hash = 2166136261u;
        for (Pos pos = span.begin; pos < span.end;) hash = Mix(hash, Folded(pos, span.end));
        return hash;
    }
    bool Equal(Span span, const Units& other, Span otherSpan) const {
        Pos pos = span.begin, otherPos = otherSpan.begin;
        while (pos < span.end && otherPos < otherSpan.end)
            if (Folded(pos, span.end) != other.Folded(otherPos, otherSpan.end)) return false;
        return pos == span.end && otherPos == otherSpan.end;
    }

private:
    const unsigned char* m_data;
    Pos m_size;
    bool m_bWide;
};

ProfileText::ProfileText(std::string bytes) : m_bytes(std::move(bytes)) {
    // Bytes read in chunks may sit in a buffer up to twice their size.
    if (m_bytes.capacity() > m_bytes.size() + m_bytes.size() / 8) m_bytes.shrink_to_fit();
    m_bWide = m_bytes.size() >= 2 && m_bytes[0] == '\xFF' && m_bytes[1] == '\xFE';
    Parse();
    Index();
}

std::size_t ProfileText::Footprint() const {
    return sizeof *this + m_bytes.capacity() + m_keys.capacity() * sizeof(Pos) +
           m_sections.capacity() * sizeof(Section) +
           (m_sectionTable.capacity() + m_keyTable.capacity()) * sizeof(Pos);
}

ProfileText::Units ProfileText::Text() const {
    return m_bWide ? Units(m_bytes.data() + 2, (m_bytes.size() - 2) / 2, true)
                   : Units(m_bytes.data(), m_bytes.size(), false);
}

// A caller's name in the file's own text units.
ProfileText::Units ProfileText::Name(std::string_view name, std::string& storage) const {
    name = TrimSpaces(name);
    if (!m_bWide) return Units(name.data(), name.size(), false);
    storage = Cp949ToUtf16(name);
    return Units(storage.data(), storage.size() / 2, true);
}

std::string ProfileText::Answer(Pos begin, Pos end) const {
    const std::string_view bytes =
        std::string_view(m_bytes).substr(ByteAt(begin), ByteAt(end) - ByteAt(begin));
    return m_bWide ? Utf16ToCp949(bytes) : std::string(bytes);
}

// One pass over the lines: blank lines and comments leave no trace, lines
// before the first header belong to no section.
void ProfileText::Parse() {
    const Units text = Text();
    for (Pos pos = text.SkipBlanks(0, text.Size()); pos < text.Size();) {
        const Pos eol = text.LineEnd(pos);
        const char16_t first = text[pos];
        if (first == u'[') {
            m_sections.push_back({pos, static_cast<Pos>(m_keys.size()), pos});
        } else if (first != u';' && !m_sections.empty()) {
            if (text.Find(pos, eol, u'=') < eol) m_keys.push_back(pos);
            m_sections.back().lastEntry = pos;
        }
        pos = text.SkipBlanks(eol, text.Size());
    }
    m_keys.shrink_to_fit();
    m_sections.shrink_to_fit();
}

// Hash tables over the first section of each name and the first key of
// each name within it: later ones are never found, as on Windows.
void ProfileText::Index() {
    const Units text = Text();
    m_sectionTable.assign(TableSize(m_sections.size()), 0);
    m_keyTable.assign(TableSize(m_keys.size()), 0);
    const Pos sectionMask = static_cast<Pos>(m_sectionTable.size() - 1);
    const Pos keyMask = static_cast<Pos>(m_keyTable.size() - 1);
    for (Pos s = 0; s < m_sections.size(); ++s) {
        const Units::Span name = text.HeaderName(m_sections[s].header);
        Pos slot = Home(text.Hash(name), sectionMask);
        bool bShadowed = false;
        for (; m_sectionTable[slot] != 0 && !bShadowed; slot = (slot + 1) & sectionMask)
            bShadowed = text.Equal(text.HeaderName(m_sections[m_sectionTable[slot] - 1].header),
                                   text, name);
        if (bShadowed) continue;
        m_sectionTable[slot] = s + 1;
        for (Pos k = m_sections[s].firstKey; k < KeyEnd(s); ++k) {
            const Units::Span key = text.KeyName(m_keys[k]);
            Pos keySlot = Home(Mix(text.Hash(key), s), keyMask);
            bool bTaken = false;
            for (; m_keyTable[keySlot] != 0 && !bTaken; keySlot = (keySlot + 1) & keyMask) {
                const Pos other = m_keyTable[keySlot] - 1;
                bTaken = other >= m_sections[s].firstKey &&
                         text.Equal(text.KeyName(m_keys[other]), text, key);
            }
            if (!bTaken) m_keyTable[keySlot] = k + 1;
        }
    }
}

ProfileText::Pos ProfileText::KeyEnd(Pos section) const {
    return section + 1 < m_sections.size() ? m_sections[section + 1].firstKey
                                           : static_cast<Pos>(m_keys.size());
}

ProfileText::Pos ProfileText::FindSection(std::string_view name) const {
    if (m_sectionTable.empty()) return kNone;
    std::string storage;
    const Units wanted = Name(name, storage);
    const Units text = Text();
    const Pos mask = static_cast<Pos>(m_sectionTable.size() - 1);
    for (Pos slot = Home(wanted.Hash(wanted.Whole()), mask); m_sectionTable[slot] != 0;
         slot = (slot + 1) & mask) {
        const Pos s = m_sectionTable[slot] - 1;
        if (text.Equal(text.HeaderName(m_sections[s].header), wanted, wanted.Whole())) return s;
    }
    return kNone;
}

ProfileText::Pos ProfileText::FindKey(Pos section, std::string_view key) const {
    if (section == kNone || m_keyTable.empty()) return kNone;
    std::string storage;
    const Units wanted = Name(key, storage);
    const Units text = Text();
    const Pos mask = static_cast<Pos>(m_keyTable.size() - 1);
    for (Pos slot = Home(Mix(wanted.Hash(wanted.Whole()), section), mask); m_keyTable[slot] != 0;
         slot = (slot + 1) & mask) {
        const Pos k = m_keyTable[slot] - 1;
        if (k >= m_sections[section].firstKey && k < KeyEnd(section) &&
            text.Equal(text.KeyName(m_keys[k]), wanted, wanted.Whole()))
            return k;
    }
    return kNone;
}

std::optional<std::string> ProfileText::Value(std::string_view section,
                                              std::string_view key) const {
    const Pos k = FindKey(FindSection(section), key);
    if (k == kNone) return std::nullopt;
    const Units text = Text();
    Units::Span value = text.KeyValue(m_keys[k]);
    const char16_t quote = value.end - value.begin >= 2 ? text[value.begin] : u'\0';
    if ((quote == u'"' || quote == u'\'') && text[value.end - 1] == quote) {
        ++value.begin;
        --value.end;
    }
    return Answer(value.begin, value.end);
}

std::vector<std::string> ProfileText::SectionNames() const {
    const Units text = Text();
    std::vector<std::string> names;
    for (const Section& section : m_sections) {
        const Units::Span name = text.HeaderName(section.header);
        if (name.end > name.begin) names.push_back(Answer(name.begin, name.end));
    }
    return names;
}

std::vector<std::string> ProfileText::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    const Pos s = FindSection(section);
    if (s == kNone) return names;
    const Units text = Text();
    for (Pos k = m_sections[s].firstKey; k < KeyEnd(s); ++k) {
        const Units::Span name = text.KeyName(m_keys[k]);
        names.push_back(Answer(name.begin, name.end));
    }
    return names;
}

std::string ProfileText::WithValue(std::string_view section, std::string_view key,
                                   std::string_view value) const {
    const Units text = Text();
    const std::string entry =
        std::string(TrimSpaces(key)).append("=").append(value).append(kNewLine);
    const Pos s = FindSection(section);
    if (s == kNone) {
        // A new section goes at the end of the file, on a line of its own;
        // the mark of a Unicode file counts as text that needs the break.
        const Pos end = text.Size();
        const bool bOpenLine = end > 0 ? !IsBreak(text[end - 1]) : m_bWide;
        return Splice(end, end,
                      std::string(bOpenLine ? kNewLine : "")
                          .append("[")
                          .append(TrimSpaces(section))
                          .append("]")
                          .append(kNewLine)
                          .append(entry));
    }
    if (const Pos k = FindKey(s, key); k != kNone) {
        const Units::Span old = text.KeyValue(m_keys[k]);
        return Splice(old.begin, old.end, value);
    }
    // A new key follows the section's last key; comments, blank lines and
    // other lines after it stay after it.
    const Pos after =
        KeyEnd(s) > m_sections[s].firstKey ? m_keys[KeyEnd(s) - 1] : m_sections[s].header;
    const Pos pos = text.NextLine(after);
    const bool bOpenLine = pos == text.LineEnd(after);
    return Splice(pos, pos, std::string(bOpenLine ? kNewLine : "") + entry);
}

std::string ProfileText::WithoutKey(std::string_view section, std::string_view key) const {
    const Pos k = FindKey(FindSection(section), key);
    if (k == kNone) return m_bytes;
    const Units text = Text();
    return Splice(text.LineStart(m_keys[k]), text.NextLine(m_keys[k]), {});
}

// The header goes with every line up to the section's last key or text line;
// comments and blank lines after that stay.
std::string ProfileText::WithoutSection(std::string_view section) const {
    const Pos s = FindSection(section);
    if (s == kNone) return m_bytes;
    const Units text = Text();
    return Splice(text.LineStart(m_sections[s].header), text.NextLine(m_sections[s].lastEntry), {});
}

std::size_t ProfileText::ByteAt(Pos pos) const {
    return m_bWide ? 2 + 2 * std::size_t{pos} : pos;
}

std::string ProfileText::Splice(Pos begin, Pos end, std::string_view text) const {
    const std::string insert = m_bWide ? Cp949ToUtf16(text) : std::string(text);
    const std::size_t nBegin = ByteAt(begin), nEnd = ByteAt(end);
    std::string result;
    result.reserve(m_bytes.size() - (nEnd - nBegin) + insert.size());
    result.append(m_bytes, 0, nBegin).append(insert).append(m_bytes, nEnd);
    return result;
}

}  // namespace afx::detail
