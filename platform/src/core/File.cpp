#include <windows.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

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

namespace {

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) close(fd);
    }
};

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

BOOL CopyFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, BOOL bFailIfExists) {
    if (lpExistingFileName == nullptr || lpNewFileName == nullptr) return FALSE;
    const std::string from = NativePath(lpExistingFileName);
    const std::string to = NativePath(lpNewFileName);
    const Descriptor source{open(from.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat st {};
    if (source.fd < 0 || fstat(source.fd, &st) != 0 || !S_ISREG(st.st_mode)) return FALSE;
    const int flags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | (bFailIfExists ? O_EXCL : 0);
    ProfileCache::Instance().Forget(to);
    const Descriptor target{open(to.c_str(), flags, st.st_mode & 0777)};
    if (target.fd < 0) return FALSE;
    std::vector<char> buffer(64 * 1024);
    for (;;) {
        const ssize_t n = read(source.fd, buffer.data(), buffer.size());
        if (n < 0) return FALSE;
        if (n == 0) return TRUE;
        if (!WriteAll(target.fd, buffer.data(), static_cast<std::size_t>(n))) return FALSE;
    }
}

DWORD GetFileAttributesA(LPCSTR lpFileName) {
    struct stat st {};
    if (lpFileName == nullptr || stat(NativePath(lpFileName).c_str(), &st) != 0) {
        return INVALID_FILE_ATTRIBUTES;
    }
    return S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
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
