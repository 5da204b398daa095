#pragma once

#include "LinkEngine.h"
#include "PortProvider.h"
#include "PortSystem.h"

#include <QIODevice>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <memory>

class QTimer;

// The connection to the unit below the window: the list of ports in the order
// a pilot wants them, opening, reopening and closing the chosen one, the 20 ms
// tick that carries the protocol's frames, why a port did not open, and
// connecting by itself when a unit's adapter is plugged in. Qt Core and the
// serial library only: the window shows what it reports and asks it to act.
//
// Port order: ports with a USB vendor id first, the most recently plugged one
// at the top; then the others (motherboard and virtual ports) by name; the
// application's own port (the simulated unit) last.
//
// Connecting by itself: a USB port that appears while no port is wanted
// connected is given one refresh to settle (udev is still setting its owner
// and access), then asked for; if no valid frame comes within three seconds
// it is let go again with a notice. A port the pilot has just disconnected is
// left alone for a while, and nothing happens while the unit on the last port
// holds changes not written to flash: the pilot decides about those.
class PortSession : public QObject
{
    Q_OBJECT
public:
    // Ticks after the pilot's Disconnect during which the same port is not
    // connected by itself (10 s).
    static constexpr int PilotQuietTicks = 500;
    static constexpr int RefreshIntervalMs = 1000;

    // `system` may be null (the real system); otherwise it outlives the session.
    explicit PortSession(PortProvider *extraPort = nullptr, PortSystem *system = nullptr,
                         QObject *parent = nullptr);
    ~PortSession() override;

    // USB ports newest first, then the rest by plain code-unit order (COM10
    // before COM2). The application's own port is not in `ports`.
    static QList<PortEntry> ordered(QList<PortEntry> ports);

    LinkEngine &protocol() { return engine; }
    const LinkEngine &protocol() const { return engine; }
    // The record the link keeps in step with the unit; pages, tool bar and
    // files all work on this one.
    DeviceParameters &parameters() { return record; }
    const DeviceParameters &parameters() const { return record; }
    bool isPortOpen() const { return port != nullptr; }
    bool isConnectionWanted() const { return wantConnected; }
    // The port the pilot (or the session itself) connected, open or not.
    QString openPortName() const { return connectedName; }
    // The ports last listed, in order; the application's own port last with
    // no path.
    QList<PortEntry> ports() const { return portList; }
    QStringList portNames() const;
    // The entry the list should show as chosen after the last refill.
    int preselected() const { return preselectedIndex; }
    QString selectedPort() const { return portName; }
    QTimer *tickTimer() const { return linkTimer; }
    QTimer *refreshTimer() const { return portTimer; }

    bool autoConnect() const { return autoConnectOn; }
    void setAutoConnect(bool on) { autoConnectOn = on; }
    // The current connection was made by the session and no unit answered yet.
    bool isTryingPluggedPort() const { return automatic; }

    QString unitDescription() const;
    bool isSimulatedUnitConnected() const;

signals:
    void portListChanged();
    void stateText(const QString &text);
    void messageText(const QString &text);
    // A text the pilot must read; `details` is the whole explanation, if any.
    void noticeText(const QString &text, const QString &details);
    void unitChanged(const QString &description, bool simulated);
    // The session wants a connection made or ended as if the pilot had
    // pressed the button; whoever shows the button does it.
    void connectRequested(const QString &name);
    void disconnectRequested();

public slots:
    void tick();
    void refresh();
    void connectPort();
    void disconnectPort();
    void readPort();
    void selectPort(const QString &name);

private:
    QList<PortEntry> presentPorts() const;
    void fillPortList(const QList<PortEntry> &entries, const QString &preferred);
    // The pilot's Connect (or the session's own) is answered with a notice
    // when the port does not open; reopening a lost port is not.
    enum Attempt
    {
        Asked,
        Retry
    };
    bool openPort(const QString &name, Attempt attempt);
    void closePort();
    void portFailed(const QString &reason);
    void showUnit();
    void openFailed(const QString &name, const QString &path, int error, const QString &reason,
                    Attempt attempt);
    void considerPlugged(const QStringList &appeared);
    bool mayConnectByItself(const QString &name) const;
    void letGo(const QString &notice);
    void answerMissing();

    std::unique_ptr<PortSystem> ownSystem;
    PortSystem *system;
    PortProvider *extraPort;
    // The link's record: declared before the engine that refers to it.
    DeviceParameters record;
    LinkEngine engine{record};
    QTimer *linkTimer = nullptr;
    QTimer *portTimer = nullptr;
    QPointer<QIODevice> port;
    QList<PortEntry> portList;
    int preselectedIndex = -1;
    QString portName;      // the port to open
    QString connectedName; // the port connected, open or not
    bool wantConnected = false;

    bool autoConnectOn = true;
    bool automatic = false;        // this connection was the session's own idea
    bool lettingGo = false;        // the disconnect under way is the session's own
    QString pending;               // asked to connect, not yet connected
    QString settling;              // plugged in, waiting one refresh
    QStringList known;             // USB ports seen at the last refresh
    bool unseenWhileAlive = false; // refreshes skipped while a unit answered
    QString pilotDropped;          // the port the pilot last disconnected
    quint32 ticks = 0;
    quint32 droppedAt = 0;
};
