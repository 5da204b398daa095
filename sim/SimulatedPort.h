#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QIODevice>
#include <QPointer>

class SimulatedUnit;

// An in-process serial port with a simulated unit at the far end. Bytes
// written to it go to the unit; the unit's replies become readable after the
// unit's latency (and its adapter batching, see SimulatedUnit::replyDueMs)
// and are announced with readyRead().
//
// How a test waits for a reply:
// - latency 0: the reply is in the read buffer as soon as write() returns
//   (bytesAvailable() counts it, readAll() takes it); readyRead() follows
//   from the event loop through a queued call, so one
//   QCoreApplication::processEvents() (or QSignalSpy::wait) delivers it.
// - latency N ms: a QTimer puts the reply in the read buffer after N ms and
//   readyRead() follows through the same queued call; wait with
//   QSignalSpy(&port, &QIODevice::readyRead).wait() or
//   QTRY_VERIFY(port.bytesAvailable() > 0).
// Replies still under way when the port is closed are discarded, as a real
// port would lose them.
class SimulatedPort : public QIODevice
{
    Q_OBJECT
public:
    // With its own unit (factory set-up), owned by the port.
    explicit SimulatedPort(QObject *parent = nullptr);
    // With an existing unit, not owned; it must outlive the port.
    explicit SimulatedPort(SimulatedUnit *unit, QObject *parent = nullptr);
    ~SimulatedPort() override;

    SimulatedUnit *unit() const { return simulatedUnit; }

    bool open(OpenMode mode) override;
    void close() override;
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    void deliver(const QByteArray &reply, quint64 forSession);
    void announce();

    SimulatedUnit *simulatedUnit;
    bool ownsUnit;
    QByteArray readBuffer;
    quint64 session = 0; // bumped by close(), so late replies are dropped
    bool readyReadQueued = false;
    QElapsedTimer clock;
};
