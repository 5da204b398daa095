#include "LinkHarness.h"
#include "Telemetry.h"

#include <QTest>

class tst_LinkEngine : public QObject
{
    Q_OBJECT

private slots:
    void init() { telemetry() = Telemetry(); }
    void connectFrames();
    void fullDownload();
    void fullUpload();
    void editDuringUpload();
    void acknowledgements_data();
    void acknowledgements();
    void writeFlashTwice();
    void silence_data();
    void silence();
    void freshDownloadAfterSilence();
    void lateReplyMovesBack();
    void repeatedDownloadReply();
    void telemetryDecoded();
    void backgroundRequestWaitsForTransfer_data();
    void backgroundRequestWaitsForTransfer();
    void monitorStaysLiveAfterDownload();
    void uploadDuringDownloadSignalSurvives();
    void faultyUnit_data();
    void faultyUnit();
    void verifiedUpload();
    void unitKeepsOtherValue_data();
    void unitKeepsOtherValue();
    void editDuringReadBack();
    void telemetryFollowsReadBack();
    void changesNotInFlash_data();
    void changesNotInFlash();
    void lateRepliesOfOtherExchanges_data();
    void lateRepliesOfOtherExchanges();
    void noUploadBeforeTheUnitsRecord();
    void commandsWaitTheirTurn();
    void writeFlashAfterVerification();
    void quickRestartNoticed_data();
    void quickRestartNoticed();
    void anotherPortStartsFresh();
    void unitOnReconnect_data();
    void unitOnReconnect();
    void editDuringLostWriteFlashReply_data();
    void editDuringLostWriteFlashReply();
    void restartDuringUpload();
    void motorCutStaysAsserted();
};

void tst_LinkEngine::connectFrames()
{
    LinkHarness h;
    h.unit.setSilent(true);
    h.engine.startOver();
    h.tick();
    h.tick();
    for (const LinkFrame &f : h.sent) {
        QCOMPARE(int(f.command()), int(CMD_CUT_MOTOR));
        QCOMPARE(int(f.subframe()), int(DLU_DOWN_SFID_PARAM_1));
    }
    QVERIFY(!h.engine.isLinkAlive());
    QVERIFY(h.states.isEmpty());
}

void tst_LinkEngine::fullDownload()
{
    LinkHarness h;
    h.unit.workingRecord().reserved_28 = 99; // never carried
    QCOMPARE(h.download(), 8);
    QCOMPARE(h.sentSubframes(), (QList<int>{0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x8A, 0x8B}));
    QCOMPARE(h.messages,
             (QStringList{"Download Parameters Now...", "Download Parameters Completely"}));
    QCOMPARE(h.states, QStringList{"Connected"});
    QCOMPARE(h.parameterChanged.count(), 1);
    QCOMPARE(int(h.engine.subframe()), int(DLU_SFID_IDLE));
    QCOMPARE(int(h.engine.command()), int(CMD_NONE)); // the motor cut was acknowledged

    DeviceParameters expected = h.unit.workingRecord();
    expected.reserved_28 = 0;
    QCOMPARE(h.record, expected);
    QCOMPARE(int(h.engine.deviceModel()), int(h.unit.model()));
    QCOMPARE(int(h.engine.firmwareVersion()), int(h.unit.firmwareVersion()));

    h.tick(); // idle frames from now on
    QCOMPARE(int(h.sent.last().subframe()), int(DLU_SFID_IDLE));
}

void tst_LinkEngine::fullUpload()
{
    LinkHarness h;
    h.download();
    h.sent.clear();
    h.messages.clear();
    h.record.phi_ktotal = -7;
    h.record.imudist_z = -300;
    h.record.reserved_36 = 5; // reported by the unit, never written back
    const qint8 unitsOwn36 = h.unit.workingRecord().reserved_36;

    QCOMPARE(h.upload(), 8);
    QCOMPARE(h.sentSubframes(), (QList<int>{1, 2, 3, 4, 5, 6, 10, 11}));
    QCOMPARE(h.messages, (QStringList{"Upload Parameters Now...", "Upload Parameters Completely"}));
    QVERIFY(sameCarriedBytes(h.unit.workingRecord(), h.record));
    QCOMPARE(h.unit.workingRecord().reserved_36, unitsOwn36);
    QCOMPARE(h.unit.workingRecord().phi_ktotal, qint8(-7));
    QCOMPARE(h.unit.workingRecord().imudist_z, qint16(-300));
    QVERIFY(h.unit.flashRecord() != h.unit.workingRecord()); // an upload does not write flash
    QCOMPARE(h.parameterChanged.count(), 1);
}

