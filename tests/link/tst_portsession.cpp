#include "FakePortSystem.h"
#include "PortDiagnosis.h"
#include "PortSession.h"
#include "PseudoTerminal.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(QList<PortEntry>)

namespace {

// The session wired as the tool bar wires it: its requests become the
// pilot's button presses.
struct Session
{
    FakePortSystem system;
    std::unique_ptr<PortSession> session;
    QStringList notices;
    QStringList requested;

    void start()
    {
        session = std::make_unique<PortSession>(nullptr, &system);
        session->tickTimer()->stop();
        session->refreshTimer()->stop();
        QObject::connect(session.get(), &PortSession::noticeText,
                         [this](const QString &text, const QString &) { notices << text; });
        QObject::connect(session.get(), &PortSession::connectRequested,
                         [this](const QString &name) {
                             requested << name;
                             session->selectPort(name);
                             session->connectPort();
                         });
        QObject::connect(session.get(), &PortSession::disconnectRequested,
                         [this] { session->disconnectPort(); });
    }
    void pilotConnects(const QString &name)
    {
        session->selectPort(name);
        session->connectPort();
    }
    void plug(const PortEntry &entry) { system.ports.append(entry); }
    void unplug(const QString &name)
    {
        system.ports.erase(std::remove_if(system.ports.begin(), system.ports.end(),
                                          [&](const PortEntry &e) { return e.name == name; }),
                           system.ports.end());
    }
};

PortEntry usb(const QString &name, qint64 plugged, const QString &path = QString())
{
    return {name, path.isEmpty() ? "/dev/" + name : path, true, plugged};
}

PortEntry builtIn(const QString &name, const QString &path = QString())
{
    return {name, path.isEmpty() ? "/dev/" + name : path, false, 1};
}

QStringList names(const QList<PortEntry> &entries)
{
    QStringList list;
    for (const PortEntry &e : entries)
        list << e.name;
    return list;
}

} // namespace

class tst_PortSession : public QObject
{
    Q_OBJECT

private slots:
    void order_data();
    void order();
    void orderInvariants();
    void refillPreselectsThePluggedPort();
    void diagnosis_data();
    void diagnosis();
    void permissionDeniedOnARealPort();
    void portHeldByAnotherProcess();
    void pluggedPort_data();
    void pluggedPort();
    void noAnswerLetsThePortGo();
};

void tst_PortSession::order_data()
{
    QTest::addColumn<QList<PortEntry>>("present");
    QTest::addColumn<QStringList>("expected");
    QTest::addRow("motherboard port after the adapter")
        << QList<PortEntry>{builtIn("ttyS0"), usb("ttyUSB0", 10)}
        << QStringList{"ttyUSB0", "ttyS0"};
    QTest::addRow("newest adapter first")
        << QList<PortEntry>{usb("ttyUSB0", 10), usb("ttyACM0", 30), usb("ttyUSB1", 20)}
        << QStringList{"ttyACM0", "ttyUSB1", "ttyUSB0"};
    QTest::addRow("ports without a USB id by code units")
        << QList<PortEntry>{builtIn("COM2"), builtIn("COM10"), builtIn("/tmp/pty")}
        << QStringList{"/tmp/pty", "COM10", "COM2"};
    QTest::addRow("same plug time by name")
        << QList<PortEntry>{usb("ttyUSB1", 5), builtIn("ttyS1"), usb("ttyUSB0", 5)}
        << QStringList{"ttyUSB0", "ttyUSB1", "ttyS1"};
}

void tst_PortSession::order()
{
    QFETCH(QList<PortEntry>, present);
    QFETCH(QStringList, expected);
    Session s;
    s.system.ports = present;
    s.start();
    QCOMPARE(s.session->portNames(), expected);
    // The first entry is the one to connect: the newest adapter, if any.
    QCOMPARE(s.session->preselected(), 0);
    QCOMPARE(s.session->selectedPort(), expected.first());
}

