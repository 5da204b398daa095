#include "SimulatedPort.h"

#include "SimulatedUnit.h"

#include <QTimer>

#include <cstring>

SimulatedPort::SimulatedPort(QObject *parent)
    : QIODevice(parent), simulatedUnit(new SimulatedUnit), ownsUnit(true)
{
}

SimulatedPort::SimulatedPort(SimulatedUnit *unit, QObject *parent)
    : QIODevice(parent), simulatedUnit(unit), ownsUnit(false)
{
}

SimulatedPort::~SimulatedPort()
{
    if (ownsUnit)
        delete simulatedUnit;
}

bool SimulatedPort::open(OpenMode mode)
{
    if (isOpen())
        return false;
    readBuffer.clear();
    return QIODevice::open(mode);
}

void SimulatedPort::close()
{
    ++session;
    readBuffer.clear();
    QIODevice::close();
}

qint64 SimulatedPort::bytesAvailable() const
{
    return readBuffer.size() + QIODevice::bytesAvailable();
}

qint64 SimulatedPort::readData(char *data, qint64 maxSize)
{
    const qint64 n = qMin<qint64>(maxSize, readBuffer.size());
    std::memcpy(data, readBuffer.constData(), size_t(n));
    readBuffer.remove(0, int(n));
    return n;
}

qint64 SimulatedPort::writeData(const char *data, qint64 size)
{
    const QByteArray reply = simulatedUnit->receive(QByteArray(data, int(size)));
    if (reply.isEmpty())
        return size;
    if (!clock.isValid())
        clock.start();
    const qint64 now = clock.elapsed();
    const qint64 delay = simulatedUnit->replyDueMs(now) - now;
    const quint64 forSession = session;
    if (delay <= 0)
        deliver(reply, forSession);
    else
        QTimer::singleShot(int(delay), Qt::PreciseTimer, this,
                           [this, reply, forSession] { deliver(reply, forSession); });
    return size;
}

void SimulatedPort::deliver(const QByteArray &reply, quint64 forSession)
{
    if (forSession != session || !isOpen())
        return;
    readBuffer += reply;
    if (readyReadQueued)
        return;
    readyReadQueued = true;
    QMetaObject::invokeMethod(this, &SimulatedPort::announce, Qt::QueuedConnection);
}

void SimulatedPort::announce()
{
    readyReadQueued = false;
    if (isOpen() && bytesAvailable() > 0)
        emit readyRead();
}
