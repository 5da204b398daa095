#include "LinkFrame.h"
#include "ParameterBlocks.h"
#include "Telemetry.h"

#include <QTest>

// Expected wire positions written out independently of the block table, so
// a wrong row in the table shows up here.
struct Span
{
    int payload;
    int record;
    int length;
};
using Layout = QList<Span>;
Q_DECLARE_METATYPE(Layout)

namespace {

DeviceParameters patternRecord()
{
    DeviceParameters p;
    for (int i = 0; i < DeviceParameters::Size; ++i)
        p.bytes()[i] = quint8(0x10 + i);
    return p;
}

QByteArray hex(const QByteArray &bytes)
{
    return bytes.toHex(' ').toUpper();
}

} // namespace

class tst_LinkFrame : public QObject
{
    Q_OBJECT

private slots:
    void crcCheckValue_data();
    void crcCheckValue();
    void workedExamples_data();
    void workedExamples();
    void plainBlockLayout_data();
    void plainBlockLayout();
    void specialBytesOnSend_data();
    void specialBytesOnSend();
    void receivedBlockStored_data();
    void receivedBlockStored();
    void idsOutsideTable_data();
    void idsOutsideTable();
    void requestFramesHaveNoPayload_data();
    void requestFramesHaveNoPayload();
    void signedValuesSurviveRoundTrip_data();
    void signedValuesSurviveRoundTrip();
    void telemetryDecoding_data();
    void telemetryDecoding();
    void blockOrder();
};

void tst_LinkFrame::crcCheckValue_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("crc");
    QTest::addRow("check string") << QByteArray("123456789") << 0x31C3;
    QTest::addRow("empty") << QByteArray() << 0x0000;
    QTest::addRow("one byte 0x01") << QByteArray("\x01", 1) << 0x1021;
    QTest::addRow("one byte 0x0F") << QByteArray("\x0F", 1) << 0xF1EF;
}

void tst_LinkFrame::crcCheckValue()
{
    QFETCH(QByteArray, data);
    QFETCH(int, crc);
    QCOMPARE(int(crc16(reinterpret_cast<const quint8 *>(data.constData()), int(data.size()))), crc);
}

void tst_LinkFrame::workedExamples_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("subframe");
    QTest::addColumn<QByteArray>("expected");
    QTest::addRow("connect") << int(CMD_CUT_MOTOR) << int(DLU_DOWN_SFID_PARAM_1)
                             << QByteArray::fromHex("ABCD000003"
                                                    "0000000000000000"
                                                    "81"
                                                    "00000000000000000000000000000000"
                                                    "1D7E");
    QTest::addRow("idle") << int(CMD_NONE) << int(DLU_SFID_IDLE)
                          << QByteArray::fromHex("ABCD" + QByteArray(56, '0') + "1916");
}

void tst_LinkFrame::workedExamples()
{
    QFETCH(int, command);
    QFETCH(int, subframe);
    QFETCH(QByteArray, expected);
    QCOMPARE(expected.size(), LinkFrame::Size);
    // The record's content must not matter for a request or idle frame.
    const LinkFrame frame = LinkFrame::build(quint8(command), quint8(subframe), patternRecord());
    QCOMPARE(hex(frame.toByteArray()), hex(expected));
}

void tst_LinkFrame::plainBlockLayout_data()
{
    QTest::addColumn<int>("block");
    QTest::addColumn<Layout>("layout");
    QTest::addRow("block 1") << 1 << Layout{{0, 0, 16}};
    QTest::addRow("block 2") << 2 << Layout{{0, 16, 12}, {13, 29, 1}};
    QTest::addRow("block 3") << 3 << Layout{{8, 40, 8}};
    QTest::addRow("block 4") << 4 << Layout{{0, 48, 16}};
    QTest::addRow("block 5") << 5 << Layout{{0, 64, 16}};
    QTest::addRow("block 6") << 6 << Layout{{0, 80, 16}};
    QTest::addRow("block 10") << 10 << Layout{{0, 96, 16}};
    QTest::addRow("block 11") << 11 << Layout{{0, 112, 1}};
}

