#include "FakePortSystem.h"
#include "PseudoTerminal.h"
#include "SerialProcessThread.h"
#include "SimProcess.h"
#include "SimulatedPortProvider.h"
#include "SimulatedUnit.h"
#include "statusWidget.h"
#include "toolWidget.h"

#include <QComboBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <memory>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

// The link with its bars and its timers stopped: the test drives the ticks.
struct Link
{
    toolWidget toolBar;
    statusWidget statusBar;
    SimulatedPortProvider simulated;
    std::unique_ptr<SerialProcessThread> link;

    Link()
    {
        link = std::make_unique<SerialProcessThread>(&toolBar, &statusBar, &simulated);
        link->tickTimer()->stop();
        link->refreshTimer()->stop();
    }
    QString message() const { return statusBar.findChild<QLabel *>("messageLabel")->text(); }
    QString state() const { return statusBar.findChild<QLabel *>("stateLabel")->text(); }
    void select(const QString &name) { toolBar.portComboBox->setCurrentText(name); }
    // One tick, then up to `waitMs` for a reply through the real port.
    bool tick(int waitMs = 0)
    {
        link->time();
        QCoreApplication::processEvents();
        if (waitMs > 0)
            (void)QTest::qWaitFor([this] { return link->protocol().silentTicks() == 0; }, waitMs);
        return link->protocol().silentTicks() == 0;
    }
    bool tickUntilMessage(const QString &text, int limit = 200, int waitMs = 0)
    {
        for (int i = 0; i < limit; ++i) {
            tick(waitMs);
            if (message() == text)
                return true;
        }
        return false;
    }
};

// The machine's own ports as the list orders them (adapters first, newest
// first), and the ones without a USB id to sort in with the test's paths.
QStringList enumerated(bool usb)
{
    QList<PortEntry> ports;
    for (const PortEntry &entry : PortSystem().presentPorts())
        if (entry.usb == usb && entry.path.startsWith("/dev/"))
            ports << entry;
    QStringList names;
    for (const PortEntry &entry : PortSession::ordered(ports))
        names << entry.name;
    return names;
}

// The list the link should show with `extra` in VRN_EXTRA_PORTS.
QStringList expectedList(const QStringList &extra)
{
    QStringList others = enumerated(false) + extra;
    std::sort(others.begin(), others.end());
    return enumerated(true) + others + QStringList{"Simulated unit"};
}

} // namespace

class tst_SerialProcessThread : public QObject
{
    Q_OBJECT

private slots:
    void init() { qunsetenv("VRN_EXTRA_PORTS"); }
    void portListOrder();
    void refreshNoticesChangedNames_data();
    void refreshNoticesChangedNames();
    void noRefreshWhileLive();
    void simulatedUnitConnectAndDownload();
    void disconnectTexts();
    void openFailureIsReported_data();
    void openFailureIsReported();
    void portInUseIsReported();
    void pluggedAdapterThroughTheToolBar();
    void portInUseInChinese();
    void closesPortWhenProgramEnds();
    void realPortThroughPseudoTerminal();
    void pulledCableIsClosedAndReopened();

private:
    QTemporaryDir dir;
};

void tst_SerialProcessThread::portListOrder()
{
    qputenv("VRN_EXTRA_PORTS", "/tmp/vrnB:/tmp/COM2::/tmp/COM10");
    Link l;
    const QStringList expected = expectedList({"/tmp/vrnB", "/tmp/COM2", "/tmp/COM10"});
    QCOMPARE(l.link->portNames(), expected);
    QCOMPARE(l.toolBar.portComboBox->count(), expected.size());
    QCOMPARE(l.toolBar.portComboBox->itemText(expected.size() - 1), QString("Simulated unit"));
    QCOMPARE(l.toolBar.portComboBox->currentText(), expected.first());
}

void tst_SerialProcessThread::refreshNoticesChangedNames_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<bool>("refilled");
    QTest::addRow("one replaced by another")
        << QByteArray("/tmp/a:/tmp/b") << QByteArray("/tmp/a:/tmp/c") << true;
    QTest::addRow("one unplugged") << QByteArray("/tmp/a:/tmp/b") << QByteArray("/tmp/b") << true;
    QTest::addRow("same set") << QByteArray("/tmp/b:/tmp/a") << QByteArray("/tmp/a:/tmp/b")
                              << false;
}

