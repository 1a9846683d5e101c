#include "core/ProfileCache.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <utility>

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

bool ReadAll(int fd, std::string& bytes) {
    char chunk[16384];
    for (;;) {
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n == 0) return true;
        if (n < 0 && errno != EINTR) return false;
        if (n > 0) bytes.append(chunk, static_cast<std::size_t>(n));
    }
}

bool WriteAll(int fd, const std::string& bytes) {
    for (std::size_t nDone = 0; nDone < bytes.size();) {
        const ssize_t n = write(fd, bytes.data() + nDone, bytes.size() - nDone);
        if (n < 0 && errno != EINTR) return false;
        if (n > 0) nDone += static_cast<std::size_t>(n);
    }
    return true;
}

void SyncPath(const std::string& path, int flags) {
    FileDescriptor fd(open(path.c_str(), O_RDONLY | O_CLOEXEC | flags));
    if (fd.Get() >= 0) fsync(fd.Get());
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
    struct stat st {};
    std::string bytes;
    // The stamp is taken before the bytes are read: should the file change
    // in between, the next access sees a newer stamp and reads again.
    if (fd.Get() < 0 || fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        !ReadAll(fd.Get(), bytes)) {
        entry.bExists = false;
        entry.stamp = {};
        if (!entry.text.Bytes().empty()) entry.text = ProfileText();
        return;
    }
    entry.stamp = Stamp::Of(st);
    entry.verifiedAt = now;
    if (!entry.bExists || bytes != entry.text.Bytes()) entry.text = ProfileText(std::move(bytes));
    entry.bExists = true;
}

ProfileCache::Entry& ProfileCache::Current(const std::string& path) {
    Entry& entry = Slot(path);
    ChangeWatch& watch = ChangeWatch::Instance();
    // The generation is noted before the watch is armed and the disk is
    // looked at: a change from then on moves it past what the entry records.
    const std::uint64_t generation = watch.Generation();
    if (generation != ChangeWatch::kUnknown && generation == entry.generation) return entry;
    const bool bWatched = watch.Watch(path);
    entry.generation = bWatched ? generation : ChangeWatch::kUnknown;
    const std::int64_t now = Now();
    struct stat st {};
    if (stat(path.c_str(), &st) == 0 && entry.bExists) {
        const Stamp stamp = Stamp::Of(st);
        const bool bSettled =
            entry.verifiedAt - std::max(stamp.mtime, stamp.ctime) >= kRacyMarginNs;
        if (stamp == entry.stamp && bSettled) return entry;
    }
    Load(entry, now);
    return entry;
}

void ProfileCache::Read(const std::string& path,
                        const std::function<void(const ProfileText&)>& read) {
    std::lock_guard lock(m_mutex);
    read(Current(path).text);
}

bool ProfileCache::Write(const std::string& path,
                         const std::function<std::string(const ProfileText&)>& edit) {
    std::lock_guard lock(m_mutex);
    Entry& entry = Current(path);
    std::string bytes = edit(entry.text);
    if (bytes == entry.text.Bytes() && (entry.bExists || bytes.empty())) return true;
    if (Replace(entry, std::move(bytes))) return true;
    entry.generation = ChangeWatch::kUnknown;  // check the disk again next time
    return false;
}

bool ProfileCache::Replace(Entry& entry, std::string bytes) {
    if (m_nFailCountdown > 0 && --m_nFailCountdown == 0) return false;
    const std::int64_t now = Now();
    const std::string temp =
        entry.path + ".~" + std::to_string(getpid()) + "." + std::to_string(++m_nTempCounter);
    FileDescriptor fd(open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.Get() < 0) return false;
    const bool bWritten = (!entry.bExists || fchmod(fd.Get(), entry.stamp.mode & 07777) == 0) &&
                          WriteAll(fd.Get(), bytes) && fd.Close();
    if (bWritten && m_nDieCountdown > 0 && --m_nDieCountdown == 0) _exit(m_nDieExitCode);
    if (!bWritten || rename(temp.c_str(), entry.path.c_str()) != 0) {
        unlink(temp.c_str());
        return false;
    }
    struct stat st {};  // on failure a zero stamp, which makes the next access read the file
    stat(entry.path.c_str(), &st);
    entry.stamp = Stamp::Of(st);
    entry.verifiedAt = now;
    entry.generation = ChangeWatch::kUnknown;  // this write's own reports are still to come
    entry.bExists = true;
    entry.text = ProfileText(std::move(bytes));
    return true;
}

void ProfileCache::Flush(const std::string& path) {
    std::lock_guard lock(m_mutex);
    SyncPath(path, 0);
    SyncPath(DirectoryOf(path), O_DIRECTORY);
}

void ProfileCache::Forget(const std::string& path) {
    std::lock_guard lock(m_mutex);
    std::erase_if(m_entries, [&](const Entry& e) { return e.path == path; });
}

}  // namespace afx::detail
