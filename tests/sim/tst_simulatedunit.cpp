#include "FactorySetup.h"
#include "FlashFile.h"
#include "FrameReceiver.h"
#include "LinkFrame.h"
#include "ParameterBlocks.h"
#include "SimulatedUnit.h"
#include "Telemetry.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace {

// Every reply the unit sends, cut out by the PC's own receiver.
QList<LinkFrame> parse(const QByteArray &bytes)
{
    QList<LinkFrame> frames;
    FrameReceiver receiver([&frames](const LinkFrame &f) { frames.append(f); });
    receiver.feed(bytes);
    return frames;
}

std::optional<LinkFrame> send(SimulatedUnit &unit, const LinkFrame &request)
{
    const QList<LinkFrame> replies = parse(unit.receive(request.toByteArray()));
    if (replies.size() != 1)
        return std::nullopt;
    return replies.first();
}

LinkFrame pcFrame(quint8 command, quint8 subframe, const DeviceParameters &record = {})
{
    return LinkFrame::build(command, subframe, record);
}

// A raw frame with any id and payload, as a faulty or foreign PC might send.
LinkFrame rawFrame(quint8 command, quint8 subframe, const QByteArray &payload = {})
{
    LinkFrame f;
    f.bytes[LinkFrame::ByteCommand] = command;
    f.bytes[LinkFrame::ByteSubframe] = subframe;
    for (int i = 0; i < payload.size() && i < LinkFrame::PayloadSize; ++i)
        f.payload()[i] = quint8(payload[i]);
    f.seal();
    return f;
}

// A record that differs from the factory set-up in every byte.
DeviceParameters patterned()
{
    DeviceParameters r;
    const DeviceParameters factory = FactorySetup::record();
    for (int k = 0; k < DeviceParameters::Size; ++k)
        r.setByteAt(k, qint8(quint8(factory.bytes()[k] + 0x41 + k)));
    r.imudist_x = -2;
    r.imudist_y = 0x1234;
    r.imudist_z = -300;
    return r;
}

QList<qint16> words(const LinkFrame &reply)
{
    QList<qint16> w;
    for (int i = 0; i < 6; ++i)
        w.append(qint16(quint16(reply.payload()[2 * i] | reply.payload()[2 * i + 1] << 8)));
    return w;
}

QByteArray raw(const DeviceParameters &record)
{
    return QByteArray(reinterpret_cast<const char *>(record.bytes()), DeviceParameters::Size)
        .toHex();
}

int differingBits(const LinkFrame &a, const LinkFrame &b)
{
    int bits = 0;
    for (int i = 0; i < LinkFrame::Size; ++i)
        bits += qPopulationCount(quint8(a.bytes[size_t(i)] ^ b.bytes[size_t(i)]));
    return bits;
}

} // namespace

class TestSimulatedUnit : public QObject
{
    Q_OBJECT
private slots:
    void writtenBlockIsStoredAndReadBack_data();
    void writtenBlockIsStoredAndReadBack();
    void bytesThePcDoesNotCarryAreKept_data();
    void bytesThePcDoesNotCarryAreKept();
    void acknowledgement_data();
    void acknowledgement();
    void replySubframe_data();
    void replySubframe();
    void identityInEveryReply_data();
    void identityInEveryReply();
    void commandState_data();
    void commandState();
    void saveFlashCopiesWorkingRecord();
    void failSafeCapturesSticks();
    void fixedTelemetryWords();
    void stickMotionSweepsSmoothly();
    void powerCycle_data();
    void powerCycle();
    void powerCycleDropsHalfFrame();
    void factorySetupIsUsable();
    void wrongCrcIsIgnored();
    void randomBytesThenValidFrame();
    void floodOfFrames();
    void droppedReplies();
    void dropsAreRepeatableWithSeed();
    void corruptedReplies();
    void silence();
    void lateReply();
    void fieldOverride();
    void fieldLimit_data();
    void fieldLimit();
    void flashFileRoundTrip();
    void flashFileRefusesOtherFiles_data();
    void flashFileRefusesOtherFiles();
    void flashFileSaveFailureKeepsOld();
};

