// The .conf format through real files, and the tool bar's load and save
// slots with their dialogs answered through the dialog hook.
#include "AdvanceSettingPage.h"
#include "ChangePreview.h"
#include "ConfigFile.h"
#include "ConfigKey.h"
#include "ConfigureSettingPage.h"
#include "DeviceParameters.h"
#include "DialogHook.h"
#include "LoadFindings.h"
#include "MainSettingPage.h"
#include "ParameterCaption.h"
#include "ParameterTable.h"
#include "Question.h"
#include "SerialProcessThread.h"
#include "UnitHistory.h"
#include "UnitModel.h"
#include "ValueRanges.h"
#include "contentWidget.h"
#include "statusWidget.h"
#include "toolWidget.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSet>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <csignal>
#include <cstring>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// Every byte different and many of them negative, so a swapped, dropped or
// sign-mangled field shows.
DeviceParameters patterned(int seed)
{
    DeviceParameters p;
    for (int i = 0; i < DeviceParameters::Size; ++i)
        p.setByteAt(i, qint8(quint8(i * 37 + seed)));
    p.servo_rev_1 = -1;
    p.imudist_x = -2;
    p.imudist_y = 1234;
    p.imudist_z = -32768;
    return p;
}

QSet<int> loadedOffsets()
{
    QSet<int> offsets;
    for (const ConfigKey &key : configKeys()) {
        if (key.loaded)
            offsets << key.offset;
    }
    return offsets;
}

void writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(contents), contents.size());
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "[section]" -> key -> raw value text, straight from the bytes.
QMap<QString, QMap<QString, QString>> sections(const QByteArray &text)
{
    QMap<QString, QMap<QString, QString>> result;
    QString section;
    for (const QByteArray &raw : text.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith('['))
            section = line;
        else if (line.contains('='))
            result[section][line.section('=', 0, 0)] = line.section('=', 1);
    }
    return result;
}

} // namespace

// A tool bar wired as the window wires it: to a link engine over a record,
// here the test's own.
struct WiredToolBar
{
    DeviceParameters record;
    LinkEngine engine{record};
    toolWidget bar;
    explicit WiredToolBar(const DeviceParameters &start = DeviceParameters()) : record(start)
    {
        bar.setLinkEngine(&engine);
    }
};

class ConfFileTest : public QObject
{
    Q_OBJECT

private slots:
    void previewCaptionsCoverTheLoadedKeys();
    void captionsAreThePagesLabels_data();
    void captionsAreThePagesLabels();
    void listTextsAreTheFormsItems_data();
    void listTextsAreTheFormsItems();
    void longNames_data();
    void longNames();
    void init();
    void cleanup();

    void keyTable();
    void roundTrip();
    void writtenBytes();
    void savedFileIsByteForByteTheFormat();
    void loadValues_data();
    void loadValues();
    void loadRefused_data();
    void loadRefused();
    void loadMessage_data();
    void loadMessage();
    void randomRoundTrips();
    void saveName_data();
    void saveName();
    void saveKeepsOtherKeys();
    void saveOverHandEditedFile_data();
    void saveOverHandEditedFile();
    void saveFailures_data();
    void saveFailures();
    void failedSaveKeepsOldFile();

    void dialogs_data();
    void dialogs();
    void cancelledDialogs_data();
    void cancelledDialogs();
    void toolBarLoad();
    void toolBarLoadRefused();
    void toolBarSave();
    void overwriteQuestion_data();
    void overwriteQuestion();

private:
    QTemporaryDir *dir = nullptr;
    QString path(const QString &name) const { return dir->filePath(name); }
};

void ConfFileTest::init()
{
    dir = new QTemporaryDir;
    QVERIFY(dir->isValid());
}

void ConfFileTest::cleanup()
{
    DialogHook::onFile({});
    delete dir;
    dir = nullptr;
}

void ConfFileTest::keyTable()
{
    // Distinct keys, none on a reserved byte or on top of another field; the
    // loaded ones, the IMU rotation and the three 16-bit IMU offsets.
    QSet<QString> names;
    QSet<int> offsets;
    int loaded = 0;
    for (const ConfigKey &key : configKeys()) {
        names << QString::fromLatin1(key.key);
        for (int b = 0; b < key.width; ++b)
            offsets << key.offset + b;
        loaded += key.loaded ? 1 : 0;
    }
    QCOMPARE(names.size(), ConfigKeyCount);
    QCOMPARE(loaded, LoadedKeyCount);
    QCOMPARE(offsets.size(), LoadedKeyCount + 1 + 6);
    for (int reserved : {4, 5, 10, 11, 18, 21, 26, 28, 36, 39, 58, 60, 77, 80, 95, 98, 103, 111})
        QVERIFY2(!offsets.contains(reserved), qPrintable(QString::number(reserved)));
    QCOMPARE(QString::fromLatin1(configKeys()[8].key), QStringLiteral("General/tail_limit_a"));
    QCOMPARE(configKeys()[8].offset, 13);
    QCOMPARE(configKeys()[20].width, 2);
    QCOMPARE(QString::fromLatin1(configKeys()[65].key), QStringLiteral("Condition/burst_coef"));
}

