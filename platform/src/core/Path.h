// File names as the module spells them, with '\' separators, name the same
// files on Linux: every backslash becomes a slash. (A backslash byte is never
// the trail byte of a CP949 character, so the text stays intact.)
#pragma once

#include <algorithm>
#include <string>

namespace afx::detail {

inline std::string NativePath(const char* pszPath) {
    std::string path(pszPath ? pszPath : "");
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

// The directory part of a native path ("." for a bare name).
inline std::string DirectoryOf(const std::string& path) {
    const std::size_t nSlash = path.rfind('/');
    return nSlash == std::string::npos ? "." : nSlash == 0 ? "/" : path.substr(0, nSlash);
}

}  // namespace afx::detail
