// The setup sheet as a pilot gets it: from the command line without a
// display, and from the History window; read back with poppler's tools.

#include "../PdfText.h"
#include "ConfigFile.h"
#include "DeviceParameters.h"
#include "DialogHook.h"
#include "HistoryWindow.h"
#include "LinkEngine.h"
#include "ModelParameters.h"
#include "ParameterCaption.h"
#include "Question.h"
#include "SetupSheet.h"
#include "SetupSheetOffer.h"
#include "UnitHistory.h"
#include "UnitModel.h"
#include "toolWidget.h"

#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>

#include <cstddef>

namespace {

#define OFFSET(field) int(offsetof(DeviceParameters, field))

// A record where every plain number differs from every other, negative ones
// included, so a value printed beside the wrong caption is caught.
DeviceParameters knownRecord()
{
    DeviceParameters record;
    int i = 0;
    for (const ParameterCaption &row : ParameterCaption::all()) {
        if (row.format() == ParameterCaption::Format::Number)
            record.setByteAt(row.offset, qint8((i * 7) % 100 - 20));
        ++i;
    }
    record.flight_trim_phi = -15;
    record.flight_trim_theta = 7;
    record.motor_type = 0;
    record.receiver_type = 8;
    record.aux_function = 1;
    record.pcset_mode = 2;
    record.installation = 11;
    record.model_type = 2;
    record.swash_servotype = 3;
    record.tail_servotype = 4;
    record.servo_rev_0 = 1;
    record.servo_rev_1 = -1;
    record.servo_rev_2 = 1;
    record.servo_rev_3 = -1;
    record.governor_status = 2;
    return record;
}

struct Named
{
    int offset;
    const char *english;
    const char *chinese;
};

// The words of the known record's named values, as the pages show them.
const Named NamedValues[] = {
    {OFFSET(flight_trim_phi), "\u22121.5°", "\u22121.5°"},
    {OFFSET(flight_trim_theta), "0.7°", "0.7°"},
    {OFFSET(motor_type), "Electric", "电动"},
    {OFFSET(receiver_type), "DSMX-2", "DSMX-2"},
    {OFFSET(aux_function), "Switch Flight Mode", "切换飞行模式"},
    {OFFSET(pcset_mode), "Attitude Mode", "自平衡模式"},
    {OFFSET(installation), "Mounting 3.", "安装方式 3"},
    {OFFSET(model_type), "120CCPM", "120CCPM"},
    {OFFSET(swash_servotype), "Digital Servo 1520us(333Hz)", "数字舵机 1520us(333Hz)"},
    {OFFSET(tail_servotype), "Digital Servo 760us", "数字舵机 760us"},
    {OFFSET(servo_rev_0), "Normal", "正向"},
    {OFFSET(servo_rev_1), "Reversed", "反向"},
    {OFFSET(servo_rev_2), "Normal", "正向"},
    {OFFSET(servo_rev_3), "Reversed", "反向"},
    {OFFSET(governor_status), "Governor On", "开启定速"},
};

QString expectedValue(const DeviceParameters &record, const ParameterCaption &row, bool chinese)
{
    for (const Named &named : NamedValues) {
        if (named.offset == row.offset)
            return QString::fromUtf8(chinese ? named.chinese : named.english);
    }
    const int value = record.byteAt(row.offset);
    return value < 0 ? QChar(0x2212) + QString::number(-value) : QString::number(value);
}

QString program()
{
    return QStringLiteral(VRN_ASSISTANT_EXECUTABLE);
}

struct Run
{
    int exitCode;
    QString out;
    QString errors;
};

// The program as started from a terminal of a machine without a display.
Run runProgram(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    // A login session has one; without it Qt warns on every start.
    static QTemporaryDir runtime;
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    process.setProcessEnvironment(environment);
    process.start(program(), arguments);
    if (!process.waitForFinished(60000))
        return {-1, QString(), QStringLiteral("did not finish")};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

class Translation
{
public:
    explicit Translation(bool chinese)
    {
        if (chinese && translator.load(QStringLiteral(VRN_BINARY_DIR "/language/vrn_lang_zh.qm")))
            QCoreApplication::installTranslator(&translator);
    }
    ~Translation() { QCoreApplication::removeTranslator(&translator); }
    bool loaded() const { return !translator.isEmpty(); }

private:
    QTranslator translator;
};

} // namespace

class SetupSheetTest : public QObject
{
    Q_OBJECT

private slots:
    void everyValueBesideItsCaption_data();
    void everyValueBesideItsCaption();
    void commandLineErrors_data();
    void commandLineErrors();
    void modelAndFlashState_data();
    void modelAndFlashState();
    void randomRecordsFitAndStayBesideTheirCaptions();
    void historyEntryFromTheWindow_data();
    void historyEntryFromTheWindow();
    void cleanup();
};

void SetupSheetTest::cleanup()
{
    DialogHook::onQuestion(nullptr);
    DialogHook::on<HistoryWindow>(nullptr);
    DialogHook::onFile(nullptr);
    DialogHook::onPrint(nullptr);
}

void SetupSheetTest::everyValueBesideItsCaption_data()
{
    QTest::addColumn<QStringList>("language");
    QTest::addColumn<bool>("chinese");
    QTest::addRow("English") << QStringList() << false;
    QTest::addRow("Chinese") << QStringList{QStringLiteral("--language"), QStringLiteral("zh")}
                             << true;
}

void SetupSheetTest::everyValueBesideItsCaption()
{
    QFETCH(QStringList, language);
    QFETCH(bool, chinese);
    QTemporaryDir dir;
    const DeviceParameters record = knownRecord();
    const QString conf = dir.filePath(QStringLiteral("trex.conf"));
    QVERIFY(ConfigFile::save(conf, record).ok());
    const QString pdf = dir.filePath(QStringLiteral("trex.pdf"));

    const Run run = runProgram(
        QStringList{QStringLiteral("--setup-sheet"), conf, QStringLiteral("-o"), pdf} + language);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.errors.isEmpty(), qPrintable(run.errors));
    QVERIFY(run.out.contains(QStringLiteral("trex.pdf")));
    const int pages = PdfText::pages(pdf);
    QVERIFY2(pages == 1 || pages == 2, qPrintable(QString::number(pages)));
    QVERIFY(PdfText::run(QStringLiteral("pdfinfo"), {pdf}).contains(QLatin1String("(A4)")));