void tst_SerialProcessThread::refreshNoticesChangedNames()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(bool, refilled);
    qputenv("VRN_EXTRA_PORTS", before);
    Link l;
    l.select("/tmp/b");
    qputenv("VRN_EXTRA_PORTS", after);
    QSignalSpy listed(&l.link->portSession(), &PortSession::portListChanged);
    l.link->timeUpdateDevice();
    QCOMPARE(listed.count(), refilled ? 1 : 0);
    const QStringList expected = expectedList(QString::fromUtf8(after).split(':'));
    QCOMPARE(l.link->portNames(), expected);
    // A refill keeps the pilot's choice while it is there, else it selects
    // the first entry; the port to open follows the list.
    const QString chosen = expected.contains("/tmp/b") ? QString("/tmp/b") : expected.first();
    QCOMPARE(l.toolBar.portComboBox->currentText(), chosen);
    l.link->serialConnect();
    QCOMPARE(l.link->openPortName(), chosen);
}

void tst_SerialProcessThread::noRefreshWhileLive()
{
    Link l;
    l.select(SimulatedPortProvider::name());
    l.simulated.unit().setLatencyMs(0);
    l.link->serialConnect();
    QVERIFY(l.tick());
    qputenv("VRN_EXTRA_PORTS", "/tmp/new");
    l.link->timeUpdateDevice();
    QVERIFY(!l.link->portNames().contains("/tmp/new"));
    QCOMPARE(l.toolBar.portComboBox->currentText(), SimulatedPortProvider::name());
}

void tst_SerialProcessThread::simulatedUnitConnectAndDownload()
{
    Link l;
    QSignalSpy changed(l.link.get(), &SerialProcessThread::parameterChanged);
    l.select(SimulatedPortProvider::name());
    l.simulated.unit().setLatencyMs(0);
    l.simulated.unit().setModel(SimulatedUnit::ModelX1);
    QCOMPARE(l.state(), QString("Unconnected"));
    emit l.toolBar.serialConnect();
    QVERIFY(l.link->isPortOpen());
    QVERIFY(l.tickUntilMessage("Download Parameters Completely", 8));
    QCOMPARE(l.state(), QString("Connected"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(int(l.link->deviceModel()), 10);
    QCOMPARE(l.link->parameters().phi_ktotal, l.simulated.unit().workingRecord().phi_ktotal);
}

void tst_SerialProcessThread::disconnectTexts()
{
    Link l;
    l.select(SimulatedPortProvider::name());
    l.simulated.unit().setLatencyMs(0);
    emit l.toolBar.serialConnect();
    l.tickUntilMessage("Download Parameters Completely", 8);
    emit l.toolBar.serialDisconnect();
    QVERIFY(!l.link->isPortOpen());
    QCOMPARE(l.state(), QString("Unconnected"));
    QCOMPARE(l.message(), QString("--------------"));
    const int handled = l.simulated.unit().framesHandled();
    l.tick();
    QCOMPARE(l.simulated.unit().framesHandled(), handled); // nothing sent
    // Written whatever the state.
    l.statusBar.setMessageText("x");
    emit l.toolBar.serialDisconnect();
    QCOMPARE(l.message(), QString("--------------"));
}

void tst_SerialProcessThread::openFailureIsReported_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("expected");
    QTest::addRow("missing device") << "/dev/vrn-no-such-port"
                                    << "Cannot open /dev/vrn-no-such-port: unplugged";
}

void tst_SerialProcessThread::openFailureIsReported()
{
    QFETCH(QString, port);
    QFETCH(QString, expected);
    qputenv("VRN_EXTRA_PORTS", port.toUtf8());
    Link l;
    l.select(port);
    l.link->serialConnect();
    QVERIFY(!l.link->isPortOpen());
    QCOMPARE(l.message(), expected);
    // The link waits for the unit as after any connect: cut motor, block 1.
    QCOMPARE(int(l.link->protocol().command()), int(CMD_CUT_MOTOR));
    QCOMPARE(int(l.link->protocol().subframe()), int(DLU_DOWN_SFID_PARAM_1));
}

void tst_SerialProcessThread::portInUseIsReported()
{
    SimProcess sim;
    const QString path = dir.filePath("pty-busy");
    QVERIFY(sim.startLinked(path));
    QSerialPort other;
    other.setPortName(path);
    QVERIFY(other.open(QIODevice::ReadWrite));

    qputenv("VRN_EXTRA_PORTS", path.toUtf8());
    Link l;
    l.select(path);
    l.link->serialConnect();
    QVERIFY(!l.link->isPortOpen());
    // This test holds it: the notice names it, the details say what to do.
    QCOMPARE(l.message(), QString("Cannot open %1: in use by %2")
                              .arg(path, QCoreApplication::applicationName().left(15)));
    QVERIFY(l.statusBar.isNoticeShown());
    auto *details = l.statusBar.findChild<QLabel *>("detailsLabel");
    QVERIFY(details && !details->isHidden());
    // A real click: it passes the press that ends a notice on its way.
    l.statusBar.resize(850, 25);
    l.statusBar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l.statusBar));
    QTest::mouseClick(details, Qt::LeftButton, {},
                      QPoint(details->contentsRect().left() + 5, details->height() / 2));
    auto *box = l.statusBar.findChild<QMessageBox *>("noticeDetailsBox");
    QVERIFY(box && box->isVisible());
    const QString shown = box->text();
    QVERIFY2(shown.contains(QString("kill %1").arg(QCoreApplication::applicationPid())),
             qPrintable(shown));
    QVERIFY(l.statusBar.isNoticeShown()); // reading the details keeps the notice
}

