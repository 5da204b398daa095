#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

// Runs a drawing step once per interval on average however often it is
// asked for. A request that comes before the next frame is due is held back:
// the next request that comes late enough draws, or, if none comes, a timer
// one interval later, so the newest values always show, at most one interval
// late. A steady stream of requests (telemetry every tick) thus draws on its
// own requests and wakes the program for no timer of its own.
class FrameLimiter
{
public:
    FrameLimiter(int intervalMs, std::function<void()> paint)
        : interval(intervalMs), draw(std::move(paint))
    {
        held.setSingleShot(true);
        QObject::connect(&held, &QTimer::timeout, [this] { run(); });
        clock.start();
    }

    void request()
    {
        // Half a tick early still counts as on time: requests come with the
        // jitter of the line, and a frame missed by a millisecond would wait
        // for the next request.
        if (clock.elapsed() >= due - Early)
            run();
        else if (!held.isActive())
            held.start(interval);
    }
    // Drawn now, by other means: the interval starts again.
    void drawn()
    {
        held.stop();
        due = clock.elapsed() + interval;
    }

private:
    static constexpr int Early = 10;

    void run()
    {
        held.stop();
        // The next frame is due one interval after this one was due, not
        // after it ran: frames drawn on requests every 20 ms keep a 50 ms
        // interval on average (40, 60, 40...) instead of falling to 60.
        const qint64 now = clock.elapsed();
        due = now - due < interval ? due + interval : now + interval;
        draw();
    }

    int interval;
    std::function<void()> draw;
    QElapsedTimer clock;
    qint64 due = 0;
    QTimer held;
};