void TestSimulatedUnit::writtenBlockIsStoredAndReadBack_data()
{
    QTest::addColumn<int>("block");
    for (int block : ParameterBlocks::Blocks)
        QTest::addRow("block %d", block) << block;
}

void TestSimulatedUnit::writtenBlockIsStoredAndReadBack()
{
    QFETCH(int, block);
    SimulatedUnit unit;
    const DeviceParameters before = unit.workingRecord();
    const DeviceParameters pc = patterned();

    const auto ack = send(unit, pcFrame(CMD_NONE, ParameterBlocks::writeId(block), pc));
    QVERIFY(ack);
    QCOMPARE(ack->subframe(), ParameterBlocks::writeId(block));

    const QList<int> carried = ParameterBlocks::carriedOffsets(block, ParameterBlocks::PcToUnit);
    for (int k = 0; k < DeviceParameters::Size; ++k) {
        const qint8 expected = carried.contains(k) ? pc.byteAt(k) : before.byteAt(k);
        QCOMPARE(unit.workingRecord().byteAt(k), expected);
    }

    const auto data = send(unit, pcFrame(CMD_NONE, ParameterBlocks::requestId(block)));
    QVERIFY(data);
    QCOMPARE(data->subframe(), ParameterBlocks::requestId(block));
    // Read back through the PC's own decoding: the PC gets what it sent.
    DeviceParameters readBack = before;
    ParameterBlocks::store(block, data->payload(), readBack, ParameterBlocks::UnitToPc);
    for (int k : carried)
        QCOMPARE(readBack.byteAt(k), pc.byteAt(k));
    if (block == 2)
        QCOMPARE(readBack.imudist_x, qint16(-2));
    if (block == 3)
        QCOMPARE(readBack.imudist_y, qint16(0x1234));
}

void TestSimulatedUnit::bytesThePcDoesNotCarryAreKept_data()
{
    QTest::addColumn<int>("block");
    QTest::addColumn<int>("payloadByte");
    QTest::addColumn<int>("offset");
    QTest::addRow("reserved_28") << 2 << 12 << 28;
    QTest::addRow("reserved_36") << 3 << 4 << 36;
    QTest::addRow("reserved_37") << 3 << 5 << 37;
    QTest::addRow("reserved_38") << 3 << 6 << 38;
    QTest::addRow("reserved_39") << 3 << 7 << 39;
}

void TestSimulatedUnit::bytesThePcDoesNotCarryAreKept()
{
    QFETCH(int, block);
    QFETCH(int, payloadByte);
    QFETCH(int, offset);
    SimulatedUnit unit;
    unit.workingRecord().setByteAt(offset, 0x5A);

    // Even a PC that puts something there (ours sends 0) cannot change it.
    QByteArray payload(16, '\x11');
    payload[payloadByte] = '\x77';
    QVERIFY(send(unit, rawFrame(CMD_NONE, quint8(block), payload)));
    QCOMPARE(unit.workingRecord().byteAt(offset), qint8(0x5A));
    QVERIFY(send(unit, pcFrame(CMD_NONE, quint8(block), DeviceParameters())));
    QCOMPARE(unit.workingRecord().byteAt(offset), qint8(0x5A));

    // Block 3's sensor bytes are reported to the PC; byte 28 never travels.
    const auto data = send(unit, pcFrame(CMD_NONE, ParameterBlocks::requestId(block)));
    QVERIFY(data);
    QCOMPARE(data->payload()[payloadByte], quint8(offset == 28 ? 0 : 0x5A));
}

void TestSimulatedUnit::acknowledgement_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("acknowledged");
    QTest::addRow("none") << 0 << 0;
    QTest::addRow("set fail protect") << 1 << 1;
    QTest::addRow("save flash") << 2 << 2;
    QTest::addRow("cut motor") << 3 << 3;
    QTest::addRow("cut pid") << 4 << 4;
    QTest::addRow("run pid") << 5 << 5;
    QTest::addRow("unknown 6") << 6 << 0;
    QTest::addRow("unknown 0x82") << 0x82 << 0;
    QTest::addRow("unknown 0xff") << 0xFF << 0;
}