void tst_LinkEngine::editDuringUpload()
{
    LinkHarness h;
    h.download();
    h.engine.setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    for (int i = 0; i < 4; ++i) // blocks 1-4 acknowledged
        h.tick();
    h.record.roll_agility = 77; // block 4: already acknowledged
    h.record.left_spin = 66;    // block 4 as well
    h.record.right_spin = 55;   // block 5: not yet sent
    h.tickUntil([&] { return h.messages.endsWith("Upload Parameters Completely"); });
    QCOMPARE(h.unit.workingRecord().right_spin, qint8(55));
    QVERIFY(h.unit.workingRecord().roll_agility != 77); // goes out with the next upload
    // The next edit starts the upload over from block 1.
    h.sent.clear();
    QCOMPARE(h.upload(), 8);
    QCOMPARE(h.unit.workingRecord().roll_agility, qint8(77));
}

void tst_LinkEngine::acknowledgements_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("message");
    QTest::addRow("fail safe") << int(CMD_SET_FAIL_PROTECT)
                               << "Fail safe set: the unit holds the current stick and switch "
                                  "positions if the signal is lost";
    QTest::addRow("write flash") << int(CMD_SAVE_FLASH) << "Write flash successfully";
    QTest::addRow("cut motor") << int(CMD_CUT_MOTOR) << QString();
    QTest::addRow("cut pid") << int(CMD_CUT_PID) << QString();
    QTest::addRow("run pid") << int(CMD_RUN_PID) << QString();
}

void tst_LinkEngine::acknowledgements()
{
    QFETCH(int, command);
    QFETCH(QString, message);
    LinkHarness h;
    h.download();
    h.messages.clear();
    h.engine.setCommand(quint8(command));
    h.tick();
    QCOMPARE(int(h.sent.last().command()), command);
    QCOMPARE(int(h.engine.command()), int(CMD_NONE));
    QCOMPARE(h.messages, message.isEmpty() ? QStringList() : QStringList{message});
    h.tick();
    QCOMPARE(int(h.sent.last().command()), int(CMD_NONE));

    if (command == CMD_SAVE_FLASH)
        QCOMPARE(h.unit.flashRecord(), h.unit.workingRecord());
    if (command == CMD_SET_FAIL_PROTECT)
        QVERIFY(h.unit.failSafeStored());
    if (command == CMD_CUT_PID)
        QVERIFY(!h.unit.controlLoopsRunning());
}

void tst_LinkEngine::writeFlashTwice()
{
    LinkHarness h;
    h.download();
    h.messages.clear();
    h.unit.setSilent(true);
    h.engine.setCommand(CMD_SAVE_FLASH);
    h.tick();
    h.engine.setCommand(CMD_SAVE_FLASH);
    h.tick();
    QCOMPARE(h.messages, QStringList());
    h.unit.setSilent(false);
    h.tick();
    h.tick();
    QCOMPARE(h.messages, QStringList{"Write flash successfully"});
    QCOMPARE(h.unit.flashWriteCount(), 1);
}

void tst_LinkEngine::silence_data()
{
    QTest::addColumn<int>("silentTicks");
    QTest::addColumn<bool>("alive");
    QTest::addRow("50") << 50 << true;
    QTest::addRow("51") << 51 << true;
    QTest::addRow("52") << 52 << false;
    QTest::addRow("60") << 60 << false;
}

void tst_LinkEngine::silence()
{
    QFETCH(int, silentTicks);
    QFETCH(bool, alive);
    LinkHarness h;
    h.download();
    h.states.clear();
    h.messages.clear();
    h.engine.setSubframeHead(DLU_UP_SFID_TELEMETRY_1);
    h.engine.setCommand(CMD_CUT_PID);
    h.unit.setSilent(true);
    for (int i = 0; i < silentTicks; ++i)
        h.tick();
    QCOMPARE(h.engine.isLinkAlive(), alive);
    if (alive) {
        QVERIFY(h.states.isEmpty());
        QCOMPARE(int(h.engine.subframe()), int(DLU_UP_SFID_TELEMETRY_1));
    } else {
        QCOMPARE(h.states, QStringList{"Unconnected"}); // once, not every tick
        QCOMPARE(h.messages, QStringList{"--------------"});
        QCOMPARE(int(h.engine.command()), int(CMD_CUT_MOTOR));
        QCOMPARE(int(h.engine.subframe()), int(DLU_DOWN_SFID_PARAM_1));
        // Whatever is set meanwhile is replaced within one tick.
        h.engine.setSubframeHead(DLU_WRITE_SFID_PARAM_1);
        h.tick();
        QCOMPARE(int(h.engine.subframe()), int(DLU_DOWN_SFID_PARAM_1));
    }
}