// In the Chinese window the serial library's own words are Chinese too: the
// link must tell a port in use from a refused one without reading them.
void tst_SerialProcessThread::portInUseInChinese()
{
    QTranslator library, own;
    QVERIFY(library.load("qtserialport_zh_CN", QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QVERIFY(own.load(QStringLiteral(VRN_BINARY_DIR "/language/vrn_lang_zh.qm")));
    qApp->installTranslator(&library);
    qApp->installTranslator(&own);
    const auto restore = qScopeGuard([&] {
        qApp->removeTranslator(&own);
        qApp->removeTranslator(&library);
    });
    SimProcess sim;
    const QString path = dir.filePath("pty-busy-zh");
    QVERIFY(sim.startLinked(path));
    QSerialPort other;
    other.setPortName(path);
    QVERIFY(other.open(QIODevice::ReadWrite));
    QSerialPort second;
    second.setPortName(path);
    QVERIFY(!second.open(QIODevice::ReadWrite));
    QCOMPARE(second.error(), QSerialPort::PermissionError);
    QVERIFY2(!second.errorString().contains("lock", Qt::CaseInsensitive),
             qPrintable(second.errorString()));

    qputenv("VRN_EXTRA_PORTS", path.toUtf8());
    Link l;
    l.select(path);
    l.link->serialConnect();
    QVERIFY(!l.link->isPortOpen());
    QCOMPARE(l.message(), QString::fromUtf8("无法打开 %1：正被 %2 占用")
                              .arg(path, QCoreApplication::applicationName().left(15)));
}

// The tool bar's button follows what the link does by itself: "Disconnect"
// while it tries a plugged adapter, "Connect" again once it lets go.
void tst_SerialProcessThread::pluggedAdapterThroughTheToolBar()
{
    SimProcess sim;
    const QString path = dir.filePath("pty-plugged");
    QVERIFY(sim.startLinked(path));
    FakePortSystem system;
    toolWidget toolBar;
    statusWidget statusBar;
    SerialProcessThread link(&toolBar, &statusBar, nullptr, &system);
    link.tickTimer()->stop();
    link.refreshTimer()->stop();
    auto *button = toolBar.findChild<QPushButton *>("connectButton");

    system.ports = {{"ttyUSB0", path, true, 1}};
    link.timeUpdateDevice();
    link.timeUpdateDevice();
    QVERIFY(link.isPortOpen());
    QCOMPARE(button->text(), QString("Disconnect"));
    QCOMPARE(toolBar.portComboBox->currentText(), QString("ttyUSB0"));
    // vrn-sim answers: the connection is the pilot's like any other.
    QVERIFY(QTest::qWaitFor(
        [&] {
            link.time();
            QTest::qWait(5);
            return link.protocol().isLinkAlive();
        },
        5000));
    QVERIFY(!link.portSession().isTryingPluggedPort());

    // An adapter plugged in while the unit answers is old news once the
    // pilot lets go: nothing connects by itself.
    system.ports << PortEntry{"ttyUSB2", "/dev/vrn-none", true, 3};
    link.timeUpdateDevice();
    toolBar.connectPort();
    QCOMPARE(button->text(), QString("Connect"));
    link.timeUpdateDevice();
    link.timeUpdateDevice();
    QVERIFY(!link.isPortOpen());
    QCOMPARE(button->text(), QString("Connect"));

    // A silent adapter plugged in is tried and let go.
    Pty silent;
    system.ports << PortEntry{"ttyUSB1", silent.path, true, 2};
    link.timeUpdateDevice();
    link.timeUpdateDevice();
    QCOMPARE(link.openPortName(), QString("ttyUSB1"));
    QCOMPARE(button->text(), QString("Disconnect"));
    for (int i = 0; i < LinkEngine::NoAnswerTicks; ++i)
        link.time();
    QVERIFY(!link.isPortOpen());
    QCOMPARE(button->text(), QString("Connect"));
    QCOMPARE(statusBar.findChild<QLabel *>("messageLabel")->text(),
             QString("No gyro unit answered on ttyUSB1"));
}

void tst_SerialProcessThread::closesPortWhenProgramEnds()
{
    Link l;
    l.select(SimulatedPortProvider::name());
    l.link->serialConnect();
    QVERIFY(l.link->isPortOpen());
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    qApp->exec(); // ends with aboutToQuit
    QVERIFY(!l.link->isPortOpen());
}

void tst_SerialProcessThread::realPortThroughPseudoTerminal()
{
    SimProcess sim;
    const QString path = dir.filePath("pty-real");
    QVERIFY(sim.startLinked(path));
    qputenv("VRN_EXTRA_PORTS", path.toUtf8());
    Link l;
    l.select(path);
    QSignalSpy changed(l.link.get(), &SerialProcessThread::parameterChanged);
    l.link->serialConnect();
    QVERIFY(l.link->isPortOpen());
    QVERIFY(l.tickUntilMessage("Download Parameters Completely", 50, 200));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(l.state(), QString("Connected"));
    QVERIFY(l.link->parameters().phi_ktotal != 0); // the factory set-up arrived

    l.link->parameters().phi_ktotal = 99;
    l.link->setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    QVERIFY(l.tickUntilMessage("Upload Parameters Completely", 50, 200));
    // Read it back from the unit: a fresh download brings the new value.
    l.link->parameters().phi_ktotal = 0;
    l.link->protocol().startOver();
    QVERIFY(l.tickUntilMessage("Download Parameters Completely", 50, 200));
    QCOMPARE(l.link->parameters().phi_ktotal, qint8(99));

    l.link->serialDisconnect();
    QVERIFY(!l.link->isPortOpen());
    QCOMPARE(l.state(), QString("Unconnected"));
}

void tst_SerialProcessThread::pulledCableIsClosedAndReopened()
{
    auto sim = std::make_unique<SimProcess>();
    const QString path = dir.filePath("pty-pulled");
    QVERIFY(sim->startLinked(path));
    qputenv("VRN_EXTRA_PORTS", path.toUtf8());
    Link l;
    l.select(path);
    QSignalSpy changed(l.link.get(), &SerialProcessThread::parameterChanged);
    l.link->serialConnect();
    QVERIFY(l.tickUntilMessage("Download Parameters Completely", 50, 200));

    sim->kill(); // the far end goes away
    QVERIFY(QTest::qWaitFor([&] { return !l.link->isPortOpen(); }, 3000));
    QVERIFY(l.message().startsWith(QString("Port %1 was lost").arg(path)));
    for (int i = 0; i < 52; ++i)
        l.tick();
    QCOMPARE(l.state(), QString("Unconnected"));

    // Still "Disconnect" on the tool bar: the refresh tries the same port again.
    l.link->timeUpdateDevice();
    QVERIFY(!l.link->isPortOpen());
    QVERIFY(sim->startLinked(path));
    l.link->timeUpdateDevice();
    QVERIFY(l.link->isPortOpen());
    QCOMPARE(int(l.link->protocol().command()), int(CMD_CUT_MOTOR));
    QVERIFY(l.tickUntilMessage("Download Parameters Completely", 50, 200));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(l.state(), QString("Connected"));
}

QTEST_MAIN(tst_SerialProcessThread)
#include "tst_serialprocessthread.moc"
