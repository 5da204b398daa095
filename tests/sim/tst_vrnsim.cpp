// vrn-sim through the real serial port path: QSerialPort at 115200 8N1 on
// the pseudo-terminal the program prints.

#include "FactorySetup.h"
#include "FlashFile.h"
#include "FrameReceiver.h"
#include "LinkFrame.h"
#include "ParameterBlocks.h"
#include "SimProcess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {

bool openPort(QSerialPort &port, const QString &path)
{
    port.setPortName(path);
    port.setBaudRate(115200);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    return port.open(QIODevice::ReadWrite);
}

// Every valid frame arriving within the time, cut out by the PC's receiver.
QList<LinkFrame> collect(QSerialPort &port, int ms, int wanted = 1)
{
    QList<LinkFrame> frames;
    FrameReceiver receiver([&frames](const LinkFrame &f) { frames.append(f); });
    QElapsedTimer clock;
    clock.start();
    while (frames.size() < wanted && clock.elapsed() < ms) {
        if (port.bytesAvailable() || port.waitForReadyRead(20))
            receiver.feed(port.readAll());
    }
    return frames;
}

std::optional<LinkFrame> exchange(QSerialPort &port, const LinkFrame &request, int ms = 2000)
{
    port.write(request.toByteArray());
    port.waitForBytesWritten(500);
    const QList<LinkFrame> frames = collect(port, ms);
    if (frames.isEmpty())
        return std::nullopt;
    return frames.first();
}

LinkFrame request(quint8 command, quint8 subframe, const DeviceParameters &record = {})
{
    return LinkFrame::build(command, subframe, record);
}

QByteArray payload(const LinkFrame &frame)
{
    return QByteArray(reinterpret_cast<const char *>(frame.payload()), LinkFrame::PayloadSize);
}

QByteArray blockPayload(int block, const DeviceParameters &record)
{
    quint8 bytes[LinkFrame::PayloadSize];
    ParameterBlocks::fill(block, record, bytes, ParameterBlocks::UnitToPc);
    return QByteArray(reinterpret_cast<const char *>(bytes), LinkFrame::PayloadSize);
}

} // namespace

class TestVrnSim : public QObject
{
    Q_OBJECT
private slots:
    void helpExplainsEverything();
    void answersThroughSerialPort_data();
    void answersThroughSerialPort();
    void fixedTelemetry();
    void flashSurvivesPowerCycleAndRestart();
    void pcSideClosesAndReopens();
    void staleRepliesAreNotDelivered();
    void silenceToggle();
    void faultsFromCommandLine_data();
    void faultsFromCommandLine();
    void badInputNeverCrashes();
    void logHasOneLinePerFrame();
    void symlinkAndCleanExit();
    void refusesForeignFlashFile();
};

void TestVrnSim::helpExplainsEverything()
{
    QProcess help;
    help.start(SimProcess::executable(), {QStringLiteral("--help")});
    QVERIFY(help.waitForFinished(5000));
    QCOMPARE(help.exitCode(), 0);
    const QString text = QString::fromLocal8Bit(help.readAllStandardOutput());
    for (const char *word :
         {"--model", "--firmware", "--latency", "--drop", "--corrupt", "--late", "--seed",
          "--telemetry", "--flash", "--log", "--link", "SIGHUP", "SIGUSR1", "VRN_EXTRA_PORTS"})
        QVERIFY2(text.contains(QLatin1String(word)), word);
}

void TestVrnSim::answersThroughSerialPort_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("version");
    QTest::addRow("defaults") << QStringList() << 10 << 12;
    QTest::addRow("VRN-A1 2.1") << QStringList{"--model", "11", "--firmware", "21"} << 11 << 21;
    QTest::addRow("slow unit") << QStringList{"--latency", "40"} << 10 << 12;
}

void TestVrnSim::answersThroughSerialPort()
{
    QFETCH(QStringList, args);
    QFETCH(int, model);
    QFETCH(int, version);
    SimProcess sim;
    QVERIFY(sim.start(args));
    QSerialPort port;
    QVERIFY2(openPort(port, sim.path()), qPrintable(port.errorString()));

    const DeviceParameters factory = FactorySetup::record();
    for (int block : ParameterBlocks::Blocks) {
        const auto reply =
            exchange(port, request(CMD_CUT_MOTOR, ParameterBlocks::requestId(block)));
        QVERIFY(reply);
        QCOMPARE(reply->subframe(), ParameterBlocks::requestId(block));
        QCOMPARE(int(reply->command()), int(CMD_CUT_MOTOR));
        QCOMPARE(int(reply->model()), model);
        QCOMPARE(int(reply->version()), version);
        QCOMPARE(payload(*reply), blockPayload(block, factory));
    }
    QCOMPARE(sim.stop(), 0);
}

