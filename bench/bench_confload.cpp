// What a .conf file costs before the preview opens: a saved record, files
// just under the size cap in the shapes QSettings is slowest on, and a 50 MB
// file refused unread. load() gives the time the reading takes; stall() the
// longest the window's event loop (and with it the link's 20 ms tick) waits
// while the tool bar reads the file, which should stay well within a tick.
#include "ConfigFile.h"
#include "DeviceParameters.h"
#include "LoadFindings.h"
#include "UnitHistory.h"
#include "UnitModel.h"
#include "ValueRanges.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

class ConfLoadBench : public QObject
{
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void stall_data();
    void stall();
    void keepHistory();

private:
    QTemporaryDir dir;
};

void ConfLoadBench::load_data()
{
    QTest::addColumn<QString>("file");
    DeviceParameters record;
    const QString saved = dir.filePath("saved.conf");
    ConfigFile::save(saved, record, UnitModel::X1, 21);
    QTest::addRow("saved record") << saved;

    // As many misspelt keys as fit under the cap.
    QByteArray text = "[Condition]\nr_kp=40\n";
    for (int i = 0; text.size() < ConfigFile::MaxSize - 40; ++i)
        text += "r_kpp" + QByteArray::number(i) + "=1\n";
    const QString crowded = dir.filePath("crowded.conf");
    QFile f(crowded);
    f.open(QIODevice::WriteOnly);
    f.write(text);
    f.close();
    QTest::addRow("1 MB of unknown keys") << crowded;

    // One value QSettings splits into a million list items.
    const QString commas = dir.filePath("commas.conf");
    QFile c(commas);
    c.open(QIODevice::WriteOnly);
    c.write("[Condition]\nr_kp=" + QByteArray(ConfigFile::MaxSize - 20, ',') + "\n");
    c.close();
    QTest::addRow("1 MB, one list") << commas;

    const QString huge = dir.filePath("huge.conf");
    QFile h(huge);
    h.open(QIODevice::WriteOnly);
    h.resize(50 * 1024 * 1024);
    h.close();
    QTest::addRow("50 MB, refused") << huge;
}

void ConfLoadBench::load()
{
    QFETCH(QString, file);
    const ValueRanges ranges;
    const DeviceParameters now;
    QBENCHMARK {
        DeviceParameters candidate = now;
        const ConfigResult result = ConfigFile::load(file, candidate);
        if (result.ok())
            LoadFindings findings(result, now, candidate, ranges, UnitModel::A1);
    }
}

void ConfLoadBench::stall_data()
{
    load_data();
    // The floor: how long the loop waits anyway on this machine.
    QTest::addRow("no file, 300 ms of the loop alone") << QString();
}

void ConfLoadBench::stall()
{
    QFETCH(QString, file);
    qint64 longest = 0;
    QElapsedTimer sinceLast;
    QTimer beat;
    beat.setInterval(0);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        longest = std::max(longest, sinceLast.nsecsElapsed());
        sinceLast.restart();
    });
    beat.start();
    sinceLast.start();
    if (file.isEmpty()) {
        QEventLoop idle;
        QTimer::singleShot(300, &idle, &QEventLoop::quit);
        idle.exec();
    } else {
        ConfigFile::readWhileRunning(file);
    }
    longest = std::max(longest, sinceLast.nsecsElapsed());
    beat.stop();
    QTest::setBenchmarkResult(qreal(longest) / 1e6, QTest::WalltimeMilliseconds);
}

// Keeping a History entry after a download, with a 1 MB file someone put in
// the folder under the newest entry's name: the link waits for this.
void ConfLoadBench::keepHistory()
{
    UnitHistory history(dir.filePath("history"));
    QVERIFY(QDir().mkpath(history.folder()));
    QFile stranger(history.folder() + "/2030-01-01_08-00-00_VRN-X1_v2.1_read.conf");
    QVERIFY(stranger.open(QIODevice::WriteOnly));
    QByteArray text = "[Condition]\nr_kp=40\n";
    for (int i = 0; text.size() < ConfigFile::MaxSize - 40; ++i)
        text += "r_kpp" + QByteArray::number(i) + "=1\n";
    stranger.write(text);
    stranger.close();
    DeviceParameters record;
    int second = 0;
    QBENCHMARK {
        record.r_kp = qint8(second % 100);
        history.save(record, UnitModel::X1, 21, UnitHistory::Kind::Read,
                     QDateTime(QDate(2026, 1, 1), QTime(8, 0)).addSecs(++second));
    }
}

QTEST_GUILESS_MAIN(ConfLoadBench)
#include "bench_confload.moc"
