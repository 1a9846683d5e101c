#include <windows.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string_view>

#include "core/FileOps.h"
#include "core/Path.h"
#include "core/ProfileCache.h"

using afx::detail::DirectoryLock;
using afx::detail::DirectoryOf;
using afx::detail::Drafts;
using afx::detail::NativePath;
using afx::detail::ProfileCache;

namespace {

thread_local DWORD t_dwLastError = ERROR_SUCCESS;

// FALSE, with the last error that stands for the errno.
BOOL Fail(int nErrno) {
    SetLastError(afx::detail::Win32Error(nErrno));
    return FALSE;
}

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) close(fd);
    }
};

// The descriptor of a draft of this process, or one opened for reading.
struct OpenedFile {
    explicit OpenedFile(const std::string& path)
        : draft(Drafts::Instance().Find(path)),
          own{draft >= 0 ? -1 : open(path.c_str(), O_RDONLY | O_CLOEXEC)} {}
    int Get() const { return draft >= 0 ? draft : own.fd; }
    int draft;
    Descriptor own;
};

// The replacement takes the replaced file's owner and group where this
// process may give them away; where it may not, it keeps its own.
void TakeOwner(int fd, const struct stat& replaced) {
    struct stat own {};
    if (fstat(fd, &own) == 0 && (own.st_uid != replaced.st_uid || own.st_gid != replaced.st_gid)) {
        [[maybe_unused]] const int nIgnored = fchown(fd, replaced.st_uid, replaced.st_gid);
    }
}

}  // namespace

DWORD GetLastError() {
    return t_dwLastError;
}

void SetLastError(DWORD dwErrCode) {
    t_dwLastError = dwErrCode;
}

DWORD FormatMessageA(DWORD dwFlags, LPCVOID /*lpSource*/, DWORD dwMessageId, DWORD /*dwLanguageId*/,
                     LPSTR lpBuffer, DWORD nSize, va_list* /*Arguments*/) {
    static constexpr struct {
        DWORD dwCode;
        std::string_view text;
    } kTexts[] = {
        {ERROR_SUCCESS, "The operation completed successfully."},
        {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified."},
        {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified."},
        {ERROR_TOO_MANY_OPEN_FILES, "The system cannot open the file."},
        {ERROR_ACCESS_DENIED, "Access is denied."},
        {ERROR_NOT_SAME_DEVICE, "The system cannot move the file to a different disk drive."},
        {ERROR_WRITE_PROTECT, "The media is write protected."},
        {ERROR_GEN_FAILURE, "A device attached to the system is not functioning."},
        {ERROR_FILE_EXISTS, "The file exists."},
        {ERROR_INVALID_PARAMETER, "The parameter is incorrect."},
        {ERROR_BUFFER_OVERFLOW, "The file name is too long."},
        {ERROR_DISK_FULL, "There is not enough space on the disk."},
        {ERROR_FILENAME_EXCED_RANGE, "The filename or extension is too long."},
        {ERROR_IO_DEVICE, "The request could not be performed because of an I/O device error."},
    };
    constexpr DWORD kKnownFlags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    if (!(dwFlags & FORMAT_MESSAGE_FROM_SYSTEM) || (dwFlags & ~kKnownFlags) || !lpBuffer) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    for (const auto& entry : kTexts) {
        if (entry.dwCode != dwMessageId) continue;
        const std::string text = std::string(entry.text) + "\r\n";
        if (text.size() >= nSize) {
            SetLastError(ERROR_INSUFFICIENT_BUFFER);
            return 0;
        }
        std::memcpy(lpBuffer, text.c_str(), text.size() + 1);
        return static_cast<DWORD>(text.size());
    }
    SetLastError(ERROR_MR_MID_NOT_FOUND);
    return 0;
}

BOOL DeleteFileA(LPCSTR lpFileName) {
    if (lpFileName == nullptr) return Fail(EINVAL);
    const std::string path = NativePath(lpFileName);
    ProfileCache::Instance().Forget(path);
    if (unlink(path.c_str()) != 0) return Fail(errno);
    Drafts::Instance().Release(path);
    return TRUE;
}

BOOL CopyFileA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, BOOL bFailIfExists) {
    if (lpExistingFileName == nullptr || lpNewFileName == nullptr) return Fail(EINVAL);
    const std::string from = NativePath(lpExistingFileName);
    const std::string to = NativePath(lpNewFileName);
    const Descriptor source{open(from.c_str(), O_RDONLY | O_CLOEXEC)};
    struct stat st {};
    std::string bytes;
    if (source.fd < 0 || fstat(source.fd, &st) != 0) return Fail(errno);
    if (!S_ISREG(st.st_mode)) return Fail(EISDIR);
    if (const int nError = afx::detail::InjectedReadError(from)) return Fail(nError);
    if (!afx::detail::ReadAll(source.fd, bytes)) return Fail(errno);
    const int flags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | (bFailIfExists ? O_EXCL : 0);
    ProfileCache::Instance().Forget(to);
    const Descriptor target{open(to.c_str(), flags, st.st_mode & 0777)};
    if (target.fd < 0 || !afx::detail::WriteAll(target.fd, bytes)) return Fail(errno);
    return TRUE;
}

DWORD GetFileAttributesA(LPCSTR lpFileName) {
    struct stat st {};
    if (lpFileName == nullptr || stat(NativePath(lpFileName).c_str(), &st) != 0) {
        Fail(lpFileName == nullptr ? EINVAL : errno);
        return INVALID_FILE_ATTRIBUTES;
    }
    return S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
}

BOOL MoveFileExA(LPCSTR lpExistingFileName, LPCSTR lpNewFileName, DWORD dwFlags) {
    if (lpExistingFileName == nullptr || lpNewFileName == nullptr) return Fail(EINVAL);
    const std::string from = NativePath(lpExistingFileName);
    const std::string to = NativePath(lpNewFileName);
    ProfileCache::Instance().Forget(from);
    ProfileCache::Instance().Forget(to);
    if (dwFlags & MOVEFILE_WRITE_THROUGH) {
        const OpenedFile file(from);
        if (file.Get() < 0 || !afx::detail::SyncFile(file.Get())) return Fail(errno);
    }
    {
        const DirectoryLock lock(DirectoryOf(to));
        const unsigned flags = (dwFlags & MOVEFILE_REPLACE_EXISTING) ? 0 : RENAME_NOREPLACE;
        if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), flags) != 0) {
            return Fail(errno);
        }
    }
    Drafts::Instance().Release(from);
    if (dwFlags & MOVEFILE_WRITE_THROUGH) ProfileCache::Instance().Flush(to);
    return TRUE;
}

