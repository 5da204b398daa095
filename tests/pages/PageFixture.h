#pragma once

#include "DeviceParameters.h"
#include "SerialProcessThread.h"
#include "SimulatedPortProvider.h"
#include "SimulatedUnit.h"
#include "statusWidget.h"
#include "toolWidget.h"

#include <QList>
#include <QSignalSpy>
#include <QStringList>

// The real link, connected to the built-in simulated unit with no reply
// delay, and the link's timers stopped: the test drives every 20 ms tick by
// hand. Pages under test are created with `link` and refreshed by the test.
struct PageFixture
{
    toolWidget toolBar;
    statusWidget statusBar;
    SimulatedPortProvider simulated;
    SerialProcessThread *link;
    QList<LinkFrame> sent;  // every frame that reached the unit
    QStringList messages;   // every message text, in order
    int uploadRequests = 0; // setSubframeHead(DLU_WRITE_SFID_PARAM_1) calls

    PageFixture();
    ~PageFixture();

    SimulatedUnit &unit() { return simulated.unit(); }
    // The record this fixture's link keeps; each fixture starts with its own.
    DeviceParameters &record() { return link->parameters(); }
    // One tick: the link sends its frame, the unit's reply is handled.
    void tick();
    // Ticks until the predicate holds; the ticks taken, or -1 past the limit.
    template <typename Pred> int tickUntil(Pred done, int limit = 500)
    {
        for (int n = 1; n <= limit; ++n) {
            tick();
            if (done())
                return n;
        }
        return -1;
    }
    // Connect and download the unit's record into record().
    bool connectAndDownload();
    // Ticks until the running upload is acknowledged block by block.
    bool finishUpload();
    void clearLog()
    {
        sent.clear();
        messages.clear();
        uploadRequests = 0;
    }
};
