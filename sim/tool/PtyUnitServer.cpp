#include "PtyUnitServer.h"

#include "FlashFile.h"
#include "SimulatedUnit.h"

#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace {

// The PC sends every 20 ms; this long without a byte means it went away.
constexpr int QuietMs = 500;
// Replies the PC has not taken beyond this are thrown away, not queued.
constexpr int MaxOutgoing = 4096;
constexpr int ReadRetryMs = 200;

QByteArray recordBytes(const DeviceParameters &record)
{
    return QByteArray(reinterpret_cast<const char *>(record.bytes()), DeviceParameters::Size);
}

} // namespace

PtyUnitServer::PtyUnitServer(SimulatedUnit *simulated, QObject *parent)
    : QObject(parent), unit(simulated)
{
    quietTimer.setSingleShot(true);
    quietTimer.setInterval(QuietMs);
    connect(&quietTimer, &QTimer::timeout, this, &PtyUnitServer::pcWentQuiet);
    connect(unit, &SimulatedUnit::flashWritten, this, &PtyUnitServer::saveFlash);
    connect(unit, &SimulatedUnit::exchanged, this,
            [this](const LinkFrame &request, const LinkFrame &reply,
                   SimulatedUnit::Outcome outcome) { log.logExchange(request, reply, outcome); });
}

bool PtyUnitServer::open()
{
    if (!terminal.open()) {
        error = terminal.errorString();
        return false;
    }
    readNotifier = new QSocketNotifier(terminal.masterFd(), QSocketNotifier::Read, this);
    connect(readNotifier, &QSocketNotifier::activated, this, &PtyUnitServer::readFromPc);
    writeNotifier = new QSocketNotifier(terminal.masterFd(), QSocketNotifier::Write, this);
    writeNotifier->setEnabled(false);
    connect(writeNotifier, &QSocketNotifier::activated, this, &PtyUnitServer::writePending);
    return true;
}

bool PtyUnitServer::useFlashFile(const QString &path)
{
    flashPath = path;
    if (const auto stored = FlashFile::load(path)) {
        unit->setFlashRecord(*stored);
        unit->powerCycle();
        savedFlash = recordBytes(*stored);
        return true;
    }
    if (QFileInfo::exists(path)) {
        // Never overwrite something that is not a flash image of ours.
        error =
            QStringLiteral("%1 is not a %2-byte flash image").arg(path).arg(DeviceParameters::Size);
        return false;
    }
    saveFlash();
    return error.isEmpty();
}

bool PtyUnitServer::useLog(const QString &path)
{
    if (log.open(path))
        return true;
    error = QStringLiteral("cannot open log %1: %2").arg(path, log.errorString());
    return false;
}

void PtyUnitServer::readFromPc()
{
    char buffer[4096];
    const ssize_t n = ::read(terminal.masterFd(), buffer, sizeof buffer);
    if (n > 0) {
        quietTimer.start();
        const QByteArray replies = unit->receive(QByteArray(buffer, int(n)));
        if (replies.isEmpty())
            return;
        if (!clock.isValid())
            clock.start();
        const qint64 now = clock.elapsed();
        const qint64 delay = unit->replyDueMs(now) - now;
        if (delay <= 0)
            sendToPc(replies);
        else
            QTimer::singleShot(int(delay), Qt::PreciseTimer, this,
                               [this, replies] { sendToPc(replies); });
        return;
    }
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    // EIO or end of file: no slave side for the moment. Look again later
    // rather than spinning on a descriptor that stays readable.
    readNotifier->setEnabled(false);
    QTimer::singleShot(ReadRetryMs, this, &PtyUnitServer::resumeReading);
}

void PtyUnitServer::resumeReading()
{
    readNotifier->setEnabled(true);
}

void PtyUnitServer::sendToPc(const QByteArray &bytes)
{
    if (outgoing.size() + bytes.size() > MaxOutgoing)
        return;
    outgoing += bytes;
    writePending();
}

void PtyUnitServer::writePending()
{
    while (!outgoing.isEmpty()) {
        const ssize_t n =
            ::write(terminal.masterFd(), outgoing.constData(), size_t(outgoing.size()));
        if (n > 0) {
            outgoing.remove(0, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    writeNotifier->setEnabled(!outgoing.isEmpty());
}

void PtyUnitServer::pcWentQuiet()
{
    outgoing.clear();
    writeNotifier->setEnabled(false);
    terminal.discardUnreadReplies();
}

void PtyUnitServer::saveFlash()
{
    if (flashPath.isEmpty())
        return;
    const QByteArray now = recordBytes(unit->flashRecord());
    if (now == savedFlash)
        return;
    if (!FlashFile::save(flashPath, unit->flashRecord())) {
        error = QStringLiteral("cannot write flash file %1").arg(flashPath);
        std::fprintf(stderr, "vrn-sim: %s\n", qPrintable(error));
        return;
    }
    error.clear();
    savedFlash = now;
}

void PtyUnitServer::powerCycle()
{
    unit->powerCycle();
    log.note(QStringLiteral("power cycle"));
    std::fprintf(stderr, "vrn-sim: power cycle\n");
}

void PtyUnitServer::toggleSilence()
{
    unit->setSilent(!unit->isSilent());
    const char *state = unit->isSilent() ? "silent" : "answering";
    log.note(QString::fromLatin1(state));
    std::fprintf(stderr, "vrn-sim: %s\n", state);
}
