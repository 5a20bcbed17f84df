// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/signaux.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace app {

namespace {

int tube[2] = {-1, -1};
volatile std::sig_atomic_t recus = 0;

// Only async-signal-safe calls: one byte down the pipe wakes the event loop.
extern "C" void surSignal(int numero)
{
    if (recus++ > 0) {
        std::signal(numero, SIG_DFL);
        std::raise(numero);
        return;
    }
    const char c = 1;
    [[maybe_unused]] const auto n = ::write(tube[0], &c, 1);
}

}  // namespace

void quitterSurSignal(std::function<void()> quitter)
{
    static std::function<void()> action;
    action = std::move(quitter);
    if (tube[0] < 0) {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, tube) != 0)
            return;
        auto* n = new QSocketNotifier(tube[1], QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(n, &QSocketNotifier::activated, [] {
            char c;
            [[maybe_unused]] const auto lu = ::read(tube[1], &c, 1);
            if (action)
                action();
        });
    }
    recus = 0;
    struct sigaction sa = {};
    sa.sa_handler = surSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(s, &sa, nullptr);
}

}  // namespace app