void tst_LinkEngine::freshDownloadAfterSilence()
{
    LinkHarness h;
    h.download();
    h.unit.setSilent(true);
    for (int i = 0; i < 60; ++i)
        h.tick();
    h.record.phi_ktotal = 1; // the unit's values will overwrite this
    h.unit.workingRecord().phi_ktotal = 42;
    h.unit.setSilent(false);
    h.messages.clear();
    const int ticks = h.tickUntil([&] { return h.parameterChanged.count() == 2; });
    QCOMPARE(ticks, 8);
    QCOMPARE(h.record.phi_ktotal, qint8(42));
    QCOMPARE(h.states.last(), QString("Connected"));
}

void tst_LinkEngine::lateReplyMovesBack()
{
    LinkHarness h;
    h.download();
    h.holdReplies = true;
    h.engine.setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    h.tick();
    h.engine.feed(h.held.takeFirst()); // block 1 acknowledged
    h.tick();
    h.tick(); // block 2 went out twice; both answers are still on the way
    h.engine.feed(h.held.takeFirst());
    for (int i = 0; i < 2; ++i) { // blocks 3 and 4, answered at once
        h.tick();
        h.engine.feed(h.held.takeLast());
    }
    QCOMPARE(int(h.engine.subframe()), int(DLU_WRITE_SFID_PARAM_5));
    h.engine.feed(h.held.takeFirst()); // the late second answer for block 2
    QCOMPARE(int(h.engine.subframe()), int(DLU_WRITE_SFID_PARAM_3));
}

void tst_LinkEngine::repeatedDownloadReply()
{
    LinkHarness h;
    h.holdReplies = true;
    h.engine.startOver();
    h.tick();
    h.unit.workingRecord().servo_trim_0 = 77; // the repeated request's answer carries it
    h.tick();
    h.engine.feed(h.held.takeFirst()); // block 1 stored, requesting 2
    h.tick();
    h.engine.feed(h.held.takeFirst()); // the answer to the repeated request
    QCOMPARE(int(h.engine.subframe()), int(DLU_DOWN_SFID_PARAM_2));
    h.holdReplies = false;
    h.engine.feed(h.held.takeFirst());
    QCOMPARE(h.tickUntil([&] { return h.parameterChanged.count() == 1; }), 6);
    QCOMPARE(h.record.servo_trim_0, qint8(77)); // stored again
    QCOMPARE(h.messages.count("Download Parameters Now..."), 1);
    QCOMPARE(h.messages.count("Download Parameters Completely"), 1);
}

void tst_LinkEngine::telemetryDecoded()
{
    LinkHarness h;
    h.download();
    h.unit.setFixedTelemetry({3040, 3050, 2030, 4100, 3000, 4050});
    h.engine.setSubframeHead(DLU_UP_SFID_TELEMETRY_1);
    h.tick();
    h.tick();
    QCOMPARE(h.telemetryChanged.count(), 2);
    QCOMPARE(int(h.engine.subframe()), int(DLU_UP_SFID_TELEMETRY_1));
    const Telemetry &t = telemetry();
    QCOMPARE(int(t.rudder), 0);
    QCOMPARE(int(t.aileron), 1);
    QCOMPARE(int(t.elevator), -120);
    QCOMPARE(int(t.collective), 126);
    QCOMPARE(int(t.gain), -4);
    QCOMPARE(int(t.accelerator), 120);
}

void tst_LinkEngine::backgroundRequestWaitsForTransfer_data()
{
    QTest::addColumn<bool>("upload");
    QTest::addColumn<int>("request");
    QTest::addRow("idle during upload") << true << int(DLU_SFID_IDLE);
    QTest::addRow("telemetry during upload") << true << int(DLU_UP_SFID_TELEMETRY_1);
    QTest::addRow("idle during download") << false << int(DLU_SFID_IDLE);
    QTest::addRow("telemetry during download") << false << int(DLU_UP_SFID_TELEMETRY_1);
}

void tst_LinkEngine::backgroundRequestWaitsForTransfer()
{
    QFETCH(bool, upload);
    QFETCH(int, request);
    LinkHarness h;
    if (upload) {
        h.download();
        h.engine.setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    } else {
        h.engine.startOver();
    }
    h.tick();
    h.tick();
    const quint8 running = h.engine.subframe();
    h.engine.setSubframeHead(quint8(request));
    QCOMPARE(int(h.engine.subframe()), int(running)); // not cut off
    h.record.phi_ktotal = 33;
    h.tickUntil([&] { return !LinkEngine::isTransfer(h.engine.subframe()); });
    QCOMPARE(int(h.engine.subframe()), request);
    if (upload)
        QCOMPARE(h.unit.workingRecord().phi_ktotal, qint8(33));
}

