// The Basic page with the real link against the simulated unit: what each
// widget stores, what reaches the unit, and what a refresh must not do.
#include "ChangePreview.h"
#include "DialogHook.h"
#include "MainSettingPage.h"
#include "PageFixture.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTranslator>

#include <cstring>
#include <memory>

namespace {

using ByteTable = QMap<int, int>; // record offset -> signed byte

// Offsets 44 on, written by all three presets.
ByteTable flightDefaults()
{
    return {{44, 60}, {45, 80},  {46, 50},  {47, 30},  {48, 32}, {49, 30}, {50, 120}, {51, 30},
            {52, 40}, {53, 32},  {54, 80},  {55, 120}, {56, 30}, {57, 40}, {61, 30},  {62, 30},
            {63, 35}, {64, 35},  {65, 0},   {66, 0},   {67, 36}, {68, 45}, {69, 0},   {70, 44},
            {71, 40}, {72, 3},   {73, 40},  {74, 3},   {75, 0},  {76, 0},  {77, 0},   {78, 35},
            {79, 0},  {80, 0},   {93, 25},  {94, 25},  {95, 0},  {96, 60}, {97, 40},  {98, 0},
            {99, 30}, {100, 20}, {101, 80}, {102, 20}, {110, 20}};
}

ByteTable flight3d()
{
    ByteTable t = flightDefaults();
    for (auto [offset, value] : {std::pair{48, 40},
                                 {53, 40},
                                 {61, 35},
                                 {62, 35},
                                 {63, 42},
                                 {64, 42},
                                 {67, 40},
                                 {68, 50},
                                 {70, 50}})
        t[offset] = value;
    return t;
}

ByteTable resetAll()
{
    ByteTable t = flightDefaults();
    const ByteTable below = {{6, 1},   {7, -1},  {8, -1},  {9, 1},  {10, 1}, {11, 1},  {12, 60},
                             {13, 60}, {14, 70}, {15, 70}, {16, 1}, {17, 1}, {22, 50}, {23, 0},
                             {24, 2},  {25, 0},  {26, 0},  {27, 1}, {41, 1}, {42, 0},  {43, 0}};
    for (auto it = below.begin(); it != below.end(); ++it)
        t[it.key()] = it.value();
    return t;
}

const QStringList trimWidgets = {"RollTargetLineEdit", "PitchTargetLineEdit", "TargetUpButton",
                                 "TargetLeftButton",   "TargetDownButton",    "TargetRightButton"};

} // namespace

class BasicPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void constructionStoresNothing();
    void valueChange_data();
    void valueChange();
    void typingIntoSpinBox();
    void refreshStoresNothing();
    void clampedDisplay_data();
    void clampedDisplay();
    void arrows_data();
    void arrows();
    void targetText_data();
    void targetText();
    void typedTarget_data();
    void typedTarget();
    void presets_data();
    void presets();
    void trimEnabling_data();
    void trimEnabling();

private:
    std::unique_ptr<PageFixture> f;
    MainSettingPage *page = nullptr;

    template <typename T> T *widget(const QString &name)
    {
        auto *w = page->findChild<T *>(name);
        if (!w)
            qFatal("no widget %s", qPrintable(name));
        return w;
    }
    // Connected, downloaded and shown, with the log cleared.
    void downloadAndRefresh()
    {
        QVERIFY(f->connectAndDownload());
        page->refreshFromParameters();
        f->clearLog();
    }
};

void BasicPageTest::init()
{
    f = std::make_unique<PageFixture>();
    page = new MainSettingPage(nullptr, f->link);
}

void BasicPageTest::cleanup()
{
    delete page;
    page = nullptr;
    f.reset();
}

