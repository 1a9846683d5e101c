#include "core/ProfileCache.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <utility>

#include "core/FileOps.h"
#include "core/Path.h"

namespace afx::detail {

namespace {

// Longer than any file system's timestamp tick (a jiffy on local file systems).
constexpr std::int64_t kRacyMarginNs = 50'000'000;
// What the parsed files may hold together before the least recently used go.
constexpr std::size_t kMaxBytes = std::size_t{64} << 20;

std::int64_t Nanoseconds(const timespec& ts) {
    return std::int64_t{ts.tv_sec} * 1'000'000'000 + ts.tv_nsec;
}

std::int64_t Now() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return Nanoseconds(ts);
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }
    // Closes now, reporting the error that close() may be the first to see.
    bool Close() { return close(std::exchange(m_fd, -1)) == 0; }

private:
    int m_fd;
};

// 0, or the errno of the open, stat or read that failed.
int ReadOpened(int fd, int nOpenError, struct stat& st, std::string& bytes) {
    if (fd < 0) return nOpenError;
    if (fstat(fd, &st) != 0) return errno;
    if (!S_ISREG(st.st_mode)) return EISDIR;
    return ReadAll(fd, bytes) ? 0 : errno;
}

void SyncPath(const std::string& path, int flags) {
    FileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | flags));
    if (fd.Get() >= 0) SyncFile(fd.Get());
}

}  // namespace

ProfileCache::Stamp ProfileCache::Stamp::Of(const struct stat& st) {
    return {st.st_dev, st.st_ino, st.st_size, Nanoseconds(st.st_mtim), Nanoseconds(st.st_ctim),
            st.st_mode};
}

ProfileCache& ProfileCache::Instance() {
    static ProfileCache cache;
    return cache;
}

ProfileCache::Entry& ProfileCache::Slot(const std::string& path) {
    auto it = std::find_if(m_entries.begin(), m_entries.end(),
                           [&](const Entry& e) { return e.path == path; });
    if (it == m_entries.end()) {
        const auto footprint = [](const Entry& e) { return e.path.size() + e.text.Footprint(); };
        std::size_t nBytes = 0;
        for (const Entry& e : m_entries) nBytes += footprint(e);
        while (nBytes > kMaxBytes) {
            const auto lru = std::min_element(
                m_entries.begin(), m_entries.end(),
                [](const Entry& a, const Entry& b) { return a.nLastUse < b.nLastUse; });
            nBytes -= footprint(*lru);
            m_entries.erase(lru);
        }
        it = m_entries.emplace(m_entries.end());
        it->path = path;
    }
    it->nLastUse = ++m_nUseCounter;
    return *it;
}

void ProfileCache::Load(Entry& entry, std::int64_t now) {
    FileDescriptor fd(open(entry.path.c_str(), O_RDONLY | O_CLOEXEC));
    const int nOpenError = errno;
    struct stat st {};
    std::string bytes;
    // The stamp is taken before the bytes are read: should the file change
    // in between, the next access sees a newer stamp and reads again.
    int nError = InjectedReadError(entry.path);
    if (nError == 0) nError = ReadOpened(fd.Get(), nOpenError, st, bytes);
    if (nError != 0) {
        entry.bExists = nError != ENOENT && nError != ENOTDIR;
        entry.nReadError = entry.bExists ? nError : 0;
        entry.stamp = {};
        if (!entry.text.Bytes().empty()) entry.text = ProfileText();
        return;
    }
    entry.stamp = Stamp::Of(st);
    entry.verifiedAt = now;
    if (!entry.bExists || entry.nReadError != 0 || bytes != entry.text.Bytes()) {
        entry.text = ProfileText(std::move(bytes));
    }
    entry.bExists = true;
    entry.nReadError = 0;
}

ProfileCache::Entry& ProfileCache::Current(const std::string& path) {
    Entry& entry = Slot(path);
    // A draft changes only through this process, and every write keeps the entry.
    if (entry.bExists && entry.nReadError == 0 && Drafts::Instance().Find(path) >= 0) return entry;
    ChangeWatch& watch = ChangeWatch::Instance();
    // The generation is noted before the watch is armed and the disk is
    // looked at: a change from then on moves it past what the entry records.
    const std::uint64_t generation = watch.Generation();
    if (generation != ChangeWatch::kUnknown && generation == entry.generation) return entry;
    const bool bWatched = watch.Watch(path);
    entry.generation = bWatched ? generation : ChangeWatch::kUnknown;
    const std::int64_t now = Now();
    struct stat st {};
    if (stat(path.c_str(), &st) == 0 && entry.bExists && entry.nReadError == 0) {
        const Stamp stamp = Stamp::Of(st);
        const bool bSettled =
            entry.verifiedAt - std::max(stamp.mtime, stamp.ctime) >= kRacyMarginNs;
        if (stamp == entry.stamp && bSettled) return entry;
    }
    Load(entry, now);
    return entry;
}