void tst_LinkEngine::monitorStaysLiveAfterDownload()
{
    LinkHarness h;
    h.engine.setSubframeHead(DLU_UP_SFID_TELEMETRY_1);
    h.engine.startOver();
    QCOMPARE(h.download(), 8);
    QCOMPARE(int(h.engine.subframe()), int(DLU_UP_SFID_TELEMETRY_1));
    h.tick();
    QCOMPARE(h.telemetryChanged.count(), 1);
}

void tst_LinkEngine::uploadDuringDownloadSignalSurvives()
{
    LinkHarness h;
    QObject::connect(&h.engine, &LinkEngine::parameterChanged, [&] {
        h.engine.setSubframeHead(DLU_UP_SFID_TELEMETRY_1);
        h.engine.setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    });
    h.download();
    QCOMPARE(int(h.engine.subframe()), int(DLU_WRITE_SFID_PARAM_1));
    h.tickUntil([&] { return h.engine.subframe() == DLU_UP_SFID_TELEMETRY_1; }, 20);
    QCOMPARE(int(h.engine.subframe()), int(DLU_UP_SFID_TELEMETRY_1));
}

void tst_LinkEngine::faultyUnit_data()
{
    QTest::addColumn<double>("drop");
    QTest::addColumn<double>("corrupt");
    QTest::addColumn<double>("late");
    QTest::addRow("20 percent dropped and corrupted") << 0.2 << 0.2 << 0.0;
    QTest::addRow("10 percent late replies") << 0.0 << 0.0 << 0.1;
}

void tst_LinkEngine::faultyUnit()
{
    QFETCH(double, drop);
    QFETCH(double, corrupt);
    QFETCH(double, late);
    LinkHarness h;
    h.unit.setSeed(7);
    h.unit.setDropProbability(drop);
    h.unit.setCorruptProbability(corrupt);
    h.unit.setLateReplyProbability(late);
    const int down = h.download();
    QVERIFY(down > 0);
    DeviceParameters expected = h.unit.workingRecord();
    expected.reserved_28 = 0;
    QCOMPARE(h.record, expected);

    for (int i = 0; i < DeviceParameters::Size; ++i)
        if (i != 28 && (i < 36 || i > 39))
            h.record.bytes()[i] = quint8(i * 7);
    const int up = h.upload();
    QVERIFY(up > 0);
    QVERIFY(sameCarriedBytes(h.unit.workingRecord(), h.record));
    qInfo("download took %d ticks, upload %d ticks", down, up);
}

void tst_LinkEngine::verifiedUpload()
{
    LinkHarness h;
    h.download();
    h.messages.clear();
    h.sent.clear();
    h.record.theta_ktotal = 12;
    QCOMPARE(h.upload(), 8);
    const int readBack = h.tickUntil([&] { return !h.engine.isVerifying(); });
    QCOMPARE(readBack, 8);
    QCOMPARE(h.sentSubframes().mid(8),
             (QList<int>{0x81, 0x82, 0x83, 0x84, 0x85, 0x86, 0x8A, 0x8B}));
    QCOMPARE(h.messages, (QStringList{"Upload Parameters Now...", "Upload Parameters Completely",
                                      "Upload verified"}));
    QCOMPARE(h.parameterChanged.count(), 1); // only the first download's
    QCOMPARE(int(h.engine.subframe()), int(DLU_SFID_IDLE));
}

void tst_LinkEngine::unitKeepsOtherValue_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("sent");
    QTest::addColumn<int>("limit"); // the unit clamps to this
    QTest::addColumn<int>("kept");
    QTest::addRow("gain clamped") << int(offsetof(DeviceParameters, rpm_kp)) << 120 << 100 << 100;
    QTest::addRow("trim clamped") << int(offsetof(DeviceParameters, servo_trim_2)) << 60 << 50
                                  << 50;
}

void tst_LinkEngine::unitKeepsOtherValue()
{
    QFETCH(int, offset);
    QFETCH(int, sent);
    QFETCH(int, limit);
    QFETCH(int, kept);
    LinkHarness h;
    h.download();
    h.unit.setFieldLimit(offset, qint8(limit));
    h.record.setByteAt(offset, qint8(sent));
    h.upload();
    h.tickUntil([&] { return !h.engine.isVerifying(); });
    QCOMPARE(h.messages.last(), QString("The unit kept different values for 1 parameters"));
    QCOMPARE(int(h.record.byteAt(offset)), kept);
    QCOMPARE(h.parameterChanged.count(), 2); // the pages show what the unit holds
    QCOMPARE(int(h.engine.subframe()), int(DLU_SFID_IDLE));
    QVERIFY(h.record == h.unit.workingRecord() ||
            sameCarriedBytes(h.record, h.unit.workingRecord()));
}