void BasicPageTest::constructionStoresNothing()
{
    QCOMPARE(f->uploadRequests, 0);
    QVERIFY(f->record() == DeviceParameters());
    QCOMPARE(page->objectName(), QStringLiteral("MainSettingPageUi"));
    QCOMPARE(widget<QSpinBox>("RollAgilitySpinBox")->value(), 15);
    QCOMPARE(widget<QSlider>("TailGainSlider")->value(), 10);
    QCOMPARE(widget<QLineEdit>("RollTargetLineEdit")->text(), QString());
}

void BasicPageTest::valueChange_data()
{
    QTest::addColumn<QString>("slider");
    QTest::addColumn<QString>("spinBox");
    QTest::addColumn<bool>("throughSpinBox");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");

    const struct
    {
        const char *stem;
        int offset;
        int value;
    } pairs[] = {{"RollAgility", 61, 47}, {"RollGain", 48, 125}, {"PitchAgility", 62, 60},
                 {"PitchGain", 53, 11},   {"LeftSpin", 63, 99},  {"RightSpin", 64, 16},
                 {"TailGain", 44, 77}};
    for (const auto &pair : pairs) {
        for (bool throughSpinBox : {false, true}) {
            QTest::addRow("%s %s", pair.stem, throughSpinBox ? "spin box" : "slider")
                << QStringLiteral("%1Slider").arg(pair.stem)
                << QStringLiteral("%1SpinBox").arg(pair.stem) << throughSpinBox << pair.offset
                << pair.value;
        }
    }
}

void BasicPageTest::valueChange()
{
    QFETCH(QString, slider);
    QFETCH(QString, spinBox);
    QFETCH(bool, throughSpinBox);
    QFETCH(int, offset);
    QFETCH(int, value);

    downloadAndRefresh();
    const DeviceParameters before = f->record();
    QVERIFY(before.byteAt(offset) != value);
    if (throughSpinBox)
        widget<QSpinBox>(spinBox)->setValue(value);
    else
        widget<QSlider>(slider)->setValue(value);

    QCOMPARE(f->uploadRequests, 1);
    QCOMPARE(int(f->record().byteAt(offset)), value);
    QCOMPARE(widget<QSlider>(slider)->value(), value);
    QCOMPARE(widget<QSpinBox>(spinBox)->value(), value);
    DeviceParameters expected = before;
    expected.setByteAt(offset, qint8(value));
    QVERIFY(f->record() == expected);

    QVERIFY(f->finishUpload());
    QCOMPARE(int(f->unit().workingRecord().byteAt(offset)), value);
}

void BasicPageTest::typingIntoSpinBox()
{
    downloadAndRefresh();
    auto *spinBox = widget<QSpinBox>("RollAgilitySpinBox");
    spinBox->selectAll();
    // "4" alone is below the range and not yet a value; "45" is one change.
    QTest::keyClicks(spinBox, "45");
    QCOMPARE(spinBox->value(), 45);
    QCOMPARE(widget<QSlider>("RollAgilitySlider")->value(), 45);
    QCOMPARE(int(f->record().roll_agility), 45);
    QCOMPARE(f->uploadRequests, 1);
}

void BasicPageTest::refreshStoresNothing()
{
    DeviceParameters &unitRecord = f->unit().workingRecord();
    unitRecord.roll_agility = 41;
    unitRecord.phi_ktotal = 90;
    unitRecord.pitch_agility = 22;
    unitRecord.theta_ktotal = 33;
    unitRecord.left_spin = 64;
    unitRecord.right_spin = 71;
    unitRecord.r_ktotal = 55;
    unitRecord.flight_trim_phi = -35;
    unitRecord.flight_trim_theta = 126;
    QVERIFY(f->connectAndDownload());
    f->clearLog();
    const DeviceParameters before = f->record();

    page->refreshFromParameters();
    QCOMPARE(f->uploadRequests, 0);
    QVERIFY(f->record() == before);
    QCOMPARE(widget<QSpinBox>("RollAgilitySpinBox")->value(), 41);
    QCOMPARE(widget<QSlider>("RollGainSlider")->value(), 90);
    QCOMPARE(widget<QSpinBox>("PitchAgilitySpinBox")->value(), 22);
    QCOMPARE(widget<QSpinBox>("PitchGainSpinBox")->value(), 33);
    QCOMPARE(widget<QSlider>("LeftSpinSlider")->value(), 64);
    QCOMPARE(widget<QSpinBox>("RightSpinSpinBox")->value(), 71);
    QCOMPARE(widget<QSpinBox>("TailGainSpinBox")->value(), 55);
    QCOMPARE(widget<QLineEdit>("RollTargetLineEdit")->text(), QStringLiteral("-3.5"));
    QCOMPARE(widget<QLineEdit>("PitchTargetLineEdit")->text(), QStringLiteral("12.6"));

    // Nothing is written to the unit afterwards either.
    for (int i = 0; i < 20; ++i)
        f->tick();
    for (const LinkFrame &frame : f->sent)
        QVERIFY(frame.bytes[LinkFrame::ByteSubframe] != DLU_WRITE_SFID_PARAM_1);
}

