// How long the channel monitor takes for one telemetry reply. Telemetry can
// arrive every 20 ms tick, so one update (and the repaint it causes) must
// stay far below that. Run: build/bench/bench_telemetry
#include "ConfigureSettingPage.h"
#include "SerialProcessThread.h"
#include "Telemetry.h"
#include "statusWidget.h"
#include "toolWidget.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

class bench_Telemetry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void updateTelemetryInfo();
    void updateAndRepaint();

private:
    // Every channel moves on each reply, as the sticks do.
    void nextTelemetry();

    toolWidget *toolBar = nullptr;
    statusWidget *statusBar = nullptr;
    SerialProcessThread *link = nullptr;
    ConfigureSettingPage *page = nullptr;
    int step = 0;
};

void bench_Telemetry::initTestCase()
{
    toolBar = new toolWidget;
    statusBar = new statusWidget;
    link = new SerialProcessThread(toolBar, statusBar);
    link->tickTimer()->stop();
    link->refreshTimer()->stop();
    page = new ConfigureSettingPage(nullptr, link);
    page->resize(810, 444);
    page->setCurrentTab(2); // Monitor
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page));
}

void bench_Telemetry::cleanupTestCase()
{
    delete page;
    delete link;
    delete statusBar;
    delete toolBar;
}

void bench_Telemetry::nextTelemetry()
{
    ++step;
    Telemetry &t = telemetry();
    t.accelerator = qint8(step % 251 - 125);
    t.collective = qint8((step * 3) % 251 - 125);
    t.elevator = qint8((step * 5) % 251 - 125);
    t.aileron = qint8((step * 7) % 251 - 125);
    t.rudder = qint8((step * 11) % 251 - 125);
    t.gain = qint8((step * 13) % 251 - 125);
}

void bench_Telemetry::updateTelemetryInfo()
{
    QBENCHMARK {
        nextTelemetry();
        page->updateTelemetryInfo();
    }
    QCOMPARE(page->findChild<QLineEdit *>("GainLineEdit")->text(),
             QString::number(telemetry().gain));
}

// The update plus the repaint it schedules (the six sliders and line edits
// only, as the event loop would paint them).
void bench_Telemetry::updateAndRepaint()
{
    QBENCHMARK {
        nextTelemetry();
        page->updateTelemetryInfo();
        QCoreApplication::sendPostedEvents();
    }
}

QTEST_MAIN(bench_Telemetry)
#include "bench_telemetry.moc"
