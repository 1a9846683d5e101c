// Tells without a system call whether anything may have changed in the
// directories of the cached profile files since a moment noted earlier.
//
// A stat() per read would make every read as slow as a system call, which on
// virtual machines costs more than parsing a whole toolbar file. Instead the
// kernel reports every change in a watched directory (inotify) and signals
// the process (SIGIO) while the changing call is still in progress, so by the
// time any later step of this process runs, the change counter has moved.
// The counter moves for any change in any watched directory; the profile
// cache then checks the file on disk as before. Where notifications are not
// available (no inotify, or in a forked child, which does not receive the
// parent's signals), the counter is unknown and every read checks the disk. A SIGIO handler that
// was installed before is still called.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

namespace afx::detail {

class ChangeWatch {
public:
    static ChangeWatch& Instance();

    // Stands for "unknown": matches no generation, not even itself.
    static constexpr std::uint64_t kUnknown = UINT64_MAX;

    // The current count of reported changes; kUnknown without notifications.
    std::uint64_t Generation();

    // Starts watching the file and its directory (or keeps watching them) and
    // discards the reports read so far. Call after noting the generation and
    // before looking at the file. The directory reports the file's creation,
    // replacement and removal; the file itself reports writes that reach it
    // through another name (a link). FALSE when the directory cannot be
    // watched: the file must then be checked on every access.
    bool Watch(const std::string& path);

    ChangeWatch(const ChangeWatch&) = delete;
    ChangeWatch& operator=(const ChangeWatch&) = delete;

private:
    ChangeWatch();
    ~ChangeWatch();
    void Drain();

    int m_fd = -1;
};

}  // namespace afx::detail
