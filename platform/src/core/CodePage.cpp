#include "core/CodePage.h"

#include <afxcodepage.h>
#include <windows.h>

#include <algorithm>
#include <clocale>
#include <cstdint>
#include <cstring>
#include <cwctype>
#include <unordered_map>

#include "core/Iconv.h"

namespace afx::detail {

namespace {

bool EndsOnBoundary(std::string_view text, std::size_t pos, std::size_t end) {
    while (pos < end) pos += CharSize(text, pos);
    return pos == end;
}

bool MatchesAt(std::string_view text, std::string_view needle, std::size_t pos) {
    return text.compare(pos, needle.size(), needle) == 0 &&
           EndsOnBoundary(text, pos, pos + needle.size());
}

// Case partners of the code page's double-byte characters, keyed by the
// character's two bytes as a big-endian number. Built once from the Unicode
// case mapping: a character gets a partner only when its Unicode partner
// exists in the code page as a double-byte character too.
struct CaseTables {
    std::unordered_map<std::uint16_t, std::uint16_t> upper;
    std::unordered_map<std::uint16_t, std::uint16_t> lower;
};

class CaseTableBuilder {
public:
    CaseTableBuilder()
        : m_locale(newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr)),
          m_toWide("WCHAR_T", "CP949"),
          m_fromWide("CP949", "WCHAR_T") {}
    ~CaseTableBuilder() {
        if (m_locale) freelocale(m_locale);
    }
    CaseTableBuilder(const CaseTableBuilder&) = delete;
    CaseTableBuilder& operator=(const CaseTableBuilder&) = delete;

    CaseTables Build() {
        CaseTables tables;
        if (!m_locale) return tables;
        for (unsigned lead = 0x81; lead <= 0xFE; ++lead) {
            for (unsigned trail = 0x41; trail <= 0xFE; ++trail) {
                const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                std::string wide;
                if (m_toWide.Convert(std::string_view(pair, 2), wide) != 2 ||
                    wide.size() != sizeof(wchar_t))
                    continue;
                wchar_t wc;
                std::memcpy(&wc, wide.data(), sizeof wc);
                const auto code = static_cast<std::uint16_t>(lead << 8 | trail);
                AddPartner(tables.upper, code, wc,
                           static_cast<wchar_t>(towupper_l(static_cast<wint_t>(wc), m_locale)));
                AddPartner(tables.lower, code, wc,
                           static_cast<wchar_t>(towlower_l(static_cast<wint_t>(wc), m_locale)));
            }
        }
        return tables;
    }

private:
    void AddPartner(std::unordered_map<std::uint16_t, std::uint16_t>& table, std::uint16_t code,
                    wchar_t wc, wchar_t partner) {
        if (partner == wc) return;
        std::string bytes;
        const std::string_view wide(reinterpret_cast<const char*>(&partner), sizeof partner);
        if (m_fromWide.Convert(wide, bytes) != wide.size() || bytes.size() != 2) return;
        table.emplace(code, static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[0]) << 8 |
                                                       static_cast<unsigned char>(bytes[1])));
    }

    locale_t m_locale;
    Iconv m_toWide;
    Iconv m_fromWide;
};

const CaseTables& Tables() {
    static const CaseTables tables = CaseTableBuilder().Build();
    return tables;
}

void MapCase(std::string& text, char chFirst, char chLast, int nAsciiShift,
             const std::unordered_map<std::uint16_t, std::uint16_t>& table) {
    // One view and one pointer for the whole loop: a label is mapped on every
    // step of a search, and the string's own accessors cost more per byte.
    const std::string_view view(text);
    char* const bytes = text.data();
    for (std::size_t pos = 0; pos < view.size();) {
        const std::size_t size = CharSize(view, pos);
        if (size == 1) {
            if (bytes[pos] >= chFirst && bytes[pos] <= chLast)
                bytes[pos] = static_cast<char>(bytes[pos] + nAsciiShift);
        } else {
            const auto code =
                static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[pos]) << 8 |
                                           static_cast<unsigned char>(bytes[pos + 1]));
            if (auto it = table.find(code); it != table.end()) {
                bytes[pos] = static_cast<char>(it->second >> 8);
                bytes[pos + 1] = static_cast<char>(it->second & 0xFF);
            }
        }
        pos += size;
    }
}