UINT GetTempFileNameA(LPCSTR lpPathName, LPCSTR lpPrefixString, UINT uUnique,
                      LPSTR lpTempFileName) {
    if (lpPathName == nullptr || lpTempFileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    std::string dir = *lpPathName ? lpPathName : ".";
    while (dir.size() > 1 && (dir.back() == '\\' || dir.back() == '/')) dir.pop_back();
    if (dir.size() > MAX_PATH - 14) {
        SetLastError(ERROR_BUFFER_OVERFLOW);
        return 0;
    }
    const std::string prefix = std::string(lpPrefixString ? lpPrefixString : "").substr(0, 3);
    UINT nUnique = uUnique & 0xFFFF;
    if (uUnique == 0) {
        std::string draft;
        nUnique = Drafts::Instance().Create(NativePath(dir.c_str()), prefix, draft);
        if (nUnique == 0) {
            Fail(errno);
            return 0;
        }
    }
    const bool bRoot = dir == "/" || dir == "\\";
    std::snprintf(lpTempFileName, MAX_PATH, "%s%s%s%X.TMP", bRoot ? "" : dir.c_str(),
                  bRoot ? "/" : "\\", prefix.c_str(), nUnique);
    return nUnique;
}

BOOL ReplaceFileA(LPCSTR lpReplacedFileName, LPCSTR lpReplacementFileName, LPCSTR lpBackupFileName,
                  DWORD dwReplaceFlags, LPVOID /*lpExclude*/, LPVOID /*lpReserved*/) {
    if (lpReplacedFileName == nullptr || lpReplacementFileName == nullptr ||
        lpBackupFileName != nullptr) {
        return Fail(EINVAL);
    }
    const std::string to = NativePath(lpReplacedFileName);
    const std::string from = NativePath(lpReplacementFileName);
    ProfileCache::Instance().Forget(from);
    ProfileCache::Instance().Forget(to);
    std::string target;
    struct stat st {};
    if (!afx::detail::ResolveTarget(to, target) || stat(target.c_str(), &st) != 0) {
        return Fail(errno);
    }
    const OpenedFile file(from);
    if (file.Get() < 0 || fchmod(file.Get(), st.st_mode & 07777) != 0) return Fail(errno);
    TakeOwner(file.Get(), st);
    if ((dwReplaceFlags & REPLACEFILE_WRITE_THROUGH) && !afx::detail::SyncFile(file.Get())) {
        return Fail(errno);
    }
    {
        const DirectoryLock lock(DirectoryOf(target));
        if (rename(from.c_str(), target.c_str()) != 0) return Fail(errno);
    }
    Drafts::Instance().Release(from);
    if (dwReplaceFlags & REPLACEFILE_WRITE_THROUGH) ProfileCache::Instance().Flush(to);
    return TRUE;
}
