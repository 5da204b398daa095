#include "VirtualLine.h"

void VirtualLine::tick()
{
    const LinkFrame frame = engine.nextFrame();
    const QByteArray reply = unit.receive(frame.toByteArray());
    if (!reply.isEmpty())
        underway.append({unit.replyDueMs(now), reply});
    engine.countTick();
    now += TickMs;
    while (!underway.isEmpty() && underway.first().dueMs <= now)
        engine.feed(underway.takeFirst().bytes);
}