void TestSimulatedUnit::acknowledgement()
{
    QFETCH(int, command);
    QFETCH(int, acknowledged);
    for (quint8 id :
         {DLU_SFID_IDLE, DLU_WRITE_SFID_PARAM_4, DLU_DOWN_SFID_PARAM_2, DLU_UP_SFID_TELEMETRY_1}) {
        SimulatedUnit unit;
        const auto reply = send(unit, rawFrame(quint8(command), id));
        QVERIFY(reply);
        QCOMPARE(int(reply->command()), acknowledged);
    }
}

void TestSimulatedUnit::replySubframe_data()
{
    QTest::addColumn<int>("sent");
    QTest::addColumn<int>("replied");
    for (int block : ParameterBlocks::Blocks) {
        QTest::addRow("write %d", block) << block << block;
        QTest::addRow("request %d", block) << 0x80 + block << 0x80 + block;
    }
    QTest::addRow("telemetry") << 0x87 << 0x87;
    QTest::addRow("idle") << 0x00 << 0x00;
    for (int id : {0x07, 0x09, 0x0C, 0x80, 0x88, 0x89, 0x8C, 0xFF})
        QTest::addRow("unknown 0x%02x", id) << id << 0x00;
}

void TestSimulatedUnit::replySubframe()
{
    QFETCH(int, sent);
    QFETCH(int, replied);
    SimulatedUnit unit;
    const DeviceParameters before = unit.workingRecord();
    const auto reply = send(unit, rawFrame(CMD_NONE, quint8(sent), QByteArray(16, '\x33')));
    QVERIFY(reply);
    QCOMPARE(int(reply->subframe()), replied);
    const bool isWrite = ParameterBlocks::blockForWriteId(quint8(sent)) != 0;
    QCOMPARE(unit.workingRecord() != before, isWrite);
    if (replied == 0 || isWrite)
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(reply->payload()), 16),
                 QByteArray(16, '\0'));
}

void TestSimulatedUnit::identityInEveryReply_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("version");
    QTest::addRow("VRN-X1 1.2") << 10 << 12;
    QTest::addRow("VRN-A1 2.3") << 11 << 23;
    QTest::addRow("unknown model") << 7 << 255;
}

void TestSimulatedUnit::identityInEveryReply()
{
    QFETCH(int, model);
    QFETCH(int, version);
    SimulatedUnit unit;
    unit.setModel(quint8(model));
    unit.setFirmwareVersion(quint8(version));
    for (quint8 id : {DLU_SFID_IDLE, DLU_WRITE_SFID_PARAM_1, DLU_DOWN_SFID_PARAM_11,
                      DLU_UP_SFID_TELEMETRY_1, quint8(0x42)}) {
        const auto reply = send(unit, rawFrame(CMD_NONE, id));
        QVERIFY(reply);
        QCOMPARE(int(reply->model()), model);
        QCOMPARE(int(reply->version()), version);
    }
}

void TestSimulatedUnit::commandState_data()
{
    QTest::addColumn<QList<int>>("commands");
    QTest::addColumn<bool>("motorCut");
    QTest::addColumn<bool>("loopsRunning");
    QTest::addRow("fresh") << QList<int>{0} << false << true;
    QTest::addRow("cut motor") << QList<int>{3} << true << true;
    QTest::addRow("suspend loops") << QList<int>{4} << false << false;
    QTest::addRow("suspend then run") << QList<int>{4, 5} << false << true;
    QTest::addRow("run then suspend") << QList<int>{5, 4} << false << false;
    QTest::addRow("unknown leaves state") << QList<int>{4, 9, 0} << false << false;
}

void TestSimulatedUnit::commandState()
{
    QFETCH(QList<int>, commands);
    QFETCH(bool, motorCut);
    QFETCH(bool, loopsRunning);
    SimulatedUnit unit;
    for (int c : commands)
        QVERIFY(send(unit, rawFrame(quint8(c), DLU_SFID_IDLE)));
    QCOMPARE(unit.motorCut(), motorCut);
    QCOMPARE(unit.controlLoopsRunning(), loopsRunning);
    QCOMPARE(unit.failSafeStored(), false);
}

