#include "TerminationSignals.h"

#include <QSocketNotifier>
#include <csignal>
#include <pthread.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace rmnra::ui {
namespace {

sigset_t terminationSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGHUP);
    return set;
}

} // namespace

void blockTerminationSignals() {
    const sigset_t set = terminationSet();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

void handleTerminationSignals(std::function<void()> onTerminate) {
    int fds[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0)
        return;
    auto* notifier = new QSocketNotifier(fds[1], QSocketNotifier::Read);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [fd = fds[1], onTerminate = std::move(onTerminate)] {
                         char byte;
                         if (read(fd, &byte, 1) == 1)
                             onTerminate();
                     });
    std::thread([fd = fds[0]] {
        const sigset_t set = terminationSet();
        for (;;) {
            int sig = 0;
            if (sigwait(&set, &sig) == 0) {
                const char byte = static_cast<char>(sig);
                if (write(fd, &byte, 1) < 0)
                    return;
            }
        }
    }).detach();
}

} // namespace rmnra::ui
