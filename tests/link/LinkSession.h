#pragma once

#include "FactorySetup.h"
#include "LinkEngine.h"
#include "ParameterBlocks.h"
#include "SimulatedUnit.h"
#include "VirtualLine.h"

#include <QDebug>
#include <QSet>
#include <QStringList>

#include <array>
#include <memory>
#include <random>

// One seeded session of a pilot at the bench: the real engine against
// simulated units on three port names, each on a line with random timing and
// faults, random actions at random ticks, then a quiet spell long enough for
// the engine's background re-read to cover the whole record. The session
// knows what the pilot wanted: every value an edit, preset or file set is the
// pilot's wish until the unit's record replaces the window for a reason the
// pilot is told (a restart, a link loss, another unit, a value the unit kept
// different). run() returns the kinds of surprise the session ended with;
// none is the only good answer.
class LinkSession
{
public:
    static constexpr int PortCount = 3;

    explicit LinkSession(quint32 seed, int ticksOfActions = 600)
        : random(seed), actionTicks(ticksOfActions)
    {
        for (int i = 0; i < PortCount; ++i) {
            ports[size_t(i)].name = QStringLiteral("ttyUSB%1").arg(i);
            plugUnit(i, false);
        }
        QObject::connect(&engine, &LinkEngine::messageText,
                         [this](const QString &t) { message(t); });
        QObject::connect(&engine, &LinkEngine::noticeText,
                         [this](const QString &t) { message(t); });
        QObject::connect(&engine, &LinkEngine::parameterChanged, [this] { refreshed(); });
        // A lost link starts over with the unit's record; the pilot sees it.
        QObject::connect(&engine, &LinkEngine::stateText, [this](const QString &t) {
            if (t == QLatin1String("Unconnected"))
                disturbed = true;
        });
        QObject::connect(&engine, &LinkEngine::downloadCompleted, [this] { downloaded(); });
    }

    QStringList run()
    {
        connectTo(0);
        for (int t = 0; t < actionTicks; ++t) {
            if (chance(0.04))
                act();
            tickOnce();
        }
        settle();
        return check();
    }

    LinkEngine &linkEngine() { return engine; }

private:
    struct Port
    {
        QString name;
        std::unique_ptr<SimulatedUnit> unit;
        std::unique_ptr<VirtualLine> line;
        DeviceParameters factory;
        int limitOffset = -1; // the unit keeps values above limit there
        qint8 limit = 0;
        int handledAtPowerUp = 0;
        int keptAtLastMessage = 0;
        bool seen = false;    // a download from this port completed
        bool swapped = false; // another unit since the pilot last saw it
        // Its last WriteFlash was not confirmed: it may have been carried out.
        bool flashInDoubt = false;
    };

    Port &port() { return ports[size_t(current)]; }
    SimulatedUnit &unit() { return *port().unit; }

    // A unit on port i: the first ones leave the factory alike; one plugged
    // in later differs in a few values the pilot never touched.
    void plugUnit(int i, bool another)
    {
        Port &p = ports[size_t(i)];
        p.unit = std::make_unique<SimulatedUnit>();
        SimulatedUnit &u = *p.unit;
        u.setSeed(quint32(random()));
        u.setClockMs(0);
        u.setModel(chance(0.5) ? SimulatedUnit::ModelX1 : SimulatedUnit::ModelA1);
        // Mostly quick, now and then a slow unit or adapter.
        u.setLatencyMs(chance(0.7) ? pick(0, 50) : pick(50, 200));
        u.setLatencyJitterMs(pick(0, 20));
        u.setBatchMs(chance(0.5) ? 16 : 0);
        u.setDropProbability(upTo(0.1));
        u.setCommandDropProbability(upTo(0.5));
        u.setCorruptProbability(upTo(0.05));
        u.setLateReplyProbability(upTo(0.1));
        u.setDuplicateProbability(upTo(0.1));
        DeviceParameters flash = FactorySetup::record();
        if (another) // in four blocks, so the pilot's edits cannot hide them all
            for (int block : {1, 3, 5, 11}) {
                const QList<int> offsets =
                    ParameterBlocks::carriedOffsets(block, ParameterBlocks::PcToUnit);
                const int offset = offsets.at(pick(0, int(offsets.size()) - 1));
                flash.setByteAt(offset, qint8(flash.byteAt(offset) ^ pick(1, 0x7F)));
            }
        u.setFlashRecord(flash);
        u.powerCycle();
        p.factory = flash;
        p.limitOffset = -1;
        if (chance(0.5)) {
            p.limitOffset = randomCarriedOffset();
            p.limit = qint8(qMax<int>(flash.byteAt(p.limitOffset), pick(0, 90)));
            u.setFieldLimit(p.limitOffset, p.limit);
        }
        p.line = std::make_unique<VirtualLine>(engine, u);
        p.handledAtPowerUp = 0;
        p.keptAtLastMessage = 0;
        p.swapped = another;
        p.flashInDoubt = false;
    }