void tst_LinkEngine::editDuringReadBack()
{
    LinkHarness h;
    h.download();
    h.record.burst_coef = 3;
    h.upload();
    h.tick();
    h.tick();
    QVERIFY(h.engine.isVerifying());
    h.record.burst_coef = 4; // an edit: its upload starts at once
    h.engine.setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    QVERIFY(!h.engine.isVerifying());
    QCOMPARE(int(h.engine.subframe()), int(DLU_WRITE_SFID_PARAM_1));
    h.messages.clear();
    QVERIFY(h.tickUntil([&] { return h.messages.endsWith("Upload verified"); }, 16) > 0);
    QCOMPARE(h.unit.workingRecord().burst_coef, qint8(4));
    QCOMPARE(h.messages.count("Upload Parameters Completely"), 1);
}

void tst_LinkEngine::telemetryFollowsReadBack()
{
    LinkHarness h;
    h.download();
    h.engine.setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    h.tick();
    h.engine.setSubframeHead(DLU_UP_SFID_TELEMETRY_1);
    h.tickUntil([&] { return h.messages.endsWith("Upload verified"); });
    QCOMPARE(int(h.engine.subframe()), int(DLU_UP_SFID_TELEMETRY_1));
}

void tst_LinkEngine::changesNotInFlash_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("notInFlash");
    QTest::addColumn<QString>("lastMessage");
    // e edit + upload, n upload without changes, f WriteFlash,
    // l link loss and back, p link loss with a power cycle
    QTest::addRow("edit") << "e" << true << "Upload verified";
    QTest::addRow("unchanged upload") << "n" << false << "Upload verified";
    QTest::addRow("edit, flash") << "ef" << false << "Write flash successfully";
    QTest::addRow("edit, flash, edit") << "efe" << true << "Upload verified";
    QTest::addRow("edit, link loss") << "el" << true << "Download Parameters Completely";
    QTest::addRow("edit, power cycle")
        << "ep" << false << "The unit restarted: changes not written to flash were lost";
    QTest::addRow("edit, flash, power cycle") << "efp" << false << "Download Parameters Completely";
}

void tst_LinkEngine::changesNotInFlash()
{
    QFETCH(QString, steps);
    QFETCH(bool, notInFlash);
    QFETCH(QString, lastMessage);
    LinkHarness h;
    QList<bool> shown;
    QObject::connect(&h.engine, &LinkEngine::flashStateChanged, [&](bool on) { shown << on; });
    h.download();
    QCOMPARE(h.engine.hasChangesNotInFlash(), false);
    qint8 value = 20;
    for (QChar step : steps) {
        switch (step.toLatin1()) {
        case 'e':
            h.record.phi_ktotal = ++value;
            [[fallthrough]];
        case 'n':
            h.upload();
            h.tickUntil([&] { return !h.engine.isVerifying(); });
            break;
        case 'f':
            h.engine.setCommand(CMD_SAVE_FLASH);
            h.tick();
            break;
        case 'l':
        case 'p':
            h.unit.setSilent(true);
            for (int i = 0; i < 60; ++i)
                h.tick();
            if (step == 'p')
                h.unit.powerCycle();
            h.unit.setSilent(false);
            h.tickUntil([&] { return h.engine.subframe() == DLU_SFID_IDLE; });
            break;
        }
    }
    QCOMPARE(h.engine.hasChangesNotInFlash(), notInFlash);
    QCOMPARE(h.messages.last(), lastMessage);
    // The state is announced on every change, not on every tick.
    for (int i = 1; i < shown.size(); ++i)
        QVERIFY(shown[i] != shown[i - 1]);
    if (!shown.isEmpty())
        QCOMPARE(shown.last(), notInFlash);
}

// Replies still on the wire when their exchange was abandoned or finished
// change nothing: not the record, not the messages, not the pages.
void tst_LinkEngine::lateRepliesOfOtherExchanges_data()
{
    QTest::addColumn<bool>("editDuringReadBack");
    QTest::addRow("read-back cut short by an edit") << true;
    QTest::addRow("read-back finished") << false;
}

