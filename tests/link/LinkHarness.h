#pragma once

#include "LinkEngine.h"
#include "ParameterBlocks.h"
#include "SimulatedUnit.h"

#include <QList>
#include <QSignalSpy>
#include <QStringList>

// The real protocol engine wired to the simulated unit without a port: one
// tick sends the engine's frame to the unit and feeds the unit's reply back,
// exactly as the link does, with the clock in the test's hand.
struct LinkHarness
{
    DeviceParameters record;
    LinkEngine engine{record};
    SimulatedUnit unit;
    // The unit at the far end of the port now; another port's unit may be
    // put here, as when the pilot connects elsewhere.
    SimulatedUnit *answering = &unit;
    QStringList messages;
    QStringList states;
    QList<LinkFrame> sent;
    // While set, replies are kept back here instead of reaching the engine,
    // so a test can hand them over late, twice or not at all.
    bool holdReplies = false;
    QList<QByteArray> held;
    QSignalSpy parameterChanged{&engine, &LinkEngine::parameterChanged};
    QSignalSpy telemetryChanged{&engine, &LinkEngine::telemetryChanged};

    LinkHarness()
    {
        unit.setClockMs(0);
        engine.portOpened(QStringLiteral("unit"));
        QObject::connect(&engine, &LinkEngine::messageText,
                         [this](const QString &t) { messages << t; });
        QObject::connect(&engine, &LinkEngine::noticeText,
                         [this](const QString &t) { messages << t; });
        QObject::connect(&engine, &LinkEngine::stateText,
                         [this](const QString &t) { states << t; });
    }

    void tick()
    {
        const LinkFrame frame = engine.nextFrame();
        sent << frame;
        const QByteArray reply = answering->receive(frame.toByteArray());
        engine.countTick();
        if (holdReplies)
            held << reply;
        else
            engine.feed(reply);
    }
    // Ticks until the predicate holds; returns the ticks taken, -1 past the limit.
    template <typename Pred> int tickUntil(Pred done, int limit = 2000)
    {
        for (int n = 1; n <= limit; ++n) {
            tick();
            if (done())
                return n;
        }
        return -1;
    }
    int download()
    {
        engine.startOver();
        return tickUntil(
            [this] { return messages.endsWith(QStringLiteral("Download Parameters Completely")); });
    }
    // Closes the port and opens `name` with `far` answering, then a download.
    int reconnect(const QString &name, SimulatedUnit *far)
    {
        engine.portClosed();
        answering = far;
        engine.portOpened(name);
        engine.startOver();
        const qsizetype before = messages.size();
        return tickUntil([&] {
            return messages.mid(before).contains(QStringLiteral("Download Parameters Completely"));
        });
    }
    int upload()
    {
        engine.setSubframeHead(DLU_WRITE_SFID_PARAM_1);
        return tickUntil(
            [this] { return messages.endsWith(QStringLiteral("Upload Parameters Completely")); });
    }
    QList<int> sentSubframes() const
    {
        QList<int> ids;
        for (const LinkFrame &f : sent)
            ids << f.subframe();
        return ids;
    }
};

// Bytes of the record a transfer carries in both directions (28 never,
// 36-39 only from the unit).
inline bool sameCarriedBytes(const DeviceParameters &a, const DeviceParameters &b)
{
    for (int block : ParameterBlocks::Blocks)
        for (int offset : ParameterBlocks::carriedOffsets(block, ParameterBlocks::PcToUnit))
            if (a.byteAt(offset) != b.byteAt(offset))
                return false;
    return true;
}
