// What a .conf file costs the window before the preview opens: a saved
// record, a file just under the size cap full of unknown keys, and a 50 MB
// file refused unread. The window and the link wait for all of it, so each
// should stay within a 20 ms tick.
#include "ConfigFile.h"
#include "DeviceParameters.h"
#include "LoadFindings.h"
#include "UnitModel.h"
#include "ValueRanges.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class ConfLoadBench : public QObject
{
    Q_OBJECT

private slots:
    void load_data();
    void load();

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

QTEST_GUILESS_MAIN(ConfLoadBench)
#include "bench_confload.moc"