void TestSimulatedUnit::saveFlashCopiesWorkingRecord()
{
    SimulatedUnit unit;
    QSignalSpy written(&unit, &SimulatedUnit::flashWritten);
    DeviceParameters pc = unit.workingRecord();
    pc.phi_ktotal = 99;
    QVERIFY(send(unit, pcFrame(CMD_NONE, DLU_WRITE_SFID_PARAM_4, pc)));
    QCOMPARE(unit.flashRecord().phi_ktotal, FactorySetup::record().phi_ktotal);
    QCOMPARE(written.count(), 0);

    // The write and the save ride in the same frame: the block lands first.
    pc.theta_ktotal = 77;
    QVERIFY(send(unit, pcFrame(CMD_SAVE_FLASH, DLU_WRITE_SFID_PARAM_4, pc)));
    QCOMPARE(written.count(), 1);
    QCOMPARE(unit.flashRecord().phi_ktotal, qint8(99));
    QCOMPARE(unit.flashRecord().theta_ktotal, qint8(77));
    QCOMPARE(unit.flashWriteCount(), 1);
}

void TestSimulatedUnit::failSafeCapturesSticks()
{
    SimulatedUnit unit;
    unit.setClockMs(1234);
    QVERIFY(send(unit, rawFrame(CMD_SET_FAIL_PROTECT, DLU_SFID_IDLE)));
    QVERIFY(unit.failSafeStored());
    QCOMPARE(*unit.failSafePositions(), SimulatedUnit::stickMotionAt(1234));
}

void TestSimulatedUnit::fixedTelemetryWords()
{
    SimulatedUnit unit;
    unit.setFixedTelemetry({3040, 3050, 2030, 4100, -5, 32767});
    const auto reply = send(unit, pcFrame(CMD_NONE, DLU_UP_SFID_TELEMETRY_1));
    QVERIFY(reply);
    QCOMPARE(words(*reply), (QList<qint16>{3040, 3050, 2030, 4100, -5, 32767}));
    const Telemetry t = Telemetry::decode(reply->payload());
    QCOMPARE(int(t.rudder), 0);
    QCOMPARE(int(t.aileron), 1);
    QCOMPARE(int(t.elevator), -120);
    QCOMPARE(int(t.collective), 126);

    unit.clearFixedTelemetry();
    unit.setClockMs(500);
    const auto moving = send(unit, pcFrame(CMD_NONE, DLU_UP_SFID_TELEMETRY_1));
    QVERIFY(moving);
    const auto expected = SimulatedUnit::stickMotionAt(500);
    QCOMPARE(words(*moving), QList<qint16>(expected.begin(), expected.end()));
}

void TestSimulatedUnit::stickMotionSweepsSmoothly()
{
    int low[6], high[6];
    std::fill(low, low + 6, 1000);
    std::fill(high, high + 6, -1000);
    int largestStep = 0;
    auto previous = SimulatedUnit::stickMotionAt(0);
    bool allInStep = true;
    for (qint64 ms = 0; ms <= 120000; ms += 20) {
        const auto w = SimulatedUnit::stickMotionAt(ms);
        for (int i = 0; i < 6; ++i) {
            QVERIFY2(w[size_t(i)] >= 2025 && w[size_t(i)] <= 4055, "word outside the stick travel");
            const int value = Telemetry::decodeWord(w[size_t(i)]);
            low[i] = qMin(low[i], value);
            high[i] = qMax(high[i], value);
            largestStep = qMax(largestStep, qAbs(w[size_t(i)] - previous[size_t(i)]));
        }
        for (int i = 1; i < 6; ++i)
            allInStep = allInStep && w[size_t(i)] == w[0];
        previous = w;
    }
    for (int i = 0; i < 6; ++i) {
        QVERIFY2(low[i] <= -115 && low[i] >= -121, qPrintable(QString::number(low[i])));
        QVERIFY2(high[i] >= 115 && high[i] <= 121, qPrintable(QString::number(high[i])));
    }
    // One 20 ms tick never jumps more than a few channel steps.
    QVERIFY2(largestStep < 30, qPrintable(QString::number(largestStep)));
    QVERIFY(!allInStep);
}

void TestSimulatedUnit::powerCycle_data()
{
    QTest::addColumn<bool>("saved");
    QTest::addRow("written to flash") << true;
    QTest::addRow("working memory only") << false;
}

