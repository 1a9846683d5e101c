// Character-level rules of the code page (CP949) over byte strings: where a
// character starts and ends, searching, and case mapping. A lead byte
// followed by any byte is one two-byte character; a lead byte at the very end
// is a character of its own.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace afx::detail {

inline bool IsLeadByte(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}

inline std::size_t CharSize(std::string_view text, std::size_t pos) {
    return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

// Copies text into a caller's buffer of `size` bytes, as every message that
// hands text back does: as much as fits before the terminating NUL, cut
// before the first character that no longer fits whole, so the caller never
// gets half of a double-byte character. Returns the bytes copied, the NUL not
// counted; a null buffer or a size below 1 receives nothing.
std::ptrdiff_t CopyToBuffer(std::string_view text, char* buffer, std::ptrdiff_t size);

// The first match of needle at or after start that begins and ends on
// character boundaries (counting from start), or npos. An empty needle
// matches at start.
std::size_t FindText(std::string_view text, std::string_view needle, std::size_t start = 0);

// The last such match, or npos.
std::size_t FindLastText(std::string_view text, std::string_view needle);

// Upper- or lower-cases ASCII letters and every double-byte character whose
// case partner is a double-byte character of the code page; everything else
// is left as it is.
void MakeUpper(std::string& text);
void MakeLower(std::string& text);

// Code-page text as UTF-16LE and back. A byte that starts no character
// becomes '?', and so does a character the code page lacks, as with the
// system's conversions.
std::string Cp949ToUtf16(std::string_view cp949);
std::string Utf16ToCp949(std::string_view utf16);

}  // namespace afx::detail
