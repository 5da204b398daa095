#include "FrameReceiver.h"

#include <QTest>

namespace {

QByteArray frameBytes(quint8 command, quint8 subframe, quint8 fill = 0)
{
    DeviceParameters record;
    for (int i = 0; i < DeviceParameters::Size; ++i)
        record.bytes()[i] = quint8(fill + i);
    return LinkFrame::build(command, subframe, record).toByteArray();
}

struct Collector
{
    QList<QByteArray> frames;
    FrameReceiver receiver{[this](const LinkFrame &f) { frames << f.toByteArray(); }};
};

} // namespace

class tst_FrameReceiver : public QObject
{
    Q_OBJECT

private slots:
    void streams_data();
    void streams();
    void splitAtEveryPosition();
    void stateCarriesAcrossReads();
    void frameHandedOnBeforeNextByte();
};

void tst_FrameReceiver::streams_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QList<QByteArray>>("expected");

    const QByteArray a = frameBytes(2, 0x81);
    const QByteArray b = frameBytes(0, 0x05, 7);
    QByteArray swapped = a;
    std::swap(swapped[30], swapped[31]);
    QByteArray corrupt = a;
    corrupt[20] = char(corrupt[20] ^ 0x01);

    QTest::addRow("one frame") << a << QList<QByteArray>{a};
    QTest::addRow("two frames in one read") << a + b << QList<QByteArray>{a, b};
    QTest::addRow("noise before a frame")
        << QByteArray::fromHex("00FFCDAB11") + a << QList<QByteArray>{a};
    QTest::addRow("repeated AB before CD")
        << QByteArray::fromHex("ABAB") + a.mid(1) << QList<QByteArray>{a};
    QTest::addRow("swapped CRC bytes rejected") << swapped << QList<QByteArray>{};
    QTest::addRow("flipped payload bit rejected") << corrupt << QList<QByteArray>{};
    QTest::addRow("rejected frame, then a good one") << corrupt + b << QList<QByteArray>{b};
    QTest::addRow("AB then other byte resets")
        << QByteArray::fromHex("AB00CD") + a << QList<QByteArray>{a};
    QTest::addRow("sync inside a payload is data")
        << QByteArray::fromHex("ABCD") + QByteArray::fromHex("ABCD") + a.mid(4)
        << QList<QByteArray>{};
    QTest::addRow("truncated frame swallows the next sync")
        << a.left(20) + b + b << QList<QByteArray>{b};
}

void tst_FrameReceiver::streams()
{
    QFETCH(QByteArray, stream);
    QFETCH(QList<QByteArray>, expected);
    Collector c;
    c.receiver.feed(stream);
    QCOMPARE(c.frames, expected);
}

void tst_FrameReceiver::splitAtEveryPosition()
{
    const QByteArray a = frameBytes(3, 0x87);
    const QByteArray b = frameBytes(0, 0x0B, 3);
    const QByteArray stream = QByteArray::fromHex("55AB") + a + b;
    for (int cut = 0; cut <= stream.size(); ++cut) {
        Collector c;
        c.receiver.feed(stream.left(cut));
        c.receiver.feed(stream.mid(cut));
        QCOMPARE(c.frames, (QList<QByteArray>{a, b}));
    }
}

void tst_FrameReceiver::stateCarriesAcrossReads()
{
    Collector c;
    const QByteArray a = frameBytes(1, 0x02);
    c.receiver.feed(a.left(1));
    QCOMPARE(c.receiver.state(), FrameReceiver::GotSync1);
    c.receiver.feed(a.mid(1, 4));
    QCOMPARE(c.receiver.state(), FrameReceiver::Collecting);
    QCOMPARE(c.receiver.index(), 5);
    c.receiver.feed(a.mid(5));
    QCOMPARE(c.receiver.state(), FrameReceiver::HuntSync);
    QCOMPARE(c.receiver.index(), 2);
    QCOMPARE(c.frames.size(), 1);
}

void tst_FrameReceiver::frameHandedOnBeforeNextByte()
{
    // Reply handling may look at the receiver's state: the frame must be out
    // before the byte after it is taken.
    const QByteArray a = frameBytes(0, 0x81);
    QList<int> statesSeen;
    FrameReceiver *self = nullptr;
    FrameReceiver receiver([&](const LinkFrame &) { statesSeen << self->state(); });
    self = &receiver;
    receiver.feed(a + QByteArray::fromHex("AB") + a.mid(1));
    QCOMPARE(statesSeen, (QList<int>{FrameReceiver::HuntSync, FrameReceiver::HuntSync}));
}

QTEST_APPLESS_MAIN(tst_FrameReceiver)
#include "tst_framereceiver.moc"