void BasicPageTest::clampedDisplay_data()
{
    QTest::addColumn<QString>("spinBox");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");

    QTest::addRow("agility 0") << "RollAgilitySpinBox" << 61 << 0 << 15;
    QTest::addRow("agility 127") << "PitchAgilitySpinBox" << 62 << 127 << 60;
    QTest::addRow("gain -5") << "RollGainSpinBox" << 48 << -5 << 10;
    QTest::addRow("gain 126") << "TailGainSpinBox" << 44 << 126 << 125;
    QTest::addRow("rate -128") << "RightSpinSpinBox" << 64 << -128 << 15;
    QTest::addRow("rate 101") << "LeftSpinSpinBox" << 63 << 101 << 100;
}

void BasicPageTest::clampedDisplay()
{
    QFETCH(QString, spinBox);
    QFETCH(int, offset);
    QFETCH(int, stored);
    QFETCH(int, shown);

    f->unit().workingRecord().setByteAt(offset, qint8(stored));
    downloadAndRefresh();
    QCOMPARE(widget<QSpinBox>(spinBox)->value(), shown);
    QCOMPARE(int(f->record().byteAt(offset)), stored);
    QCOMPARE(f->uploadRequests, 0);
    // A second refresh (page change) still leaves the byte alone.
    page->refreshFromParameters();
    QCOMPARE(int(f->record().byteAt(offset)), stored);
    QCOMPARE(f->uploadRequests, 0);
}

void BasicPageTest::arrows_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("lineEdit");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("uploads");

    const QString roll = "RollTargetLineEdit";
    const QString pitch = "PitchTargetLineEdit";
    QTest::addRow("right from 6") << "TargetRightButton" << roll << 78 << 6 << 7 << "0.7" << 1;
    QTest::addRow("right from 125")
        << "TargetRightButton" << roll << 78 << 125 << 126 << "12.6" << 1;
    QTest::addRow("right from 126")
        << "TargetRightButton" << roll << 78 << 126 << 126 << "12.6" << 0;
    QTest::addRow("left from -125")
        << "TargetLeftButton" << roll << 78 << -125 << -126 << "-12.6" << 1;
    QTest::addRow("left from -126")
        << "TargetLeftButton" << roll << 78 << -126 << -126 << "-12.6" << 0;
    QTest::addRow("left from 1") << "TargetLeftButton" << roll << 78 << 1 << 0 << "0" << 1;
    // Beyond the limit the way back still works.
    QTest::addRow("left from 127") << "TargetLeftButton" << roll << 78 << 127 << 126 << "12.6" << 1;
    QTest::addRow("up from -128") << "TargetUpButton" << pitch << 79 << -128 << -127 << "-12.7"
                                  << 1;
    QTest::addRow("up from 6") << "TargetUpButton" << pitch << 79 << 6 << 7 << "0.7" << 1;
    QTest::addRow("up from 125") << "TargetUpButton" << pitch << 79 << 125 << 126 << "12.6" << 1;
    QTest::addRow("down from -125")
        << "TargetDownButton" << pitch << 79 << -125 << -126 << "-12.6" << 1;
    QTest::addRow("down from 0") << "TargetDownButton" << pitch << 79 << 0 << -1 << "-0.1" << 1;
}

