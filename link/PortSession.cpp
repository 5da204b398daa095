#include "PortSession.h"

#include "PortDiagnosis.h"
#include "UnitModel.h"

#include <QCoreApplication>
#include <QSerialPort>
#include <QTimer>

#include <algorithm>

PortSession::PortSession(PortProvider *simulated, PortSystem *facts, QObject *parent)
    : QObject(parent), system(facts), extraPort(simulated)
{
    if (!this->system) {
        ownSystem = std::make_unique<PortSystem>();
        this->system = ownSystem.get();
    }
    connect(&engine, &LinkEngine::unitIdentified, this, &PortSession::showUnit);
    connect(&engine, &LinkEngine::stateText, this, &PortSession::showUnit);
    connect(&engine, &LinkEngine::unitIdentified, this, [this] { automatic = false; });
    connect(&engine, &LinkEngine::noAnswer, this, &PortSession::answerMissing);

    linkTimer = new QTimer(this);
    linkTimer->setInterval(20);
    linkTimer->start();
    connect(linkTimer, &QTimer::timeout, this, &PortSession::tick);

    // Often enough that the list follows plugging within about a second.
    portTimer = new QTimer(this);
    portTimer->setInterval(RefreshIntervalMs);
    portTimer->start();
    connect(portTimer, &QTimer::timeout, this, &PortSession::refresh);

    const QList<PortEntry> present = presentPorts();
    for (const PortEntry &entry : present)
        if (entry.usb)
            known << entry.name;
    fillPortList(present, QString());

    // The unit must not be left with an open port when the program ends.
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &PortSession::closePort);
}

PortSession::~PortSession()
{
    closePort();
}

QList<PortEntry> PortSession::ordered(QList<PortEntry> ports)
{
    std::sort(ports.begin(), ports.end(), [](const PortEntry &a, const PortEntry &b) {
        if (a.usb != b.usb)
            return a.usb;
        if (a.usb && a.plugged != b.plugged)
            return a.plugged > b.plugged;
        return a.name < b.name;
    });
    return ports;
}

QList<PortEntry> PortSession::presentPorts() const
{
    QList<PortEntry> entries = ordered(system->presentPorts());
    if (extraPort)
        entries.append({extraPort->portName(), QString(), false, 0});
    return entries;
}

QStringList PortSession::portNames() const
{
    QStringList names;
    for (const PortEntry &entry : portList)
        names << entry.name;
    return names;
}

void PortSession::fillPortList(const QList<PortEntry> &entries, const QString &preferred)
{
    portList = entries;
    const QStringList names = portNames();
    int index = names.indexOf(preferred);
    if (index < 0)
        index = names.indexOf(portName);
    if (index < 0)
        index = names.isEmpty() ? -1 : 0;
    preselectedIndex = index;
    portName = index < 0 ? QString() : names.at(index);
    emit portListChanged();
}

void PortSession::tick()
{
    ++ticks;
    if (port) {
        const LinkFrame frame = engine.nextFrame();
        port->write(reinterpret_cast<const char *>(frame.bytes.data()), LinkFrame::Size);
    }
    engine.countTick();
}

void PortSession::refresh()
{
    if (engine.isLinkAlive()) {
        unseenWhileAlive = true;
        return;
    }
    const QList<PortEntry> present = presentPorts();
    QStringList usb;
    QStringList appeared;
    for (const PortEntry &entry : present) {
        if (!entry.usb)
            continue;
        usb << entry.name;
        if (!known.contains(entry.name))
            appeared << entry.name; // newest first, as the list orders them
    }
    known = usb;
    // Plugged while a unit answered: not the pilot's latest move any more.
    if (unseenWhileAlive)
        appeared.clear();
    unseenWhileAlive = false;
    QStringList names;
    for (const PortEntry &entry : present)
        names << entry.name;
    if (names != portNames())
        fillPortList(present, appeared.value(0));
    // A port that was lost (or never opened) while the user still wants the
    // connection: try the same name again, and start over when it opens.
    if (wantConnected && !port && openPort(connectedName, Retry)) {
        emit messageText(QCoreApplication::translate("SerialProcessThread", "Port %1 is back")
                             .arg(connectedName));
        engine.startOver();
    }
    considerPlugged(appeared);
}

void PortSession::considerPlugged(const QStringList &appeared)
{
    if (!appeared.isEmpty()) {
        // Settles until the next refresh; a newer plug restarts it.
        settling = appeared.first();
        return;
    }
    const QString name = settling;
    settling.clear();
    if (name.isEmpty() || !known.contains(name) || !mayConnectByItself(name))
        return;
    pending = name;
    emit connectRequested(name);
    pending.clear();
}

bool PortSession::mayConnectByItself(const QString &name) const
{
    if (!autoConnectOn || wantConnected || port || engine.hasChangesNotInFlash())
        return false;
    return !(name == pilotDropped && ticks - droppedAt < quint32(PilotQuietTicks));
}

