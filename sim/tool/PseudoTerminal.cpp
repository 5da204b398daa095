#include "PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::~PseudoTerminal()
{
    close();
}

bool PseudoTerminal::fail(const QString &what)
{
    error = QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)));
    close();
    return false;
}

bool PseudoTerminal::open()
{
    master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0)
        return fail(QStringLiteral("posix_openpt"));
    if (grantpt(master) != 0)
        return fail(QStringLiteral("grantpt"));
    if (unlockpt(master) != 0)
        return fail(QStringLiteral("unlockpt"));
    const char *name = ptsname(master);
    if (!name)
        return fail(QStringLiteral("ptsname"));
    path = QString::fromLocal8Bit(name);
    slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave < 0)
        return fail(QStringLiteral("open %1").arg(path));
    termios settings;
    if (tcgetattr(slave, &settings) != 0)
        return fail(QStringLiteral("tcgetattr"));
    cfmakeraw(&settings);
    cfsetispeed(&settings, B115200);
    cfsetospeed(&settings, B115200);
    if (tcsetattr(slave, TCSANOW, &settings) != 0)
        return fail(QStringLiteral("tcsetattr"));
    const int flags = fcntl(master, F_GETFL);
    if (flags < 0 || fcntl(master, F_SETFL, flags | O_NONBLOCK) != 0)
        return fail(QStringLiteral("fcntl"));
    return true;
}

void PseudoTerminal::close()
{
    if (slave >= 0)
        ::close(slave);
    if (master >= 0)
        ::close(master);
    slave = master = -1;
}

void PseudoTerminal::discardUnreadReplies()
{
    if (slave >= 0)
        tcflush(slave, TCIFLUSH);
}