void ConfFileTest::roundTrip()
{
    const DeviceParameters saved = patterned(-100);
    QCOMPARE(ConfigFile::save(path("trip.conf"), saved).status(), ConfigResult::Saved);

    const DeviceParameters before = patterned(7);
    DeviceParameters loaded = before;
    const ConfigResult result = ConfigFile::load(path("trip.conf"), loaded);
    QCOMPARE(result.status(), ConfigResult::Loaded);
    QCOMPARE(result.keysRead(), LoadedKeyCount);

    const QSet<int> offsets = loadedOffsets();
    for (int i = 0; i < DeviceParameters::Size; ++i) {
        // Loaded fields come from the file; IMU and reserved bytes stay.
        const qint8 expected = offsets.contains(i) ? saved.byteAt(i) : before.byteAt(i);
        QVERIFY2(loaded.byteAt(i) == expected,
                 qPrintable(QStringLiteral("offset %1: %2, expected %3")
                                .arg(i)
                                .arg(int(loaded.byteAt(i)))
                                .arg(int(expected))));
    }
    QCOMPARE(int(loaded.servo_rev_1), -1);
    QCOMPARE(int(loaded.imudist_x), int(before.imudist_x));
}

// A whole save, byte for byte, against a file kept in the repository: the
// groups, the keys, their order and the value texts are what earlier
// versions wrote and read back, so any reshuffle of the key table shows here.
void ConfFileTest::savedFileIsByteForByteTheFormat()
{
    const QString fixture = QStringLiteral(VRN_SOURCE_DIR "/tests/config/whole-record.conf");
    const ConfigResult saved =
        ConfigFile::save(path("whole.conf"), patterned(-100), UnitModel::X1, 12);
    QVERIFY2(saved.ok(), qPrintable(saved.message()));
    const QByteArray expected = readFile(fixture);
    QVERIFY(!expected.isEmpty());
    QCOMPARE(readFile(path("whole.conf")), expected);

    DeviceParameters loaded = patterned(7);
    QCOMPARE(ConfigFile::load(fixture, loaded).keysRead(), LoadedKeyCount);
    DeviceParameters roundTripped = patterned(7);
    QVERIFY(ConfigFile::load(path("whole.conf"), roundTripped).ok());
    QVERIFY(loaded == roundTripped);
}

void ConfFileTest::writtenBytes()
{
    const DeviceParameters record = patterned(-100);
    QVERIFY(ConfigFile::save(path("bytes.conf"), record).ok());
    const QByteArray text = readFile(path("bytes.conf"));
    const auto found = sections(text);

    QCOMPARE(found.keys(), QStringList({"[%General]", "[Condition]"}));
    QMap<QString, QMap<QString, QString>> expected;
    for (const ConfigKey &key : configKeys()) {
        const QString full = QString::fromLatin1(key.key);
        const QString section = full.startsWith("General/") ? "[%General]" : "[Condition]";
        qint16 word;
        std::memcpy(&word, record.bytes() + key.offset, 2);
        const int value = key.width == 2 ? int(word) : int(record.byteAt(key.offset));
        expected[section][full.section('/', 1)] = QString::number(value);
    }
    QCOMPARE(found, expected);
    QVERIFY(text.contains("\nservo_rev_1=-1\n"));
    QVERIFY(text.contains("\nimudist_x=-2\n"));
    QVERIFY(text.contains("\nimudist_z=-32768\n"));
}

void ConfFileTest::loadValues_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("expected");

    const QByteArray condition = "[Condition]\nr_ktotal=60\nphi_ktotal=32\n";
    // A key the file lacks keeps the value the record had.
    QTest::addRow("missing key") << condition << 45 << 85;
    QTest::addRow("negative") << QByteArray("[Condition]\nr_kp=-7\n") << 45 << -7;
    QTest::addRow("spaces") << QByteArray("[Condition]\nr_kp = 12 \n") << 45 << 12;
    QTest::addRow("percent General") << QByteArray("[%General]\nservo_rev_1=-1\n") << 7 << -1;
    // The plain name is the section of keys without a group.
    QTest::addRow("plain General")
        << QByteArray("[General]\nservo_rev_1=-1\n" + condition) << 7 << 85;
    QTest::addRow("plain General, Condition still loads")
        << QByteArray("[General]\nservo_rev_1=-1\n" + condition) << 44 << 60;
    QTest::addRow("IMU key not read")
        << QByteArray("[%General]\nimu_rotate=9\n" + condition) << 29 << 85;
    QTest::addRow("IMU word not read")
        << QByteArray("[%General]\nimudist_x=-1\n" + condition) << 30 << 85;
    QTest::addRow("reserved untouched") << condition << 77 << 85;
    QTest::addRow("keys of others ignored")
        << QByteArray("[Other]\nr_kp=9\n" + condition) << 45 << 85;
    // What no page offers is still a value the unit may hold: it loads, and
    // the preview flags it.
    QTest::addRow("below a page's range") << QByteArray("[Condition]\nr_kp=5\n") << 45 << 5;
    QTest::addRow("direction 0") << QByteArray("[%General]\nservo_rev_1=0\n") << 7 << 0;
    QTest::addRow("tail servo type 0") << QByteArray("[%General]\ntail_servotype=0\n") << 16 << 0;
}

void ConfFileTest::loadValues()
{
    QFETCH(QByteArray, contents);
    QFETCH(int, offset);
    QFETCH(int, expected);

    writeFile(path("in.conf"), contents);
    DeviceParameters record;
    std::memset(record.bytes(), 85, DeviceParameters::Size);
    QCOMPARE(ConfigFile::load(path("in.conf"), record).status(), ConfigResult::Loaded);
    QCOMPARE(int(record.byteAt(offset)), expected);
}

