#pragma once

#include "LinkEngine.h"
#include "SimulatedUnit.h"

#include <QByteArray>
#include <QList>

// The link engine and a simulated unit on a line whose clock the caller
// drives: each tick sends the engine's frame, and the unit's replies reach
// the engine when the unit's latency, jitter and adapter batching say, in
// order, whether that is within the tick or several ticks later. Thousands
// of sessions run in seconds with the timing of a real adapter.
class VirtualLine
{
public:
    static constexpr int TickMs = 20;

    VirtualLine(LinkEngine &link, SimulatedUnit &simulated) : engine(link), unit(simulated) {}

    // One link tick: the frame goes out, then every reply due before the
    // next tick arrives.
    void tick();
    // The port closes: replies under way are lost.
    void dropReplies() { underway.clear(); }
    qint64 nowMs() const { return now; }

private:
    struct Reply
    {
        qint64 dueMs;
        QByteArray bytes;
    };

    LinkEngine &engine;
    SimulatedUnit &unit;
    qint64 now = 0;
    QList<Reply> underway;
};