// Length of the well-formed UTF-8 character at the start of text, 0 if none.
std::size_t Utf8CharLength(std::string_view text) {
    const auto c = static_cast<unsigned char>(text[0]);
    const std::size_t n = c < 0x80                ? 1
                          : c >= 0xC2 && c < 0xE0 ? 2
                          : c >= 0xE0 && c < 0xF0 ? 3
                          : c >= 0xF0 && c < 0xF5 ? 4
                                                  : 0;
    if (n == 0 || n > text.size()) return 0;
    for (std::size_t i = 1; i < n; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0;
    return n;
}

// Converts as far as it goes, and past each sequence that does not convert
// lets onFailure append its stand-in and say how many bytes it covers.
template <class OnFailure>
std::string ConvertLeniently(Iconv& converter, std::string_view input, OnFailure onFailure) {
    std::string out;
    while (!input.empty()) {
        input.remove_prefix(converter.Convert(input, out));
        if (!input.empty()) input.remove_prefix(onFailure(input, out));
    }
    return out;
}

}  // namespace

std::ptrdiff_t CopyToBuffer(std::string_view text, char* buffer, std::ptrdiff_t size) {
    if (buffer == nullptr || size < 1) return 0;
    const auto room = static_cast<std::size_t>(size) - 1;
    // A text that fits goes whole; only one cut short is walked by character.
    std::size_t n = text.size() <= room ? text.size() : 0;
    while (n < text.size() && n + CharSize(text, n) <= room) n += CharSize(text, n);
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<std::ptrdiff_t>(n);
}

std::size_t FindText(std::string_view text, std::string_view needle, std::size_t start) {
    for (std::size_t pos = start;; pos += CharSize(text, pos)) {
        // The first byte alone turns most positions away, cheaper than a compare.
        if ((needle.empty() || (pos < text.size() && text[pos] == needle[0])) &&
            MatchesAt(text, needle, pos)) {
            return pos;
        }
        if (pos >= text.size()) return std::string_view::npos;
    }
}

std::size_t FindLastText(std::string_view text, std::string_view needle) {
    std::size_t last = std::string_view::npos;
    for (std::size_t pos = 0; pos < text.size(); pos += CharSize(text, pos))
        if (MatchesAt(text, needle, pos)) last = pos;
    return last;
}

void MakeUpper(std::string& text) {
    MapCase(text, 'a', 'z', 'A' - 'a', Tables().upper);
}
void MakeLower(std::string& text) {
    MapCase(text, 'A', 'Z', 'a' - 'A', Tables().lower);
}

std::string Cp949ToUtf16(std::string_view cp949) {
    thread_local Iconv converter("UTF-16LE", "CP949");
    return ConvertLeniently(converter, cp949, [](std::string_view, std::string& out) {
        out.append("?\0", 2);
        return std::size_t{1};
    });
}

std::string Utf16ToCp949(std::string_view utf16) {
    thread_local Iconv converter("CP949", "UTF-16LE");
    return ConvertLeniently(converter, utf16, [](std::string_view rest, std::string& out) {
        // A surrogate pair is one character; a lone unit or a last odd byte is one too.
        const auto unit = [&](std::size_t i) {
            return i + 1 < rest.size() ? static_cast<unsigned char>(rest[i + 1]) >> 2 : 0u;
        };
        out += '?';
        return unit(0) == 0xD8 >> 2 && unit(2) == 0xDC >> 2 ? std::size_t{4}
                                                            : std::min<std::size_t>(2, rest.size());
    });
}

}  // namespace afx::detail

BOOL IsDBCSLeadByte(BYTE TestChar) {
    return afx::detail::IsLeadByte(TestChar);
}

namespace afx {

std::string Cp949ToUtf8(std::string_view cp949) {
    thread_local detail::Iconv converter("UTF-8", "CP949");
    return detail::ConvertLeniently(converter, cp949, [](std::string_view rest, std::string& out) {
        out += rest[0];
        return std::size_t{1};
    });
}

std::string Utf8ToCp949(std::string_view utf8) {
    thread_local detail::Iconv converter("CP949", "UTF-8");
    return detail::ConvertLeniently(converter, utf8, [](std::string_view rest, std::string& out) {
        const std::size_t n = detail::Utf8CharLength(rest);
        out += n > 0 ? '?' : rest[0];
        return n > 0 ? n : 1;
    });
}

}  // namespace afx
