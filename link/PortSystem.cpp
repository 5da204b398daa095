#include "PortSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

QString PortSystem::ruleFileName()
{
    return QStringLiteral("60-vrn-assistant.rules");
}

QStringList PortSystem::ruleFolders()
{
    return {QStringLiteral("/etc/udev/rules.d"), QStringLiteral("/usr/lib/udev/rules.d"),
            QStringLiteral("/lib/udev/rules.d")};
}

static qint64 nodeTime(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    return qint64(st.st_ctim.tv_sec) * 1000 + st.st_ctim.tv_nsec / 1000000;
}

QList<PortEntry> PortSystem::presentPorts() const
{
    QList<PortEntry> ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        ports.append({info.portName(), info.systemLocation(), info.hasVendorIdentifier(),
                      nodeTime(info.systemLocation())});
    const QString extra = qEnvironmentVariable("VRN_EXTRA_PORTS");
    for (const QString &path : extra.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        ports.append({path, path, false, nodeTime(path)});
    return ports;
}

bool PortSystem::exists(const QString &path) const
{
    return QFileInfo::exists(path);
}

bool PortSystem::canReadWrite(const QString &path) const
{
    return ::access(QFile::encodeName(path).constData(), R_OK | W_OK) == 0;
}

QString PortSystem::groupOf(const QString &path) const
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return QString();
    const struct group *g = ::getgrgid(st.st_gid);
    return g ? QString::fromLocal8Bit(g->gr_name) : QString::number(st.st_gid);
}

QString PortSystem::userName() const
{
    const struct passwd *p = ::getpwuid(::geteuid());
    return p ? QString::fromLocal8Bit(p->pw_name) : QString::number(::geteuid());
}

static bool groupId(const QString &group, gid_t *gid)
{
    const struct group *g = ::getgrnam(group.toLocal8Bit().constData());
    if (g)
        *gid = g->gr_gid;
    return g != nullptr;
}

bool PortSystem::sessionInGroup(const QString &group) const
{
    gid_t gid;
    if (!groupId(group, &gid))
        return false;
    if (::getegid() == gid)
        return true;
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(count > 0 ? count : 0);
    if (count > 0 && ::getgroups(count, groups.data()) == count)
        for (gid_t g : groups)
            if (g == gid)
                return true;
    return false;
}

bool PortSystem::accountInGroup(const QString &group) const
{
    gid_t gid;
    const struct passwd *p = ::getpwuid(::geteuid());
    if (!p || !groupId(group, &gid))
        return false;
    int count = 64;
    std::vector<gid_t> groups(count);
    if (::getgrouplist(p->pw_name, p->pw_gid, groups.data(), &count) < 0) {
        groups.resize(count);
        if (::getgrouplist(p->pw_name, p->pw_gid, groups.data(), &count) < 0)
            return false;
    }
    for (int i = 0; i < count; ++i)
        if (groups[i] == gid)
            return true;
    return false;
}

bool PortSystem::ruleInstalled() const
{
    for (const QString &folder : ruleFolders())
        if (QFileInfo::exists(folder + QLatin1Char('/') + ruleFileName()))
            return true;
    return false;
}

static QString programName(const QDir &proc, const QString &pid)
{
    QFile comm(proc.filePath(pid + QLatin1String("/comm")));
    if (!comm.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

static QStringList processIds(const QDir &proc)
{
    QStringList pids;
    for (const QString &entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool isPid = false;
        entry.toLongLong(&isPid);
        if (isPid)
            pids << entry;
    }
    return pids;
}

QStringList PortSystem::running(const QStringList &programs) const
{
    QStringList found;
    const QDir proc(QStringLiteral("/proc"));
    for (const QString &pid : processIds(proc)) {
        const QString name = programName(proc, pid);
        if (programs.contains(name) && !found.contains(name))
            found << name;
    }
    return found;
}

QList<PortHolder> PortSystem::holders(const QString &path) const
{
    QList<PortHolder> found;
    const QString node = QFileInfo(path).canonicalFilePath();
    if (node.isEmpty())
        return found;
    const QDir proc(QStringLiteral("/proc"));
    for (const QString &pid : processIds(proc)) {
        const QDir fds(proc.filePath(pid + QLatin1String("/fd")));
        for (const QString &fd : fds.entryList(QDir::System | QDir::NoDotAndDotDot)) {
            if (QFile::symLinkTarget(fds.filePath(fd)) == node) {
                found.append({pid.toLongLong(), programName(proc, pid)});
                break;
            }
        }
    }
    return found;
}