// Whatever is plugged: every USB port comes before every other one, USB
// ports never get older down the list, and nothing is lost or doubled.
void tst_PortSession::orderInvariants()
{
    QRandomGenerator random(27);
    for (int round = 0; round < 500; ++round) {
        QList<PortEntry> ports;
        const int count = random.bounded(8);
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("tty%1").arg(random.bounded(100));
            if (!names(ports).contains(name))
                ports.append({name, "/dev/" + name, random.bounded(2) == 1, random.bounded(4)});
        }
        const QList<PortEntry> sorted = PortSession::ordered(ports);
        QCOMPARE(sorted.size(), ports.size());
        for (const PortEntry &e : ports)
            QVERIFY(names(sorted).contains(e.name));
        for (int i = 1; i < sorted.size(); ++i) {
            const PortEntry &a = sorted[i - 1], &b = sorted[i];
            QVERIFY2(a.usb || !b.usb, qPrintable(names(sorted).join(' ')));
            if (a.usb && b.usb)
                QVERIFY(a.plugged >= b.plugged);
            if (a.usb == b.usb && (!a.usb || a.plugged == b.plugged))
                QVERIFY(a.name < b.name);
        }
    }
}

void tst_PortSession::refillPreselectsThePluggedPort()
{
    Session s;
    s.system.ports = {builtIn("ttyS0"), usb("ttyUSB0", 10)};
    s.start();
    s.session->setAutoConnect(false); // only the list here
    s.session->selectPort("ttyS0");   // the pilot chose the motherboard port
    s.plug(usb("ttyUSB1", 20));
    QSignalSpy changed(s.session.get(), &PortSession::portListChanged);
    s.session->refresh();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(s.session->portNames(), (QStringList{"ttyUSB1", "ttyUSB0", "ttyS0"}));
    QCOMPARE(s.session->selectedPort(), QString("ttyUSB1"));
    // Unplugging another port keeps the pilot's choice.
    s.session->selectPort("ttyS0");
    s.unplug("ttyUSB0");
    s.session->refresh();
    QCOMPARE(s.session->selectedPort(), QString("ttyS0"));
}

void tst_PortSession::diagnosis_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("facts");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QStringList>("details");
    const int denied = QSerialPort::PermissionError;
    QTest::addRow("unplugged") << int(QSerialPort::DeviceNotFoundError) << ""
                               << "Cannot open ttyUSB0: unplugged"
                               << QStringList{"/dev/ttyUSB0 is no longer there"};
    QTest::addRow("gone between listing and opening")
        << denied << "missing"
        << "Cannot open ttyUSB0: unplugged" << QStringList{"unplugged"};
    QTest::addRow("not in the group, no rule")
        << denied << "refused"
        << "Cannot open ttyUSB0: permission denied"
        << QStringList{"group \"dialout\", and your user \"pilot\" is not in it",
                       "is not installed", "sudo usermod -aG dialout pilot"};
    QTest::addRow("not in the group, rule not applied")
        << denied << "refused rule"
        << "Cannot open ttyUSB0: permission denied"
        << QStringList{"is installed but was not applied", "Unplug the unit and plug it in again",
                       "sudo usermod -aG dialout pilot"};
    QTest::addRow("added to the group after logging in")
        << denied << "refused account"
        << "Cannot open ttyUSB0: permission denied"
        << QStringList{"was added to that group after this login began", "log out and in again"};
    QTest::addRow("in the group and still refused")
        << denied << "refused session"
        << "Cannot open ttyUSB0: permission denied"
        << QStringList{"and you are in it", "ls -l /dev/ttyUSB0"};
    QTest::addRow("only root may use it")
        << denied << "refused root"
        << "Cannot open ttyUSB0: permission denied"
        << QStringList{"administrator (root) alone", "vrn-assistant package"};
    QTest::addRow("ModemManager probing")
        << denied << "ModemManager"
        << "Cannot open ttyUSB0: in use by ModemManager"
        << QStringList{"mobile-modem service", "sudo systemctl disable --now ModemManager"};
    QTest::addRow("brltty took the adapter")
        << denied << "brltty"
        << "Cannot open ttyUSB0: in use by brltty"
        << QStringList{"Braille display", "sudo apt remove brltty"};
    QTest::addRow("another program")
        << denied << "minicom"
        << "Cannot open ttyUSB0: in use by minicom"
        << QStringList{"minicom (process 4242) holds /dev/ttyUSB0 open", "kill 4242"};
    QTest::addRow("held by someone we cannot see")
        << denied << ""
        << "Cannot open ttyUSB0: the port is in use by another program"
        << QStringList{"sudo lsof /dev/ttyUSB0"};
    QTest::addRow("held unseen while ModemManager runs as root")
        << denied << "running ModemManager"
        << "Cannot open ttyUSB0: in use, most likely by ModemManager"
        << QStringList{"sudo systemctl disable --now ModemManager"};
    QTest::addRow("held unseen while brltty runs as root")
        << denied << "running brltty"
        << "Cannot open ttyUSB0: in use, most likely by brltty"
        << QStringList{"sudo apt remove brltty"};
    QTest::addRow("anything else keeps the library's words")
        << int(QSerialPort::UnknownError) << ""
        << "Cannot open ttyUSB0: it broke" << QStringList{};
}