void ConfFileTest::loadRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents"); // null: do not create
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("mentions");

    const QByteArray good = "[Condition]\nr_ktotal=60\n";
    const int notANumber = ConfigResult::NotANumber;
    const int outOfRange = ConfigResult::OutOfRange;
    QTest::addRow("a word") << "word.conf" << QByteArray(good + "r_kp=abc\n") << notANumber
                            << QStringList{"Condition/r_kp", "\"abc\""};
    QTest::addRow("hexadecimal") << "hex.conf" << QByteArray(good + "r_kp=0x10\n") << notANumber
                                 << QStringList{"Condition/r_kp", "0x10"};
    QTest::addRow("fraction") << "frac.conf" << QByteArray(good + "r_kp=1.5\n") << notANumber
                              << QStringList{"1.5"};
    QTest::addRow("decimal comma")
        << "comma.conf" << QByteArray(good + "r_kp=1,5\n") << notANumber << QStringList{"1,5"};
    QTest::addRow("empty value") << "blank.conf" << QByteArray(good + "r_kp=\n") << notANumber
                                 << QStringList{"Condition/r_kp"};
    QTest::addRow("200, beyond a byte")
        << "big.conf" << QByteArray(good + "r_ki=200\n") << outOfRange
        << QStringList{"Condition/r_ki", "200", "-128 to 127"};
    QTest::addRow("-129") << "small.conf" << QByteArray(good + "r_kp=-129\n") << outOfRange
                          << QStringList{"-129"};
    // Text from the file is shown on one short, printable line.
    QTest::addRow("binary junk") << "junk.conf"
                                 << QByteArray(good + "r_kp=\x01\x02" + QByteArray(300, 'z') + "\n")
                                 << notANumber
                                 << QStringList{"Gain P (Condition/r_kp)", "??zzz", "z\u2026\""};
    QTest::addRow("over 1 MB") << "huge.conf"
                               << QByteArray(good + QByteArray(50 * 1024 * 1024, '#'))
                               << int(ConfigResult::TooLarge)
                               << QStringList{"not a configuration file: 50 MB"};
    // The first offending key in the order of the keys is named.
    QTest::addRow("first of two") << "two.conf"
                                  << QByteArray(
                                         "[%General]\nservo_trim_0=x\n[Condition]\nr_kp=500\n")
                                  << notANumber << QStringList{"General/servo_trim_0"};
    QTest::addRow("missing") << "typo.conf" << QByteArray() << int(ConfigResult::NotFound)
                             << QStringList();
    QTest::addRow("folder") << "folder.conf" << QByteArray() << int(ConfigResult::NotAFile)
                            << QStringList();
    QTest::addRow("empty file") << "empty.conf" << QByteArray("") << int(ConfigResult::NoSettings)
                                << QStringList();
    QTest::addRow("no gyro keys") << "other.conf" << QByteArray("[Window]\nwidth=3\n")
                                  << int(ConfigResult::NoSettings)
                                  << QStringList{"unknown keys: Window/width"};
    QTest::addRow("not an INI file") << "photo.conf" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11)
                                     << int(ConfigResult::NoSettings) << QStringList();
    QTest::addRow("only plain General")
        << "plain.conf" << QByteArray("[General]\nservo_rev_1=-1\n")
        << int(ConfigResult::NoSettings) << QStringList{"servo_rev_1"};
}

void ConfFileTest::loadRefused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(int, status);
    QFETCH(QStringList, mentions);

    if (name == "folder.conf")
        QVERIFY(QDir(dir->path()).mkdir(name));
    else if (!contents.isNull())
        writeFile(path(name), contents);
    const DeviceParameters before = patterned(3);
    DeviceParameters record = before;
    const ConfigResult result = ConfigFile::load(path(name), record);
    QCOMPARE(int(result.status()), status);
    QVERIFY(!result.ok());
    QVERIFY(record == before);
    QVERIFY2(result.message().contains(name), qPrintable(result.message()));
    QVERIFY2(!result.message().contains('\n') && result.message().size() < 200,
             qPrintable(result.message()));
    for (const QString &text : mentions)
        QVERIFY2(result.message().contains(text), qPrintable(result.message()));
}

void ConfFileTest::saveName_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");

    QTest::addRow("no suffix") << "setup"
                               << "setup.conf";
    QTest::addRow("mixed case suffix") << "setup.Conf"
                                       << "setup.Conf";
    QTest::addRow("upper case suffix") << "setup.CONF"
                                       << "setup.CONF";
    QTest::addRow("suffix not last") << "a.conf.bak"
                                     << "a.conf.bak.conf";
    QTest::addRow("other suffix") << "heli.ini"
                                  << "heli.ini.conf";
    QTest::addRow("plain suffix") << "b.conf"
                                  << "b.conf";
}

void ConfFileTest::saveName()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);

    const ConfigResult result = ConfigFile::save(path(chosen), patterned(1));
    QCOMPARE(result.status(), ConfigResult::Saved);
    QCOMPARE(result.fileName(), path(written));
    // Exactly the one file: no temporary or lock file left behind.
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{written});
    QVERIFY(result.message().contains(written));
}

void ConfFileTest::saveKeepsOtherKeys()
{
    writeFile(path("keep.conf"), "[Other]\nnote=mine\n\n[Condition]\nr_kp=5\nextra=1\n");
    DeviceParameters record;
    record.r_kp = 77;
    QVERIFY(ConfigFile::save(path("keep.conf"), record).ok());
    const auto found = sections(readFile(path("keep.conf")));
    QCOMPARE(found["[Other]"]["note"], QStringLiteral("mine"));
    QCOMPARE(found["[Condition]"]["extra"], QStringLiteral("1"));
    QCOMPARE(found["[Condition]"]["r_kp"], QStringLiteral("77"));
    QCOMPARE(found["[Condition]"].size(), 39 + 1);
}

