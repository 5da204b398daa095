// Connect to download complete, and edit to upload complete (and verified),
// against the built-in simulated unit at its default reply latency, with the
// link's real 20 ms timer. Run: QT_QPA_PLATFORM=offscreen build/bench/bench_transfer
#include "SerialProcessThread.h"
#include "SimulatedPortProvider.h"
#include "SimulatedUnit.h"
#include "statusWidget.h"
#include "toolWidget.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

struct Measurement
{
    int ticks = 0;
    qint64 ms = 0;
};

Measurement until(SerialProcessThread &link, const QString &message,
                  const std::function<void()> &start)
{
    Measurement m;
    QEventLoop loop; // not QTest::qWaitFor: its 10 ms naps would add to the figures
    auto c1 = QObject::connect(link.tickTimer(), &QTimer::timeout, [&] { ++m.ticks; });
    auto c2 = QObject::connect(&link.protocol(), &LinkEngine::messageText, [&](const QString &t) {
        if (t == message)
            loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    start();
    loop.exec();
    m.ms = timer.elapsed();
    QObject::disconnect(c1);
    QObject::disconnect(c2);
    return m;
}

void report(const char *what, QList<Measurement> runs)
{
    std::sort(runs.begin(), runs.end(), [](auto a, auto b) { return a.ms < b.ms; });
    const Measurement &median = runs[runs.size() / 2];
    qInfo("%-34s median %2d ticks, %4lld ms (min %lld ms, max %lld ms, %lld runs)", what,
          median.ticks, median.ms, runs.first().ms, runs.last().ms, qint64(runs.size()));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    toolWidget toolBar;
    statusWidget statusBar;
    SimulatedPortProvider simulated;
    SerialProcessThread link(&toolBar, &statusBar, &simulated);
    toolBar.portComboBox->setCurrentText(SimulatedPortProvider::name());

    QList<Measurement> downloads, uploads, verified;
    for (int run = 0; run < 9; ++run) {
        downloads << until(link, "Download Parameters Completely", [&] { link.serialConnect(); });
        uploads << until(link, "Upload Parameters Completely", [&] {
            link.parameters().phi_ktotal = qint8(50 + run);
            link.setSubframeHead(DLU_WRITE_SFID_PARAM_1);
        });
        verified << until(link, "Upload verified", [] {});
        link.serialDisconnect();
    }
    qInfo("simulated unit latency %d ms, link tick 20 ms", simulated.unit().latencyMs());
    report("Connect -> download complete", downloads);
    report("edit -> upload complete", uploads);
    report("upload complete -> verified", verified);
    return 0;
}