void tst_PortSession::diagnosis()
{
    QFETCH(int, error);
    QFETCH(QString, facts);
    QFETCH(QString, summary);
    QFETCH(QStringList, details);
    FakePortSystem system;
    const QString path = "/dev/ttyUSB0";
    if (facts.contains("missing"))
        system.missing << path;
    if (facts.contains("refused"))
        system.refused << path;
    system.rule = facts.contains("rule");
    system.inAccount = facts.contains("account");
    system.inSession = facts.contains("session");
    if (facts.contains("root"))
        system.group = "root";
    for (const QString program : {"ModemManager", "brltty", "minicom"}) {
        if (facts.contains("running " + program))
            system.programs << program << "systemd";
        else if (facts.contains(program))
            system.held[path] = {{4242, program}};
    }
    // The library's own text, translated or not, never decides the wording.
    const PortDiagnosis::Text text =
        PortDiagnosis::explain(system, "ttyUSB0", path, error, "it broke");
    QCOMPARE(text.summary, summary);
    for (const QString &part : details)
        QVERIFY2(text.details.contains(part), qPrintable(text.details));
    QCOMPARE(text.details.isEmpty(), details.isEmpty());
}

// The real system's facts: a pseudo-terminal nobody may open, tried by an
// unprivileged user (the test drops to "nobody" in a child when it runs as root).
void tst_PortSession::permissionDeniedOnARealPort()
{
    Pty pty;
    QVERIFY(!pty.path.isEmpty());
    QVERIFY(::chmod(QFile::encodeName(pty.path).constData(), 0) == 0);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(2);
        QSerialPort port;
        port.setPortName(pty.path);
        if (port.open(QIODevice::ReadWrite))
            ::_exit(3);
        PortSystem system;
        const PortDiagnosis::Text text =
            PortDiagnosis::explain(system, "pty", pty.path, port.error(), port.errorString());
        // The node's group is "tty" or, where devpts gives none, "root".
        const QString group = system.groupOf(pty.path);
        const QString says = group == "root"
                                 ? QString("%1 is for the administrator (root) alone").arg(pty.path)
                                 : QString("%1 belongs to the group \"%2\"").arg(pty.path, group);
        const bool right =
            text.summary == "Cannot open pty: permission denied" && text.details.contains(says);
        ::_exit(right ? 0 : 4);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
}

// Another program that opened the port the way serial programs do (a lock
// file and exclusive mode): a child of this test, found through /proc.
void tst_PortSession::portHeldByAnotherProcess()
{
    Pty pty;
    QVERIFY(!pty.path.isEmpty());
    int ready[2];
    QVERIFY(::pipe(ready) == 0);
    const pid_t child = ::fork();
    if (child == 0) {
        QSerialPort port;
        port.setPortName(pty.path);
        const char opened = port.open(QIODevice::ReadWrite) ? 1 : 0;
        (void)::write(ready[1], &opened, 1);
        ::pause();
        ::_exit(0);
    }
    char opened = 0;
    QCOMPARE(::read(ready[0], &opened, 1), ssize_t(1));
    ::close(ready[0]);
    ::close(ready[1]);
    QCOMPARE(int(opened), 1);

    PortSystem real;
    PortSession session(nullptr, &real);
    session.tickTimer()->stop();
    session.refreshTimer()->stop();
    QStringList summaries, details;
    connect(&session, &PortSession::noticeText, this,
            [&](const QString &text, const QString &more) {
                summaries << text;
                details << more;
            });
    session.selectPort(pty.path);
    session.connectPort();
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    QVERIFY(!session.isPortOpen());
    const QString name = QCoreApplication::applicationName().left(15); // the kernel's length
    QCOMPARE(summaries, QStringList{QString("Cannot open %1: in use by %2").arg(pty.path, name)});
    QVERIFY2(details.first().contains(
                 QString("%1 (process %2) holds %3 open").arg(name).arg(child).arg(pty.path)),
             qPrintable(details.first()));
    QVERIFY(details.first().contains(QString("kill %1").arg(child)));
}