void tst_LinkEngine::lateRepliesOfOtherExchanges()
{
    QFETCH(bool, editDuringReadBack);
    LinkHarness h;
    h.download();
    h.record.phi_ktotal = 21;
    QVERIFY(h.upload() > 0);
    h.holdReplies = true;
    for (int i = 0; i < 3; ++i)
        h.tick(); // read-back requests for block 1, answers delayed
    if (editDuringReadBack) {
        h.record.phi_ktotal = 22;
        h.engine.setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    } else {
        h.holdReplies = false;
        h.engine.feed(h.held.takeFirst());
        QVERIFY(h.tickUntil([&] { return !h.engine.isVerifying(); }) > 0);
        h.held << h.unit.replyFor(h.sent.last()).toByteArray(); // its answer once more
    }
    const int refreshes = h.parameterChanged.count();
    const DeviceParameters record = h.record;
    const quint8 subframe = h.engine.subframe();
    h.messages.clear();
    for (const QByteArray &late : std::as_const(h.held))
        h.engine.feed(late);
    QCOMPARE(h.messages, QStringList());
    QCOMPARE(h.parameterChanged.count(), refreshes);
    QCOMPARE(h.record, record);
    QCOMPARE(int(h.engine.subframe()), int(subframe));
    h.holdReplies = false;
    QVERIFY(h.tickUntil([&] { return !h.engine.isTransferRunning(); }) > 0);
    QCOMPARE(h.unit.workingRecord().phi_ktotal, h.record.phi_ktotal);
}

void tst_LinkEngine::noUploadBeforeTheUnitsRecord()
{
    LinkHarness h;
    QSignalSpy editing(&h.engine, &LinkEngine::editingAllowedChanged);
    h.engine.startOver();
    QVERIFY(!h.engine.isEditingAllowed());
    h.record.phi_ktotal = 0; // what the window held before the unit answered
    h.engine.setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    QVERIFY(h.tickUntil([&] { return h.parameterChanged.count() == 1; }) > 0);
    for (const LinkFrame &f : std::as_const(h.sent))
        QVERIFY(!ParameterBlocks::blockForWriteId(f.subframe()));
    QCOMPARE(h.record, h.unit.workingRecord());
    QVERIFY(h.engine.isEditingAllowed());
    QCOMPARE(editing.count(), 1);
}

// A mode asked for after WriteFlash and fail-safe follows them, never
// replaces them; the motor cut of a new connection goes first.
void tst_LinkEngine::commandsWaitTheirTurn()
{
    LinkHarness h;
    h.download();
    h.unit.setSilent(true); // nothing is acknowledged for a while
    h.engine.setCommand(CMD_SAVE_FLASH);
    h.engine.setCommand(CMD_SET_FAIL_PROTECT);
    h.engine.setCommand(CMD_RUN_PID);
    h.tick();
    h.tick();
    QCOMPARE(int(h.sent.last().command()), int(CMD_SAVE_FLASH));
    h.unit.setSilent(false);
    QList<int> order;
    for (int i = 0; i < 6; ++i) {
        h.tick();
        if (order.isEmpty() || order.last() != h.sent.last().command())
            order << h.sent.last().command();
    }
    QCOMPARE(order, (QList<int>{CMD_SAVE_FLASH, CMD_SET_FAIL_PROTECT, CMD_RUN_PID, CMD_NONE}));
    QVERIFY(h.unit.failSafeStored());
    QCOMPARE(h.unit.flashWriteCount(), 1);
}

// WriteFlash pressed while an edit is still on its way flashes the edit,
// once the unit is known to hold it.
void tst_LinkEngine::writeFlashAfterVerification()
{
    LinkHarness h;
    h.unit.setLatencyMs(30);
    h.download();
    h.record.r_kp = 17;
    h.engine.setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    h.tick();
    h.engine.setCommand(CMD_SAVE_FLASH);
    QVERIFY(h.tickUntil([&] { return h.messages.contains("Write flash successfully"); }) > 0);
    const int verified = h.messages.indexOf("Upload verified");
    QVERIFY(verified >= 0 && verified < h.messages.indexOf("Write flash successfully"));
    QCOMPARE(h.unit.flashRecord().r_kp, qint8(17));
    QCOMPARE(h.unit.flashWriteCount(), 1);
    QVERIFY(!h.engine.hasChangesNotInFlash());
}

// A unit that restarts quicker than the silence watchdog is noticed by the
// background re-read within about three seconds, whichever block differs.
void tst_LinkEngine::quickRestartNoticed_data()
{
    QTest::addColumn<int>("offset");
    QTest::addRow("block 1") << int(offsetof(DeviceParameters, phi_ktotal));
    QTest::addRow("block 10") << int(offsetof(DeviceParameters, rpm_kp));
    QTest::addRow("block 11") << int(DeviceParameters::Size - 1);
}

