#pragma once

#include "LinkEngine.h"
#include "PortProvider.h"
#include "PortSession.h"

#include <QObject>
#include <QStringList>

class QTimer;
class statusWidget;
class toolWidget;

// The link as the window sees it: the port session (ports, opening, the
// tick, the protocol) wired to the tool bar's port list and button and to
// the status bar. It decides nothing itself; the session below it does.
//
// The port list's last entry is the application's own port, if it offers
// one (the built-in simulated unit); VRN_EXTRA_PORTS
// (device paths separated by ':') adds ports the system does not enumerate,
// such as pseudo-terminals.
class SerialProcessThread : public QObject
{
    Q_OBJECT
public:
    // `system` answers the session's questions about ports (null: the real system).
    SerialProcessThread(toolWidget *toolBar, statusWidget *statusBar,
                        PortProvider *extraPort = nullptr, PortSystem *system = nullptr);
    ~SerialProcessThread() override;

    // Only store a byte; the next tick carries it.
    void setCommand(quint8 code);
    void setSubframeHead(quint8 id);

    quint8 deviceModel() const { return session.protocol().deviceModel(); }
    quint8 firmwareVersion() const { return session.protocol().firmwareVersion(); }

    LinkEngine &protocol() { return session.protocol(); }
    const LinkEngine &protocol() const { return session.protocol(); }
    DeviceParameters &parameters() { return session.parameters(); }
    const DeviceParameters &parameters() const { return session.parameters(); }
    PortSession &portSession() { return session; }
    bool isPortOpen() const { return session.isPortOpen(); }
    QString openPortName() const { return session.openPortName(); }
    // The port names the list shows, in order.
    QStringList portNames() const { return session.portNames(); }
    // Tests drive the tick and the refresh by hand.
    QTimer *tickTimer() const { return session.tickTimer(); }
    QTimer *refreshTimer() const { return session.refreshTimer(); }

    // What the status bar names the unit by: model and firmware, and the
    // words "Simulated unit" when it is the application's own.
    QString unitDescription() const { return session.unitDescription(); }
    bool isSimulatedUnitConnected() const { return session.isSimulatedUnitConnected(); }

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
    void fillPortList();

    toolWidget *toolBar;
    statusWidget *statusBar;
    PortSession session;
};
