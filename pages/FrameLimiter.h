#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

// Runs a drawing step at most once per interval however often it is asked
// for; a request in between is held back and runs when the interval is up,
// so the newest values always show, at most one interval late.
class FrameLimiter
{
public:
    FrameLimiter(int intervalMs, std::function<void()> draw) : interval(intervalMs), draw(std::move(draw))
    {
        pending.setSingleShot(true);
        QObject::connect(&pending, &QTimer::timeout, [this] { run(); });
    }

    void request()
    {
        if (pending.isActive())
            return; // what it draws will be the newest
        const qint64 since = shown.isValid() ? shown.elapsed() : interval;
        if (since >= interval)
            run();
        else
            pending.start(int(interval - since));
    }
    // Drawn now, by other means: the interval starts again.
    void drawn() { shown.start(); }

private:
    void run()
    {
        shown.start();
        draw();
    }

    int interval;
    std::function<void()> draw;
    QElapsedTimer shown;
    QTimer pending;
};