void PortSession::connectPort()
{
    automatic = !pending.isEmpty() && pending == portName;
    pending.clear();
    wantConnected = true;
    connectedName = portName;
    openPort(portName, Asked);
    engine.startOver();
    if (automatic && !port)
        letGo(QString()); // the open failure has been told
}

void PortSession::disconnectPort()
{
    emit stateText(QCoreApplication::translate("SerialProcessThread", "Unconnected"));
    emit messageText(QStringLiteral("--------------"));
    if (!lettingGo) {
        pilotDropped = connectedName;
        droppedAt = ticks;
    }
    wantConnected = false;
    automatic = false;
    closePort();
}

void PortSession::letGo(const QString &notice)
{
    const QString name = connectedName;
    automatic = false;
    lettingGo = true;
    emit disconnectRequested();
    lettingGo = false;
    if (!notice.isEmpty())
        emit noticeText(notice, QString());
}

void PortSession::answerMissing()
{
    if (automatic) {
        letGo(tr("No gyro unit answered on %1").arg(connectedName));
        return;
    }
    emit messageText(
        QCoreApplication::translate(
            "SerialProcessThread",
            "No answer from the unit on %1: check the cable and that the unit is powered")
            .arg(connectedName));
}

void PortSession::readPort()
{
    if (port)
        engine.feed(port->readAll());
}

void PortSession::selectPort(const QString &name)
{
    portName = name;
}

bool PortSession::openPort(const QString &name, Attempt attempt)
{
    closePort();
    if (name.isEmpty())
        return false;
    if (extraPort && name == extraPort->portName()) {
        port = extraPort->openPort(this);
        if (!port)
            return false;
    } else {
        QString path = name;
        for (const PortEntry &entry : std::as_const(portList))
            if (entry.name == name && !entry.path.isEmpty())
                path = entry.path;
        auto *serial = new QSerialPort(this);
        serial->setPortName(path);
        serial->setBaudRate(QSerialPort::Baud115200);
        serial->setDataBits(QSerialPort::Data8);
        serial->setParity(QSerialPort::NoParity);
        serial->setStopBits(QSerialPort::OneStop);
        serial->setFlowControl(QSerialPort::NoFlowControl);
        if (!serial->open(QIODevice::ReadWrite)) {
            const int error = serial->error();
            const QString reason = serial->errorString();
            delete serial;
            openFailed(name, path, error, reason, attempt);
            return false;
        }
        // A pulled cable makes the port report errors without end: close it
        // on the first one.
        connect(serial, &QSerialPort::errorOccurred, this,
                [this, serial](QSerialPort::SerialPortError e) {
                    if (port == serial &&
                        (e == QSerialPort::ReadError || e == QSerialPort::ResourceError))
                        portFailed(serial->errorString());
                });
        port = serial;
    }
    connect(port, &QIODevice::readyRead, this, &PortSession::readPort);
    engine.portOpened(name);
    // The pages stay locked until the unit's record is in: say why.
    emit messageText(QCoreApplication::translate(
        "SerialProcessThread",
        "Waiting for the unit's parameters: editing resumes once they are read"));
    return true;
}

void PortSession::openFailed(const QString &name, const QString &path, int error,
                             const QString &reason, Attempt attempt)
{
    const PortDiagnosis::Text text = PortDiagnosis::explain(*system, name, path, error, reason);
    // Reopening a lost port every second is progress, not news: a notice
    // would stay up after the port is back.
    if (attempt == Retry)
        emit messageText(text.summary);
    else
        emit noticeText(text.summary, text.details);
}

bool PortSession::isSimulatedUnitConnected() const
{
    return port && extraPort && connectedName == extraPort->portName();
}

QString PortSession::unitDescription() const
{
    if (!port || !engine.isLinkAlive())
        return QString();
    const QString unit = QCoreApplication::translate("SerialProcessThread", "%1 · firmware %2")
                             .arg(UnitModel::name(engine.deviceModel()),
                                  UnitModel::firmware(engine.firmwareVersion()));
    if (isSimulatedUnitConnected())
        return QCoreApplication::translate("SerialProcessThread", "%1 · %2")
            .arg(extraPort->portName(), unit);
    return unit;
}

void PortSession::showUnit()
{
    const QString text = unitDescription();
    emit unitChanged(text, !text.isEmpty() && isSimulatedUnitConnected());
}

void PortSession::portFailed(const QString &reason)
{
    const QString name = connectedName;
    closePort();
    emit messageText(QCoreApplication::translate("SerialProcessThread", "Port %1 was lost: %2")
                         .arg(name, reason));
}

void PortSession::closePort()
{
    if (!port)
        return;
    QIODevice *old = port;
    port = nullptr;
    engine.portClosed();
    old->disconnect(this);
    old->close();
    old->deleteLater();
    showUnit();
}