void ConfFileTest::saveOverHandEditedFile_data()
{
    QTest::addColumn<QByteArray>("contents");

    // Files a pilot has touched in an editor: each loads, so saving the
    // edited set back over it must work too.
    const QByteArray body = "[Other]\nnote=mine\n\n[Condition]\nr_kp=5\n";
    QTest::addRow("byte order mark") << QByteArray("\xef\xbb\xbf" + body);
    QTest::addRow("hash comment") << QByteArray("# my 450 set-up\n" + body);
    QTest::addRow("line without a value") << QByteArray(body + "r_ki 4\n");
    QTest::addRow("clean") << body;
}

void ConfFileTest::saveOverHandEditedFile()
{
    QFETCH(QByteArray, contents);

    writeFile(path("edited.conf"), contents);
    DeviceParameters loaded = patterned(2);
    QCOMPARE(ConfigFile::load(path("edited.conf"), loaded).status(), ConfigResult::Loaded);
    QCOMPARE(int(loaded.r_kp), 5);

    const DeviceParameters record = patterned(-20);
    const ConfigResult result = ConfigFile::save(path("edited.conf"), record);
    QCOMPARE(result.status(), ConfigResult::Saved);
    const auto found = sections(readFile(path("edited.conf")));
    QCOMPARE(found["[Other]"]["note"], QStringLiteral("mine"));
    QCOMPARE(found["[Condition]"]["r_kp"], QString::number(record.r_kp));
    DeviceParameters back;
    QCOMPARE(ConfigFile::load(path("edited.conf"), back).keysRead(), LoadedKeyCount);
    QCOMPARE(int(back.burst_coef), int(record.burst_coef));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"edited.conf"});
}

void ConfFileTest::saveFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("status");

    QTest::addRow("folder of that name") << "folder.conf" << int(ConfigResult::IsDirectory);
    QTest::addRow("folder after the suffix") << "folder" << int(ConfigResult::IsDirectory);
    QTest::addRow("missing folder") << "no/such/dir/x.conf" << int(ConfigResult::NotWritable);
    QTest::addRow("place nobody may write")
        << "/proc/vrn-test.conf" << int(ConfigResult::NotWritable);
    // Opening a pipe to write waits for a reader that never comes.
    QTest::addRow("pipe") << "pipe.conf" << int(ConfigResult::NotRegular);
    QTest::addRow("pipe after the suffix") << "pipe" << int(ConfigResult::NotRegular);
}

void ConfFileTest::saveFailures()
{
    QFETCH(QString, name);
    QFETCH(int, status);

    QVERIFY(QDir(dir->path()).mkdir("folder.conf"));
    QCOMPARE(::mkfifo(QFile::encodeName(path("pipe.conf")).constData(), 0644), 0);
    const QString target = name.startsWith('/') ? name : path(name);
    const ConfigResult result = ConfigFile::save(target, patterned(1));
    QCOMPARE(int(result.status()), status);
    QVERIFY(!result.ok());
    QVERIFY2(result.message().contains(QFileInfo(ConfigFile::saveName(target)).fileName()),
             qPrintable(result.message()));
    QVERIFY(QFileInfo(path("folder.conf")).isDir());
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void ConfFileTest::failedSaveKeepsOldFile()
{
    // A full disk, made by a file size limit (which holds for root too).
    const QByteArray old = "[Condition]\nr_kp=5\n";
    writeFile(path("old.conf"), old);
    rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 256;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const ConfigResult result = ConfigFile::save(path("old.conf"), patterned(1));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(result.status(), ConfigResult::NotWritable);
    QCOMPARE(readFile(path("old.conf")), old);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"old.conf"});
}

// Where the dialogs open: the folder of the last file chosen, else the
// pilot's Documents, else home; never the working directory. A choice moves
// the next dialog, of either kind, to its folder.
void ConfFileTest::dialogs_data()
{
    QTest::addColumn<bool>("load");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("fileMode");
    QTest::addColumn<bool>("documents"); // the pilot has a Documents folder
    QTest::addColumn<QString>("last");   // "", "kept" or "gone"
    QTest::addColumn<QString>("opens");  // "Documents", "kept" or "home"

    for (const bool load : {true, false}) {
        const char *kind = load ? "load" : "save";
        const QString title = load ? "Open Config File" : "Save Config File";
        const int mode = load ? int(QFileDialog::ExistingFile) : int(QFileDialog::AnyFile);
        QTest::addRow("%s: first time, Documents", kind) << load << title << mode << true << ""
                                                         << "Documents";
        QTest::addRow("%s: first time, no Documents", kind) << load << title << mode << false << ""
                                                            << "home";
        QTest::addRow("%s: last folder", kind) << load << title << mode << true << "kept"
                                               << "kept";
        QTest::addRow("%s: last folder gone", kind) << load << title << mode << true << "gone"
                                                    << "Documents";
        QTest::addRow("%s: all gone", kind) << load << title << mode << false << "gone"
                                            << "home";
    }
}

