#include <afx.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "core/CodePage.h"

namespace {

std::size_t TextLength(const char* pch, std::size_t nMax) {
    const void* pNul = std::memchr(pch, '\0', nMax);
    return pNul ? static_cast<std::size_t>(static_cast<const char*>(pNul) - pch) : nMax;
}

int Sign(int n) {
    return (n > 0) - (n < 0);
}

int Clamp(int n, int nMax) {
    return n < 0 ? 0 : (n > nMax ? nMax : n);
}

constexpr char kWhiteSpace[] = " \t\n\v\f\r";

bool IsTargetChar(std::string_view text, std::size_t pos, std::size_t size,
                  std::string_view targets) {
    return afx::detail::FindText(targets, text.substr(pos, size)) != std::string_view::npos;
}

// Start of the trailing run of target characters, walking forward so that a
// trail byte is never taken for a character of its own.
std::size_t TrailingTargetsStart(std::string_view text, std::string_view targets) {
    std::size_t nKeepEnd = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t size = afx::detail::CharSize(text, pos);
        pos += size;
        if (!IsTargetChar(text, pos - size, size, targets)) nKeepEnd = pos;
    }
    return nKeepEnd;
}

std::size_t LeadingTargetsEnd(std::string_view text, std::string_view targets) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t size = afx::detail::CharSize(text, pos);
        if (!IsTargetChar(text, pos, size, targets)) break;
        pos += size;
    }
    return pos;
}

}  // namespace

CString::CString(const char* psz) {
    if (psz) m_str = psz;
}

CString::CString(const char* pch, int nLength) {
    ENSURE_ARG(nLength >= 0 && (pch != nullptr || nLength == 0));
    Assign(pch, static_cast<std::size_t>(nLength));
}

CString::CString(char ch, int nRepeat) {
    if (ch != '\0' && nRepeat > 0) m_str.assign(static_cast<std::size_t>(nRepeat), ch);
}

CString::CString(const std::string& str) {
    Assign(str.data(), str.size());
}

// Takes the text over without a copy; like every CString, it ends at its
// first NUL.
CString::CString(std::string&& str) : m_str(std::move(str)) {
    m_str.resize(TextLength(m_str.data(), m_str.size()));
}

void CString::Assign(const char* pch, std::size_t n) {
    if (n == 0) {
        m_str.clear();
        return;
    }
    m_str.assign(pch, TextLength(pch, n));
}

char CString::GetAt(int nIndex) const {
    // The terminator may be read, as in the framework.
    ENSURE_ARG(nIndex >= 0 && nIndex <= GetLength());
    return m_str.c_str()[nIndex];
}

void CString::SetAt(int nIndex, char ch) {
    ENSURE_ARG(nIndex >= 0 && nIndex < GetLength());
    if (ch == '\0')
        m_str.resize(static_cast<std::size_t>(nIndex));
    else
        m_str[static_cast<std::size_t>(nIndex)] = ch;
}

int CString::Compare(LPCSTR psz) const {
    return Sign(std::strcmp(m_str.c_str(), psz ? psz : ""));
}

int CString::CompareNoCase(LPCSTR psz) const {
    std::string a = m_str;
    std::string b = psz ? psz : "";
    afx::detail::MakeLower(a);
    afx::detail::MakeLower(b);
    return Sign(a.compare(b));
}

CString CString::Left(int nCount) const {
    return CString(m_str.substr(0, static_cast<std::size_t>(Clamp(nCount, GetLength()))));
}