void tst_PortSession::pluggedPort_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("connects");
    QTest::addRow("nothing connected") << "" << true;
    QTest::addRow("another port connected") << "other" << false;
    QTest::addRow("pilot just disconnected it") << "dropped" << false;
    QTest::addRow("pilot disconnected it long ago") << "dropped long ago" << true;
    QTest::addRow("turned off") << "off" << false;
}

void tst_PortSession::pluggedPort()
{
    QFETCH(QString, before);
    QFETCH(bool, connects);
    Pty adapter, other;
    Session s;
    s.system.ports = {builtIn("ttyS0", other.path)};
    if (before.startsWith("dropped"))
        s.plug(usb("ttyUSB0", 10, adapter.path));
    s.start();
    if (before == "other")
        s.pilotConnects("ttyS0");
    if (before == "off")
        s.session->setAutoConnect(false);
    if (before.startsWith("dropped")) {
        s.pilotConnects("ttyUSB0");
        s.session->disconnectPort();
        s.unplug("ttyUSB0");
        s.session->refresh();
        if (before.endsWith("long ago"))
            for (int i = 0; i < PortSession::PilotQuietTicks; ++i)
                s.session->tick();
    }
    const bool wasOpen = s.session->isPortOpen();

    s.plug(usb("ttyUSB0", 20, adapter.path));
    s.session->refresh();
    // It appears in the list at once but settles for one refresh.
    QCOMPARE(s.session->portNames().first(), QString("ttyUSB0"));
    QVERIFY(s.requested.isEmpty());
    s.session->refresh();
    QCOMPARE(s.requested, connects ? QStringList{"ttyUSB0"} : QStringList{});
    if (connects) {
        QVERIFY(s.session->isPortOpen());
        QCOMPARE(s.session->openPortName(), QString("ttyUSB0"));
        QVERIFY(s.session->isTryingPluggedPort());
    } else {
        QCOMPARE(s.session->isPortOpen(), wasOpen);
        QVERIFY(!s.session->isTryingPluggedPort());
    }
    // Nothing more on later refreshes: a port is plugged in once.
    s.session->refresh();
    QCOMPARE(s.requested.size(), connects ? 1 : 0);
}

void tst_PortSession::noAnswerLetsThePortGo()
{
    Pty adapter;
    Session s;
    s.start();
    s.plug(usb("ttyUSB0", 20, adapter.path));
    s.session->refresh();
    s.session->refresh();
    QVERIFY(s.session->isPortOpen());
    // Frames go out every tick; nothing valid comes back.
    for (int i = 0; i < LinkEngine::NoAnswerTicks - 1; ++i)
        s.session->tick();
    QVERIFY(s.session->isPortOpen());
    s.session->tick();
    QVERIFY(!s.session->isPortOpen());
    QVERIFY(!s.session->isConnectionWanted());
    QCOMPARE(s.notices, QStringList{"No gyro unit answered on ttyUSB0"});
    // Letting go is not the pilot's Disconnect: plugged in again, it is tried again.
    s.unplug("ttyUSB0");
    s.session->refresh();
    s.plug(usb("ttyUSB0", 30, adapter.path));
    s.session->refresh();
    s.session->refresh();
    QCOMPARE(s.requested, (QStringList{"ttyUSB0", "ttyUSB0"}));
}

QTEST_GUILESS_MAIN(tst_PortSession)
#include "tst_portsession.moc"