void tst_LinkEngine::quickRestartNoticed()
{
    QFETCH(int, offset);
    LinkHarness h;
    h.download();
    h.record.setByteAt(offset, qint8(h.record.byteAt(offset) ^ 0x15));
    QVERIFY(h.upload() > 0);
    QVERIFY(h.tickUntil([&] { return !h.engine.isTransferRunning(); }) > 0);
    QVERIFY(h.engine.hasChangesNotInFlash());
    h.unit.powerCycle();
    h.messages.clear();
    const int refreshes = h.parameterChanged.count();
    const int ticks = h.tickUntil([&] { return h.parameterChanged.count() > refreshes; });
    QVERIFY2(ticks > 0 && ticks <= 150, qPrintable(QString::number(ticks)));
    QCOMPARE(h.record, h.unit.workingRecord());
    QVERIFY(!h.engine.hasChangesNotInFlash());
    QVERIFY(h.messages.contains("The unit restarted: changes not written to flash were lost"));
    QVERIFY(h.unit.motorCut()); // as after any new connection
}

void tst_LinkEngine::anotherPortStartsFresh()
{
    LinkHarness h;
    h.download();
    h.record.phi_ktotal = qint8(h.record.phi_ktotal + 1);
    QVERIFY(h.upload() > 0);
    QVERIFY(h.tickUntil([&] { return !h.engine.isTransferRunning(); }) > 0);
    QVERIFY(h.engine.hasChangesNotInFlash());
    h.engine.portClosed();
    SimulatedUnit other; // a second unit, as it left its factory
    other.setClockMs(0);
    h.engine.portOpened("another port");
    QVERIFY(!h.engine.hasChangesNotInFlash());
    h.messages.clear();
    h.engine.startOver();
    for (int i = 0; i < 20; ++i) {
        const QByteArray reply = other.receive(h.engine.nextFrame().toByteArray());
        h.engine.countTick();
        h.engine.feed(reply);
    }
    QVERIFY(h.messages.contains("Download Parameters Completely"));
    QVERIFY(!h.messages.contains("The unit restarted: changes not written to flash were lost"));
    QVERIFY(!h.engine.hasChangesNotInFlash());
}

// What the unit on a port holds when the pilot comes back to it tells what
// it is: the same unit with its unflashed edits, one that restarted, or
// another one.
void tst_LinkEngine::unitOnReconnect_data()
{
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<bool>("notInFlash");
    QTest::addColumn<QString>("notice");
    QTest::addRow("another port visited") << "visit" << true << QString();
    QTest::addRow("port closed and opened") << "nothing" << true << QString();
    QTest::addRow("unit restarted")
        << "restart" << false << "The unit restarted: changes not written to flash were lost";
    QTest::addRow("another unit plugged in")
        << "swap" << false
        << "Another unit, or values changed outside the assistant: the pages show what it "
           "holds now";
}

void tst_LinkEngine::unitOnReconnect()
{
    QFETCH(QString, meanwhile);
    QFETCH(bool, notInFlash);
    QFETCH(QString, notice);
    LinkHarness h;
    h.engine.portClosed();
    QVERIFY(h.reconnect("A", &h.unit) > 0);
    h.record.r_kp = qint8(h.record.r_kp + 3);
    QVERIFY(h.upload() > 0);
    QVERIFY(h.tickUntil([&] { return !h.engine.isTransferRunning(); }) > 0);
    QVERIFY(h.engine.hasChangesNotInFlash());

    SimulatedUnit other;
    other.setClockMs(0);
    if (meanwhile == "visit") {
        QVERIFY(h.reconnect("B", &other) > 0);
        QVERIFY(!h.engine.hasChangesNotInFlash()); // B holds its flash
    } else if (meanwhile == "restart") {
        h.unit.powerCycle();
    } else if (meanwhile == "swap") {
        DeviceParameters flash = h.unit.flashRecord();
        flash.phi_ktotal = qint8(flash.phi_ktotal + 7);
        other.setFlashRecord(flash);
        other.powerCycle();
    }
    SimulatedUnit *onA = meanwhile == "swap" ? &other : &h.unit;
    h.messages.clear();
    QVERIFY(h.reconnect("A", onA) > 0);
    QCOMPARE(h.record, onA->workingRecord());
    QCOMPARE(h.engine.hasChangesNotInFlash(), notInFlash);
    QCOMPARE(h.messages.filter("unit").join('|'), notice);
}

// WriteFlash whose answer is lost for a while: the pilot's edits meanwhile
// wait for it, are uploaded after it, and are never taken for values the
// unit kept different.
void tst_LinkEngine::editDuringLostWriteFlashReply_data()
{
    QTest::addColumn<int>("latencyMs");
    for (int ms : {0, 10, 30, 60, 90, 190})
        QTest::addRow("%d ms", ms) << ms;
}