void TestSimulatedUnit::powerCycle()
{
    QFETCH(bool, saved);
    SimulatedUnit unit;
    const DeviceParameters factory = unit.workingRecord();
    const DeviceParameters pc = patterned();
    for (int block : ParameterBlocks::Blocks)
        QVERIFY(send(unit, pcFrame(CMD_NONE, ParameterBlocks::writeId(block), pc)));
    QVERIFY(send(unit, pcFrame(CMD_CUT_MOTOR, DLU_SFID_IDLE)));
    QVERIFY(send(unit, pcFrame(CMD_CUT_PID, DLU_SFID_IDLE)));
    if (saved)
        QVERIFY(send(unit, pcFrame(CMD_SAVE_FLASH, DLU_SFID_IDLE)));
    const DeviceParameters written = unit.workingRecord();

    unit.powerCycle();
    QCOMPARE(raw(unit.workingRecord()), raw((saved ? written : factory)));
    QCOMPARE(unit.motorCut(), false);
    QCOMPARE(unit.controlLoopsRunning(), true);
    const auto block4 = send(unit, pcFrame(CMD_NONE, DLU_DOWN_SFID_PARAM_4));
    QVERIFY(block4);
    QCOMPARE(qint8(block4->payload()[0]), saved ? pc.phi_ktotal : factory.phi_ktotal);
}

void TestSimulatedUnit::powerCycleDropsHalfFrame()
{
    SimulatedUnit unit;
    const QByteArray frame = pcFrame(CMD_NONE, DLU_DOWN_SFID_PARAM_1).toByteArray();
    QVERIFY(unit.receive(frame.left(12)).isEmpty());
    unit.powerCycle();
    // Without the reset the next frame's first 20 bytes would finish the old one.
    QCOMPARE(parse(unit.receive(frame)).size(), 1);
}

void TestSimulatedUnit::factorySetupIsUsable()
{
    const DeviceParameters r = FactorySetup::record();
    QCOMPARE(int(r.model_type), 2);
    QCOMPARE(int(r.installation), 1);
    for (qint8 rev : {r.servo_rev_0, r.servo_rev_1, r.servo_rev_2, r.servo_rev_3})
        QVERIFY(rev == 1 || rev == -1);
    // Every Basic page slider must show its value, not a clamped minimum.
    QVERIFY(r.roll_agility >= 15 && r.roll_agility <= 60);
    QVERIFY(r.phi_ktotal >= 10 && r.left_spin >= 15 && r.r_ktotal >= 10);
    QVERIFY(r.tail_limit_a >= 20 && r.ail_limit >= 20 && r.ele_limit >= 20);
    QVERIFY(r.swash_servotype >= 1 && r.swash_servotype <= 3);
    QVERIFY(r.tail_servotype >= 1 && r.tail_servotype <= 5);
    QCOMPARE(int(r.pcset_mode), 1);
    QCOMPARE(int(r.reserved_28), 0);
}

void TestSimulatedUnit::wrongCrcIsIgnored()
{
    SimulatedUnit unit;
    const DeviceParameters before = unit.workingRecord();
    LinkFrame bad = pcFrame(CMD_SAVE_FLASH, DLU_WRITE_SFID_PARAM_1, patterned());
    std::swap(bad.bytes[30], bad.bytes[31]);
    QSignalSpy written(&unit, &SimulatedUnit::flashWritten);
    QVERIFY(unit.receive(bad.toByteArray()).isEmpty());
    QCOMPARE(raw(unit.workingRecord()), raw(before));
    QCOMPARE(written.count(), 0);
    QCOMPARE(unit.framesHandled(), 0);
    QVERIFY(send(unit, pcFrame(CMD_NONE, DLU_SFID_IDLE)));
}

void TestSimulatedUnit::randomBytesThenValidFrame()
{
    SimulatedUnit unit;
    QRandomGenerator random(42);
    QByteArray noise(20000, '\0');
    random.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
    unit.receive(noise);
    // 31 bytes without a sync byte end any frame the noise had begun.
    unit.receive(QByteArray(31, '\0'));
    const auto reply = send(unit, pcFrame(CMD_NONE, DLU_DOWN_SFID_PARAM_2));
    QVERIFY(reply);
    QCOMPARE(reply->subframe(), DLU_DOWN_SFID_PARAM_2);
}

