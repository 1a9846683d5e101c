#include "core/ProfileText.h"

#include "core/CodePage.h"

namespace afx::detail {

namespace {

// None of these bytes, nor '=', ';', '[' or ']', can be the trail byte of a
// CP949 character, so the line syntax can be read byte by byte.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view TrimLeft(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    return text;
}

std::string_view Trim(std::string_view text) {
    text = TrimLeft(text);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Names match regardless of the case of ASCII letters; double-byte
// characters compare as bytes.
std::string Fold(std::string_view name) {
    std::string folded(name);
    for (std::size_t pos = 0; pos < folded.size(); pos += CharSize(folded, pos))
        if (folded[pos] >= 'A' && folded[pos] <= 'Z')
            folded[pos] = static_cast<char>(folded[pos] - 'A' + 'a');
    return folded;
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

constexpr std::string_view kNewLine = "\r\n";

}  // namespace

ProfileText::ProfileText(std::string bytes) : m_bytes(std::move(bytes)) {
    Parse();
}

void ProfileText::Parse() {
    const std::string_view text(m_bytes);
    for (std::size_t nBegin = 0; nBegin < text.size();) {
        const std::size_t nBreak = text.find('\n', nBegin);
        Line line{};
        line.nBegin = nBegin;
        line.nNext = nBreak == std::string_view::npos ? text.size() : nBreak + 1;
        line.nContentEnd = nBreak == std::string_view::npos              ? text.size()
                           : nBreak > nBegin && text[nBreak - 1] == '\r' ? nBreak - 1
                                                                         : nBreak;
        const std::string_view content = Trim(text.substr(nBegin, line.nContentEnd - nBegin));
        if (content.empty()) {
            line.kind = Kind::Blank;
        } else if (content.front() == ';') {
            line.kind = Kind::Comment;
        } else if (content.front() == '[') {
            line.kind = Kind::Header;
            SetName(line, Trim(content.substr(1, content.find(']') - 1)));
            m_sections.push_back(Section{m_lines.size(), 0, {}, {}});
            m_sectionIndex.emplace(Fold(Name(line)), m_sections.size() - 1);
        } else if (const std::size_t nEquals = content.find('=');
                   nEquals != std::string_view::npos) {
            line.kind = Kind::Key;
            SetName(line, Trim(content.substr(0, nEquals)));
            line.nValueBegin = static_cast<std::size_t>(
                TrimLeft(content.substr(nEquals + 1)).data() - text.data());
            if (!m_sections.empty() && line.nNameLength > 0) {
                Section& section = m_sections.back();
                section.keys.push_back(m_lines.size());
                section.keyIndex.emplace(Fold(Name(line)), m_lines.size());
            }
        } else {
            line.kind = Kind::Text;
        }
        m_lines.push_back(line);
        if (!m_sections.empty()) m_sections.back().nEnd = m_lines.size();
        nBegin = line.nNext;
    }
}

void ProfileText::SetName(Line& line, std::string_view name) const {
    line.nNameBegin = static_cast<std::size_t>(name.data() - m_bytes.data());
    line.nNameLength = name.size();
}

const ProfileText::Section* ProfileText::FindSection(std::string_view name) const {
    const auto it = m_sectionIndex.find(Fold(name));
    return it == m_sectionIndex.end() ? nullptr : &m_sections[it->second];
}

const ProfileText::Line* ProfileText::FindKey(const Section& section, std::string_view key) const {
    const auto it = section.keyIndex.find(Fold(key));
    return it == section.keyIndex.end() ? nullptr : &m_lines[it->second];
}

std::optional<std::string_view> ProfileText::Value(std::string_view section,
                                                   std::string_view key) const {
    const Section* pSection = FindSection(section);
    const Line* pLine = pSection ? FindKey(*pSection, key) : nullptr;
    if (pLine == nullptr) return std::nullopt;
    const std::string_view text(m_bytes);
    return Unquote(Trim(text.substr(pLine->nValueBegin, pLine->nContentEnd - pLine->nValueBegin)));
}

std::vector<std::string_view> ProfileText::SectionNames() const {
    std::vector<std::string_view> names;
    for (const Section& section : m_sections) {
        const std::string_view name = Name(m_lines[section.nHeader]);
        if (!name.empty()) names.push_back(name);
    }
    return names;
}

std::vector<std::string_view> ProfileText::KeyNames(std::string_view section) const {
    std::vector<std::string_view> names;
    if (const Section* pSection = FindSection(section))
        for (std::size_t nLine : pSection->keys) names.push_back(Name(m_lines[nLine]));
    return names;
}

std::string ProfileText::WithValue(std::string_view section, std::string_view key,
                                   std::string_view value) const {
    const std::string entry = std::string(key).append("=").append(value).append(kNewLine);
    const Section* pSection = FindSection(section);
    if (pSection == nullptr) {
        // A new section goes at the end of the file, on a line of its own.
        const bool bOpenLine = !m_bytes.empty() && m_bytes.back() != '\n';
        return Splice(m_bytes.size(), m_bytes.size(),
                      std::string(bOpenLine ? kNewLine : "")
                              .append("[")
                              .append(section)
                              .append("]")
                              .append(kNewLine) +
                          entry);
    }
    if (const Line* pLine = FindKey(*pSection, key))
        return Splice(pLine->nValueBegin, pLine->nContentEnd, value);
    // A new key follows the section's last entry; blank lines and comments
    // that close the section stay after it.
    std::size_t nAfter = pSection->nHeader;
    for (std::size_t n = pSection->nHeader + 1; n < pSection->nEnd; ++n)
        if (m_lines[n].kind == Kind::Key || m_lines[n].kind == Kind::Text) nAfter = n;
    const Line& after = m_lines[nAfter];
    const bool bOpenLine = after.nNext == after.nContentEnd;
    return Splice(after.nNext, after.nNext,
                  (bOpenLine ? std::string(kNewLine) : std::string()) + entry);
}

std::string ProfileText::WithoutKey(std::string_view section, std::string_view key) const {
    const Section* pSection = FindSection(section);
    const Line* pLine = pSection ? FindKey(*pSection, key) : nullptr;
    return pLine ? Splice(pLine->nBegin, pLine->nNext, {}) : m_bytes;
}

std::string ProfileText::WithoutSection(std::string_view section) const {
    const Section* pSection = FindSection(section);
    if (pSection == nullptr) return m_bytes;
    const std::size_t nEnd =
        pSection->nEnd < m_lines.size() ? m_lines[pSection->nEnd].nBegin : m_bytes.size();
    return Splice(m_lines[pSection->nHeader].nBegin, nEnd, {});
}

std::string ProfileText::Splice(std::size_t nBegin, std::size_t nEnd,
                                std::string_view insert) const {
    std::string result;
    result.reserve(m_bytes.size() - (nEnd - nBegin) + insert.size());
    result.append(m_bytes, 0, nBegin).append(insert).append(m_bytes, nEnd);
    return result;
}

}  // namespace afx::detail