void tst_LinkFrame::plainBlockLayout()
{
    QFETCH(int, block);
    QFETCH(Layout, layout);
    const DeviceParameters record = patternRecord();
    const LinkFrame frame = LinkFrame::build(CMD_SAVE_FLASH, quint8(block), record);

    QCOMPARE(int(frame.bytes[0]), 0xAB);
    QCOMPARE(int(frame.bytes[1]), 0xCD);
    QCOMPARE(int(frame.command()), int(CMD_SAVE_FLASH));
    QCOMPARE(int(frame.subframe()), block);
    for (int i : {2, 3, 5, 6, 7, 8, 9, 10, 11, 12})
        QCOMPARE(int(frame.bytes[size_t(i)]), 0);
    QVERIFY(frame.hasValidCrc());

    // Plain bytes go out as they are, and come back into the same offsets.
    for (const Span &s : layout)
        for (int i = 0; i < s.length; ++i)
            QCOMPARE(int(frame.payload()[s.payload + i]), int(record.bytes()[s.record + i]));

    DeviceParameters received;
    ParameterBlocks::store(block, frame.payload(), received, ParameterBlocks::UnitToPc);
    for (const Span &s : layout)
        for (int i = 0; i < s.length; ++i)
            QCOMPARE(int(received.bytes()[s.record + i]), int(record.bytes()[s.record + i]));
}

void tst_LinkFrame::specialBytesOnSend_data()
{
    QTest::addColumn<int>("block");
    QTest::addColumn<QByteArray>("payloadHex");
    // patternRecord: rec[k] = 0x10 + k. imudist words are host order in the
    // record and big-endian on the wire.
    QTest::addRow("block 2: byte 28 never sent, imudist_x big-endian")
        << 2
        << QByteArray("202122232425262728292A2B"
                      "00"
                      "2D"
                      "2F2E");
    QTest::addRow("block 3: bytes 36-39 written as 0") << 3
                                                       << QByteArray("3130"
                                                                     "3332"
                                                                     "00000000"
                                                                     "38393A3B3C3D3E3F");
    QTest::addRow("block 11: one byte only") << 11 << QByteArray("80" + QByteArray(30, '0'));
}

void tst_LinkFrame::specialBytesOnSend()
{
    QFETCH(int, block);
    QFETCH(QByteArray, payloadHex);
    const LinkFrame frame = LinkFrame::build(CMD_NONE, quint8(block), patternRecord());
    const QByteArray payload(reinterpret_cast<const char *>(frame.payload()), 16);
    QCOMPARE(hex(payload), hex(QByteArray::fromHex(payloadHex)));
}

void tst_LinkFrame::receivedBlockStored_data()
{
    QTest::addColumn<int>("block");
    QTest::addColumn<QByteArray>("payloadHex");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("expected"); // -1000: the byte keeps its old value
    const QByteArray block2 = "0102030405060708090A0B0C"
                              "7F"
                              "0D"
                              "FFFE";
    const QByteArray block3 = "1234"
                              "8001"
                              "A1A2A3A4"
                              "0102030405060708";
    QTest::addRow("block 2 leaves byte 28") << 2 << block2 << 28 << -1000;
    QTest::addRow("block 2 byte 29") << 2 << block2 << 29 << 0x0D;
    QTest::addRow("block 3 stores byte 36") << 3 << block3 << 36 << int(qint8(0xA1));
    QTest::addRow("block 3 stores byte 39") << 3 << block3 << 39 << int(qint8(0xA4));
    QTest::addRow("block 3 byte 40") << 3 << block3 << 40 << 1;
    QTest::addRow("block 11 ignores payload 1-15")
        << 11 << QByteArray("05FF") + QByteArray(28, 'F') << 111 << -1000;
}

void tst_LinkFrame::receivedBlockStored()
{
    QFETCH(int, block);
    QFETCH(QByteArray, payloadHex);
    QFETCH(int, offset);
    QFETCH(int, expected);
    DeviceParameters record = patternRecord();
    const qint8 before = record.byteAt(offset);
    ParameterBlocks::store(
        block, reinterpret_cast<const quint8 *>(QByteArray::fromHex(payloadHex).constData()),
        record, ParameterBlocks::UnitToPc);
    QCOMPARE(int(record.byteAt(offset)), expected == -1000 ? int(before) : expected);

    // Bytes the unit reports in 36-39 are never written back.
    if (block == 3)
        QCOMPARE(int(LinkFrame::build(CMD_NONE, 3, record).payload()[4]), 0);
}

void tst_LinkFrame::idsOutsideTable_data()
{
    QTest::addColumn<int>("id");
    for (int id : {0x07, 0x08, 0x09, 0x0C, 0x10, 0x80, 0x88, 0x89, 0x8C, 0xFF})
        QTest::addRow("0x%02X", id) << id;
}

void tst_LinkFrame::idsOutsideTable()
{
    QFETCH(int, id);
    const LinkFrame frame = LinkFrame::build(CMD_RUN_PID, quint8(id), patternRecord());
    QCOMPARE(int(frame.subframe()), 0);
    QCOMPARE(int(frame.command()), int(CMD_RUN_PID));
    for (int i = 0; i < LinkFrame::PayloadSize; ++i)
        QCOMPARE(int(frame.payload()[i]), 0);
    QVERIFY(frame.hasValidCrc());
}

