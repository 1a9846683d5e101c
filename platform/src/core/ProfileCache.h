// The profile files in use, each parsed once and kept while it is unchanged
// on disk. A read costs no system call while no change is reported in the
// file's directory (see ChangeWatch), and one stat() after a report; only a
// changed file is read and parsed again. A write replaces the whole file: the new bytes go to a
// file beside it (beside a symbolic link's target, for a link) that takes the
// file's mode and is then renamed over it, so the file is at every moment
// either completely old or completely new. A draft (see FileOps.h) is written
// in place instead. A file that exists but cannot be read is never written.
//
// File timestamps are coarse (one clock tick), so two writes of the same size
// by another program within one tick look alike to stat(). The cache
// therefore trusts stat() only for an entry read a safe margin after the
// file's last change; until then every access compares the file's bytes.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "core/ChangeWatch.h"
#include "core/ProfileText.h"

namespace afx::detail {

class ProfileCache {
public:
    static ProfileCache& Instance();

    // Calls read with the file's current contents (empty for a missing or
    // unreadable file); returns 0 when the file was read, ENOENT (or
    // ENOTDIR) when it is missing, else the errno of the failed read.
    int Read(const std::string& path, const std::function<void(const ProfileText&)>& read);

    // Calls edit with the current contents and writes what it returns, when
    // that differs; a missing file is created only for a non-empty result.
    // Returns 0, or the errno of what failed; the file is then left untouched
    // (a draft may hold part of the write).
    int Write(const std::string& path, const std::function<std::string(const ProfileText&)>& edit);

    // Makes the file and its directory entry durable, as far as the disk lets.
    void Flush(const std::string& path);

    // Drops what is known about the file, after it was deleted or moved.
    void Forget(const std::string& path);

    // Test seams, counted over writes that reach the disk; 0 disarms.
    void FailWrite(int nth) { m_nFailCountdown = nth; }
    void DieAtWrite(int nth, int nExitCode) {
        m_nDieCountdown = nth;
        m_nDieExitCode = nExitCode;
    }

private:
    struct Stamp {
        dev_t dev = 0;
        ino_t ino = 0;
        off_t size = 0;
        std::int64_t mtime = 0;  // ns
        std::int64_t ctime = 0;  // ns
        mode_t mode = 0;
        bool operator==(const Stamp&) const = default;
        static Stamp Of(const struct stat& st);
    };

    struct Entry {
        std::string path;
        bool bExists = false;
        int nReadError = 0;  // errno, for a file that exists but could not be read
        Stamp stamp;
        std::int64_t verifiedAt = 0;  // ns, when the bytes were last known to match the disk
        std::uint64_t generation =
            ChangeWatch::kUnknown;  // of the change reports, when last checked
        ProfileText text;
        std::uint64_t nLastUse = 0;
    };

    Entry& Current(const std::string& path);
    Entry& Slot(const std::string& path);
    static void Load(Entry& entry, std::int64_t now);
    int Replace(Entry& entry, std::string bytes);
    int WriteDraft(Entry& entry, int fd, std::string bytes);
    bool DiesNow();
    static void Keep(Entry& entry, std::string bytes, std::int64_t now);

    std::mutex m_mutex;
    std::vector<Entry> m_entries;
    std::uint64_t m_nUseCounter = 0;
    std::uint64_t m_nTempCounter = 0;
    int m_nFailCountdown = 0;
    int m_nDieCountdown = 0;
    int m_nDieExitCode = 0;
};

}  // namespace afx::detail