void TestVrnSim::fixedTelemetry()
{
    SimProcess sim;
    QVERIFY(sim.start({"--telemetry", "3040,3050,2030,4100,3000,3100"}));
    QSerialPort port;
    QVERIFY(openPort(port, sim.path()));
    const auto reply = exchange(port, request(CMD_NONE, DLU_UP_SFID_TELEMETRY_1));
    QVERIFY(reply);
    QCOMPARE(payload(*reply).left(12).toHex(), QByteArray("e00bea0bee070410b80b1c0c"));
}

void TestVrnSim::flashSurvivesPowerCycleAndRestart()
{
    QTemporaryDir dir;
    const QString flash = dir.filePath(QStringLiteral("unit.flash"));
    DeviceParameters pc = FactorySetup::record();
    {
        SimProcess sim;
        QVERIFY(sim.start({"--latency", "0", "--flash", flash}));
        QVERIFY(FlashFile::load(flash)); // created from the factory set-up
        QSerialPort port;
        QVERIFY(openPort(port, sim.path()));
        pc.phi_ktotal = 91;
        QVERIFY(exchange(port, request(CMD_NONE, DLU_WRITE_SFID_PARAM_4, pc)));
        const auto ack = exchange(port, request(CMD_SAVE_FLASH, DLU_SFID_IDLE));
        QVERIFY(ack);
        QCOMPARE(int(ack->command()), int(CMD_SAVE_FLASH));
        QTRY_COMPARE(FlashFile::load(flash)->phi_ktotal, qint8(91));

        pc.phi_ktotal = 55; // working memory only
        QVERIFY(exchange(port, request(CMD_NONE, DLU_WRITE_SFID_PARAM_4, pc)));
        auto reply = exchange(port, request(CMD_NONE, DLU_DOWN_SFID_PARAM_4));
        QVERIFY(reply);
        QCOMPARE(qint8(reply->payload()[0]), qint8(55));
        sim.signal(SIGHUP);
        QTest::qWait(200);
        reply = exchange(port, request(CMD_NONE, DLU_DOWN_SFID_PARAM_4));
        QVERIFY(reply);
        QCOMPARE(qint8(reply->payload()[0]), qint8(91));
        QCOMPARE(sim.stop(), 0);
    }
    SimProcess again;
    QVERIFY(again.start({"--flash", flash}));
    QSerialPort port;
    QVERIFY(openPort(port, again.path()));
    const auto reply = exchange(port, request(CMD_NONE, DLU_DOWN_SFID_PARAM_4));
    QVERIFY(reply);
    QCOMPARE(qint8(reply->payload()[0]), qint8(91));
}

void TestVrnSim::pcSideClosesAndReopens()
{
    SimProcess sim;
    QVERIFY(sim.start({}));
    for (int round = 0; round < 4; ++round) {
        QSerialPort port;
        QVERIFY2(openPort(port, sim.path()), qPrintable(port.errorString()));
        const auto reply = exchange(port, request(CMD_NONE, DLU_DOWN_SFID_PARAM_2));
        QVERIFY(reply);
        QCOMPARE(reply->subframe(), DLU_DOWN_SFID_PARAM_2);
        port.close();
    }
    // Nobody on the PC side: the program waits without spinning.
    const long before = sim.cpuTicks();
    QTest::qWait(1000);
    const long used = sim.cpuTicks() - before;
    QVERIFY2(used >= 0 && used < sysconf(_SC_CLK_TCK) / 10, qPrintable(QString::number(used)));
    QVERIFY(sim.running());
}