    // Every font is in the file: the sheet prints the same elsewhere.
    const QStringList fonts =
        PdfText::run(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n')).mid(2);
    QVERIFY(!fonts.join(QString()).trimmed().isEmpty());
    for (const QString &font : fonts) {
        if (!font.trimmed().isEmpty())
            QVERIFY2(font.contains(QLatin1String(" yes ")), qPrintable(font));
    }

    const QString text = PdfText::text(pdf);
    const Translation translation(chinese);
    QCOMPARE(translation.loaded(), chinese);
    QVERIFY(text.contains(QCoreApplication::translate("SetupSheet", "Setup sheet")));
    QVERIFY(text.contains(QStringLiteral("trex.conf")));
    QVERIFY(!text.contains(QCoreApplication::translate("SetupSheet", "Not written to flash")));
    for (const ParameterCaption &row : ParameterCaption::all()) {
        QVERIFY2(text.contains(row.pageName()), qPrintable(row.pageName()));
        QVERIFY2(text.contains(row.tabName()), qPrintable(row.tabName()));
        const QString value = expectedValue(record, row, chinese);
        QVERIFY2(PdfText::besideCaption(text, row.text(), value),
                 qPrintable(QStringLiteral("%1: %2 not beside it").arg(row.text(), value)));
    }
}

void SetupSheetTest::commandLineErrors_data()
{
    QTest::addColumn<QString>("contents"); // empty: no such file
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    const QString good = QStringLiteral("[Condition]\nr_kp=40\n");
    const QStringList sheet = {QStringLiteral("--setup-sheet"), QStringLiteral("@in"),
                               QStringLiteral("-o"), QStringLiteral("@out")};
    QTest::addRow("missing file") << QString() << sheet << 1
                                  << QStringLiteral("the file does not exist");
    QTest::addRow("not a number") << QStringLiteral("[Condition]\nr_kp=forty\n") << sheet << 1
                                  << QStringLiteral("not a whole number");
    QTest::addRow("no gyro settings") << QStringLiteral("[Other]\nx=1\n") << sheet << 1
                                      << QStringLiteral("holds no gyro settings");
    QTest::addRow("output in a missing folder")
        << good
        << QStringList{QStringLiteral("--setup-sheet"), QStringLiteral("@in"), QStringLiteral("-o"),
                       QStringLiteral("@dir/no/such/folder/x.pdf")}
        << 1 << QStringLiteral("cannot be written");
    QTest::addRow("output over the file")
        << good
        << QStringList{QStringLiteral("--setup-sheet"), QStringLiteral("@in"), QStringLiteral("-o"),
                       QStringLiteral("@dir/./heli.conf")}
        << 1 << QStringLiteral("would replace");
    QTest::addRow("no output named")
        << good << QStringList{QStringLiteral("--setup-sheet"), QStringLiteral("@in")} << 2
        << QStringLiteral("needs -o");
    QTest::addRow("unknown language")
        << good << sheet + QStringList{QStringLiteral("--language"), QStringLiteral("fr")} << 2
        << QStringLiteral("en or zh");
    QTest::addRow("output without a sheet")
        << good << QStringList{QStringLiteral("-o"), QStringLiteral("@out")} << 2
        << QStringLiteral("go with --setup-sheet");
}

void SetupSheetTest::commandLineErrors()
{
    QFETCH(QString, contents);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("heli.conf"));
    const QString out = dir.filePath(QStringLiteral("heli.pdf"));
    if (!contents.isEmpty()) {
        QFile file(in);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents.toUtf8());
    }
    for (QString &argument : arguments) {
        argument.replace(QLatin1String("@in"), in);
        argument.replace(QLatin1String("@out"), out);
        argument.replace(QLatin1String("@dir"), dir.path());
    }
    const Run run = runProgram(arguments);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
    QVERIFY(!QFile::exists(out));
    // The .conf file is left as it was.
    QFile file(in);
    QCOMPARE(file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString(),
             contents);
}

