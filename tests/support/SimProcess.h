#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// vrn-sim, the simulated unit as a program of its own, on a pseudo-terminal:
// what the tests reach through a real serial port. Killed when it goes.
class SimProcess
{
public:
    SimProcess() = default;
    SimProcess(const SimProcess &) = delete;
    SimProcess &operator=(const SimProcess &) = delete;
    ~SimProcess();

    static QString executable();

    // Starts it with `args` and reads the pseudo-terminal it prints first:
    // true once that is a device (path()).
    bool start(const QStringList &args);
    // Starts it reached through the symlink `link`, answering after 1 ms,
    // with `extra` arguments: true once the link exists (path()).
    bool startLinked(const QString &link, const QStringList &extra = {});
    QString path() const { return devicePath; }

    bool running() const { return process.state() == QProcess::Running; }
    // vrn-sim handles signals from its event loop.
    void signal(int number);
    // SIGTERM: its exit code, -1 when it does not end within 5 s, -2 when it
    // crashed.
    int stop();
    // The far end goes away at once; the link goes with it.
    void kill();
    // CPU time used so far, in clock ticks.
    long cpuTicks() const;

private:
    QProcess process;
    QString devicePath;
    QString linkPath;
};