void TestVrnSim::staleRepliesAreNotDelivered()
{
    SimProcess sim;
    QVERIFY(sim.start({"--latency", "0"}));
    // Plain opens: QSerialPort flushes the terminal itself on open and close,
    // which would hide replies left behind for the next client.
    const QByteArray device = QFile::encodeName(sim.path());
    int fd = ::open(device.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    QVERIFY(fd >= 0);
    const QByteArray frame = request(CMD_NONE, DLU_DOWN_SFID_PARAM_11).toByteArray();
    QCOMPARE(::write(fd, frame.constData(), size_t(frame.size())), ssize_t(frame.size()));
    QTest::qWait(50); // the reply is now waiting in the terminal, unread
    ::close(fd);
    QTest::qWait(800);
    fd = ::open(device.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    QVERIFY(fd >= 0);
    QTest::qWait(100);
    char buffer[256];
    const ssize_t leftOver = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    QCOMPARE(leftOver, ssize_t(-1));
    QSerialPort port;
    QVERIFY(openPort(port, sim.path()));
    QVERIFY(exchange(port, request(CMD_NONE, DLU_SFID_IDLE)));
}

void TestVrnSim::silenceToggle()
{
    SimProcess sim;
    QVERIFY(sim.start({"--latency", "0"}));
    QSerialPort port;
    QVERIFY(openPort(port, sim.path()));
    QVERIFY(exchange(port, request(CMD_NONE, DLU_SFID_IDLE)));
    sim.signal(SIGUSR1);
    QTest::qWait(200);
    QVERIFY(!exchange(port, request(CMD_NONE, DLU_SFID_IDLE), 300));
    sim.signal(SIGUSR1);
    QTest::qWait(200);
    QVERIFY(exchange(port, request(CMD_NONE, DLU_SFID_IDLE)));
}

void TestVrnSim::faultsFromCommandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("bytesArrive");
    QTest::addRow("drop all") << QStringList{"--drop", "1"} << false;
    QTest::addRow("corrupt all") << QStringList{"--corrupt", "1"} << true;
}

void TestVrnSim::faultsFromCommandLine()
{
    QFETCH(QStringList, args);
    QFETCH(bool, bytesArrive);
    SimProcess sim;
    QVERIFY(sim.start(args));
    QSerialPort port;
    QVERIFY(openPort(port, sim.path()));
    QByteArray received;
    FrameReceiver receiver(
        [](const LinkFrame &) { QFAIL("a damaged or dropped reply was accepted"); });
    for (int i = 0; i < 10; ++i) {
        port.write(request(CMD_NONE, DLU_DOWN_SFID_PARAM_1).toByteArray());
        port.waitForBytesWritten(500);
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 60)
            if (port.waitForReadyRead(10))
                received += port.readAll();
    }
    receiver.feed(received + QByteArray(31, '\0'));
    QCOMPARE(received.size(), bytesArrive ? 10 * LinkFrame::Size : 0);
}

void TestVrnSim::badInputNeverCrashes()
{
    QTemporaryDir dir;
    const QString flash = dir.filePath(QStringLiteral("unit.flash"));
    SimProcess sim;
    QVERIFY(sim.start({"--latency", "0", "--flash", flash}));
    QRandomGenerator random(7);
    {
        QSerialPort port;
        QVERIFY(openPort(port, sim.path()));
        QByteArray noise(64 * 1024, '\0');
        random.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        port.write(noise);
        QByteArray flood;
        for (int i = 0; i < 3000; ++i)
            flood += request(i % 2 ? CMD_SAVE_FLASH : CMD_NONE, quint8(i % 12)).toByteArray();
        port.write(flood);
        port.waitForBytesWritten(2000);
        port.close(); // gone in the middle of it, replies unread
    }
    QTest::qWait(800);
    QVERIFY(sim.running());
    QSerialPort port;
    QVERIFY(openPort(port, sim.path()));
    port.write(QByteArray(31, '\0')); // end whatever frame the noise began
    const auto reply = exchange(port, request(CMD_NONE, DLU_DOWN_SFID_PARAM_1));
    QVERIFY(reply);
    QCOMPARE(reply->subframe(), DLU_DOWN_SFID_PARAM_1);
    QVERIFY(FlashFile::load(flash));
    QCOMPARE(sim.stop(), 0);
}

void TestVrnSim::logHasOneLinePerFrame()
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("frames.log"));
    SimProcess sim;
    QVERIFY(sim.start({"--latency", "0", "--log", log}));
    QSerialPort port;
    QVERIFY(openPort(port, sim.path()));
    for (quint8 id : {DLU_DOWN_SFID_PARAM_1, DLU_WRITE_SFID_PARAM_2, DLU_UP_SFID_TELEMETRY_1})
        QVERIFY(exchange(port, request(CMD_NONE, id)));
    QCOMPARE(sim.stop(), 0);
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QCOMPARE(text.count(QLatin1String("PC->UNIT")), 3);
    QCOMPARE(text.count(QLatin1String("UNIT->PC")), 3);
    QVERIFY(text.contains(QLatin1String("ab cd 00 00 00 00 00 00 00 00 00 0a 0c 81")));
}

void TestVrnSim::symlinkAndCleanExit()
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("ttyVRN"));
    SimProcess sim;
    QVERIFY(sim.start({"--link", link}));
    QCOMPARE(QFileInfo(link).symLinkTarget(), sim.path());
    QSerialPort port;
    QVERIFY(openPort(port, link));
    QVERIFY(exchange(port, request(CMD_NONE, DLU_SFID_IDLE)));
    port.close();
    QCOMPARE(sim.stop(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());
}

void TestVrnSim::refusesForeignFlashFile()
{
    QTemporaryDir dir;
    const QString flash = dir.filePath(QStringLiteral("notes.txt"));
    QFile file(flash);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a flash image\n");
    file.close();
    QProcess sim;
    sim.start(SimProcess::executable(), {"--flash", flash});
    QVERIFY(sim.waitForFinished(5000));
    QVERIFY(sim.exitCode() != 0);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("not a flash image\n"));
}

QTEST_GUILESS_MAIN(TestVrnSim)
#include "tst_vrnsim.moc"