void ConfFileTest::dialogs()
{
    QFETCH(bool, load);
    QFETCH(QString, title);
    QFETCH(int, fileMode);
    QFETCH(bool, documents);
    QFETCH(QString, last);
    QFETCH(QString, opens);

    const QByteArray home = qgetenv("HOME");
    const auto restoreHome = qScopeGuard([home] { qputenv("HOME", home); });
    const QString pilot = path("pilot");
    QVERIFY(QDir().mkpath(pilot + "/kept"));
    QVERIFY(QDir().mkpath(pilot + "/picked"));
    if (documents)
        QVERIFY(QDir().mkpath(pilot + "/Documents"));
    qputenv("HOME", QFile::encodeName(pilot));

    WiredToolBar wired;
    toolWidget &bar = wired.bar;
    bar.setLoadingAllowed(true);
    if (!last.isEmpty())
        bar.setLastFolder(pilot + "/" + last);
    QSignalSpy folders(&bar, &toolWidget::folderChosen);
    QStringList openedIn;
    DialogHook::onFile([&](QFileDialog &dialog) -> std::optional<QString> {
        openedIn << dialog.directory().absolutePath();
        [&] {
            QCOMPARE(dialog.windowTitle(), title);
            QCOMPARE(dialog.nameFilters(), QStringList{"Configuration files (*.conf)"});
            QCOMPARE(int(dialog.fileMode()), fileMode);
            QCOMPARE(dialog.parentWidget(), &bar);
            // The desktop's own dialog wherever the desktop offers one.
            QVERIFY(!dialog.testOption(QFileDialog::DontUseNativeDialog));
        }();
        return pilot + "/picked/model.conf";
    });
    DialogHook::onQuestion([](QMessageBox &) { return 1; }); // keep the first save
    const auto forgetHook = qScopeGuard([] { DialogHook::onQuestion({}); });
    const auto open = [&] { load ? bar.loadConfigFile() : bar.saveConfigFile(); };
    open();
    open();
    const QString expected = opens == "home" ? pilot : pilot + "/" + opens;
    QCOMPARE(openedIn, QStringList({expected, pilot + "/picked"}));
    QCOMPARE(folders.count(), 2);
    QCOMPARE(folders.at(0).at(0).toString(), pilot + "/picked");
}

void ConfFileTest::cancelledDialogs_data()
{
    QTest::addColumn<bool>("load");
    QTest::addRow("load") << true;
    QTest::addRow("save") << false;
}

void ConfFileTest::cancelledDialogs()
{
    QFETCH(bool, load);

    writeFile(path("ready.conf"), "[Condition]\nr_kp=5\n");
    const DeviceParameters before = patterned(9);
    WiredToolBar wired(before);
    toolWidget &bar = wired.bar;
    QSignalSpy loaded(&bar, &toolWidget::configurationLoaded);
    QSignalSpy messages(&bar, &toolWidget::messageText);
    DialogHook::onFile([](QFileDialog &) { return std::optional<QString>(); });
    if (load)
        bar.loadConfigFile();
    else
        bar.saveConfigFile();

    QVERIFY(wired.record == before);
    QCOMPARE(loaded.count(), 0);
    QCOMPARE(messages.count(), 0);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"ready.conf"});
    QCOMPARE(readFile(path("ready.conf")), QByteArray("[Condition]\nr_kp=5\n"));
}

void ConfFileTest::toolBarLoad()
{
    // Fields no page shows are never applied: here the file agrees on them.
    WiredToolBar wired;
    toolWidget &bar = wired.bar;
    DeviceParameters saved = patterned(-50);
    for (const ParameterCaption &row : ParameterCaption::all()) {
        if (!row.usedBy(0))
            saved.setByteAt(row.offset, wired.record.byteAt(row.offset));
    }
    QVERIFY(ConfigFile::save(path("good.conf"), saved).ok());
    QSignalSpy loaded(&bar, &toolWidget::configurationLoaded);
    QSignalSpy messages(&bar, &toolWidget::messageText);
    int recordAtSignal = -1;
    connect(&bar, &toolWidget::configurationLoaded, [&] { recordAtSignal = wired.record.r_kp; });
    DialogHook::onFile([&](QFileDialog &) { return path("good.conf"); });
    int previews = 0;
    DialogHook::on<ChangePreview>([&](ChangePreview &) {
        ++previews;
        return int(QDialog::Accepted);
    });

    bar.loadConfigFile();
    QCOMPARE(previews, 1);
    QCOMPARE(loaded.count(), 1);
    // The navigator uploads on the signal, so the record is complete by then.
    QCOMPARE(recordAtSignal, int(saved.r_kp));
    QCOMPARE(wired.record.burst_coef, saved.burst_coef);
    QCOMPARE(messages.count(), 1);
    QVERIFY(messages.at(0).at(0).toString().contains("good.conf"));

    // The same file again changes nothing: no question, no upload.
    bar.loadConfigFile();
    DialogHook::on<ChangePreview>({});
    QCOMPARE(previews, 1);
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(messages.last().at(0).toString(), QString("good.conf matches the unit's parameters"));
}

void ConfFileTest::toolBarLoadRefused()
{
    writeFile(path("notes.conf"), "just some text\n");
    const DeviceParameters before = patterned(4);
    WiredToolBar wired(before);
    toolWidget &bar = wired.bar;
    QSignalSpy loaded(&bar, &toolWidget::configurationLoaded);
    QSignalSpy messages(&bar, &toolWidget::messageText);
    for (const QString name : {"notes.conf", "mistyped.conf"}) {
        DialogHook::onFile([&](QFileDialog &) { return path(name); });
        bar.loadConfigFile();
    }
    QVERIFY(wired.record == before);
    QCOMPARE(loaded.count(), 0);
    QCOMPARE(messages.count(), 2);
    QVERIFY(messages.at(0).at(0).toString().contains("notes.conf"));
    QVERIFY(messages.at(1).at(0).toString().contains("mistyped.conf"));
}