int ProfileCache::Read(const std::string& path,
                       const std::function<void(const ProfileText&)>& read) {
    std::lock_guard lock(m_mutex);
    const Entry& entry = Current(path);
    read(entry.text);
    return entry.bExists ? entry.nReadError : ENOENT;
}

int ProfileCache::Write(const std::string& path,
                        const std::function<std::string(const ProfileText&)>& edit) {
    std::lock_guard lock(m_mutex);
    Entry& entry = Current(path);
    if (entry.nReadError != 0) return entry.nReadError;  // what it holds is unknown
    std::string bytes = edit(entry.text);
    if (bytes == entry.text.Bytes() && (entry.bExists || bytes.empty())) return 0;
    if (m_nFailCountdown > 0 && --m_nFailCountdown == 0) return EIO;
    const int fd = Drafts::Instance().Find(path);
    const int nError =
        fd >= 0 ? WriteDraft(entry, fd, std::move(bytes)) : Replace(entry, std::move(bytes));
    if (nError != 0) {
        // Check the disk again next time.
        entry.generation = ChangeWatch::kUnknown;
        entry.stamp = {};
        entry.bExists = false;
    }
    return nError;
}

bool ProfileCache::DiesNow() {
    return m_nDieCountdown > 0 && --m_nDieCountdown == 0;
}

void ProfileCache::Keep(Entry& entry, std::string bytes, std::int64_t now) {
    struct stat st {};  // on failure a zero stamp, which makes the next access read the file
    stat(entry.path.c_str(), &st);
    entry.stamp = Stamp::Of(st);
    entry.verifiedAt = now;
    entry.generation = ChangeWatch::kUnknown;  // this write's own reports are still to come
    entry.bExists = true;
    entry.text = ProfileText(std::move(bytes));
}

int ProfileCache::WriteDraft(Entry& entry, int fd, std::string bytes) {
    const std::int64_t now = Now();
    if (lseek(fd, 0, SEEK_SET) != 0 || !WriteAll(fd, bytes) ||
        ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) {
        return errno;
    }
    if (DiesNow()) _exit(m_nDieExitCode);
    Keep(entry, std::move(bytes), now);
    return 0;
}

// The temporary file exists only while this process holds its directory's
// lock, so a temporary file found by whoever holds the lock next is stale.
int ProfileCache::Replace(Entry& entry, std::string bytes) {
    const std::int64_t now = Now();
    std::string target;
    if (!ResolveTarget(entry.path, target)) return errno;
    const DirectoryLock lock(DirectoryOf(target));
    const std::string temp =
        target + ".~" + std::to_string(getpid()) + "." + std::to_string(++m_nTempCounter);
    FileDescriptor fd(open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.Get() < 0) return errno;
    const bool bWritten = (!entry.bExists || fchmod(fd.Get(), entry.stamp.mode & 07777) == 0) &&
                          WriteAll(fd.Get(), bytes) && fd.Close();
    if (bWritten && DiesNow()) _exit(m_nDieExitCode);
    if (!bWritten || rename(temp.c_str(), target.c_str()) != 0) {
        const int nError = errno;
        unlink(temp.c_str());
        return nError;
    }
    Keep(entry, std::move(bytes), now);
    return 0;
}

void ProfileCache::Flush(const std::string& path) {
    std::lock_guard lock(m_mutex);
    if (const int fd = Drafts::Instance().Find(path); fd >= 0) {
        SyncFile(fd);
        return;
    }
    SyncPath(path, 0);
    SyncPath(DirectoryOf(path), O_DIRECTORY);
}

void ProfileCache::Forget(const std::string& path) {
    std::lock_guard lock(m_mutex);
    std::erase_if(m_entries, [&](const Entry& e) { return e.path == path; });
}

}  // namespace afx::detail
