// CString: the framework's 8-bit string. It holds CP949 bytes; every length
// and index counts bytes. The text ends at the first NUL byte, as with the
// framework's string, so a string never carries bytes that a C API would not
// see. Character-level operations (Find, Trim, MakeUpper, CompareNoCase) treat
// a lead byte and its trail byte as one character.
#pragma once

#include <string>

#include "windef.h"

class CString {
public:
    CString() = default;
    CString(const char* psz);  // NOLINT: implicit, as in the framework
    CString(const char* pch, int nLength);
    CString(char ch, int nRepeat = 1);
    CString(const std::string& str);  // NOLINT: implicit, for the platform's own callers
    CString(std::string&& str);       // NOLINT: implicit, for the platform's own callers

    // Size and access.
    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    char GetAt(int nIndex) const;
    void SetAt(int nIndex, char ch);
    char operator[](int nIndex) const { return GetAt(nIndex); }
    operator LPCSTR() const { return m_str.c_str(); }  // NOLINT: implicit, as in the framework
    LPCSTR GetString() const { return m_str.c_str(); }

    // Comparison: bytes compare unsigned; the no-case form folds letters of
    // the code page (ASCII and double-byte letters alike) to lower case.
    int Compare(LPCSTR psz) const;
    int CompareNoCase(LPCSTR psz) const;

    // Extraction. Counts outside the string are clamped, as in the framework.
    CString Left(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Right(int nCount) const;

    // Search: byte offsets, -1 when not found; a match never starts on the
    // trail byte of a double-byte character.
    int Find(char ch, int nStart = 0) const;
    int Find(LPCSTR pszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;

    // Modification.
    void Format(LPCSTR pszFormat, ...) __attribute__((format(printf, 2, 3)));
    CString& Trim();
    CString& Trim(char chTarget);
    CString& Trim(LPCSTR pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(char chTarget);
    CString& TrimLeft(LPCSTR pszTargets);
    CString& TrimRight();
    CString& TrimRight(char chTarget);
    CString& TrimRight(LPCSTR pszTargets);
    CString& MakeUpper();
    CString& MakeLower();
    int Replace(LPCSTR pszOld, LPCSTR pszNew);

    // Direct buffer access: GetBuffer gives room for at least nMinBufLength
    // bytes plus a terminator; ReleaseBuffer(-1) ends the text at the first NUL.
    LPSTR GetBuffer(int nMinBufLength = 0);
    LPSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);

    CString& operator=(const char* psz);
    CString& operator=(char ch);
    CString& operator+=(const CString& str);
    CString& operator+=(const char* psz);
    CString& operator+=(char ch);

    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, const char* b);
    friend CString operator+(const char* a, const CString& b);
    friend CString operator+(const CString& a, char b);
    friend CString operator+(char a, const CString& b);

    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
    friend bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }
    friend bool operator!=(const char* a, const CString& b) { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
    friend bool operator<(const CString& a, const char* b) { return a.Compare(b) < 0; }
    friend bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
    friend bool operator>(const CString& a, const char* b) { return a.Compare(b) > 0; }

private:
    void Assign(const char* pch, std::size_t n);

    // Always exactly the text: no NUL inside, size() is GetLength(). While a
    // buffer is out, the string is sized to the buffer and ReleaseBuffer
    // shrinks it back.
    std::string m_str;
};
