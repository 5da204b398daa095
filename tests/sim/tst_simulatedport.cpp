#include "FactorySetup.h"
#include "FrameReceiver.h"
#include "LinkFrame.h"
#include "ParameterBlocks.h"
#include "SimulatedPort.h"
#include "SimulatedUnit.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

namespace {

QByteArray requestBytes(quint8 subframe, quint8 command = CMD_NONE)
{
    return LinkFrame::build(command, subframe, DeviceParameters()).toByteArray();
}

QByteArray raw(const DeviceParameters &record)
{
    return QByteArray(reinterpret_cast<const char *>(record.bytes()), DeviceParameters::Size)
        .toHex();
}

} // namespace

class TestSimulatedPort : public QObject
{
    Q_OBJECT
private slots:
    void replyReadableAtOnceWithoutLatency();
    void replyAfterLatency_data();
    void replyAfterLatency();
    void oneReadyReadForSeveralReplies();
    void repliesUnderWayAreLostOnClose();
    void usesTheGivenUnit();
    void fullDownloadAndUpload();
};

void TestSimulatedPort::replyReadableAtOnceWithoutLatency()
{
    SimulatedPort port;
    port.unit()->setLatencyMs(0);
    QVERIFY(port.isSequential());
    QVERIFY(port.open(QIODevice::ReadWrite));
    QSignalSpy ready(&port, &QIODevice::readyRead);
    QCOMPARE(port.write(requestBytes(DLU_DOWN_SFID_PARAM_1)), qint64(LinkFrame::Size));
    QCOMPARE(port.bytesAvailable(), qint64(LinkFrame::Size));
    // Never emitted from inside write(): the link's handler must not re-enter.
    QCOMPARE(ready.count(), 0);
    QCoreApplication::processEvents();
    QCOMPARE(ready.count(), 1);
    const QByteArray reply = port.readAll();
    QCOMPARE(reply.size(), LinkFrame::Size);
    QCOMPARE(quint8(reply[LinkFrame::ByteSubframe]), DLU_DOWN_SFID_PARAM_1);
    QCOMPARE(port.bytesAvailable(), qint64(0));
}

void TestSimulatedPort::replyAfterLatency_data()
{
    QTest::addColumn<int>("latency");
    QTest::addRow("default") << SimulatedUnit::DefaultLatencyMs;
    QTest::addRow("30 ms") << 30;
    QTest::addRow("150 ms") << 150;
}

void TestSimulatedPort::replyAfterLatency()
{
    QFETCH(int, latency);
    SimulatedPort port;
    port.unit()->setLatencyMs(latency);
    QVERIFY(port.open(QIODevice::ReadWrite));
    QSignalSpy ready(&port, &QIODevice::readyRead);
    QElapsedTimer clock;
    clock.start();
    port.write(requestBytes(DLU_UP_SFID_TELEMETRY_1));
    QCOMPARE(port.bytesAvailable(), qint64(0));
    QVERIFY(ready.wait(latency + 1000));
    QVERIFY2(clock.elapsed() >= latency - 1, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(port.readAll().size(), LinkFrame::Size);
}

void TestSimulatedPort::oneReadyReadForSeveralReplies()
{
    SimulatedPort port;
    port.unit()->setLatencyMs(0);
    QVERIFY(port.open(QIODevice::ReadWrite));
    QSignalSpy ready(&port, &QIODevice::readyRead);
    port.write(requestBytes(DLU_DOWN_SFID_PARAM_1));
    port.write(requestBytes(DLU_DOWN_SFID_PARAM_2));
    QCoreApplication::processEvents();
    QCOMPARE(ready.count(), 1);
    QCOMPARE(port.readAll().size(), 2 * LinkFrame::Size);
}

void TestSimulatedPort::repliesUnderWayAreLostOnClose()
{
    SimulatedPort port;
    port.unit()->setLatencyMs(20);
    QVERIFY(port.open(QIODevice::ReadWrite));
    port.write(requestBytes(DLU_DOWN_SFID_PARAM_1));
    port.close();
    QVERIFY(port.open(QIODevice::ReadWrite));
    QSignalSpy ready(&port, &QIODevice::readyRead);
    QTest::qWait(80);
    QCOMPARE(ready.count(), 0);
    QCOMPARE(port.bytesAvailable(), qint64(0));

    port.unit()->setLatencyMs(0);
    port.write(requestBytes(DLU_DOWN_SFID_PARAM_1));
    port.close();
    QVERIFY(port.open(QIODevice::ReadWrite));
    QCOMPARE(port.bytesAvailable(), qint64(0));
}

void TestSimulatedPort::usesTheGivenUnit()
{
    SimulatedUnit unit;
    unit.setLatencyMs(0);
    {
        SimulatedPort port(&unit);
        QCOMPARE(port.unit(), &unit);
        QVERIFY(port.open(QIODevice::ReadWrite));
        port.write(requestBytes(DLU_SFID_IDLE, CMD_CUT_PID));
    }
    // The unit outlives the port that did not own it.
    QCOMPARE(unit.controlLoopsRunning(), false);
}

// The exchange the link runs, step by step through the port: download the
// whole record, change it, upload it, write flash, power cycle, download again.
void TestSimulatedPort::fullDownloadAndUpload()
{
    SimulatedPort port;
    port.unit()->setLatencyMs(0);
    QVERIFY(port.open(QIODevice::ReadWrite));
    DeviceParameters pc;
    LinkFrame last;
    FrameReceiver receiver([&last](const LinkFrame &f) { last = f; });
    auto step = [&](quint8 command, quint8 id) {
        last = LinkFrame();
        port.write(LinkFrame::build(command, id, pc).toByteArray());
        receiver.feed(port.readAll());
        return last;
    };
    for (int block : ParameterBlocks::Blocks) {
        const LinkFrame reply = step(CMD_CUT_MOTOR, ParameterBlocks::requestId(block));
        QCOMPARE(reply.subframe(), ParameterBlocks::requestId(block));
        QCOMPARE(int(reply.command()), int(CMD_CUT_MOTOR));
        ParameterBlocks::store(block, reply.payload(), pc, ParameterBlocks::UnitToPc);
    }
    DeviceParameters expected = FactorySetup::record();
    expected.reserved_28 = 0; // never carried
    QCOMPARE(raw(pc), raw(expected));

    pc.left_spin = 77;
    pc.burst_coef = -4;
    for (int block : ParameterBlocks::Blocks)
        QCOMPARE(step(CMD_NONE, ParameterBlocks::writeId(block)).subframe(),
                 ParameterBlocks::writeId(block));
    QCOMPARE(int(step(CMD_SAVE_FLASH, DLU_SFID_IDLE).command()), int(CMD_SAVE_FLASH));
    port.unit()->powerCycle();
    QCOMPARE(port.unit()->workingRecord().left_spin, qint8(77));
    QCOMPARE(port.unit()->workingRecord().burst_coef, qint8(-4));
    // The sensor bytes the PC writes as 0 kept the unit's own values.
    QCOMPARE(port.unit()->workingRecord().reserved_36, FactorySetup::record().reserved_36);
}

QTEST_GUILESS_MAIN(TestSimulatedPort)
#include "tst_simulatedport.moc"