    void tickOnce()
    {
        if (silentTicks > 0 && --silentTicks == 0) {
            if (restartAfterSilence)
                powerCycle();
            unit().setSilent(false);
        }
        if (restartArmed && connected && restartDue()) {
            restartArmed = false;
            powerCycle();
        }
        if (!connected && reconnectIn >= 0 && --reconnectIn < 0)
            connectTo(nextPort);
        ++tick;
        if (connected)
            port().line->tick();
        else
            engine.countTick();
        // A unit that answered for more than a second after its start must
        // have been told to cut the motor.
        if (connected && !unit().motorCut() &&
            unit().framesHandled() - port().handledAtPowerUp > 60) {
            if (!motorRan && qEnvironmentVariableIsSet("VRN_SESSION_TRACE"))
                qWarning() << "motor runs: alive" << engine.isLinkAlive() << "command"
                           << engine.command() << "exchange" << int(engine.exchange())
                           << "flash pending" << engine.isCommandPending(CMD_SAVE_FLASH)
                           << "fail-safe pending" << engine.isCommandPending(CMD_SET_FAIL_PROTECT)
                           << "modes" << engine.isCommandPending(CMD_RUN_PID)
                           << engine.isCommandPending(CMD_CUT_PID);
            motorRan = true;
        }
    }

    bool restartDue() const
    {
        switch (restartDuring) {
        case 0:
            return engine.exchange() == LinkEngine::Exchange::Upload;
        case 1:
            return engine.exchange() == LinkEngine::Exchange::ReadBack;
        default:
            return engine.isCommandPending(CMD_SAVE_FLASH);
        }
    }

    void settle()
    {
        restartArmed = false;
        if (!connected)
            connectTo(chance(0.5) ? nextPort : pick(0, PortCount - 1));
        for (int t = 0; t < 900; ++t)
            tickOnce();
    }

    void act()
    {
        switch (pick(0, 14)) {
        case 0:
        case 1:
        case 2:
        case 3:
            edit(1);
            break;
        case 4:
            edit(pick(4, 12));
            break; // a preset or a loaded file
        case 5:
        case 6:
            press(CMD_SAVE_FLASH, flashPresses);
            break;
        case 7:
            press(CMD_SET_FAIL_PROTECT, failSafePresses);
            break;
        case 8:
            engine.setSubframeHead(chance(0.5) ? DLU_UP_SFID_TELEMETRY_1 : DLU_SFID_IDLE);
            engine.setCommand(chance(0.5) ? CMD_CUT_PID : CMD_RUN_PID);
            break;
        case 9:
            if (connected)
                powerCycle(); // quicker than the watchdog
            break;
        case 10:
            // During the next upload, read-back or WriteFlash.
            restartArmed = true;
            restartDuring = pick(0, 2);
            break;
        case 11:
            if (connected && silentTicks == 0) {
                unit().setSilent(true);
                disturbed = true;
                silentTicks = pick(55, 90);
                restartAfterSilence = chance(0.5);
            }
            break;
        case 12:
        case 13:
            if (connected) {
                disconnect();
                nextPort = pick(0, PortCount - 1);
                reconnectIn = chance(0.3) ? -1 : pick(0, 40);
            } else {
                connectTo(pick(0, PortCount - 1));
            }
            break;
        case 14: {
            // A unit unplugged from an adapter the pilot is not using, and
            // another plugged in.
            const int i = pick(0, PortCount - 1);
            if (connected && i == current)
                break;
            note(QStringLiteral("> another unit on %1").arg(i));
            plugUnit(i, true);
            break;
        }
        }
    }

    void powerCycle()
    {
        note(QStringLiteral("> restart"));
        unit().powerCycle();
        port().handledAtPowerUp = unit().framesHandled();
        disturbed = true;
    }

    void connectTo(int i)
    {
        if (connected)
            disconnect();
        note(QStringLiteral("> connect %1").arg(i));
        current = i;
        connected = true;
        reconnectIn = -1;
        disturbed = true;
        expectAnother = port().swapped && port().seen;
        announcedAnother = false;
        // As the link does: the port opens, then motor cut and a download.
        engine.portOpened(port().name);
        engine.startOver();
    }

