#include <windows.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "core/Path.h"
#include "core/ProfileCache.h"

using afx::detail::NativePath;
using afx::detail::ProfileCache;

BOOL DeleteFileA(LPCSTR lpFileName) {
    if (lpFileName == nullptr) return FALSE;
    const std::string path = NativePath(lpFileName);
    ProfileCache::Instance().Forget(path);
    return unlink(path.c_str()) == 0;
}

BOOL MoveFileExA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, DWORD dwFlags) {
    if (lpExistingFileName == nullptr || lpNewFileName == nullptr) return FALSE;
    const std::string from = NativePath(lpExistingFileName);
    const std::string to = NativePath(lpNewFileName);
    ProfileCache::Instance().Forget(from);
    ProfileCache::Instance().Forget(to);
    const unsigned flags = (dwFlags & MOVEFILE_REPLACE_EXISTING) ? 0 : RENAME_NOREPLACE;
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), flags) != 0) return FALSE;
    if (dwFlags & MOVEFILE_WRITE_THROUGH) ProfileCache::Instance().Flush(to);
    return TRUE;
}
