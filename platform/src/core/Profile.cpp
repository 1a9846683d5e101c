// The Win32 profile-file functions over the profile cache: what each call
// form answers and how the answer is laid into the caller's buffer.
#include <afxtesting.h>
#include <windows.h>

#include <cstring>
#include <string_view>
#include <vector>

#include "core/FileOps.h"
#include "core/Path.h"
#include "core/ProfileCache.h"

using afx::detail::ProfileCache;
using afx::detail::ProfileText;

namespace {

// What a read of (section, key) yields: a value (or the default), or, for a
// NULL section or key, a list of names.
struct Answer {
    bool bList = false;
    std::vector<std::string> names;
    std::string value;
};

Answer Ask(const ProfileText& text, LPCSTR lpAppName, LPCSTR lpKeyName, std::string_view def) {
    if (lpAppName == nullptr) return {true, text.SectionNames(), {}};
    if (lpKeyName == nullptr) {
        // A section without keys answers with the default, like a missing key.
        std::vector<std::string> keys = text.KeyNames(lpAppName);
        if (!keys.empty()) return {true, std::move(keys), {}};
        return {false, {}, std::string(def)};
    }
    return {false, {}, text.Value(lpAppName, lpKeyName).value_or(std::string(def))};
}

// The default loses its trailing spaces, and nothing else: not other blanks,
// not quotes.
std::string_view Default(LPCSTR lpDefault) {
    std::string_view def(lpDefault ? lpDefault : "");
    while (!def.empty() && def.back() == ' ') def.remove_suffix(1);
    return def;
}

template <class F>
void ReadProfile(LPCSTR lpFileName, const F& read) {
    if (lpFileName == nullptr || *lpFileName == '\0') {
        read(ProfileText());
        return;
    }
    // ERROR_SUCCESS, ERROR_FILE_NOT_FOUND, or why a file that exists could not be read.
    SetLastError(afx::detail::Win32Error(
        ProfileCache::Instance().Read(afx::detail::NativePath(lpFileName), read)));
}

// As much of the value as fits before the terminator.
DWORD CopyValue(std::string_view value, LPSTR buffer, DWORD nSize) {
    const std::size_t n = std::min<std::size_t>(value.size(), nSize - 1);
    std::memcpy(buffer, value.data(), n);
    buffer[n] = '\0';
    return static_cast<DWORD>(n);
}

// Each name ends in a NUL and the list in a second one. A list that does not
// fit is cut inside the name that overflows, which still gets both NULs, and
// the count is then nSize - 2; a name that fills the buffer exactly counts as
// not fitting.
DWORD CopyList(const std::vector<std::string>& names, LPSTR buffer, DWORD nSize) {
    if (nSize == 1) {
        buffer[0] = '\0';
        return 0;
    }
    std::size_t nRoom = nSize - 1;  // all but the closing NUL
    char* p = buffer;
    for (const std::string& name : names) {
        if (name.size() + 1 >= nRoom) {
            std::memcpy(p, name.data(), nRoom - 1);
            p += nRoom - 1;
            p[0] = '\0';
            p[1] = '\0';
            return nSize - 2;
        }
        std::memcpy(p, name.data(), name.size());
        p += name.size();
        *p++ = '\0';
        nRoom -= name.size() + 1;
    }
    *p = '\0';
    return static_cast<DWORD>(p - buffer);
}

// The system's string-to-integer conversion: optional sign, then decimal, or
// hexadecimal, octal or binary after "0x", "0o" or "0b"; digits stop at the
// first character that is not one, and the value wraps at 32 bits.
UINT ParseProfileInt(const char* psz) {
    // Leading bytes up to the blank count as blanks; so do CP949 bytes, which
    // are negative as (signed) chars.
    while (*psz != '\0' && static_cast<signed char>(*psz) <= ' ') ++psz;
    bool bNegative = false;
    if (*psz == '-' || *psz == '+') bNegative = *psz++ == '-';
    UINT nBase = 10;
    if (psz[0] == '0' && (psz[1] == 'x' || psz[1] == 'o' || psz[1] == 'b')) {
        nBase = psz[1] == 'x' ? 16 : psz[1] == 'o' ? 8 : 2;
        psz += 2;
    }
    UINT nValue = 0;
    for (;; ++psz) {
        const char c = *psz;
        const UINT nDigit = c >= '0' && c <= '9'   ? static_cast<UINT>(c - '0')
                            : c >= 'a' && c <= 'z' ? static_cast<UINT>(c - 'a' + 10)
                            : c >= 'A' && c <= 'Z' ? static_cast<UINT>(c - 'A' + 10)
                                                   : nBase;
        if (nDigit >= nBase) break;
        nValue = nValue * nBase + nDigit;
    }
    return bNegative ? 0u - nValue : nValue;
}

}  // namespace

DWORD GetPrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpDefault,
                               LPSTR lpReturnedString, DWORD nSize, LPCSTR lpFileName) {
    if (lpReturnedString == nullptr || nSize == 0) return 0;
    DWORD nCopied = 0;
    ReadProfile(lpFileName, [&](const ProfileText& text) {
        const Answer answer = Ask(text, lpAppName, lpKeyName, Default(lpDefault));
        nCopied = answer.bList ? CopyList(answer.names, lpReturnedString, nSize)
                               : CopyValue(answer.value, lpReturnedString, nSize);
    });
    return nCopied;
}

// The integer form reads the string form into a buffer of 256 bytes, with an
// empty default, and converts what it holds (the first name of a list): an
// empty answer gives the default, and digits past the buffer do not count.
UINT GetPrivateProfileIntA(LPCSTR lpAppName, LPCSTR lpKeyName, INT nDefault, LPCSTR lpFileName) {
    char buffer[256];
    if (GetPrivateProfileStringA(lpAppName, lpKeyName, nullptr, buffer, sizeof buffer,
                                 lpFileName) == 0)
        return static_cast<UINT>(nDefault);
    return ParseProfileInt(buffer);
}

BOOL WritePrivateProfileStringA(LPCSTR lpAppName, LPCSTR lpKeyName, LPCSTR lpString,
                                LPCSTR lpFileName) {
    if (lpFileName == nullptr || *lpFileName == '\0') return FALSE;
    const std::string path = afx::detail::NativePath(lpFileName);
    if (lpAppName == nullptr) {
        // All NULL is the flush call, which reports FALSE whatever happens.
        if (lpKeyName == nullptr && lpString == nullptr) ProfileCache::Instance().Flush(path);
        return FALSE;
    }
    const int nError = ProfileCache::Instance().Write(path, [&](const ProfileText& text) {
        if (lpKeyName == nullptr) return text.WithoutSection(lpAppName);
        if (lpString == nullptr) return text.WithoutKey(lpAppName, lpKeyName);
        return text.WithValue(lpAppName, lpKeyName, lpString);
    });
    if (nError != 0) SetLastError(afx::detail::Win32Error(nError));
    return nError == 0;
}

namespace afx::testing {

void FailProfileWrite(int nth) {
    ProfileCache::Instance().FailWrite(nth);
}
void DieAtProfileWrite(int nth, int nExitCode) {
    ProfileCache::Instance().DieAtWrite(nth, nExitCode);
}

}  // namespace afx::testing