void ConfFileTest::toolBarSave()
{
    WiredToolBar wired(patterned(11));
    toolWidget &bar = wired.bar;
    QSignalSpy loaded(&bar, &toolWidget::configurationLoaded);
    QSignalSpy messages(&bar, &toolWidget::messageText);
    DialogHook::onFile([&](QFileDialog &) { return path("setup"); });
    bar.saveConfigFile();

    QCOMPARE(loaded.count(), 0);
    QCOMPARE(messages.count(), 1);
    QVERIFY(messages.at(0).at(0).toString().contains("setup.conf"));
    DeviceParameters back;
    QCOMPARE(ConfigFile::load(path("setup.conf"), back).status(), ConfigResult::Loaded);
    QCOMPARE(back.phi_ktotal, wired.record.phi_ktotal);

    DialogHook::onFile([&](QFileDialog &) { return path("folder.conf"); });
    QVERIFY(QDir(dir->path()).mkdir("folder.conf"));
    bar.saveConfigFile();
    QCOMPARE(messages.count(), 2);
    QVERIFY(messages.at(1).at(0).toString().contains("folder.conf"));
    QVERIFY(messages.at(1).at(0).toString() != messages.at(0).at(0).toString());
}

void ConfFileTest::overwriteQuestion_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("existing");
    QTest::addColumn<int>("answer"); // 0 replace, 1 cancel
    QTest::addColumn<QString>("asked");
    QTest::addColumn<bool>("written");
    QTest::addRow("heli.v2, its .conf kept") << "heli.v2"
                                             << "heli.v2.conf" << 1 << "heli.v2.conf" << false;
    QTest::addRow("heli.v2, its .conf replaced") << "heli.v2"
                                                 << "heli.v2.conf" << 0 << "heli.v2.conf" << true;
    QTest::addRow("heli.v2 exists, not its .conf") << "heli.v2"
                                                   << "heli.v2" << 1 << "" << true;
    QTest::addRow("same name") << "a.conf"
                               << "a.conf" << 1 << "a.conf" << false;
    QTest::addRow("new name") << "new"
                              << "" << 1 << "" << true;
}

// The question before replacing a file is about the file really written.
void ConfFileTest::overwriteQuestion()
{
    QFETCH(QString, typed);
    QFETCH(QString, existing);
    QFETCH(int, answer);
    QFETCH(QString, asked);
    QFETCH(bool, written);
    const QByteArray old = "[Condition]\nr_kp=5\n";
    if (!existing.isEmpty())
        writeFile(path(existing), old);
    WiredToolBar wired(patterned(11));
    toolWidget &bar = wired.bar;
    DialogHook::onFile([&](QFileDialog &dialog) {
        // The dialog's own question would be about the typed name.
        return dialog.testOption(QFileDialog::DontConfirmOverwrite)
                   ? std::optional<QString>(path(typed))
                   : std::nullopt;
    });
    QStringList questions;
    DialogHook::onQuestion([&](QMessageBox &box) {
        questions << box.text();
        return box.defaultButton() == box.buttons().last() ? answer : 0;
    });
    bar.saveConfigFile();
    DialogHook::onQuestion({});

    QCOMPARE(questions.size(), asked.isEmpty() ? 0 : 1);
    if (!asked.isEmpty())
        QVERIFY2(questions.first().startsWith(asked + " already exists"),
                 qPrintable(questions.first()));
    const QString target = path(ConfigFile::saveName(typed));
    QCOMPARE(readFile(target) != old && QFileInfo::exists(target), written);
    if (existing != ConfigFile::saveName(typed) && !existing.isEmpty())
        QCOMPARE(readFile(path(existing)), old);
}

void ConfFileTest::loadMessage_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("message");

    const auto loadedOf = [](int keys) {
        return QStringLiteral(
                   "Loaded %1 of %2 settings from in.conf; the other %3 kept their values")
            .arg(keys)
            .arg(LoadedKeyCount)
            .arg(LoadedKeyCount - keys);
    };
    QTest::addRow("two of all") << QByteArray("[Condition]\nr_ktotal=60\nphi_ktotal=32\n")
                                << loadedOf(2);
    QTest::addRow("misspelt key listed")
        << QByteArray("[Condition]\nr_ktotal=60\nr_kpp=3\n[Other]\nx=1\n")
        << loadedOf(1) + "; unknown keys ignored: Condition/r_kpp, Other/x";
    QTest::addRow("IMU keys are known")
        << QByteArray("[%General]\nimu_rotate=1\n[Condition]\nr_ktotal=60\n") << loadedOf(1);
}

void ConfFileTest::loadMessage()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, message);
    writeFile(path("in.conf"), contents);
    DeviceParameters record;
    const ConfigResult result = ConfigFile::load(path("in.conf"), record);
    QCOMPARE(result.status(), ConfigResult::Loaded);
    QCOMPARE(result.message(), message);
}

