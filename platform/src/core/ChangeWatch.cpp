#include "core/ChangeWatch.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <utility>

#include "core/Path.h"

namespace afx::detail {

namespace {

std::atomic<std::uint64_t> g_nGeneration{0};
struct sigaction g_previousAction {};

void OnChangeSignal(int nSignal, siginfo_t* pInfo, void* pContext) {
    g_nGeneration.fetch_add(1, std::memory_order_relaxed);
    if (g_previousAction.sa_flags & SA_SIGINFO) {
        if (g_previousAction.sa_sigaction) g_previousAction.sa_sigaction(nSignal, pInfo, pContext);
    } else if (g_previousAction.sa_handler != SIG_DFL && g_previousAction.sa_handler != SIG_IGN) {
        g_previousAction.sa_handler(nSignal);
    }
}

constexpr std::uint32_t kChanges = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_CREATE | IN_DELETE |
                                   IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;

}  // namespace

ChangeWatch& ChangeWatch::Instance() {
    static ChangeWatch watch;
    return watch;
}

ChangeWatch::ChangeWatch() {
    m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd < 0) return;
    struct sigaction action {};
    action.sa_sigaction = OnChangeSignal;
    action.sa_flags = SA_SIGINFO | SA_RESTART;
    sigemptyset(&action.sa_mask);
    if (sigaction(SIGIO, &action, &g_previousAction) != 0 || fcntl(m_fd, F_SETOWN, getpid()) != 0 ||
        fcntl(m_fd, F_SETFL, O_ASYNC | O_NONBLOCK) != 0) {
        close(std::exchange(m_fd, -1));
        return;
    }
    pthread_atfork(nullptr, nullptr, [] {
        ChangeWatch& watch = Instance();
        if (watch.m_fd >= 0) close(std::exchange(watch.m_fd, -1));
    });
}

ChangeWatch::~ChangeWatch() {
    if (m_fd >= 0) close(m_fd);
}

std::uint64_t ChangeWatch::Generation() {
    if (m_fd < 0) return kUnknown;
    return g_nGeneration.load(std::memory_order_acquire);
}

void ChangeWatch::Drain() {
    alignas(inotify_event) char buffer[4096];
    while (read(m_fd, buffer, sizeof buffer) > 0) {
    }
}

bool ChangeWatch::Watch(const std::string& path) {
    if (m_fd < 0) return false;
    Drain();
    inotify_add_watch(m_fd, path.c_str(), kChanges);  // fails while the file does not exist
    return inotify_add_watch(m_fd, DirectoryOf(path).c_str(), kChanges) >= 0;
}

}  // namespace afx::detail
