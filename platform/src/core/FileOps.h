// The file system calls under the profile functions and the file functions:
// reads, writes and syncs that retry interrupted calls and check every
// result, the test seams that make them fail, the lock that serialises the
// publishing of files in a directory, and the registry of drafts.
//
// A draft is a file made by GetTempFileNameA for a new version of a file.
// Nobody else has any business with it until it is published, so profile
// writes edit it in place, without a temporary file and a rename of their
// own. Its owner holds a lock on it while it lives; a draft whose lock can
// be taken belongs to a process that ended, and the next draft made in that
// directory with the same prefix removes it.
#pragma once

#include <windef.h>

#include <map>
#include <mutex>
#include <string>
#include <string_view>

namespace afx::detail {

// The Win32 error code that stands for an errno (ERROR_SUCCESS for 0).
DWORD Win32Error(int nErrno);

// Each returns false with errno set; a write() that writes nothing counts as
// a full disk.
bool ReadAll(int fd, std::string& bytes);
bool WriteAll(int fd, std::string_view bytes);
bool SyncFile(int fd);

// The errno that the seams make every read of the file fail with, 0 for none.
int InjectedReadError(const std::string& path);

// What a write through the path reaches: the final target of a symbolic
// link, or the path itself. False (errno set) for a link that leads nowhere.
bool ResolveTarget(const std::string& path, std::string& target);

// An exclusive advisory lock on a directory, taken by every process of ours
// while it creates, publishes or removes a temporary file or draft there.
// Where the file system has no such locks it is not taken.
class DirectoryLock {
public:
    explicit DirectoryLock(const std::string& dir);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

private:
    int m_fd;
};

// Removes, under the directory's lock, what saves of ended processes left in
// it: drafts named "<prefix><hex>.TMP" whose lock is free and the profile
// cache's temporary files ("<name>.~<pid>.<n>"), which exist only while
// their writer holds the lock.
void RemoveStaleFiles(const std::string& dir, std::string_view prefix);

// Whether a name is one of the profile cache's temporary files.
bool IsCacheTemporary(std::string_view name);

class Drafts {
public:
    static Drafts& Instance();

    // Creates "<dir>/<prefix><hex>.TMP" (mode 0600) and locks it; the number
    // used, 0 on failure (errno set).
    unsigned Create(const std::string& dir, std::string_view prefix, std::string& path);
    // The open descriptor of a draft of this process, -1 for any other file.
    int Find(const std::string& path);
    // The draft was published or removed: its lock is let go.
    void Release(const std::string& path);

private:
    std::mutex m_mutex;
    std::map<std::string, int> m_drafts;
};

}  // namespace afx::detail
