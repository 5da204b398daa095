// Start-up time of the main window: construction, show() and the first
// completed paint, measured several times; prints each run and the median.
//
//   bench_startup [runs]        (default 11; any Qt platform, e.g. offscreen or xcb)

#include "mainWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The real window, telling when its first paint has finished.
class timedWindow : public mainWidget
{
public:
    QEventLoop *waiting = nullptr;
    bool painted = false;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        mainWidget::paintEvent(event);
        if (!painted && waiting)
            waiting->quit();
        painted = true;
    }
};

double measureOnce()
{
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, [&loop] { loop.exit(1); });

    QElapsedTimer clock;
    clock.start();
    timedWindow window;
    window.waiting = &loop;
    window.show();
    timeout.start(10000);
    const bool timedOut = !window.painted && loop.exec() != 0;
    const double ms = clock.nsecsElapsed() / 1e6;
    return timedOut ? -1.0 : ms;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 11;

    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const double ms = measureOnce();
        if (ms < 0) {
            std::fprintf(stderr, "run %d: no paint within 10 s\n", i + 1);
            return 1;
        }
        std::printf("run %2d: %8.2f ms%s\n", i + 1, ms, i == 0 ? "  (first, cold)" : "");
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("platform %s, %d runs, median %.2f ms, min %.2f ms, max %.2f ms\n",
                qPrintable(QGuiApplication::platformName()), runs, times[times.size() / 2],
                times.front(), times.back());
    return 0;
}