// Every record a unit can hold, with any byte in any field, comes back
// from its own file and from its own History entry; the preview's flags
// name exactly the values the pages do not offer.
void ConfFileTest::randomRoundTrips()
{
    toolWidget bar;
    statusWidget status;
    SerialProcessThread link(&bar, &status);
    contentWidget navigator(nullptr, &link);
    const ValueRanges ranges = navigator.valueRanges();
    QVERIFY(!ranges.allows(ValueRanges::offsetOf(&DeviceParameters::roll_agility), 14));
    QVERIFY(!ranges.allows(ValueRanges::offsetOf(&DeviceParameters::installation), 3));

    UnitHistory history(path("history"));
    const QDateTime start(QDate(2026, 12, 8), QTime(9, 0));
    QRandomGenerator random(1406);
    int flaggedTotal = 0;
    for (int trip = 0; trip < 300; ++trip) {
        DeviceParameters saved;
        DeviceParameters loaded;
        for (int i = 0; i < DeviceParameters::Size; ++i) {
            saved.setByteAt(i, qint8(random.bounded(-128, 128)));
            loaded.setByteAt(i, qint8(random.bounded(-128, 128)));
        }
        // Now and then the extremes, and 0 and -1 as a fresh unit may hold them.
        if (trip % 5 == 0) {
            for (const ConfigKey &key : configKeys())
                saved.setByteAt(key.offset,
                                qint8(std::array<int, 4>{-128, 127, 0, -1}[random.bounded(4)]));
        }
        const quint8 model = random.bounded(2) ? UnitModel::A1 : UnitModel::X1;
        const quint8 firmware = quint8(random.bounded(256));
        const DeviceParameters before = loaded;
        const QString name = path(QStringLiteral("trip%1.conf").arg(trip));
        QVERIFY(ConfigFile::save(name, saved, model, firmware).ok());
        const ConfigResult result = ConfigFile::load(name, loaded);
        QVERIFY2(result.status() == ConfigResult::Loaded, qPrintable(result.message()));
        QCOMPARE(result.keysRead(), LoadedKeyCount);
        QCOMPARE(result.unknownKeys(), QStringList());
        QCOMPARE(result.missingKeys(), QStringList());
        QCOMPARE(result.savedModel(), UnitModel::name(model));
        QCOMPARE(result.savedFirmware(), UnitModel::firmware(firmware));
        QCOMPARE(result.message(),
                 QStringLiteral("Configuration loaded from %1").arg(QFileInfo(name).fileName()));
        const QSet<int> offsets = loadedOffsets();
        for (int i = 0; i < DeviceParameters::Size; ++i)
            QCOMPARE(int(loaded.byteAt(i)), int((offsets.contains(i) ? saved : before).byteAt(i)));

        // Flagged: exactly the used fields whose value no page offers;
        // fields the model does not use are set back, never flagged.
        DeviceParameters candidate = loaded;
        const LoadFindings findings(result, before, candidate, ranges, model);
        QSet<int> expected;
        for (const ParameterCaption &row : ParameterCaption::all()) {
            if (!row.usedBy(model))
                QCOMPARE(int(candidate.byteAt(row.offset)), int(before.byteAt(row.offset)));
            else if (!ranges.allows(row.offset, saved.byteAt(row.offset)))
                expected.insert(row.offset);
        }
        const QVector<int> flagged = findings.flaggedOffsets();
        QCOMPARE(QSet<int>(flagged.begin(), flagged.end()), expected);
        QCOMPARE(findings.flagged().size(), expected.size());
        QCOMPARE(findings.notes(), QStringList()); // same model, every key, nothing unknown
        flaggedTotal += expected.size();

        // Through the History (a third of the trips, under its cap): the
        // entry holds the whole record; the same record again is unchanged,
        // one byte more is saved.
        if (trip % 3 != 0)
            continue;
        const QDateTime when = start.addSecs(trip);
        QCOMPARE(history.save(saved, model, firmware, UnitHistory::Kind::Read, when),
                 UnitHistory::Outcome::Saved);
        const UnitHistory::Entry newest = history.entries().first();
        QVERIFY(UnitHistory::writtenHere(newest));
        DeviceParameters restored = before;
        QVERIFY(ConfigFile::load(newest.path, restored).ok());
        for (int offset : offsets)
            QCOMPARE(int(restored.byteAt(offset)), int(saved.byteAt(offset)));
        QCOMPARE(history.save(saved, model, firmware, UnitHistory::Kind::Flashed, when.addSecs(1)),
                 UnitHistory::Outcome::Unchanged);
        const ConfigKey &key = configKeys()[random.bounded(int(ConfigKeyCount))];
        if (key.loaded) {
            DeviceParameters edited = saved;
            edited.setByteAt(key.offset, qint8(saved.byteAt(key.offset) ^ 1));
            QCOMPARE(
                history.save(edited, model, firmware, UnitHistory::Kind::Flashed, when.addSecs(1)),
                UnitHistory::Outcome::Saved);
        }
    }
    QVERIFY(flaggedTotal > 300); // the test reaches what no page offers
}

// The change preview names a field by its caption: every key a file loads
// has one, and no caption stands for a field no file carries.
void ConfFileTest::previewCaptionsCoverTheLoadedKeys()
{
    QSet<int> loaded;
    for (const ConfigKey &key : configKeys())
        if (key.loaded)
            loaded.insert(key.offset);
    QSet<int> captioned;
    for (const ParameterCaption &caption : ParameterCaption::all())
        captioned.insert(caption.offset);
    QCOMPARE(loaded.size(), LoadedKeyCount);
    QCOMPARE(captioned, loaded);
}

// The three real pages in one language: the translator is installed before
// the forms are built, as the program does.
class PagesInLanguage
{
public:
    explicit PagesInLanguage(const QString &language)
    {
        if (language != QLatin1String("en"))
            loaded = translator.load(
                QStringLiteral(VRN_BINARY_DIR "/language/vrn_lang_%1.qm").arg(language));
        else
            loaded = true;
        if (loaded && !translator.isEmpty())
            QCoreApplication::installTranslator(&translator);
        navigator = std::make_unique<contentWidget>(nullptr, &link);
    }
    ~PagesInLanguage()
    {
        navigator.reset();
        QCoreApplication::removeTranslator(&translator);
    }

    bool loaded = false;
    QWidget *page(ParameterCaption::Page which) const
    {
        const char *className = which == ParameterCaption::Page::Basic   ? "MainSettingPage"
                                : which == ParameterCaption::Page::Setup ? "ConfigureSettingPage"
                                                                         : "AdvanceSettingPage";
        for (QWidget *child : navigator->findChildren<QWidget *>()) {
            if (child->inherits(className))
                return child;
        }
        return nullptr;
    }
    void refresh() const
    {
        qobject_cast<MainSettingPage *>(page(ParameterCaption::Page::Basic))
            ->refreshFromParameters();
        qobject_cast<ConfigureSettingPage *>(page(ParameterCaption::Page::Setup))
            ->refreshFromParameters();
        qobject_cast<AdvanceSettingPage *>(page(ParameterCaption::Page::Advanced))
            ->refreshFromParameters();
    }
    // The record the pages show: their link's.
    DeviceParameters &record() const { return link.parameters(); }

private:
    QTranslator translator;
    toolWidget bar;
    statusWidget status;
    mutable SerialProcessThread link{&bar, &status};
    std::unique_ptr<contentWidget> navigator;
};

