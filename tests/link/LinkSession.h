#pragma once

#include "LinkEngine.h"
#include "ParameterBlocks.h"
#include "SimulatedUnit.h"
#include "VirtualLine.h"

#include <QDebug>
#include <QSet>
#include <QStringList>

#include <random>

// One seeded session of a pilot at the bench: the real engine against the
// simulated unit on a line with random timing and faults, random actions at
// random ticks, then a quiet spell long enough for the engine's background
// re-read to cover the whole record. run() returns the kinds of surprise the
// session ended with; none is the only good answer.
class LinkSession
{
public:
    explicit LinkSession(quint32 seed, int ticksOfActions = 600)
        : random(seed), actionTicks(ticksOfActions)
    {
        unit.setSeed(seed);
        unit.setClockMs(0);
        unit.setModel(chance(0.5) ? SimulatedUnit::ModelX1 : SimulatedUnit::ModelA1);
        unit.setLatencyMs(pick(0, 50));
        unit.setLatencyJitterMs(pick(0, 10));
        unit.setBatchMs(chance(0.5) ? 16 : 0);
        unit.setDropProbability(upTo(0.1));
        unit.setCorruptProbability(upTo(0.05));
        unit.setLateReplyProbability(upTo(0.1));
        unit.setDuplicateProbability(upTo(0.1));
        factory = unit.flashRecord();
        QObject::connect(&engine, &LinkEngine::messageText,
                         [this](const QString &t) { messages << t; });
        QObject::connect(&engine, &LinkEngine::noticeText,
                         [this](const QString &t) { messages << t; });
        QObject::connect(&engine, &LinkEngine::parameterChanged, [this] { ++refreshes; });
    }

    QStringList run()
    {
        engine.portOpened(QStringLiteral("unit"));
        engine.startOver();
        for (int t = 0; t < actionTicks; ++t) {
            if (chance(0.04))
                act();
            tickOnce();
        }
        settle();
        return check();
    }

    LinkEngine &linkEngine() { return engine; }
    SimulatedUnit &simulatedUnit() { return unit; }

private:
    void tickOnce()
    {
        if (silentTicks > 0 && --silentTicks == 0) {
            if (restartAfterSilence)
                unit.powerCycle();
            unit.setSilent(false);
        }
        line.tick();
    }

    void settle()
    {
        for (int t = 0; t < 800; ++t)
            tickOnce();
    }

    void act()
    {
        switch (pick(0, 9)) {
        case 0:
        case 1:
        case 2:
            edit(1);
            break;
        case 3:
            edit(pick(4, 12));
            break; // a preset or a loaded file
        case 4:
            press(CMD_SAVE_FLASH, flashPresses);
            break;
        case 5:
            press(CMD_SET_FAIL_PROTECT, failSafePresses);
            break;
        case 6:
            engine.setSubframeHead(chance(0.5) ? DLU_UP_SFID_TELEMETRY_1 : DLU_SFID_IDLE);
            engine.setCommand(chance(0.5) ? CMD_CUT_PID : CMD_RUN_PID);
            break;
        case 7:
            unit.powerCycle();
            break; // quicker than the watchdog
        case 8:
        case 9:
            if (silentTicks == 0) {
                unit.setSilent(true);
                silentTicks = pick(55, 90);
                restartAfterSilence = chance(0.5);
            }
            break;
        }
    }

    void edit(int fields)
    {
        // The pages are locked while the unit's record is on its way.
        if (!engine.isEditingAllowed())
            return;
        for (int i = 0; i < fields; ++i) {
            const int block = ParameterBlocks::Blocks[size_t(pick(0, 7))];
            const QList<int> offsets =
                ParameterBlocks::carriedOffsets(block, ParameterBlocks::PcToUnit);
            const int offset = offsets.at(pick(0, int(offsets.size()) - 1));
            record.setByteAt(offset, qint8(pick(-100, 100)));
            written.insert(offset);
        }
        engine.setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    }

    void press(quint8 code, int &presses)
    {
        if (!engine.isCommandPending(code))
            ++presses;
        engine.setCommand(code);
    }

    QStringList check() const
    {
        QStringList found;
        if (!sameCarried(record, unit.workingRecord()))
            found << QStringLiteral("the window disagrees with the unit");
        for (int offset = 0; offset < DeviceParameters::Size; ++offset) {
            if (written.contains(offset) || !carried(offset))
                continue;
            if (unit.workingRecord().byteAt(offset) != factory.byteAt(offset) ||
                unit.flashRecord().byteAt(offset) != factory.byteAt(offset)) {
                found << QStringLiteral("the unit changed a value nobody edited");
                break;
            }
        }
        // A WriteFlash whose answer was lost may have been carried out: then
        // the warning may stay on the safe side, but never the other way.
        const bool differs = !sameCarried(unit.workingRecord(), unit.flashRecord());
        if (engine.hasChangesNotInFlash() != differs &&
            !(engine.hasChangesNotInFlash() && flashInDoubt()))
            found << QStringLiteral("\"Not written to flash\" is wrong");
        if (outcomes(QStringLiteral("Write flash successfully"), QStringLiteral("WriteFlash")) !=
                flashPresses ||
            engine.isCommandPending(CMD_SAVE_FLASH))
            found << QStringLiteral("a WriteFlash ended without its outcome");
        if (outcomes(QStringLiteral("Fail safe set: the unit holds the current stick and switch positions if the signal is lost"),
                     QStringLiteral("Set Fail Safe")) != failSafePresses)
            found << QStringLiteral("a fail-safe ended without its outcome");
        int completed = 0;
        bool started = false;
        for (const QString &m : messages) {
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
            qWarning() << messages << "\nnotInFlash" << engine.hasChangesNotInFlash() << "written"
                       << written << "unit-vs-flash"
                       << ParameterBlocks::differingFields(unit.workingRecord(), unit.flashRecord())
                       << "pc-vs-unit"
                       << ParameterBlocks::differingFields(record, unit.workingRecord());
        return found;
    }

    bool flashInDoubt() const
    {
        for (auto m = messages.crbegin(); m != messages.crend(); ++m) {
            if (*m == QLatin1String("Write flash successfully"))
                return false;
            if (m->startsWith(QLatin1String("Write flash was not confirmed")))
                return true;
        }
        return false;
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
        for (int block : ParameterBlocks::Blocks)
            if (ParameterBlocks::carriedOffsets(block, ParameterBlocks::PcToUnit).contains(offset))
                return true;
        return false;
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
    SimulatedUnit unit;
    VirtualLine line{engine, unit};
    DeviceParameters factory;
    QSet<int> written;
    QStringList messages;
    int refreshes = 0;
    int flashPresses = 0;
    int failSafePresses = 0;
    int silentTicks = 0;
    bool restartAfterSilence = false;
};
