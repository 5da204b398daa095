// The whole program's figures in one table: start-up to the first painted
// window, Connect to download complete, edit to upload complete (and read
// back), one telemetry display step, CPU while connected (idle, and with the
// channel monitor live), resident memory. Against the built-in simulated unit
// with the link's real 20 ms timer.
//
//   QT_QPA_PLATFORM=offscreen build/bench_program [seconds per CPU sample] 2>/dev/null
// The traces are off, as in the program started without --verbose;
// QT_LOGGING_RULES="vrn.*.debug=true" measures them on.
#include "ConfigureSettingPage.h"
#include "DialogStyle.h"
#include "PaintCounter.h"
#include "SerialProcessThread.h"
#include "SimulatedPortProvider.h"
#include "contentWidget.h"
#include "mainWidget.h"

#include "Telemetry.h"
#include "toolWidget.h"
#include <QStandardPaths>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QLoggingCategory>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QSysInfo>
#include <QTabWidget>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <ctime>

#include <sys/resource.h>
#include <unistd.h>

namespace {

// Milliseconds since the process was started by the system (10 ms steps).
double msSinceProcessStart()
{
    QFile stat("/proc/self/stat");
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = stat.readAll().split(')').last().trimmed().split(' ');
    const double startSeconds = fields.value(19).toDouble() / double(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return (now.tv_sec + now.tv_nsec / 1e9 - startSeconds) * 1000.0;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
           usage.ru_stime.tv_usec / 1e6;
}

QByteArray statusField(const char *name)
{
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(name))
            return line.mid(qstrlen(name)).simplified();
    return {};
}

class timedWindow : public mainWidget
{
public:
    QEventLoop *waiting = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        mainWidget::paintEvent(event);
        if (waiting)
            waiting->quit();
        waiting = nullptr;
    }
};

struct Transfer
{
    int ticks = 0;
    qint64 ms = 0;
};

// Runs `start`, then the event loop until the link shows `message`.
Transfer until(SerialProcessThread *link, const QString &message,
               const std::function<void()> &start)
{
    Transfer t;
    QEventLoop loop;
    auto ticks = QObject::connect(link->tickTimer(), &QTimer::timeout, [&] { ++t.ticks; });
    auto done =
        QObject::connect(&link->protocol(), &LinkEngine::messageText, [&](const QString &text) {
            if (text == message)
                loop.quit();
        });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    start();
    loop.exec();
    t.ms = clock.elapsed();
    QObject::disconnect(ticks);
    QObject::disconnect(done);
    return t;
}

double cpuPercentOver(int seconds)
{
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    QElapsedTimer wall;
    wall.start();
    const double before = cpuSeconds();
    loop.exec();
    return 100.0 * (cpuSeconds() - before) / (wall.nsecsElapsed() / 1e9);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    DialogStyle::setApplicationPalette(mainWidget::applicationPalette());
    // Downloads here must not fill the pilot's own history folder.
    QStandardPaths::setTestModeEnabled(true);
    const int sampleSeconds = argc > 1 ? qMax(1, atoi(argv[1])) : 10;

    QEventLoop painted;
    timedWindow window;
    window.waiting = &painted;
    window.show();
    painted.exec();
    const double startup = msSinceProcessStart();

    SerialProcessThread *link = window.serialLink();
    auto *toolBar = window.findChild<toolWidget *>();
    auto *content = window.findChild<contentWidget *>();
    toolBar->portComboBox->setCurrentText(SimulatedPortProvider::name());

    const Transfer download =
        until(link, "Download Parameters Completely", [&] { link->serialConnect(); });
    auto *gain = window.findChild<QSpinBox *>("RollGainSpinBox");
    const Transfer upload = until(link, "Upload Parameters Completely",
                                  [&] { gain->setValue(gain->value() == 90 ? 91 : 90); });
    const Transfer verify = until(link, "Upload verified", [] {});

    const double idleCpu = cpuPercentOver(sampleSeconds);

    content->pages()->setCurrentRow(1);
    auto *setup = static_cast<ConfigureSettingPage *>(content->stack()->widget(1));
    auto *tabs = setup->findChild<QTabWidget *>("tabWidget");
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabText(i) == QLatin1String(" Monitor "))
            tabs->setCurrentIndex(i);
    // Read-outs are drawn from pictures of each number, taken when a number
    // first shows: a few seconds first, as in any session that lasts.
    cpuPercentOver(3);
    PaintCounter barPaints(setup->findChild<QSlider *>("GainSlider"));
    PaintCounter readoutPaints(setup->findChild<QLineEdit *>("GainLineEdit"));
    int telemetryArrivals = 0;
    auto arrivals = QObject::connect(link, &SerialProcessThread::telemetryChanged,
                                     [&] { ++telemetryArrivals; });
    const double monitorCpu = cpuPercentOver(sampleSeconds);
    QObject::disconnect(arrivals);
    const double perSecond = 1.0 / sampleSeconds;
    const int barFrames = barPaints.count;
    const int readoutFrames = readoutPaints.count;

    // One step as the pilot sees it: new channel values shown, and the
    // repaint they cause. The link is idle meanwhile, so only this paints.
    link->setSubframeHead(DLU_SFID_IDLE);
    QCoreApplication::processEvents();
    const int steps = 500;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < steps; ++i) {
        const qint8 v = qint8((i * 7) % 240 - 120);
        telemetry() = Telemetry{v, qint8(-v), v, qint8(v / 2), qint8(-v / 2), v};
        setup->updateTelemetryInfo();
        QCoreApplication::processEvents();
    }
    const double stepMs = clock.nsecsElapsed() / 1e6 / steps;
    clock.restart();
    for (int i = 0; i < 100; ++i)
        window.repaint();
    const double fullPaintMs = clock.nsecsElapsed() / 1e6 / 100;

    std::printf("Machine: %s, %d cores, %s, Qt %s, platform %s\n",
                qPrintable(QSysInfo::prettyProductName()), QThread::idealThreadCount(),
                qPrintable(QSysInfo::currentCpuArchitecture()), qVersion(),
                qPrintable(QGuiApplication::platformName()));
    std::printf("\n| Measure | Result | Target |\n|---|---|---|\n");
    std::printf("| Start-up to first paint (from process start) | %.0f ms | < 1000 ms |\n",
                startup);
    std::printf("| Connect to download complete | %d ticks, %lld ms | <= 10 ticks |\n",
                download.ticks, download.ms);
    std::printf("| Edit to upload complete | %d ticks, %lld ms | <= 10 ticks |\n", upload.ticks,
                upload.ms);
    std::printf("| Upload complete to read-back verified | %d ticks, %lld ms | |\n", verify.ticks,
                verify.ms);
    std::printf("| One telemetry display step, with its repaint | %.2f ms | < 1 ms |\n", stepMs);
    std::printf("| Whole window repaint (for comparison) | %.2f ms | |\n", fullPaintMs);
    std::printf("| CPU while connected, Basic page | %.1f %% of one core | < 2 %% |\n", idleCpu);
    std::printf("| CPU while connected, monitor live | %.1f %% of one core | |\n", monitorCpu);
    std::printf("| Monitor: telemetry replies, bar and read-out repaints | %.0f, %.0f and %.0f a "
                "second | |\n",
                telemetryArrivals * perSecond, barFrames * perSecond, readoutFrames * perSecond);
    std::printf("| Resident memory (peak) | %s (%s) | < 120 MB |\n",
                statusField("VmRSS:").constData(), statusField("VmHWM:").constData());
    return 0;
}
