#include "core/FileOps.h"

#include <afxtesting.h>
#include <windows.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <utility>

#include "core/Path.h"
#include "core/ProfileCache.h"

namespace afx::detail {

namespace {

// The seams: a countdown to the failing call and the error it fails with.
struct Fault {
    std::atomic<int> nCountdown{0};
    std::atomic<int> nError{0};
    // True (errno set) when this call is the one that fails.
    bool Fires() {
        int n = nCountdown.load();
        while (n > 0 && !nCountdown.compare_exchange_weak(n, n - 1)) {
        }
        if (n != 1) return false;
        errno = nError.load();
        return true;
    }
    void Arm(int nth, int nErrno) {
        nError = nErrno;
        nCountdown = nth;
    }
};

Fault g_writeFault;
Fault g_syncFault;
std::mutex g_readFaultMutex;
std::map<std::string, int> g_readFaults;

bool IsHex(std::string_view text) {
    if (text.empty() || text.size() > 4) return false;
    for (const char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

bool IsDigits(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

bool IsDraftName(std::string_view name, std::string_view prefix) {
    constexpr std::string_view kExtension = ".TMP";
    return name.size() > prefix.size() + kExtension.size() && name.starts_with(prefix) &&
           name.ends_with(kExtension) &&
           IsHex(name.substr(prefix.size(), name.size() - prefix.size() - kExtension.size()));
}

// A file that nobody holds a lock on.
bool IsAbandoned(int dirFd, const char* pszName) {
    const int fd = openat(dirFd, pszName, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return false;
    const bool bFree = flock(fd, LOCK_EX | LOCK_NB) == 0;
    close(fd);
    return bFree;
}

}  // namespace

DWORD Win32Error(int nErrno) {
    switch (nErrno) {
        case 0:
            return ERROR_SUCCESS;
        case ENOENT:
            return ERROR_FILE_NOT_FOUND;
        case ENOTDIR:
            return ERROR_PATH_NOT_FOUND;
        case EMFILE:
        case ENFILE:
            return ERROR_TOO_MANY_OPEN_FILES;
        case EACCES:
        case EPERM:
        case EISDIR:
            return ERROR_ACCESS_DENIED;
        case EXDEV:
            return ERROR_NOT_SAME_DEVICE;
        case EROFS:
            return ERROR_WRITE_PROTECT;
        case EEXIST:
            return ERROR_FILE_EXISTS;
        case EINVAL:
            return ERROR_INVALID_PARAMETER;
        case ENOSPC:
        case EDQUOT:
            return ERROR_DISK_FULL;
        case ENAMETOOLONG:
            return ERROR_FILENAME_EXCED_RANGE;
        case EIO:
            return ERROR_IO_DEVICE;
        default:
            return ERROR_GEN_FAILURE;
    }
}

bool ReadAll(int fd, std::string& bytes) {
    char chunk[16384];
    for (;;) {
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n == 0) return true;
        if (n < 0 && errno != EINTR) return false;
        if (n > 0) bytes.append(chunk, static_cast<std::size_t>(n));
    }
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        if (g_writeFault.Fires()) return false;
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool SyncFile(int fd) {
    if (g_syncFault.Fires()) return false;
    while (fsync(fd) != 0) {
        if (errno != EINTR) return false;
    }
    return true;
}

int InjectedReadError(const std::string& path) {
    std::lock_guard lock(g_readFaultMutex);
    const auto it = g_readFaults.find(path);
    return it == g_readFaults.end() ? 0 : it->second;
}

bool ResolveTarget(const std::string& path, std::string& target) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
        target = path;
        return true;
    }
    char* pszTarget = realpath(path.c_str(), nullptr);
    if (pszTarget == nullptr) return false;
    target = pszTarget;
    std::free(pszTarget);
    return true;
}

DirectoryLock::DirectoryLock(const std::string& dir)
    : m_fd(open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    while (m_fd >= 0 && flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
    }
}

DirectoryLock::~DirectoryLock() {
    if (m_fd >= 0) close(m_fd);  // lets go of the lock
}

bool IsCacheTemporary(std::string_view name) {
    const std::size_t nDot = name.rfind('.');
    const std::size_t nMark = name.rfind(".~");
    return nDot != std::string_view::npos && nMark != std::string_view::npos && nMark < nDot &&
           IsDigits(name.substr(nMark + 2, nDot - nMark - 2)) && IsDigits(name.substr(nDot + 1));
}

void RemoveStaleFiles(const std::string& dir, std::string_view prefix) {
    DIR* pDir = opendir(dir.c_str());
    if (pDir == nullptr) return;
    const int dirFd = dirfd(pDir);
    while (const dirent* pEntry = readdir(pDir)) {
        const std::string_view name = pEntry->d_name;
        const bool bStale = IsCacheTemporary(name) ||
                            (IsDraftName(name, prefix) && IsAbandoned(dirFd, pEntry->d_name));
        if (bStale) unlinkat(dirFd, pEntry->d_name, 0);
    }
    closedir(pDir);
}

Drafts& Drafts::Instance() {
    static Drafts drafts;
    return drafts;
}

unsigned Drafts::Create(const std::string& dir, std::string_view prefix, std::string& path) {
    const DirectoryLock lock(dir);
    RemoveStaleFiles(dir, prefix);
    // Start where the clock points, so that processes starting together
    // rarely try the same names.
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const unsigned nStart = static_cast<unsigned>(now.tv_nsec ^ getpid());
    for (unsigned i = 0; i < 0xFFFF; ++i) {
        const unsigned nUnique = (nStart + i) % 0xFFFF + 1;
        char szName[16];
        std::snprintf(szName, sizeof szName, "%X.TMP", nUnique);
        std::string candidate =
            dir + (dir.ends_with('/') ? "" : "/") + std::string(prefix) + szName;
        const int fd = open(candidate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return 0;
        flock(fd, LOCK_EX | LOCK_NB);  // a new file: nobody else can hold it
        std::lock_guard guard(m_mutex);
        m_drafts[candidate] = fd;
        path = std::move(candidate);
        return nUnique;
    }
    errno = EEXIST;
    return 0;
}

int Drafts::Find(const std::string& path) {
    std::lock_guard lock(m_mutex);
    const auto it = m_drafts.find(path);
    return it == m_drafts.end() ? -1 : it->second;
}

void Drafts::Release(const std::string& path) {
    std::lock_guard lock(m_mutex);
    const auto it = m_drafts.find(path);
    if (it == m_drafts.end()) return;
    close(it->second);
    m_drafts.erase(it);
}

}  // namespace afx::detail

namespace afx::testing {

void FailFileWrite(int nth, int nErrno) {
    afx::detail::g_writeFault.Arm(nth, nErrno);
}

void FailFileSync(int nth, int nErrno) {
    afx::detail::g_syncFault.Arm(nth, nErrno);
}

void FailFileRead(const char* pszPath, int nErrno) {
    const std::string path = afx::detail::NativePath(pszPath);
    {
        std::lock_guard lock(afx::detail::g_readFaultMutex);
        if (nErrno == 0) {
            afx::detail::g_readFaults.erase(path);
        } else {
            afx::detail::g_readFaults[path] = nErrno;
        }
    }
    afx::detail::ProfileCache::Instance().Forget(path);
}

}  // namespace afx::testing
