#pragma once

#include "LinkEngine.h"
#include "PortProvider.h"

#include <QObject>
#include <QIODevice>
#include <QPointer>
#include <QStringList>

class QIODevice;
class QTimer;
class statusWidget;
class toolWidget;

// Owns the connection to the unit: keeps the tool bar's port list up to date,
// opens and closes the chosen port, sends one frame every 20 ms while a port
// is open and hands the replies to the protocol engine. Everything runs on
// the GUI event loop; nothing waits for the unit.
//
// The port list's last entry is the application's own port, if it offers
// one (the built-in simulated unit); VRN_EXTRA_PORTS
// (device paths separated by ':') adds ports the system does not enumerate,
// such as pseudo-terminals.
class SerialProcessThread : public QObject
{
    Q_OBJECT
public:
    SerialProcessThread(toolWidget *toolBar, statusWidget *statusBar,
                        PortProvider *extraPort = nullptr);
    ~SerialProcessThread() override;

    // Only store a byte; the next tick carries it.
    void setCommand(quint8 code);
    void setSubframeHead(quint8 id);

    quint8 deviceModel() const { return engine.deviceModel(); }
    quint8 firmwareVersion() const { return engine.firmwareVersion(); }

    LinkEngine &protocol() { return engine; }
    const LinkEngine &protocol() const { return engine; }
    bool isPortOpen() const { return port != nullptr; }
    QString openPortName() const { return connectedName; }
    // The port names the list shows, in order.
    QStringList portNames() const { return portList; }
    // Tests drive the tick and the refresh by hand.
    QTimer *tickTimer() const { return linkTimer; }
    QTimer *refreshTimer() const { return portTimer; }

    // What the status bar names the unit by: model and firmware, and the
    // words "Simulated unit" when it is the application's own.
    QString unitDescription() const;
    bool isSimulatedUnitConnected() const;

signals:
    void parameterChanged();
    void telemetryChanged();
    // The unit answering changed (or none answers any more).
    void unitChanged(const QString &description, bool simulated);

public slots:
    void time();
    void timeUpdateDevice();
    void serialConnect();
    void serialDisconnect();
    void readMyCom();
    void serialPortChanged(const QString &text);

private:
    QStringList presentPorts() const;
    void fillPortList(const QStringList &names);
    bool openPort(const QString &name);
    void closePort();
    void portFailed(const QString &reason);
    void showUnit();
    QString openFailureText(const QString &name, int error, const QString &reason) const;

    toolWidget *toolBar;
    statusWidget *statusBar;
    QStringList portList;
    QString portName;
    LinkEngine engine;
    QTimer *linkTimer = nullptr;
    QTimer *portTimer = nullptr;
    QPointer<QIODevice> port;
    QString connectedName; // the port the user connected, open or not
    bool wantConnected = false;
    PortProvider *extraPort;
};