void SetupSheetTest::modelAndFlashState_data()
{
    QTest::addColumn<quint8>("model");
    QTest::addColumn<bool>("notInFlash");
    QTest::addColumn<bool>("governorShown");
    QTest::addRow("VRN-X1, flashed") << UnitModel::X1 << false << true;
    QTest::addRow("VRN-X1, not flashed") << UnitModel::X1 << true << true;
    QTest::addRow("VRN-A1 has no governor") << UnitModel::A1 << true << false;
    QTest::addRow("model not known shows all") << quint8(0) << false << true;
}

void SetupSheetTest::modelAndFlashState()
{
    QFETCH(quint8, model);
    QFETCH(bool, notInFlash);
    QFETCH(bool, governorShown);
    QTemporaryDir dir;
    SetupSheet::Source source;
    source.record = knownRecord();
    source.model = model;
    source.firmware = QStringLiteral("2.1");
    source.name = QStringLiteral("The unit on /dev/ttyUSB0");
    source.notInFlash = notInFlash;
    const QString pdf = dir.filePath(QStringLiteral("unit.pdf"));
    QVERIFY(SetupSheet(source).writePdf(pdf));
    const QString text = PdfText::text(pdf);

    QCOMPARE(text.contains(QLatin1String("Not written to flash")), notInFlash);
    QCOMPARE(text.contains(QLatin1String("Governor On/Off")), governorShown);
    QCOMPARE(text.contains(QLatin1String("Roll Gain Setting Integral Gain")), governorShown);
    QCOMPARE(text.contains(QLatin1String("Roll Target")), governorShown);
    QCOMPARE(text.contains(QLatin1String("Flight Mode")), governorShown);
    QVERIFY(text.contains(model ? UnitModel::name(model) : QStringLiteral("not known")));
    // What every model has is always there.
    QVERIFY(PdfText::besideCaption(text, QStringLiteral("SwashPlate Servo Type"),
                                   QStringLiteral("Digital Servo 1520us(333Hz)")));
    QVERIFY(
        PdfText::besideCaption(text, QStringLiteral("Receiver Type"), QStringLiteral("DSMX-2")));
}