QString shownText(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *group = qobject_cast<const QGroupBox *>(widget))
        return group->title();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    return QString();
}

void ConfFileTest::captionsAreThePagesLabels_data()
{
    QTest::addColumn<QString>("language");
    QTest::addRow("English") << "en";
    QTest::addRow("Chinese") << "zh";
}

// Each caption is the text its page's form shows, found by object name on
// the real page; a field said to be shown nowhere is hidden there, and a
// caption without a label names one of its page's tabs. In Chinese too, so
// a caption kept under another context than its form's shows.
void ConfFileTest::captionsAreThePagesLabels()
{
    QFETCH(QString, language);
    const PagesInLanguage pages(language);
    QVERIFY(pages.loaded);
    for (const ParameterCaption &row : ParameterCaption::all()) {
        QWidget *page = pages.page(row.page);
        QVERIFY(page);
        const QString where = row.fullCaption();
        QStringList tabs;
        for (const QTabWidget *tabWidget : page->findChildren<QTabWidget *>()) {
            for (int i = 0; i < tabWidget->count(); ++i)
                tabs << tabWidget->tabText(i).trimmed();
        }
        for (const QGroupBox *group : page->findChildren<QGroupBox *>())
            tabs << group->title().trimmed();
        QVERIFY2(tabs.contains(row.tabName()), qPrintable(where));
        for (const ParameterCaption::FormText &part : {row.prefix, row.label}) {
            if (!part.object)
                continue;
            auto *widget = page->findChild<QWidget *>(QLatin1String(part.object));
            QVERIFY2(widget, part.object);
            QCOMPARE(shownText(widget).simplified(), row.formText(part));
        }
        if (row.label.object) {
            auto *label = page->findChild<QWidget *>(QLatin1String(row.label.object));
            QVERIFY2(label->isHidden() == (row.use == ParameterCaption::Use::Hidden),
                     qPrintable(where));
        }
    }
}

void ConfFileTest::listTextsAreTheFormsItems_data()
{
    captionsAreThePagesLabels_data();
}

// Every name of a value list is what its page shows for that value: the
// combo box's item at the list's index, or the widget of its own (a label
// beside a picture button, a radio button) once the record holds the code
// the name stands for. A list of a field that a page shows by choices must
// say where.
void ConfFileTest::listTextsAreTheFormsItems()
{
    QFETCH(QString, language);
    const PagesInLanguage pages(language);
    QVERIFY(pages.loaded);
    int compared = 0;
    for (const ParameterCaption &row : ParameterCaption::all()) {
        const ParameterTable::ChoiceList *list = ParameterTable::listOf(row.format());
        if (!list || row.format() == ParameterCaption::Format::Direction)
            continue; // a check box: no names on the page
        QWidget *page = pages.page(row.page);
        const QString where = row.fullCaption();
        for (int i = 0; i < list->count; ++i) {
            const ParameterTable::ListText &entry = list->texts[i];
            const QString expected = QCoreApplication::translate(entry.context, entry.text);
            if (list->comboBox) {
                auto *box = page->findChild<QComboBox *>(QLatin1String(list->comboBox));
                QVERIFY2(box, list->comboBox);
                QCOMPARE(box->count(), list->count);
                QCOMPARE(box->itemText(i), expected);
                ++compared;
                continue;
            }
            QVERIFY2(entry.object, qPrintable(where + ": " + entry.text));
            auto *widget = page->findChild<QWidget *>(QLatin1String(entry.object));
            QVERIFY2(widget, entry.object);
            // The code the name stands for, as the preview words values.
            int code = -129;
            for (int value = -128; value <= 127 && code < -128; ++value) {
                if (row.valueText(value) == expected)
                    code = value;
            }
            QVERIFY2(code >= -128, qPrintable(where + ": " + expected));
            pages.record().setByteAt(row.offset, qint8(code));
            pages.refresh();
            QCOMPARE(shownText(widget).simplified(), expected);
            ++compared;
        }
    }
    QCOMPARE(compared, 9 + 5 + 6 + 3 + 5 + 2 + 2 + 2 + 3);
}

void ConfFileTest::longNames_data()
{
    QTest::addColumn<QString>("name");
    // Names up to the 255 bytes a Linux file system takes, in any script.
    QTest::addRow("255 bytes") << QString(250, 'a') + ".conf";
    QTest::addRow("Chinese, 250 bytes") << QString(80, QChar(0x4E2D)) + QString(5, 'b') + ".conf";
}

// The temporary and check files of a save must not need a longer name
// than the file itself.
void ConfFileTest::longNames()
{
    QFETCH(QString, name);
    QVERIFY(QFile::encodeName(name).size() <= 255);
    const DeviceParameters saved = patterned(21);
    const ConfigResult result = ConfigFile::save(path(name), saved, UnitModel::A1, 12);
    QVERIFY2(result.ok(), qPrintable(result.message()));
    DeviceParameters back;
    QVERIFY(ConfigFile::load(path(name), back).ok());
    QCOMPARE(back.r_kp, saved.r_kp);
    // Nothing left beside it.
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});
}

QTEST_MAIN(ConfFileTest)
#include "tst_conffile.moc"