    void disconnect()
    {
        if (silentTicks > 0) {
            silentTicks = 0;
            if (restartAfterSilence)
                powerCycle();
            unit().setSilent(false);
        }
        note(QStringLiteral("> disconnect"));
        engine.portClosed();
        port().line->dropReplies();
        connected = false;
    }

    int randomCarriedOffset()
    {
        const int block = ParameterBlocks::Blocks[size_t(pick(0, 7))];
        const QList<int> offsets =
            ParameterBlocks::carriedOffsets(block, ParameterBlocks::PcToUnit);
        return offsets.at(pick(0, int(offsets.size()) - 1));
    }

    void edit(int fields)
    {
        // The pages are locked while the unit's record is on its way; the
        // pilot edits only with a unit connected.
        if (!connected || !engine.isEditingAllowed())
            return;
        for (int i = 0; i < fields; ++i) {
            const int offset = randomCarriedOffset();
            const qint8 value = qint8(pick(-100, 100));
            note(QStringLiteral("> edit %1 = %2").arg(offset).arg(value));
            record.setByteAt(offset, value);
            wish.setByteAt(offset, value);
            written.insert(offset);
        }
        engine.setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    }

    void press(quint8 code, int &presses)
    {
        if (engine.isPortOpen() && !engine.isCommandPending(code))
            ++presses;
        note(QStringLiteral("> command %1").arg(code));
        engine.setCommand(code);
    }

    // What the connected unit keeps when the pilot wants `value` at offset.
    qint8 kept(int offset, qint8 value)
    {
        return offset == port().limitOffset && value > port().limit ? port().limit : value;
    }

    void note(const QString &event)
    {
        if (tracing)
            log << QStringLiteral("%1 #%2").arg(event).arg(tick);
    }

    void message(const QString &t)
    {
        messages << t;
        note(t);
        if (t == QLatin1String("Write flash successfully"))
            port().flashInDoubt = false;
        if (t.startsWith(QLatin1String("Write flash was not confirmed")))
            port().flashInDoubt = true;
        if (t.contains(QLatin1String("kept different values"))) {
            if (!connected || unit().keptDifferentCount() <= port().keptAtLastMessage)
                found << QStringLiteral("\"kept different values\" while the unit kept none");
            adoptWindow = true;
            if (connected)
                port().keptAtLastMessage = unit().keptDifferentCount();
        }
        if (t.startsWith(QLatin1String("Another unit"))) {
            if (!expectAnother)
                found << QStringLiteral("\"Another unit\" for the same unit");
            announcedAnother = true;
        }
    }

    // The window took what the unit kept; the pilot was told.
    void refreshed()
    {
        ++refreshes;
        if (adoptWindow)
            wish = record;
        adoptWindow = false;
    }

    void downloaded()
    {
        if (!disturbed) {
            for (int offset = 0; offset < DeviceParameters::Size; ++offset)
                if (carried(offset) && record.byteAt(offset) != kept(offset, wish.byteAt(offset))) {
                    found << QStringLiteral("a download threw away the pilot's edits");
                    break;
                }
        }
        if (expectAnother && !announcedAnother)
            found << QStringLiteral("another unit on a used port, and nothing said");
        expectAnother = false;
        // A restart while the download ran leaves a record the unit no
        // longer holds; the re-read finds it.
        if (sameCarried(record, unit().workingRecord()))
            disturbed = false;
        wish = record;
        if (connected) {
            port().seen = true;
            port().swapped = false;
        }
    }