void BasicPageTest::arrows()
{
    QFETCH(QString, button);
    QFETCH(QString, lineEdit);
    QFETCH(int, offset);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, text);
    QFETCH(int, uploads);

    f->unit().workingRecord().setByteAt(offset, qint8(start));
    downloadAndRefresh();
    const DeviceParameters before = f->record();
    QTest::mouseClick(widget<QPushButton>(button), Qt::LeftButton);

    QCOMPARE(int(f->record().byteAt(offset)), end);
    QCOMPARE(widget<QLineEdit>(lineEdit)->text(), text);
    QCOMPARE(f->uploadRequests, uploads);
    DeviceParameters expected = before;
    expected.setByteAt(offset, qint8(end));
    QVERIFY(f->record() == expected);
    if (uploads) {
        QVERIFY(f->finishUpload());
        QCOMPARE(int(f->unit().workingRecord().byteAt(offset)), end);
    }
}

void BasicPageTest::targetText_data()
{
    QTest::addColumn<QString>("lineEdit");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("uploads");

    const QString roll = "RollTargetLineEdit";
    const QString pitch = "PitchTargetLineEdit";
    // Text that is no number leaves the unit's trim alone, and the box
    // shows it again once the editing ends.
    QTest::addRow("cleared") << roll << 78 << "" << 42 << "4.2" << 0;
    QTest::addRow("pitch cleared") << pitch << 79 << "" << 42 << "4.2" << 0;
    QTest::addRow("lone minus") << roll << 78 << "-" << 42 << "4.2" << 0;
    QTest::addRow("lone point") << pitch << 79 << "." << 42 << "4.2" << 0;
    QTest::addRow("3.5") << roll << 78 << "3.5" << 35 << "3.5" << 1;
    QTest::addRow("-2") << pitch << 79 << "-2" << -20 << "-2" << 1;
    QTest::addRow("decimal comma") << roll << 78 << "1,5" << 15 << "1.5" << 1;
    QTest::addRow("12.7, the top") << roll << 78 << "12.7" << 127 << "12.7" << 1;
    QTest::addRow("-12.7, the bottom") << pitch << 79 << "-12.7" << -127 << "-12.7" << 1;
    QTest::addRow("the same value") << pitch << 79 << "4.2" << 42 << "4.2" << 0;
    // Beyond +-12.7 nothing is sent: the box shows the unit's trim again.
    QTest::addRow("13") << roll << 78 << "13" << 42 << "4.2" << 0;
    QTest::addRow("12.8") << pitch << 79 << "12.8" << 42 << "4.2" << 0;
    QTest::addRow("-12.8") << pitch << 79 << "-12.8" << 42 << "4.2" << 0;
    QTest::addRow("-13") << pitch << 79 << "-13" << 42 << "4.2" << 0;
    QTest::addRow("125") << roll << 78 << "125" << 42 << "4.2" << 0;
    QTest::addRow("-125") << roll << 78 << "-125" << 42 << "4.2" << 0;
}

void BasicPageTest::targetText()
{
    QFETCH(QString, lineEdit);
    QFETCH(int, offset);
    QFETCH(QString, typed);
    QFETCH(int, stored);
    QFETCH(QString, shown);
    QFETCH(int, uploads);

    f->unit().workingRecord().setByteAt(offset, 42);
    downloadAndRefresh();
    auto *edit = widget<QLineEdit>(lineEdit);
    edit->setText(typed);
    QCOMPARE(f->uploadRequests, 0); // the text alone sends nothing
    QTest::keyClick(edit, Qt::Key_Return);

    QCOMPARE(int(f->record().byteAt(offset)), stored);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(f->uploadRequests, uploads);
    if (uploads > 0)
        QVERIFY(f->finishUpload());
    QCOMPARE(int(f->unit().workingRecord().byteAt(offset)), stored);
}

