// Frame building and the receiver's throughput. Run: build/bench/bench_link
#include "FrameReceiver.h"
#include "LinkFrame.h"

#include <QElapsedTimer>
#include <QTest>

class bench_Link : public QObject
{
    Q_OBJECT

private slots:
    void buildFrame_data();
    void buildFrame();
    void receiverThroughput();
};

void bench_Link::buildFrame_data()
{
    QTest::addColumn<int>("subframe");
    QTest::addRow("idle") << int(DLU_SFID_IDLE);
    QTest::addRow("block 2 (words)") << int(DLU_WRITE_SFID_PARAM_2);
    QTest::addRow("block 4") << int(DLU_WRITE_SFID_PARAM_4);
}

void bench_Link::buildFrame()
{
    QFETCH(int, subframe);
    DeviceParameters record;
    quint32 sink = 0;
    QBENCHMARK {
        sink += LinkFrame::build(CMD_NONE, quint8(subframe), record).storedCrc();
    }
    QVERIFY(sink || true);
}

void bench_Link::receiverThroughput()
{
    DeviceParameters record;
    QByteArray stream;
    for (int i = 0; i < 32768; ++i) {
        record.phi_ktotal = qint8(i);
        stream += LinkFrame::build(quint8(i % 6), quint8(1 + i % 6), record).toByteArray();
    }
    int frames = 0;
    FrameReceiver receiver([&frames](const LinkFrame &) { ++frames; });
    QElapsedTimer timer;
    timer.start();
    const int rounds = 10;
    for (int r = 0; r < rounds; ++r)
        receiver.feed(stream);
    const double seconds = timer.nsecsElapsed() / 1e9;
    QCOMPARE(frames, 32768 * rounds);
    qInfo("receiver: %.1f MB/s (%.0f frames/s)", stream.size() * rounds / seconds / 1e6,
          frames / seconds);
}

QTEST_APPLESS_MAIN(bench_Link)
#include "bench_link.moc"
