// Ticks a download, an upload and its read-back take when replies are late:
// the real engine against the simulated unit on a line with the unit's
// reply latency and a USB-serial adapter's latency timer, tick by tick.
// Then a soak of the randomized session harness the tests run.
// Run: build/bench/bench_timing [sessions [first seed]]
#include "LinkSession.h"
#include "VirtualLine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>

#include <numeric>

namespace {

struct Ticks
{
    int download = 0;
    int upload = 0;
    int readBack = 0;
};

Ticks measure(int latencyMs, int batchMs)
{
    DeviceParameters record;
    LinkEngine engine(record);
    SimulatedUnit unit;
    unit.setClockMs(0);
    unit.setLatencyMs(latencyMs);
    unit.setBatchMs(batchMs);
    VirtualLine line(engine, unit);
    QString last;
    QObject::connect(&engine, &LinkEngine::messageText, [&](const QString &t) { last = t; });
    const auto until = [&](const char *message) {
        for (int n = 1; n < 1000; ++n) {
            line.tick();
            if (last == QLatin1String(message))
                return n;
        }
        return -1;
    };
    Ticks t;
    engine.portOpened(QStringLiteral("unit"));
    engine.startOver();
    t.download = until("Download Parameters Completely");
    for (int i = 0; i < 10; ++i)
        line.tick(); // replies still under way settle
    record.phi_ktotal = qint8(record.phi_ktotal + 1);
    engine.setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    t.upload = until("Upload Parameters Completely");
    t.readBack = until("Upload verified");
    return t;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    const int sessions = argc > 1 ? QByteArray(argv[1]).toInt() : 20000;
    const int firstSeed = argc > 2 ? QByteArray(argv[2]).toInt() : 1;

    qInfo("| Reply latency | Adapter timer | Download | Upload | Read-back |");
    qInfo("|---|---|---|---|---|");
    for (int batch : {0, 16})
        for (int latency : {2, 16, 30, 50}) {
            const Ticks t = measure(latency, batch);
            qInfo("| %d ms | %s | %d ticks | %d ticks | %d ticks |", latency,
                  batch ? "16 ms" : "none", t.download, t.upload, t.readBack);
        }

    QElapsedTimer clock;
    clock.start();
    QMap<QString, int> violations;
    QList<int> seeds;
    for (int seed = firstSeed; seed < firstSeed + sessions; ++seed) {
        const QStringList found = LinkSession(quint32(seed)).run();
        for (const QString &kind : found)
            ++violations[kind];
        if (!found.isEmpty())
            seeds << seed;
    }
    qInfo("\nSoak: %d randomized sessions (seeds %d to %d) in %.1f s, %d surprises", sessions,
          firstSeed, firstSeed + sessions - 1, clock.elapsed() / 1000.0,
          int(std::accumulate(violations.cbegin(), violations.cend(), 0)));
    for (auto it = violations.cbegin(); it != violations.cend(); ++it)
        qInfo("  %5d sessions: %s", it.value(), qPrintable(it.key()));
    for (int seed : std::as_const(seeds).mid(0, 10))
        qInfo("  seed %d (replay: VRN_SESSION_SEED=%d tests/link/tst_linksessions)", seed, seed);
    return violations.isEmpty() ? 0 : 1;
}