void BasicPageTest::typedTarget_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");

    QTest::addRow("3.5") << "3.5"
                         << "3.5" << 35;
    QTest::addRow("-0.4") << "-0.4"
                          << "-0.4" << -4;
    // A key that would leave +-12.7 is refused, as in a spin box.
    QTest::addRow("13") << "13"
                        << "1" << 10;
    QTest::addRow("-13") << "-13"
                         << "-1" << -10;
    QTest::addRow("99, meant as 9.9") << "99"
                                      << "9" << 90;
    QTest::addRow("12.8") << "12.8"
                          << "12" << 120;
    QTest::addRow("second decimal") << "1.25"
                                    << "1.2" << 12;
    // A decimal comma is a decimal point.
    QTest::addRow("comma") << "1,"
                           << "1" << 10;
    QTest::addRow("comma decimal") << "1,5"
                                   << "1.5" << 15;
    QTest::addRow("comma below one") << "0,5"
                                     << "0.5" << 5;
    // Letters are refused as typed; the trim the unit had stays.
    QTest::addRow("letters") << "ab"
                             << "4.2" << 42;
    // A pasted run of digits is refused whole.
    QTest::addRow("pasted digits") << "paste"
                                   << "4.2" << 42;
}

void BasicPageTest::typedTarget()
{
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(int, stored);

    f->unit().workingRecord().flight_trim_phi = 42;
    downloadAndRefresh();
    auto *edit = widget<QLineEdit>("RollTargetLineEdit");
    edit->setFocus();
    edit->clear();
    if (keys == "paste")
        edit->insert(QString(100000, '7'));
    else
        QTest::keyClicks(edit, keys);
    QCOMPARE(f->uploadRequests, 0); // nothing is sent while typing
    QTest::keyClick(edit, Qt::Key_Return);

    QCOMPARE(edit->text(), shown);
    QCOMPARE(int(f->record().flight_trim_phi), stored);
    if (f->uploadRequests > 0)
        QVERIFY(f->finishUpload());
    QCOMPARE(int(f->unit().workingRecord().flight_trim_phi), stored);
}

void BasicPageTest::presets_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<ByteTable>("table");

    QTest::addRow("Default") << "pushButtonBeginner" << flightDefaults();
    QTest::addRow("3D Flight") << "pushButton3DFlight" << flight3d();
    QTest::addRow("Reset All") << "pushButtonResetAll" << resetAll();
}

