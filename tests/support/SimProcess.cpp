#include "SimProcess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <csignal>
#include <sys/types.h>

SimProcess::~SimProcess()
{
    kill();
}

QString SimProcess::executable()
{
    return QStringLiteral(VRN_SIM_EXECUTABLE);
}

bool SimProcess::start(const QStringList &args)
{
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(executable(), args);
    if (!process.waitForStarted(5000))
        return false;
    QElapsedTimer clock;
    clock.start();
    while (!process.canReadLine() && clock.elapsed() < 5000)
        process.waitForReadyRead(100);
    devicePath = QString::fromLocal8Bit(process.readLine()).trimmed();
    return devicePath.startsWith(QLatin1String("/dev/"));
}

bool SimProcess::startLinked(const QString &link, const QStringList &extra)
{
    linkPath = link;
    devicePath = link;
    process.start(executable(), QStringList{"--link", link, "--latency", "1"} + extra);
    return process.waitForStarted() && QTest::qWaitFor([&] { return QFile::exists(link); }, 5000);
}

void SimProcess::signal(int number)
{
    ::kill(pid_t(process.processId()), number);
}

int SimProcess::stop()
{
    signal(SIGTERM);
    if (!process.waitForFinished(5000))
        return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
}

void SimProcess::kill()
{
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(3000);
    }
    if (!linkPath.isEmpty())
        QFile::remove(linkPath);
}

long SimProcess::cpuTicks() const
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(process.processId()));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return fields.value(11).toLong() + fields.value(12).toLong(); // utime + stime
}