void TestSimulatedUnit::floodOfFrames()
{
    SimulatedUnit unit;
    QByteArray flood;
    const int count = 2000;
    for (int i = 0; i < count; ++i)
        flood +=
            pcFrame(CMD_NONE, ParameterBlocks::requestId(ParameterBlocks::Blocks[size_t(i % 8)]))
                .toByteArray();
    const QList<LinkFrame> replies = parse(unit.receive(flood));
    QCOMPARE(replies.size(), count);
    for (int i = 0; i < count; i += 97)
        QCOMPARE(replies[i].subframe(),
                 ParameterBlocks::requestId(ParameterBlocks::Blocks[size_t(i % 8)]));
}

void TestSimulatedUnit::droppedReplies()
{
    SimulatedUnit unit;
    unit.setDropProbability(1.0);
    DeviceParameters pc = unit.workingRecord();
    pc.r_ktotal = 111;
    QVERIFY(unit.receive(pcFrame(CMD_NONE, DLU_WRITE_SFID_PARAM_3, pc).toByteArray()).isEmpty());
    // The frame was handled; only its answer was lost.
    QCOMPARE(unit.workingRecord().r_ktotal, qint8(111));

    unit.setDropProbability(0.3);
    int answered = 0;
    for (int i = 0; i < 1000; ++i)
        answered += parse(unit.receive(pcFrame(CMD_NONE, DLU_SFID_IDLE).toByteArray())).size();
    QVERIFY2(answered > 620 && answered < 780, qPrintable(QString::number(answered)));
}

void TestSimulatedUnit::dropsAreRepeatableWithSeed()
{
    auto pattern = [](quint32 seed) {
        SimulatedUnit unit;
        unit.setSeed(seed);
        unit.setDropProbability(0.5);
        QString marks;
        for (int i = 0; i < 64; ++i)
            marks +=
                unit.receive(pcFrame(CMD_NONE, DLU_SFID_IDLE).toByteArray()).isEmpty() ? '-' : 'x';
        return marks;
    };
    QCOMPARE(pattern(7), pattern(7));
    QVERIFY(pattern(7) != pattern(8));
}

void TestSimulatedUnit::corruptedReplies()
{
    SimulatedUnit unit;
    unit.setCorruptProbability(1.0);
    for (int i = 0; i < 200; ++i) {
        const LinkFrame request = pcFrame(CMD_NONE, DLU_DOWN_SFID_PARAM_1);
        const QByteArray bytes = unit.receive(request.toByteArray());
        QCOMPARE(bytes.size(), LinkFrame::Size);
        const LinkFrame sent =
            LinkFrame::fromBytes(reinterpret_cast<const quint8 *>(bytes.constData()));
        QCOMPARE(differingBits(sent, unit.replyFor(request)), 1);
        // Whichever bit it is, the PC's receiver never accepts the frame.
        QCOMPARE(parse(bytes + QByteArray(31, '\0')).size(), 0);
    }
}

void TestSimulatedUnit::silence()
{
    SimulatedUnit unit;
    const DeviceParameters before = unit.workingRecord();
    unit.setSilent(true);
    QVERIFY(unit.receive(pcFrame(CMD_SAVE_FLASH, DLU_WRITE_SFID_PARAM_1, patterned()).toByteArray())
                .isEmpty());
    QCOMPARE(raw(unit.workingRecord()), raw(before));
    QCOMPARE(unit.flashWriteCount(), 0);
    unit.setSilent(false);
    const auto reply = send(unit, pcFrame(CMD_NONE, DLU_DOWN_SFID_PARAM_1));
    QVERIFY(reply);
    QCOMPARE(reply->subframe(), DLU_DOWN_SFID_PARAM_1);
}

