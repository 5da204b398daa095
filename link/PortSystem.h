#pragma once

#include <QList>
#include <QString>

// A serial port as the system lists it.
struct PortEntry
{
    QString name;       // what the port list shows ("ttyUSB0", or a path)
    QString path;       // the device node ("/dev/ttyUSB0")
    bool usb = false;   // it carries a USB vendor id: an adapter a unit may hang on
    qint64 plugged = 0; // when its node appeared, ms since the epoch (0: unknown)
};

// A process that has a port open.
struct PortHolder
{
    qint64 pid = 0;
    QString name; // the program's name as the system knows it ("ModemManager")
};

// What the port session asks of the operating system: which ports there are,
// and, when one does not open, the facts that explain why. Tests put their own
// facts in its place; the plain object asks the system.
class PortSystem
{
public:
    virtual ~PortSystem() = default;

    // The device rule the package installs, and where udev looks for it.
    static QString ruleFileName();
    static QStringList ruleFolders();

    // The enumerated ports plus the paths in VRN_EXTRA_PORTS (':'-separated),
    // which the system does not enumerate (pseudo-terminals).
    virtual QList<PortEntry> presentPorts() const;
    virtual bool exists(const QString &path) const;
    // This program may read and write the node.
    virtual bool canReadWrite(const QString &path) const;
    // The group that owns the node.
    virtual QString groupOf(const QString &path) const;
    virtual QString userName() const;
    // The running program belongs to the group (this login session's groups).
    virtual bool sessionInGroup(const QString &group) const;
    // The user's account belongs to the group now (it may be newer than the session).
    virtual bool accountInGroup(const QString &group) const;
    virtual bool ruleInstalled() const;
    // Every process with the node open, found through /proc. Another user's
    // processes (ModemManager runs as root) cannot be looked into.
    virtual QList<PortHolder> holders(const QString &path) const;
    // Which of these programs run at all, whoever runs them.
    virtual QStringList running(const QStringList &programs) const;
};
