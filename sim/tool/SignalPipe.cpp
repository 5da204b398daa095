#include "SignalPipe.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int pipeFds[2] = {-1, -1};

extern "C" void forwardSignal(int number)
{
    const int saved = errno;
    const unsigned char byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t n = ::write(pipeFds[1], &byte, 1);
    errno = saved;
}

} // namespace

SignalPipe::SignalPipe(QObject *parent) : QObject(parent) {}

SignalPipe::~SignalPipe()
{
    for (int &fd : pipeFds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

bool SignalPipe::watch(std::initializer_list<int> signalNumbers)
{
    if (pipeFds[0] < 0) {
        if (::pipe(pipeFds) != 0)
            return false;
        for (int fd : pipeFds)
            fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
        notifier = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &SignalPipe::drain);
    }
    struct sigaction action = {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : signalNumbers)
        if (sigaction(number, &action, nullptr) != 0)
            return false;
    return true;
}

void SignalPipe::drain()
{
    unsigned char byte;
    while (::read(pipeFds[0], &byte, 1) == 1)
        emit received(int(byte));
}