CString CString::Mid(int nFirst) const {
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const {
    const int nStart = Clamp(nFirst, GetLength());
    return CString(m_str.substr(static_cast<std::size_t>(nStart),
                                static_cast<std::size_t>(Clamp(nCount, GetLength() - nStart))));
}

CString CString::Right(int nCount) const {
    const int n = Clamp(nCount, GetLength());
    return CString(m_str.substr(static_cast<std::size_t>(GetLength() - n)));
}

int CString::Find(char ch, int nStart) const {
    if (ch == '\0') return -1;
    return Find(std::string(1, ch).c_str(), nStart);
}

int CString::Find(LPCSTR pszSub, int nStart) const {
    if (pszSub == nullptr || nStart < 0 || nStart > GetLength()) return -1;
    const std::size_t pos = afx::detail::FindText(m_str, pszSub, static_cast<std::size_t>(nStart));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const {
    if (ch == '\0') return -1;
    const std::size_t pos = afx::detail::FindLastText(m_str, std::string_view(&ch, 1));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

void CString::Format(LPCSTR pszFormat, ...) {
    ENSURE_ARG(pszFormat != nullptr);
    va_list args;
    va_start(args, pszFormat);
    va_list argsCopy;
    va_copy(argsCopy, args);
    const int nLength = std::vsnprintf(nullptr, 0, pszFormat, argsCopy);
    va_end(argsCopy);
    std::string result;
    if (nLength > 0) {
        result.resize(static_cast<std::size_t>(nLength));
        std::vsnprintf(result.data(), result.size() + 1, pszFormat, args);
    }
    va_end(args);
    Assign(result.data(), result.size());
}

CString& CString::Trim() {
    return TrimRight().TrimLeft();
}
CString& CString::Trim(char chTarget) {
    return TrimRight(chTarget).TrimLeft(chTarget);
}
CString& CString::Trim(LPCSTR pszTargets) {
    return TrimRight(pszTargets).TrimLeft(pszTargets);
}
CString& CString::TrimLeft() {
    return TrimLeft(kWhiteSpace);
}
CString& CString::TrimLeft(char chTarget) {
    return TrimLeft(std::string(1, chTarget).c_str());
}
CString& CString::TrimRight() {
    return TrimRight(kWhiteSpace);
}
CString& CString::TrimRight(char chTarget) {
    return TrimRight(std::string(1, chTarget).c_str());
}

CString& CString::TrimLeft(LPCSTR pszTargets) {
    if (pszTargets && *pszTargets) m_str.erase(0, LeadingTargetsEnd(m_str, pszTargets));
    return *this;
}

CString& CString::TrimRight(LPCSTR pszTargets) {
    if (pszTargets && *pszTargets) m_str.resize(TrailingTargetsStart(m_str, pszTargets));
    return *this;
}

CString& CString::MakeUpper() {
    afx::detail::MakeUpper(m_str);
    return *this;
}

CString& CString::MakeLower() {
    afx::detail::MakeLower(m_str);
    return *this;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew) {
    if (pszOld == nullptr || *pszOld == '\0') return 0;
    const std::string_view oldText(pszOld);
    const std::string_view newText(pszNew ? pszNew : "");
    std::string result;
    int nCount = 0;
    std::size_t pos = 0;
    for (std::size_t hit; (hit = afx::detail::FindText(m_str, oldText, pos)) != std::string::npos;
         pos = hit + oldText.size()) {
        result.append(m_str, pos, hit - pos).append(newText);
        ++nCount;
    }
    if (nCount > 0) m_str = result.append(m_str, pos);
    return nCount;
}

LPSTR CString::GetBuffer(int nMinBufLength) {
    if (nMinBufLength > GetLength()) m_str.resize(static_cast<std::size_t>(nMinBufLength));
    return m_str.data();
}

LPSTR CString::GetBufferSetLength(int nNewLength) {
    ENSURE_ARG(nNewLength >= 0);
    m_str.resize(static_cast<std::size_t>(nNewLength));
    return m_str.data();
}

void CString::ReleaseBuffer(int nNewLength) {
    const std::size_t n = nNewLength < 0
                              ? m_str.size()
                              : std::min(m_str.size(), static_cast<std::size_t>(nNewLength));
    m_str.resize(TextLength(m_str.data(), n));
}

CString& CString::operator=(const char* psz) {
    // psz may point into this string.
    CString copy(psz);
    m_str.swap(copy.m_str);
    return *this;
}

CString& CString::operator=(char ch) {
    return *this = CString(ch);
}

CString& CString::operator+=(const CString& str) {
    m_str += str.m_str;
    return *this;
}

CString& CString::operator+=(const char* psz) {
    if (psz) m_str.append(psz);
    return *this;
}

CString& CString::operator+=(char ch) {
    if (ch != '\0') m_str += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b) {
    return CString(a) += b;
}
CString operator+(const CString& a, const char* b) {
    return CString(a) += b;
}
CString operator+(const char* a, const CString& b) {
    return CString(a) += b;
}
CString operator+(const CString& a, char b) {
    return CString(a) += b;
}
CString operator+(char a, const CString& b) {
    return CString(a) += b;
}