// Any record, any model, any fields missing, with or without the flash
// warning: at most two A4 pages, and each value beside its own caption.
void SetupSheetTest::randomRecordsFitAndStayBesideTheirCaptions()
{
    const quint32 seed = 20261208;
    QRandomGenerator random(seed);
    QTemporaryDir dir;
    const quint8 models[] = {0, UnitModel::X1, UnitModel::A1};
    for (int round = 0; round < 12; ++round) {
        SetupSheet::Source source;
        for (int offset = 0; offset < DeviceParameters::Size; ++offset)
            source.record.setByteAt(offset, qint8(random.bounded(256) - 128));
        for (const ParameterCaption &row : ParameterCaption::all()) {
            if (random.bounded(8) == 0)
                source.missing.insert(row.offset);
        }
        source.model = models[random.bounded(3)];
        source.notInFlash = random.bounded(2);
        source.name = QStringLiteral("round-%1.conf").arg(round);
        source.note = QStringLiteral("Note of round %1").arg(round);
        const QString pdf = dir.filePath(QStringLiteral("round-%1.pdf").arg(round));
        const QString context = QStringLiteral("seed %1, round %2").arg(seed).arg(round);
        QVERIFY2(SetupSheet(source).writePdf(pdf), qPrintable(context));
        const int pages = PdfText::pages(pdf);
        QVERIFY2(pages == 1 || pages == 2, qPrintable(context));
        const QString text = PdfText::text(pdf);
        QCOMPARE(text.contains(QLatin1String("Not written to flash")), source.notInFlash);
        QVERIFY2(text.contains(source.note), qPrintable(context));
        for (const ParameterCaption &row : ParameterCaption::all()) {
            if (!ModelParameters::uses(source.model, row.offset))
                continue;
            const QString value = SetupSheet::printedValue(source, row.offset);
            QVERIFY2(
                PdfText::besideCaption(text, row.text(), value),
                qPrintable(QStringLiteral("%1: %2 not beside %3").arg(context, value, row.text())));
        }
    }
}

void SetupSheetTest::historyEntryFromTheWindow_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("message");
    QTest::addRow("Save as PDF") << 0 << QStringLiteral("Setup sheet saved to");
    QTest::addRow("Print") << 1 << QStringLiteral("Setup sheet sent to");
}

// History → Setup sheet… → Of the chosen entry → Save as PDF… or Print…:
// the entry's model, firmware and how it was kept are on the sheet.
void SetupSheetTest::historyEntryFromTheWindow()
{
    QFETCH(int, answer);
    QFETCH(QString, message);
    QTemporaryDir dir;
    DeviceParameters inWindow; // what the History window compares each entry with
    LinkEngine engine(inWindow);
    toolWidget bar;
    bar.setLinkEngine(&engine);
    bar.history().setFolder(dir.filePath(QStringLiteral("history")));
    DeviceParameters record = knownRecord();
    QCOMPARE(bar.history().save(record, UnitModel::A1, 12, UnitHistory::Kind::Flashed,
                                QDateTime(QDate(2026, 12, 8), QTime(14, 3, 22))),
             UnitHistory::Outcome::Saved);
    const QString pdf = dir.filePath(QStringLiteral("entry.pdf"));
    QString suggested;
    DialogHook::onFile([&](QFileDialog &dialog) -> std::optional<QString> {
        suggested = dialog.selectedFiles().value(0);
        return pdf;
    });
    // The print dialog's printer, set to print into a file.
    DialogHook::onPrint([&](QPrintDialog &dialog) {
        dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog.printer()->setOutputFileName(pdf);
        return true;
    });
    DialogHook::onQuestion([&](QMessageBox &) { return answer; });
    DialogHook::on<HistoryWindow>([](HistoryWindow &window) {
        if (!window.sheetButton() || !window.sheetButton()->menu())
            return int(QDialog::Rejected);
        const QList<QAction *> actions = window.sheetButton()->menu()->actions();
        if (actions.size() == 3 && actions.at(1)->isEnabled())
            actions.at(1)->trigger();
        return int(QDialog::Rejected);
    });
    QStringList messages;
    connect(&bar, &toolWidget::messageText, this, [&](const QString &text) { messages << text; });
    bar.showHistory();

    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().contains(message), qPrintable(messages.first()));
    if (answer == 0)
        QVERIFY(suggested.endsWith(QLatin1String("2026-12-08_14-03-22_VRN-A1_v1.2_flashed.pdf")));
    QCOMPARE(PdfText::pages(pdf), 1);
    const QString text = PdfText::text(pdf);
    QVERIFY(text.contains(QLatin1String("VRN-A1")));
    QVERIFY(text.contains(QLatin1String("1.2")));
    QVERIFY(text.contains(QLatin1String("2026-12-08 14:03")));
    QVERIFY(text.contains(QLatin1String("Written to the unit's flash")));
    QVERIFY(text.contains(QLatin1String("2026-12-08_14-03-22_VRN-A1_v1.2_flashed.conf")));
    QVERIFY(!text.contains(QLatin1String("Governor On/Off")));
    QVERIFY(PdfText::besideCaption(text, QStringLiteral("Mount"), QStringLiteral("Mounting 3.")));
}

QTEST_MAIN(SetupSheetTest)
#include "tst_setupsheet.moc"