void tst_LinkFrame::requestFramesHaveNoPayload_data()
{
    QTest::addColumn<int>("id");
    for (int id : {0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x8A, 0x8B, 0x00})
        QTest::addRow("0x%02X", id) << id;
}

void tst_LinkFrame::requestFramesHaveNoPayload()
{
    QFETCH(int, id);
    const LinkFrame frame = LinkFrame::build(CMD_NONE, quint8(id), patternRecord());
    QCOMPARE(int(frame.subframe()), id);
    for (int i = 0; i < LinkFrame::PayloadSize; ++i)
        QCOMPARE(int(frame.payload()[i]), 0);
}

void tst_LinkFrame::signedValuesSurviveRoundTrip_data()
{
    QTest::addColumn<int>("field"); // 0 trim, 1 imudist_x, 2 imudist_y, 3 imudist_z
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("payloadIndex");
    QTest::addColumn<QByteArray>("wire");
    QTest::addRow("trim -5") << 0 << -5 << 1 << 0 << QByteArray("FB");
    QTest::addRow("imudist_x -2") << 1 << -2 << 2 << 14 << QByteArray("FFFE");
    QTest::addRow("imudist_x 0x1234") << 1 << 0x1234 << 2 << 14 << QByteArray("1234");
    QTest::addRow("imudist_y -32768") << 2 << -32768 << 3 << 0 << QByteArray("8000");
    QTest::addRow("imudist_z 300") << 3 << 300 << 3 << 2 << QByteArray("012C");
}

void tst_LinkFrame::signedValuesSurviveRoundTrip()
{
    QFETCH(int, field);
    QFETCH(int, value);
    QFETCH(int, block);
    QFETCH(int, payloadIndex);
    QFETCH(QByteArray, wire);
    DeviceParameters sent;
    switch (field) {
    case 0:
        sent.servo_trim_0 = qint8(value);
        break;
    case 1:
        sent.imudist_x = qint16(value);
        break;
    case 2:
        sent.imudist_y = qint16(value);
        break;
    default:
        sent.imudist_z = qint16(value);
        break;
    }
    const LinkFrame frame = LinkFrame::build(CMD_NONE, quint8(block), sent);
    const QByteArray onWire(reinterpret_cast<const char *>(frame.payload() + payloadIndex),
                            wire.size() / 2);
    QCOMPARE(hex(onWire), hex(QByteArray::fromHex(wire)));

    DeviceParameters back;
    ParameterBlocks::store(block, frame.payload(), back, ParameterBlocks::UnitToPc);
    QCOMPARE(back, sent);
}

void tst_LinkFrame::telemetryDecoding_data()
{
    QTest::addColumn<int>("word");
    QTest::addColumn<int>("value");
    QTest::addRow("centre") << 3040 << 0;
    QTest::addRow("just above") << 3050 << 1;
    QTest::addRow("just below truncates toward zero") << 3030 << -1;
    QTest::addRow("low end") << 2030 << -120;
    QTest::addRow("high end") << 4100 << 126;
    QTest::addRow("wraps to 8 bits") << 4200 << int(qint8(138 & 0xFF));
    QTest::addRow("zero word") << 0 << int(qint8(-361 & 0xFF));
}

void tst_LinkFrame::telemetryDecoding()
{
    QFETCH(int, word);
    QFETCH(int, value);
    QCOMPARE(int(Telemetry::decodeWord(qint16(word))), value);

    // Little-endian words, rudder first, throttle last.
    quint8 payload[16] = {};
    for (int i = 0; i < 6; ++i) {
        const int w = i == 2 ? word : 3040;
        payload[2 * i] = quint8(w & 0xFF);
        payload[2 * i + 1] = quint8(w >> 8);
    }
    const Telemetry t = Telemetry::decode(payload);
    QCOMPARE(int(t.elevator), value);
    QCOMPARE(int(t.rudder), 0);
    QCOMPARE(int(t.accelerator), 0);
}

void tst_LinkFrame::blockOrder()
{
    QList<int> order;
    for (int b = 1; b; b = ParameterBlocks::nextBlock(b))
        order << b;
    QCOMPARE(order, (QList<int>{1, 2, 3, 4, 5, 6, 10, 11}));
    QCOMPARE(ParameterBlocks::blockForRequestId(0x87), 0);
    QCOMPARE(ParameterBlocks::blockForRequestId(0x8A), 10);
    QCOMPARE(ParameterBlocks::blockForWriteId(0x07), 0);
}

QTEST_APPLESS_MAIN(tst_LinkFrame)
#include "tst_linkframe.moc"
