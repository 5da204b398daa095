#include "SerialProcessThread.h"

#include "UnitModel.h"
#include "statusWidget.h"
#include "toolWidget.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QSerialPort>
#include <QSerialPortInfo>
#include <QTimer>

SerialProcessThread::SerialProcessThread(toolWidget *tools, statusWidget *status,
                                         PortProvider *simulated)
    : toolBar(tools), statusBar(status), extraPort(simulated)
{
    connect(&engine, &LinkEngine::parameterChanged, this, &SerialProcessThread::parameterChanged);
    connect(&engine, &LinkEngine::telemetryChanged, this, &SerialProcessThread::telemetryChanged);
    connect(&engine, &LinkEngine::stateText, statusBar, &statusWidget::setStateText);
    connect(&engine, &LinkEngine::messageText, statusBar, &statusWidget::setMessageText);
    connect(&engine, &LinkEngine::noticeText, statusBar, &statusWidget::showNotice);
    connect(&engine, &LinkEngine::unitIdentified, this, &SerialProcessThread::showUnit);
    connect(&engine, &LinkEngine::stateText, this, &SerialProcessThread::showUnit);
    connect(&engine, &LinkEngine::noAnswer, this, [this] {
        this->statusBar->setMessageText(
            tr("No answer from the unit on %1: check the cable and that the unit is powered")
                .arg(connectedName));
    });

    connect(&engine, &LinkEngine::flashStateChanged, statusBar,
            &statusWidget::setChangesNotInFlash);

    linkTimer = new QTimer(this);
    linkTimer->setInterval(20);
    linkTimer->start();
    connect(linkTimer, &QTimer::timeout, this, &SerialProcessThread::time);

    connect(toolBar, &toolWidget::serialConnect, this, &SerialProcessThread::serialConnect);
    connect(toolBar, &toolWidget::serialDisconnect, this, &SerialProcessThread::serialDisconnect);

    portTimer = new QTimer(this);
    portTimer->setInterval(2000);
    portTimer->start();
    connect(portTimer, &QTimer::timeout, this, &SerialProcessThread::timeUpdateDevice);

    fillPortList(presentPorts());
    connect(toolBar->portComboBox, &QComboBox::currentTextChanged, this,
            &SerialProcessThread::serialPortChanged);
    portName = toolBar->portComboBox->currentText();

    setSubframeHead(DLU_DOWN_SFID_PARAM_1);

    // The unit must not be left with an open port when the program ends.
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &SerialProcessThread::closePort);
}

SerialProcessThread::~SerialProcessThread()
{
    closePort();
}

void SerialProcessThread::setCommand(quint8 code)
{
    engine.setCommand(code);
}

void SerialProcessThread::setSubframeHead(quint8 id)
{
    engine.setSubframeHead(id);
}

QStringList SerialProcessThread::presentPorts() const
{
    QStringList names;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        names << info.portName();
    const QString extra = qEnvironmentVariable("VRN_EXTRA_PORTS");
    for (const QString &path : extra.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        names << path;
    // Plain code-unit order: COM10 before COM2.
    std::sort(names.begin(), names.end());
    if (extraPort)
        names << extraPort->portName();
    return names;
}

void SerialProcessThread::fillPortList(const QStringList &names)
{
    portList = names;
    QComboBox *box = toolBar->portComboBox;
    box->clear();
    for (const QString &name : names)
        box->addItem(QIcon(), name);
}

void SerialProcessThread::time()
{
    if (port) {
        const LinkFrame frame = engine.nextFrame();
        port->write(reinterpret_cast<const char *>(frame.bytes.data()), LinkFrame::Size);
    }
    engine.countTick();
}

void SerialProcessThread::timeUpdateDevice()
{
    if (engine.isLinkAlive())
        return;
    const QStringList names = presentPorts();
    if (names != portList)
        fillPortList(names);
    // A port that was lost (or never opened) while the user still wants the
    // connection: try the same name again, and start over when it opens.
    if (wantConnected && !port && openPort(connectedName)) {
        statusBar->setMessageText(tr("Port %1 is back").arg(connectedName));
        engine.startOver();
    }
}

void SerialProcessThread::serialConnect()
{
    wantConnected = true;
    connectedName = portName;
    openPort(portName);
    engine.startOver();
}

void SerialProcessThread::serialDisconnect()
{
    statusBar->setStateText(tr("Unconnected"));
    statusBar->setMessageText(QStringLiteral("--------------"));
    wantConnected = false;
    closePort();
}

void SerialProcessThread::readMyCom()
{
    if (port)
        engine.feed(port->readAll());
}

void SerialProcessThread::serialPortChanged(const QString &text)
{
    portName = text;
}

bool SerialProcessThread::openPort(const QString &name)
{
    closePort();
    if (name.isEmpty())
        return false;
    if (extraPort && name == extraPort->portName()) {
        port = extraPort->openPort(this);
        if (!port)
            return false;
    } else {
        auto *serial = new QSerialPort(this);
        serial->setPortName(name);
        serial->setBaudRate(QSerialPort::Baud115200);
        serial->setDataBits(QSerialPort::Data8);
        serial->setParity(QSerialPort::NoParity);
        serial->setStopBits(QSerialPort::OneStop);
        serial->setFlowControl(QSerialPort::NoFlowControl);
        if (!serial->open(QIODevice::ReadWrite)) {
            const QString text = openFailureText(name, serial->error(), serial->errorString());
            delete serial;
            statusBar->setMessageText(text);
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
    connect(port, &QIODevice::readyRead, this, &SerialProcessThread::readMyCom);
    engine.portOpened(name);
    // The pages stay locked until the unit's record is in: say why.
    statusBar->setMessageText(
        tr("Waiting for the unit's parameters: editing resumes once they are read"));
    return true;
}

QString SerialProcessThread::openFailureText(const QString &name, int error,
                                             const QString &reason) const
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return tr("Cannot open %1: no such port").arg(name);
    case QSerialPort::PermissionError:
        if (reason.contains(QLatin1String("lock"), Qt::CaseInsensitive))
            return tr("Cannot open %1: the port is in use by another program").arg(name);
        return tr("Cannot open %1: permission denied. Add your user to the group that owns the "
                  "device, usually \"dialout\", and log in again")
            .arg(name);
    default:
        return tr("Cannot open %1: %2").arg(name, reason);
    }
}

bool SerialProcessThread::isSimulatedUnitConnected() const
{
    return port && extraPort && connectedName == extraPort->portName();
}

QString SerialProcessThread::unitDescription() const
{
    if (!port || !engine.isLinkAlive())
        return QString();
    const QString unit = tr("%1 · firmware %2")
                             .arg(UnitModel::name(engine.deviceModel()),
                                  UnitModel::firmware(engine.firmwareVersion()));
    if (isSimulatedUnitConnected())
        return tr("%1 · %2").arg(extraPort->portName(), unit);
    return unit;
}

void SerialProcessThread::showUnit()
{
    const QString text = unitDescription();
    statusBar->setUnitText(text);
    emit unitChanged(text, !text.isEmpty() && isSimulatedUnitConnected());
}

void SerialProcessThread::portFailed(const QString &reason)
{
    const QString name = connectedName;
    closePort();
    statusBar->setMessageText(tr("Port %1 was lost: %2").arg(name, reason));
}

void SerialProcessThread::closePort()
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
