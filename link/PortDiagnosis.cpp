#include "PortDiagnosis.h"

#include "PortSystem.h"

#include <QSerialPort>

PortDiagnosis::Cause PortDiagnosis::cause(const PortSystem &system, const QString &path, int error)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return Cause::Gone;
    case QSerialPort::PermissionError:
        // The library reports a refused open and a lock held by another
        // program with the same code; the node's access tells them apart.
        if (!system.exists(path))
            return Cause::Gone;
        return system.canReadWrite(path) ? Cause::Busy : Cause::PermissionDenied;
    default:
        return Cause::Other;
    }
}

PortDiagnosis::Text PortDiagnosis::explain(const PortSystem &system, const QString &name,
                                           const QString &path, int error, const QString &reason)
{
    switch (cause(system, path, error)) {
    case Cause::Gone:
        return {tr("Cannot open %1: unplugged").arg(name),
                tr("%1 is no longer there: the unit was unplugged, or its adapter was reset. "
                   "Plug it in again; the port list follows within a second.")
                    .arg(path)};
    case Cause::PermissionDenied:
        return permissionDenied(system, name, path);
    case Cause::Busy:
        return busy(system, name, path);
    case Cause::Other:
        break;
    }
    return {tr("Cannot open %1: %2").arg(name, reason), QString()};
}

PortDiagnosis::Text PortDiagnosis::permissionDenied(const PortSystem &system, const QString &name,
                                                    const QString &path)
{
    const QString group = system.groupOf(path);
    const QString user = system.userName();
    const QString summary = tr("Cannot open %1: permission denied").arg(name);
    const QString fix = tr("The one command that fixes it for good (then log out and in again):\n"
                           "    sudo usermod -aG %1 %2")
                            .arg(group, user);
    QStringList lines;
    if (group.isEmpty() || group == QLatin1String("root")) {
        // Joining the administrator's group is no fix to offer.
        lines << tr("%1 is for the administrator (root) alone. Ask whoever looks after this "
                    "computer to give serial ports to the group \"dialout\", or to install the "
                    "vrn-assistant package, whose device rule gives them to whoever sits at it.")
                     .arg(path);
        return {summary, lines.join(QLatin1String("\n\n"))};
    }
    if (system.sessionInGroup(group)) {
        lines << tr("%1 belongs to the group \"%2\", and you are in it, yet the system refuses "
                    "you the port: its permissions were changed. Unplug the unit and plug it in "
                    "again; if it still fails, this shows who may use it:\n    ls -l %1")
                     .arg(path, group);
        return {summary, lines.join(QLatin1String("\n\n"))};
    }
    if (system.accountInGroup(group)) {
        lines << tr("%1 belongs to the group \"%2\". Your user \"%3\" was added to that group "
                    "after this login began, so it does not count yet: log out and in again "
                    "(or restart the computer), then connect.")
                     .arg(path, group, user);
        return {summary, lines.join(QLatin1String("\n\n"))};
    }
    lines << tr("%1 belongs to the group \"%2\", and your user \"%3\" is not in it.")
                 .arg(path, group, user);
    if (system.ruleInstalled())
        lines << tr("The assistant's device rule, which gives whoever sits at this computer "
                    "access to USB-serial adapters, is installed but was not applied to this "
                    "port: the adapter was plugged in before the rule was installed, or you are "
                    "not logged in at this computer's own screen. Unplug the unit and plug it in "
                    "again.");
    else
        lines << tr("The assistant's device rule, which gives whoever sits at this computer "
                    "access to USB-serial adapters, is not installed; it comes with the "
                    "vrn-assistant package.");
    lines << fix;
    return {summary, lines.join(QLatin1String("\n\n"))};
}

PortDiagnosis::Text PortDiagnosis::busy(const PortSystem &system, const QString &name,
                                        const QString &path)
{
    QList<PortHolder> holders = system.holders(path);
    // The usual takers run as root, where this user cannot look: name the
    // one that runs, if one does.
    QString summary;
    if (holders.isEmpty()) {
        const QStringList suspects =
            system.running({QStringLiteral("ModemManager"), QStringLiteral("brltty")});
        if (!suspects.isEmpty()) {
            holders.append({0, suspects.first()});
            summary = tr("Cannot open %1: in use, most likely by %2").arg(name, suspects.first());
        }
    }
    if (holders.isEmpty())
        return {tr("Cannot open %1: the port is in use by another program").arg(name),
                tr("Another program holds %1 open, one this user may not look into (it runs "
                   "as another user or as root). This command names it:\n    sudo lsof %1\n\n"
                   "Close that program, then connect again.")
                    .arg(path)};
    const PortHolder &holder = holders.first();
    if (summary.isEmpty())
        summary = tr("Cannot open %1: in use by %2").arg(name, holder.name);
    if (holder.name == QLatin1String("ModemManager"))
        return {summary,
                tr("ModemManager, the mobile-modem service, is probing %1 as if the unit were "
                   "a modem. It lets go after a few seconds: connect again then. The "
                   "assistant's device rule keeps it away from USB-serial adapters; without the "
                   "rule, or if you have no mobile modem, stop it for good:\n"
                   "    sudo systemctl disable --now ModemManager")
                    .arg(path)};
    if (holder.name.startsWith(QLatin1String("brltty")))
        return {summary,
                tr("brltty, the Braille display service, has taken %1: it claims the "
                   "USB-serial chips many units use. Unless you use a Braille display, remove "
                   "it:\n    sudo apt remove brltty\nthen unplug the unit and plug it in again.")
                    .arg(path)};
    return {summary, tr("%1 (process %2) holds %3 open. Close it, or end it with:\n"
                        "    kill %2\nthen connect again.")
                         .arg(holder.name, QString::number(holder.pid), path)};
}