    QStringList check()
    {
        const DeviceParameters &working = unit().workingRecord();
        if (!sameCarried(record, working))
            found << QStringLiteral("the window disagrees with the unit");
        for (int offset = 0; offset < DeviceParameters::Size; ++offset)
            if (carried(offset) && working.byteAt(offset) != kept(offset, wish.byteAt(offset))) {
                found << QStringLiteral("the unit does not hold the pilot's last wish");
                break;
            }
        for (const Port &p : ports)
            for (int offset = 0; offset < DeviceParameters::Size; ++offset) {
                if (written.contains(offset) || !carried(offset))
                    continue;
                if (p.unit->workingRecord().byteAt(offset) != p.factory.byteAt(offset) ||
                    p.unit->flashRecord().byteAt(offset) != p.factory.byteAt(offset)) {
                    found << QStringLiteral("the unit changed a value nobody edited");
                    break;
                }
            }
        // A WriteFlash whose answer was lost may have been carried out: then
        // the warning may stay on the safe side, but never the other way.
        const bool differs = !sameCarried(working, unit().flashRecord());
        if (engine.hasChangesNotInFlash() != differs &&
            !(engine.hasChangesNotInFlash() && port().flashInDoubt))
            found << QStringLiteral("\"Not written to flash\" is wrong");
        // What the compare view shows as the flash ("what a power cycle would
        // lose") is what the unit's flash holds, whenever the link claims to
        // know it.
        if (const std::optional<DeviceParameters> flash = engine.knownFlash();
            flash && !port().flashInDoubt && !sameCarried(*flash, unit().flashRecord()))
            found << QStringLiteral("the flash as known is not the unit's flash");
        if (outcomes(QStringLiteral("Write flash successfully"), QStringLiteral("WriteFlash")) !=
                flashPresses ||
            engine.isCommandPending(CMD_SAVE_FLASH))
            found << QStringLiteral("a WriteFlash ended without its outcome");
        if (outcomes(QStringLiteral("Fail safe set: the unit holds the current stick and switch "
                                    "positions if the signal is lost"),
                     QStringLiteral("Set Fail Safe")) != failSafePresses ||
            engine.isCommandPending(CMD_SET_FAIL_PROTECT))
            found << QStringLiteral("a fail-safe ended without its outcome");
        if (motorRan)
            found << QStringLiteral("the unit ran with its motor enabled");
        int completed = 0;
        bool started = false;
        for (const QString &m : std::as_const(messages)) {
            if (m == QLatin1String("Download Parameters Now..."))
                started = true;
            if (m != QLatin1String("Download Parameters Completely"))
                continue;
            if (!started)
                found << QStringLiteral("\"Download Parameters Completely\" without a download");
            started = false;
            ++completed;
        }
        if (refreshes !=
            completed + int(messages.filter(QStringLiteral("kept different values")).size()))
            found << QStringLiteral("the pages refreshed without a download");
        found.removeDuplicates();
        if (qEnvironmentVariableIsSet("VRN_SESSION_TRACE"))
            qWarning().noquote() << log.join(QLatin1Char('\n')) << "\nnotInFlash"
                                 << engine.hasChangesNotInFlash() << "written" << written
                                 << "unit-vs-flash"
                                 << ParameterBlocks::differingFields(working, unit().flashRecord())
                                 << "pc-vs-unit"
                                 << ParameterBlocks::differingFields(record, working)
                                 << "wish-vs-unit"
                                 << ParameterBlocks::differingFields(wish, working);
        return found;
    }

    // Successes plus the "not confirmed" notices that name the button.
    int outcomes(const QString &success, const QString &button) const
    {
        int n = 0;
        for (const QString &m : messages)
            n += (m == success ||
                  (m.contains(QLatin1String("not confirmed")) && m.contains(button)));
        return n;
    }

    static bool carried(int offset)
    {
        static const QSet<int> offsets = [] {
            QSet<int> all;
            for (int block : ParameterBlocks::Blocks)
                for (int o : ParameterBlocks::carriedOffsets(block, ParameterBlocks::PcToUnit))
                    all.insert(o);
            return all;
        }();
        return offsets.contains(offset);
    }
    static bool sameCarried(const DeviceParameters &a, const DeviceParameters &b)
    {
        return ParameterBlocks::differingFields(a, b) == 0;
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    double upTo(double p)
    {
        return chance(0.5) ? std::uniform_real_distribution<double>(0, p)(random) : 0.0;
    }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random) < p; }

    std::mt19937 random;
    int actionTicks;
    DeviceParameters record;
    LinkEngine engine{record};
    std::array<Port, PortCount> ports;
    int current = 0;
    bool connected = false;
    int nextPort = 0;
    int reconnectIn = -1;
    DeviceParameters wish;
    bool disturbed = true; // the unit's record may replace the window
    bool adoptWindow = false;
    bool expectAnother = false;
    bool announcedAnother = false;
    bool motorRan = false;
    QSet<int> written;
    QStringList messages;
    QStringList found;
    const bool tracing = qEnvironmentVariableIsSet("VRN_SESSION_TRACE");
    QStringList log;
    int tick = 0;
    int refreshes = 0;
    int flashPresses = 0;
    int failSafePresses = 0;
    int silentTicks = 0;
    bool restartAfterSilence = false;
    bool restartArmed = false;
    int restartDuring = 0;
};
