#pragma once

#include "FrameLog.h"
#include "PseudoTerminal.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QSocketNotifier;
class SimulatedUnit;

// Runs a simulated unit on a pseudo-terminal: bytes the PC writes reach the
// unit, its replies go back after the unit's latency. A written flash is
// kept in a file when one is given.
class PtyUnitServer : public QObject
{
    Q_OBJECT
public:
    PtyUnitServer(SimulatedUnit *unit, QObject *parent = nullptr);

    bool open();
    QString devicePath() const { return terminal.slavePath(); }
    QString errorString() const { return error; }

    // Flash file: loaded now (a missing file is created from the unit's
    // flash), written again after every CMD_SAVE_FLASH that changed it.
    bool useFlashFile(const QString &path);
    bool useLog(const QString &path);

    void powerCycle();
    void toggleSilence();

private:
    void readFromPc();
    void sendToPc(const QByteArray &bytes);
    void writePending();
    void pcWentQuiet();
    void saveFlash();
    void resumeReading();

    SimulatedUnit *unit;
    PseudoTerminal terminal;
    FrameLog log;
    QSocketNotifier *readNotifier = nullptr;
    QSocketNotifier *writeNotifier = nullptr;
    QByteArray outgoing;
    QTimer quietTimer;
    QElapsedTimer clock; // reply due times
    QString flashPath;
    QByteArray savedFlash;
    QString error;
};