void tst_LinkEngine::editDuringLostWriteFlashReply()
{
    QFETCH(int, latencyMs);
    LinkHarness h;
    h.unit.setLatencyMs(latencyMs);
    QVERIFY(h.download() > 0);
    h.messages.clear();
    h.unit.setCommandDropProbability(1.0);
    h.engine.setCommand(CMD_SAVE_FLASH);
    h.tick();
    QCOMPARE(h.unit.flashWriteCount(), 1); // carried out, its answer lost
    h.record.r_kp = 21;
    h.engine.setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    for (int i = 0; i < 5; ++i)
        h.tick();
    h.record.rpm_kp = 22;
    h.engine.setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    for (int i = 0; i < 5; ++i)
        h.tick();
    QVERIFY(h.engine.isCommandPending(CMD_SAVE_FLASH));
    QCOMPARE(h.unit.workingRecord().r_kp, h.unit.flashRecord().r_kp); // nothing uploaded yet
    h.unit.setCommandDropProbability(0.0);
    QVERIFY(h.tickUntil([&] { return h.messages.contains("Upload verified"); }) > 0);
    QVERIFY(h.tickUntil([&] { return !h.engine.isTransferRunning(); }) > 0);
    QCOMPARE(h.messages.filter("kept different").size(), 0);
    QCOMPARE(h.messages.filter("Write flash successfully").size(), 1);
    QCOMPARE(h.unit.workingRecord().r_kp, qint8(21));
    QCOMPARE(h.unit.workingRecord().rpm_kp, qint8(22));
    QCOMPARE(h.record, h.unit.workingRecord());
    QVERIFY(h.unit.flashRecord().r_kp != 21);
    QVERIFY(h.engine.hasChangesNotInFlash());
}

// A unit that restarts after taking half an upload reads back its flash in
// those blocks: a restart, said as one, not values it kept.
void tst_LinkEngine::restartDuringUpload()
{
    LinkHarness h;
    QVERIFY(h.download() > 0);
    h.record.phi_ktotal = qint8(h.record.phi_ktotal + 5); // block 1
    h.record.setByteAt(DeviceParameters::Size - 1,
                       qint8(h.record.byteAt(DeviceParameters::Size - 1) ^ 0x11));
    h.engine.setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    for (int i = 0; i < 4; ++i)
        h.tick();
    h.unit.powerCycle();
    h.messages.clear();
    QVERIFY(h.tickUntil([&] { return h.messages.contains("Download Parameters Completely"); }) > 0);
    QCOMPARE(h.messages.filter("kept different").size(), 0);
    QVERIFY(h.messages.contains("The unit restarted: changes not written to flash were lost"));
    QCOMPARE(h.record, h.unit.workingRecord());
    QCOMPARE(h.engine.hasChangesNotInFlash(),
             ParameterBlocks::differingFields(h.unit.workingRecord(), h.unit.flashRecord()) > 0);
}

// Restarted faster than the watchdog with nothing unflashed, the unit looks
// the same; the motor cut reaches it again within a second all the same,
// but never in place of a WriteFlash waiting for its answer.
void tst_LinkEngine::motorCutStaysAsserted()
{
    LinkHarness h;
    QVERIFY(h.download() > 0);
    h.unit.powerCycle();
    QVERIFY(!h.unit.motorCut());
    QVERIFY(h.tickUntil([&] { return h.unit.motorCut(); }, LinkEngine::MotorCutTicks + 1) > 0);

    // Unanswered for longer than the cut's interval, not long enough to
    // count as a lost link.
    h.unit.setCommandDropProbability(1.0);
    h.engine.setCommand(CMD_SAVE_FLASH);
    h.sent.clear();
    for (int i = 0; i < LinkEngine::SilenceLimit - 2; ++i)
        h.tick();
    h.unit.setCommandDropProbability(0.0);
    QVERIFY(h.tickUntil([&] { return !h.engine.isCommandPending(CMD_SAVE_FLASH); }) > 0);
    for (const LinkFrame &f : std::as_const(h.sent))
        QCOMPARE(int(f.command()), int(CMD_SAVE_FLASH));
    h.sent.clear();
    for (int i = 0; i < 5 * LinkEngine::MotorCutTicks; ++i)
        h.tick();
    int sinceCut = 0;
    int longest = 0;
    for (const LinkFrame &f : std::as_const(h.sent)) {
        sinceCut = f.command() == CMD_CUT_MOTOR ? 0 : sinceCut + 1;
        longest = qMax(longest, sinceCut);
    }
    QVERIFY2(longest < 50, qPrintable(QString::number(longest))); // at least once a second
}

QTEST_GUILESS_MAIN(tst_LinkEngine)
#include "tst_linkengine.moc"