void TestSimulatedUnit::lateReply()
{
    SimulatedUnit unit;
    unit.setLateReplyProbability(1.0);
    const auto first = send(unit, pcFrame(CMD_NONE, DLU_WRITE_SFID_PARAM_2, patterned()));
    QVERIFY(first);
    QCOMPARE(first->subframe(), DLU_WRITE_SFID_PARAM_2); // nothing earlier to send
    // The PC moved on to block 5; block 2's acknowledgement turns up instead.
    const auto second = send(unit, pcFrame(CMD_NONE, DLU_WRITE_SFID_PARAM_5, patterned()));
    QVERIFY(second);
    QCOMPARE(second->subframe(), DLU_WRITE_SFID_PARAM_2);
    QCOMPARE(unit.workingRecord().right_spin, patterned().right_spin);
    // Repeating block 5 gets its own answer: the previous one was for block 5 too.
    const auto third = send(unit, pcFrame(CMD_NONE, DLU_WRITE_SFID_PARAM_5, patterned()));
    QVERIFY(third);
    QCOMPARE(third->subframe(), DLU_WRITE_SFID_PARAM_5);
}

void TestSimulatedUnit::fieldOverride()
{
    SimulatedUnit unit;
    unit.setFieldOverride(offsetof(DeviceParameters, phi_ktotal), 99);
    DeviceParameters pc = unit.workingRecord();
    pc.phi_ktotal = 40;
    pc.theta_ktotal = 41;
    QVERIFY(send(unit, pcFrame(CMD_NONE, DLU_WRITE_SFID_PARAM_4, pc)));
    QCOMPARE(unit.workingRecord().phi_ktotal, qint8(99));
    QCOMPARE(unit.workingRecord().theta_ktotal, qint8(41));
    const auto readBack = send(unit, pcFrame(CMD_NONE, DLU_DOWN_SFID_PARAM_4));
    QVERIFY(readBack);
    QCOMPARE(qint8(readBack->payload()[0]), qint8(99));

    // Only applied when the PC writes the field, and gone once cleared.
    unit.clearFieldFaults();
    QVERIFY(send(unit, pcFrame(CMD_NONE, DLU_WRITE_SFID_PARAM_4, pc)));
    QCOMPARE(unit.workingRecord().phi_ktotal, qint8(40));
}

void TestSimulatedUnit::fieldLimit_data()
{
    QTest::addColumn<int>("sent");
    QTest::addColumn<int>("kept");
    QTest::addRow("above") << 120 << 100;
    QTest::addRow("at") << 100 << 100;
    QTest::addRow("below") << 50 << 50;
    QTest::addRow("negative") << -90 << -90;
}

void TestSimulatedUnit::fieldLimit()
{
    QFETCH(int, sent);
    QFETCH(int, kept);
    SimulatedUnit unit;
    unit.setFieldLimit(offsetof(DeviceParameters, r_ktotal), 100);
    DeviceParameters pc = unit.workingRecord();
    pc.r_ktotal = qint8(sent);
    QVERIFY(send(unit, pcFrame(CMD_NONE, DLU_WRITE_SFID_PARAM_3, pc)));
    QCOMPARE(int(unit.workingRecord().r_ktotal), kept);
}

void TestSimulatedUnit::flashFileRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("flash.bin"));
    const DeviceParameters record = patterned();
    QVERIFY(FlashFile::save(path, record));
    QCOMPARE(QFile(path).size(), qint64(DeviceParameters::Size));
    const auto loaded = FlashFile::load(path);
    QVERIFY(loaded);
    QCOMPARE(raw(*loaded), raw(record));
}

void TestSimulatedUnit::flashFileRefusesOtherFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addRow("empty") << QByteArray();
    QTest::addRow("short") << QByteArray(112, 'x');
    QTest::addRow("long") << QByteArray(114, 'x');
}

void TestSimulatedUnit::flashFileRefusesOtherFiles()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("flash.bin"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QVERIFY(!FlashFile::load(path));
    QVERIFY(!FlashFile::load(dir.filePath(QStringLiteral("missing.bin"))));
}

void TestSimulatedUnit::flashFileSaveFailureKeepsOld()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("flash.bin"));
    QVERIFY(FlashFile::save(path, FactorySetup::record()));
    QVERIFY(!FlashFile::save(dir.filePath(QStringLiteral("no/such/dir/flash.bin")), patterned()));
    QCOMPARE(raw(*FlashFile::load(path)), raw(FactorySetup::record()));
}

QTEST_GUILESS_MAIN(TestSimulatedUnit)
#include "tst_simulatedunit.moc"