void BasicPageTest::presets()
{
    QFETCH(QString, button);
    QFETCH(ByteTable, table);

    downloadAndRefresh();
    std::memset(f->record().bytes(), quint8(-99), DeviceParameters::Size);
    int previews = 0;
    DialogHook::on<ChangePreview>([&](ChangePreview &) {
        ++previews;
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(widget<QPushButton>(button), Qt::LeftButton);
    DialogHook::on<ChangePreview>({});
    QCOMPARE(previews, 1);

    for (int i = 0; i < DeviceParameters::Size; ++i) {
        const int expected = table.value(i, -99);
        QVERIFY2(f->record().byteAt(i) == expected,
                 qPrintable(QStringLiteral("offset %1: %2, expected %3")
                                .arg(i)
                                .arg(int(f->record().byteAt(i)))
                                .arg(expected)));
    }
    QCOMPARE(f->uploadRequests, 1);
    // The page shows the preset at once, without a second upload.
    QCOMPARE(widget<QSpinBox>("RollAgilitySpinBox")->value(), table[61]);
    QCOMPARE(widget<QSlider>("RollGainSlider")->value(), table[48]);
    QCOMPARE(widget<QSpinBox>("PitchGainSpinBox")->value(), table[53]);
    QCOMPARE(widget<QSpinBox>("LeftSpinSpinBox")->value(), table[63]);
    QCOMPARE(widget<QSlider>("RightSpinSlider")->value(), table[64]);
    QCOMPARE(widget<QSpinBox>("TailGainSpinBox")->value(), table[44]);
    QCOMPARE(widget<QLineEdit>("RollTargetLineEdit")->text(), QStringLiteral("3.5"));
    QCOMPARE(widget<QLineEdit>("PitchTargetLineEdit")->text(), QStringLiteral("0"));

    QVERIFY(f->finishUpload());
    QCOMPARE(f->uploadRequests, 1);
    QCOMPARE(int(f->unit().workingRecord().phi_ktotal), table[48]);
    QCOMPARE(int(f->unit().workingRecord().burst_coef), 20);
}

void BasicPageTest::trimEnabling_data()
{
    QTest::addColumn<bool>("enabledBefore");
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("enabledAfter");

    QTest::addRow("A1 disables") << true << 11 << false;
    QTest::addRow("A1 keeps disabled") << false << 11 << false;
    QTest::addRow("X1 enables") << false << 10 << true;
    QTest::addRow("X1 keeps enabled") << true << 10 << true;
    QTest::addRow("no unit keeps enabled") << true << 0 << true;
    QTest::addRow("no unit keeps disabled") << false << 0 << false;
}

void BasicPageTest::trimEnabling()
{
    QFETCH(bool, enabledBefore);
    QFETCH(int, model);

    if (model) {
        f->unit().setModel(quint8(model));
        QVERIFY(f->connectAndDownload());
    }
    QCOMPARE(int(f->link->deviceModel()), model);
    for (const QString &name : trimWidgets)
        widget<QWidget>(name)->setEnabled(enabledBefore);
    page->refreshFromParameters();
    for (const QString &name : trimWidgets)
        QTEST(widget<QWidget>(name)->isEnabled(), "enabledAfter");
    // And each arrow looks it: its frame is drawn in another colour.
    for (const QString &name : trimWidgets.mid(2)) {
        auto *arrow = widget<QWidget>(name);
        const auto frameColour = [arrow] {
            const QImage image = arrow->grab().toImage();
            return image.pixel(1, image.height() / 2);
        };
        const QRgb shown = frameColour();
        arrow->setEnabled(!arrow->isEnabled());
        const QRgb other = frameColour();
        arrow->setEnabled(!arrow->isEnabled());
        QVERIFY2(shown != other, qPrintable(name + " looks the same enabled and disabled"));
    }
    // The gains are the same on both models.
    QVERIFY(widget<QWidget>("RollGainSlider")->isEnabled());
}

namespace {

// VRN_SCREENSHOTS=dir writes basic-en.png and basic-zh.png of the page after
// a download from the simulated unit.
void writeScreenshots(const QString &dir)
{
    const struct
    {
        const char *file;
        const char *qm;
    } shots[] = {{"basic-en.png", nullptr}, {"basic-zh.png", "vrn_lang_zh.qm"}};
    for (const auto &shot : shots) {
        QTranslator translator;
        if (shot.qm) {
            if (!translator.load(QStringLiteral(VRN_BINARY_DIR "/language/") + shot.qm))
                qFatal("cannot load %s", shot.qm);
            QCoreApplication::installTranslator(&translator);
        }
        PageFixture f;
        f.connectAndDownload();
        MainSettingPage page(nullptr, f.link);
        page.refreshFromParameters();
        page.resize(840, 425);
        page.grab().save(QDir(dir).filePath(shot.file));
        QCoreApplication::removeTranslator(&translator);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QPalette palette = app.palette();
    palette.setColor(QPalette::WindowText, Qt::white); // as the program sets it
    app.setPalette(palette);
    if (qEnvironmentVariableIsSet("VRN_SCREENSHOTS"))
        writeScreenshots(qEnvironmentVariable("VRN_SCREENSHOTS"));
    BasicPageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_basicpage.moc"
