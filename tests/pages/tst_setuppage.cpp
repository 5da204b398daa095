// The Setup page against the real link and the simulated unit: what each
// widget stores, what reaches the unit, what a refresh shows, and which
// command and subframe the tabs leave pending.
#include "CapturedBackground.h"
#include "ChannelBar.h"
#include "ChannelReadouts.h"
#include "ConfigureSettingPage.h"
#include "DialogHook.h"
#include "PageFixture.h"
#include "Question.h"
#include "SliderTicks.h"
#include "Telemetry.h"
#include "contentWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QHoverEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTranslator>

#include <cmath>
#include <functional>
#include <memory>

using Record = std::function<void(DeviceParameters &)>;
Q_DECLARE_METATYPE(Record)

namespace {

enum Tab
{
    StartTab,
    ReceiverTab,
    MonitorTab,
    MountTab,
    SwashTab,
    ServoTab,
    TrimTab,
    TravelTab
};

QImage pictureAt(const QString &path)
{
    return QPixmap(path).toImage();
}

QImage shownPicture(const QLabel *label)
{
    return label->pixmap().toImage();
}

// Raw telemetry word for a channel value, inverting the link's decoding
// (which truncates toward zero).
qint16 wordFor(int value)
{
    const double word = 3040 + value * 8.4;
    return qint16(value >= 0 ? std::ceil(word) : std::floor(word));
}

// Centre of the slider's handle, found in its rendering: the handle is the
// only light grey part of the groove (before it red, after it blue).
int handleCentre(QSlider *slider)
{
    const QImage image = slider->grab().toImage();
    const int y = image.height() / 2;
    int sum = 0;
    int count = 0;
    for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        if (qAbs(c.red() - c.green()) < 25 && qAbs(c.green() - c.blue()) < 25 && c.red() > 110) {
            sum += x;
            ++count;
        }
    }
    return count ? sum / count : -1;
}

} // namespace

class tst_SetupPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cleanupTestCase();

    void constructionAndRefreshSendNothing();
    void receiverChoice_data();
    void receiverChoice();
    void receiverRefresh_data();
    void receiverRefresh();
    void engineType();
    void auxAndFlightModeRefresh_data();
    void auxAndFlightModeRefresh();
    void switchFlightModeStoresZeroAtOnce();
    void backToTailGain_data();
    void backToTailGain();
    void unitModelEnabling_data();
    void unitModelEnabling();
    void tabRule_data();
    void tabRule();
    void refreshOnTrimTab_data();
    void refreshOnTrimTab();
    void downloadKeepsMonitorLive();
    void leavingSetupRunsControlLoops();
    void mountButtons_data();
    void mountButtons();
    void mountRefresh_data();
    void mountRefresh();
    void swashButtons_data();
    void swashButtons();
    void derivation_data();
    void derivation();
    void servoTypes_data();
    void servoTypes();
    void directions_data();
    void directions();
    void arrowPad_data();
    void arrowPad();
    void clean();
    void travelRows_data();
    void travelRows();
    void cyclicLimitNeverChanged_data();
    void cyclicLimitNeverChanged();
    void telemetryDisplay_data();
    void telemetryDisplay();
    void elevatorRunsRightToLeft();
    void monitorEndsOnNewestValues();
    void monitorPaintedAsDrawn();
    void failSafe();
    void failSafeNotReplacedByTabChange();
    void failSafeWithoutUnit();

private:
    template <typename T> T *w(const char *name)
    {
        T *widget = page->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    // The unit's record is changed, then downloaded; the page refreshes on
    // the link's parameterChanged(), as the navigator makes it.
    bool download(const Record &change = {});
    // The page as the navigator shows it (true) or behind another page.
    void showPage(bool shown) { stack->setCurrentIndex(shown ? 0 : 1); }
    void settle() { QVERIFY(f->finishUpload()); }
    void writeScreenshots();

    std::unique_ptr<PageFixture> f;
    std::unique_ptr<QStackedWidget> stack;
    ConfigureSettingPage *page = nullptr;
};

void tst_SetupPage::init()
{
    f = std::make_unique<PageFixture>();
    stack = std::make_unique<QStackedWidget>();
    page = new ConfigureSettingPage(nullptr, f->link);
    stack->addWidget(page);
    stack->addWidget(new QWidget);
    stack->resize(810, 444);
    QObject::connect(f->link, &SerialProcessThread::parameterChanged, page,
                     &ConfigureSettingPage::refreshFromParameters);
    page->setCurrentTab(StartTab);
}

void tst_SetupPage::cleanup()
{
    stack.reset();
    page = nullptr;
    f.reset();
}

void tst_SetupPage::cleanupTestCase()
{
    if (!qEnvironmentVariableIsEmpty("VRN_SCREENSHOTS"))
        writeScreenshots();
}

bool tst_SetupPage::download(const Record &change)
{
    if (change)
        change(f->unit().workingRecord());
    const bool done = f->connectAndDownload();
    f->clearLog();
    return done;
}

void tst_SetupPage::constructionAndRefreshSendNothing()
{
    ConfigureSettingPage fresh(nullptr, f->link);
    QCOMPARE(f->uploadRequests, 0);
    QCOMPARE(f->record(), DeviceParameters());
    QVERIFY(download());
    const DeviceParameters before = f->record();
    page->refreshFromParameters();
    fresh.refreshFromParameters();
    QCOMPARE(f->uploadRequests, 0);
    QCOMPARE(f->record(), before);
    QVERIFY(fresh.findChild<QWidget *>("tab_8"));
}

void tst_SetupPage::receiverChoice_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("picture");
    const QString dsm = ":/images/receiver/dsm.png";
    QTest::addRow("Futaba SBUS") << 1 << 1 << ":/images/receiver/futaba.png";
    QTest::addRow("DSM2-1") << 2 << 2 << dsm;
    QTest::addRow("DSM2-2") << 3 << 3 << dsm;
    QTest::addRow("DSM2-3") << 4 << 4 << dsm;
    QTest::addRow("DSM2-4 stores 6") << 5 << 6 << dsm;
    QTest::addRow("DSMJ stores 5") << 6 << 5 << dsm;
    QTest::addRow("DSMX-1") << 7 << 7 << dsm;
    QTest::addRow("DSMX-2") << 8 << 8 << dsm;
}

void tst_SetupPage::receiverChoice()
{
    QFETCH(int, index);
    QFETCH(int, code);
    QFETCH(QString, picture);
    QVERIFY(download());
    auto *box = w<QComboBox>("ReceiverComboBox");
    box->setCurrentIndex(index);
    QCOMPARE(f->uploadRequests, 1);
    settle();
    QCOMPARE(int(f->unit().workingRecord().receiver_type), code);
    QVERIFY(!pictureAt(picture).isNull());
    QCOMPARE(shownPicture(w<QLabel>("connectionLabel")), pictureAt(picture));
    QCOMPARE(w<QLabel>("connectionLabel")->size(), QPixmap(picture).size());

    // Back to the conventional receiver.
    box->setCurrentIndex(0);
    settle();
    QCOMPARE(int(f->unit().workingRecord().receiver_type), 0);
    QCOMPARE(shownPicture(w<QLabel>("connectionLabel")),
             pictureAt(":/images/receiver/connection.png"));
}

void tst_SetupPage::receiverRefresh_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("picture");
    const QString dsm = ":/images/receiver/dsm.png";
    QTest::addRow("conventional") << 0 << 0 << ":/images/receiver/connection.png";
    QTest::addRow("SBUS") << 1 << 1 << ":/images/receiver/futaba.png";
    QTest::addRow("5 shows DSMJ") << 5 << 6 << dsm;
    QTest::addRow("6 shows DSM2-4") << 6 << 5 << dsm;
    QTest::addRow("DSMX-2") << 8 << 8 << dsm;
    QTest::addRow("9 outside the list") << 9 << -1 << dsm;
    QTest::addRow("negative") << -3 << -1 << dsm;
}

void tst_SetupPage::receiverRefresh()
{
    QFETCH(int, code);
    QFETCH(int, index);
    QFETCH(QString, picture);
    QVERIFY(download([code](DeviceParameters &r) { r.receiver_type = qint8(code); }));
    QCOMPARE(w<QComboBox>("ReceiverComboBox")->currentIndex(), index);
    QCOMPARE(shownPicture(w<QLabel>("connectionLabel")), pictureAt(picture));
    QCOMPARE(int(f->record().receiver_type), code);
    QCOMPARE(f->uploadRequests, 0);
}

void tst_SetupPage::engineType()
{
    QVERIFY(download([](DeviceParameters &r) { r.motor_type = 1; }));
    auto *box = w<QComboBox>("EngineTypeComboBox");
    QCOMPARE(box->currentText(), QStringLiteral("FUEL"));
    box->setCurrentIndex(0);
    settle();
    QCOMPARE(int(f->unit().workingRecord().motor_type), 0);
}

void tst_SetupPage::auxAndFlightModeRefresh_data()
{
    QTest::addColumn<int>("aux");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addRow("tail gain, mode 0") << 0 << 0 << true << -1 << "Normal"
                                       << "AVCS";
    QTest::addRow("tail gain, aerobatics") << 0 << 1 << true << 0 << "Normal"
                                           << "AVCS";
    QTest::addRow("tail gain, attitude") << 0 << 2 << true << 1 << "Normal"
                                         << "AVCS";
    QTest::addRow("flight mode, 1") << 1 << 1 << false << -1 << "Aerobatics"
                                    << "Balance";
    QTest::addRow("flight mode, 2") << 1 << 2 << false << -1 << "Aerobatics"
                                    << "Balance";
}

// No unit has reported a model yet, so only the AUX function decides.
void tst_SetupPage::auxAndFlightModeRefresh()
{
    QFETCH(int, aux);
    QFETCH(int, mode);
    QFETCH(bool, enabled);
    QFETCH(int, index);
    QFETCH(QString, left);
    QFETCH(QString, right);
    f->record().aux_function = qint8(aux);
    f->record().pcset_mode = qint8(mode);
    page->refreshFromParameters();
    auto *modeBox = w<QComboBox>("FlightModeComboBox");
    QCOMPARE(w<QComboBox>("AuxFunctionComboBox")->currentIndex(), aux);
    QCOMPARE(modeBox->isEnabled(), enabled);
    QCOMPARE(modeBox->currentIndex(), index);
    QCOMPARE(w<QLabel>("labelAuxChannelLeft")->text(), left);
    QCOMPARE(w<QLabel>("labelAuxChannelRight")->text(), right);
    QCOMPARE(int(f->record().pcset_mode), mode);
    QCOMPARE(f->uploadRequests, 0);
}

void tst_SetupPage::switchFlightModeStoresZeroAtOnce()
{
    f->record().pcset_mode = 2;
    page->refreshFromParameters();
    auto *modeBox = w<QComboBox>("FlightModeComboBox");
    QCOMPARE(modeBox->currentIndex(), 1);

    QList<qint8> modesAtRequests;
    QObject::connect(&f->link->protocol(), &LinkEngine::subframeRequested, page,
                     [&] { modesAtRequests << f->record().pcset_mode; });
    w<QComboBox>("AuxFunctionComboBox")->setCurrentIndex(1);
    // The flight mode store comes first, then the AUX function's own.
    QCOMPARE(modesAtRequests, (QList<qint8>{0, 0}));
    QCOMPARE(int(f->record().aux_function), 1);
    QVERIFY(!modeBox->isEnabled());
    QCOMPARE(modeBox->currentIndex(), -1);
    QCOMPARE(w<QLabel>("labelAuxChannelLeft")->text(), QStringLiteral("Aerobatics"));
    QCOMPARE(w<QLabel>("labelAuxChannelRight")->text(), QStringLiteral("Balance"));

    w<QComboBox>("AuxFunctionComboBox")->setCurrentIndex(0);
    QVERIFY(modeBox->isEnabled());
    QCOMPARE(modeBox->currentIndex(), -1);
    QCOMPARE(int(f->record().pcset_mode), 0);
    QCOMPARE(w<QLabel>("labelAuxChannelLeft")->text(), QStringLiteral("Normal"));
    QCOMPARE(w<QLabel>("labelAuxChannelRight")->text(), QStringLiteral("AVCS"));

    modeBox->setCurrentIndex(1);
    QCOMPARE(int(f->record().pcset_mode), 2);

    // Without a flight mode selected only the AUX function is stored.
    modeBox->setCurrentIndex(-1);
    f->clearLog();
    w<QComboBox>("AuxFunctionComboBox")->setCurrentIndex(1);
    QCOMPARE(f->uploadRequests, 1);
}

void tst_SetupPage::backToTailGain_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("uploads");
    QTest::addRow("mode 0 stays unselected") << 0 << -1 << 1;
    QTest::addRow("mode outside the list kept") << 3 << -1 << 1;
    QTest::addRow("negative mode kept") << -1 << -1 << 1;
    QTest::addRow("attitude selected and stored") << 2 << 1 << 2;
}

// Going back to "Switch Tail Gain" selects the stored flight mode; a box that
// stays without selection stores nothing for the flight mode.
void tst_SetupPage::backToTailGain()
{
    QFETCH(int, mode);
    QFETCH(int, index);
    QFETCH(int, uploads);
    f->record().aux_function = 1;
    f->record().pcset_mode = qint8(mode);
    page->refreshFromParameters();
    f->clearLog();
    w<QComboBox>("AuxFunctionComboBox")->setCurrentIndex(0);
    QCOMPARE(w<QComboBox>("FlightModeComboBox")->currentIndex(), index);
    QCOMPARE(int(f->record().pcset_mode), mode);
    QCOMPARE(int(f->record().aux_function), 0);
    QCOMPARE(f->uploadRequests, uploads);
}

void tst_SetupPage::unitModelEnabling_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("aux");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("unitMode"); // pcset_mode the unit ends with
    QTest::addRow("A1, tail gain") << 11 << 0 << false << 0;
    QTest::addRow("A1, flight mode") << 11 << 1 << false << 1;
    QTest::addRow("X1, tail gain") << 10 << 0 << true << 1;
    QTest::addRow("X1, flight mode") << 10 << 1 << true << 1;
}

void tst_SetupPage::unitModelEnabling()
{
    QFETCH(int, model);
    QFETCH(int, aux);
    QFETCH(bool, enabled);
    QFETCH(int, unitMode);
    f->unit().setModel(quint8(model));
    QVERIFY(download([aux](DeviceParameters &r) {
        r.aux_function = qint8(aux);
        r.pcset_mode = 1;
    }));
    QCOMPARE(w<QComboBox>("AuxFunctionComboBox")->isEnabled(), enabled);
    QCOMPARE(w<QComboBox>("FlightModeComboBox")->isEnabled(), enabled);
    if (model == 11)
        QCOMPARE(w<QComboBox>("FlightModeComboBox")->currentIndex(), -1);
    // An A1 with a flight mode shown loses it, and the unit is told so.
    f->tickUntil([this] { return f->messages.endsWith("Upload Parameters Completely"); }, 30);
    QCOMPARE(int(f->unit().workingRecord().pcset_mode), unitMode);
}

void tst_SetupPage::tabRule_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("subframe");
    QTest::addColumn<bool>("loopsRunning");
    const int run = CMD_RUN_PID;
    const int idle = DLU_SFID_IDLE;
    QTest::addRow("Start") << int(StartTab) << run << idle << true;
    QTest::addRow("Receiver") << int(ReceiverTab) << run << idle << true;
    QTest::addRow("Monitor") << int(MonitorTab) << run << int(DLU_UP_SFID_TELEMETRY_1) << true;
    QTest::addRow("Mount") << int(MountTab) << run << idle << true;
    QTest::addRow("SwashPlate") << int(SwashTab) << run << idle << true;
    QTest::addRow("Servo") << int(ServoTab) << run << idle << true;
    QTest::addRow("Trim") << int(TrimTab) << int(CMD_CUT_PID) << idle << false;
    QTest::addRow("Travel") << int(TravelTab) << run << idle << true;
}

void tst_SetupPage::tabRule()
{
    QFETCH(int, tab);
    QFETCH(int, command);
    QFETCH(int, subframe);
    QFETCH(bool, loopsRunning);
    QVERIFY(download());
    showPage(true);
    // Come from the tab whose settings differ most.
    page->setCurrentTab(tab == TrimTab ? MonitorTab : TrimTab);
    f->tick();
    f->tick();
    f->clearLog();
    page->setCurrentTab(tab);
    f->tick();
    QCOMPARE(int(f->sent.first().command()), command);
    QCOMPARE(int(f->sent.first().subframe()), subframe);
    QCOMPARE(f->unit().controlLoopsRunning(), loopsRunning);
    f->tick();
    QCOMPARE(int(f->sent.last().subframe()), subframe);
}

void tst_SetupPage::refreshOnTrimTab_data()
{
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("command");
    QTest::addRow("page shown") << true << int(CMD_CUT_PID);
    QTest::addRow("another page shown") << false << int(CMD_RUN_PID);
}

void tst_SetupPage::refreshOnTrimTab()
{
    QFETCH(bool, shown);
    QFETCH(int, command);
    QVERIFY(download());
    showPage(true);
    page->setCurrentTab(TrimTab);
    f->tick();
    QVERIFY(!f->unit().controlLoopsRunning());
    showPage(shown);
    // What the navigator does on a page change: run the loops, then refresh.
    f->link->setCommand(CMD_RUN_PID);
    page->refreshFromParameters();
    f->clearLog();
    f->tick();
    QCOMPARE(int(f->sent.first().command()), command);
    QCOMPARE(f->unit().controlLoopsRunning(), !shown);

    // A download while the page stays where it is refreshes it the same way.
    f->link->protocol().startOver();
    QVERIFY(f->tickUntil(
                [this] { return f->messages.endsWith("Download Parameters Completely"); }) > 0);
    f->tick();
    QCOMPARE(int(f->sent.last().command()), command);
    QCOMPARE(f->unit().controlLoopsRunning(), !shown);
}

void tst_SetupPage::downloadKeepsMonitorLive()
{
    QVERIFY(download());
    showPage(true);
    page->setCurrentTab(MonitorTab);
    const int v = 40;
    f->unit().setFixedTelemetry(
        {wordFor(0), wordFor(0), wordFor(0), wordFor(0), wordFor(0), wordFor(v)});
    f->tick();
    QCOMPARE(w<QLineEdit>("AcceleratorLineEdit")->text(), QString::number(v));

    // The user leaves the Setup page; a new download starts (unit lost and
    // back). The refresh it causes asks for telemetry again, and the link
    // turns to it once the download is complete.
    showPage(false);
    f->link->protocol().startOver();
    QVERIFY(f->tickUntil(
                [this] { return f->messages.endsWith("Download Parameters Completely"); }) > 0);
    f->unit().setFixedTelemetry(
        {wordFor(0), wordFor(0), wordFor(0), wordFor(0), wordFor(0), wordFor(-v)});
    f->clearLog();
    f->tick();
    QCOMPARE(int(f->sent.first().subframe()), int(DLU_UP_SFID_TELEMETRY_1));
    // The monitor draws at most 25 frames a second: the newest values follow
    // within one frame.
    QTRY_COMPARE(w<QLineEdit>("AcceleratorLineEdit")->text(), QString::number(-v));
}

// Through the real navigator: the Trim tab suspends the loops only while the
// Setup page is shown; leaving it, or a download behind another page, leaves
// them running.
void tst_SetupPage::leavingSetupRunsControlLoops()
{
    contentWidget navigator(nullptr, f->link);
    QObject::connect(f->link, &SerialProcessThread::parameterChanged, &navigator,
                     &contentWidget::updateAllPages);
    QVERIFY(download());
    auto *setup = navigator.findChild<ConfigureSettingPage *>();
    QVERIFY(setup);
    navigator.pages()->setCurrentRow(1);
    setup->setCurrentTab(TrimTab);
    f->tick();
    QVERIFY(!f->unit().controlLoopsRunning());
    for (int row : {0, 2, 3}) {
        navigator.pages()->setCurrentRow(1);
        setup->setCurrentTab(TrimTab);
        f->tick();
        navigator.pages()->setCurrentRow(row);
        QCOMPARE(f->link->protocol().command(), CMD_RUN_PID);
        f->tick();
        QVERIFY(f->unit().controlLoopsRunning());
    }
    // The Setup page keeps its Trim tab behind the Basic page; a download
    // refreshes it without suspending the loops.
    f->link->protocol().startOver();
    QVERIFY(f->tickUntil(
                [this] { return f->messages.endsWith("Download Parameters Completely"); }) > 0);
    f->tick();
    QCOMPARE(int(f->sent.last().command()), int(CMD_RUN_PID));
    QVERIFY(f->unit().controlLoopsRunning());
}

void tst_SetupPage::mountButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("installation");
    QTest::addRow("1") << "Mount1PushButton" << 1;
    QTest::addRow("2") << "Mount2PushButton" << 21;
    QTest::addRow("3") << "Mount3PushButton" << 11;
    QTest::addRow("4") << "Mount4PushButton" << 17;
    QTest::addRow("5") << "Mount5PushButton" << 4;
    QTest::addRow("6") << "Mount6PushButton" << 2;
}

void tst_SetupPage::mountButtons()
{
    QFETCH(QString, button);
    QFETCH(int, installation);
    QVERIFY(download([](DeviceParameters &r) { r.installation = 3; }));
    auto *b = w<QPushButton>(qPrintable(button));
    QTest::mouseClick(b, Qt::LeftButton);
    QCOMPARE(f->uploadRequests, 1);
    settle();
    QCOMPARE(int(f->unit().workingRecord().installation), installation);
    QVERIFY(b->isChecked());
    int checked = 0;
    for (QPushButton *other :
         page->findChildren<QPushButton *>(QRegularExpression("^Mount\\dPushButton$")))
        checked += other->isChecked();
    QCOMPARE(checked, 1);
}

void tst_SetupPage::mountRefresh_data()
{
    QTest::addColumn<int>("installation");
    QTest::addColumn<QString>("checked");
    QTest::addRow("21") << 21 << "Mount2PushButton";
    QTest::addRow("4") << 4 << "Mount5PushButton";
    QTest::addRow("2") << 2 << "Mount6PushButton";
    QTest::addRow("3 keeps the previous") << 3 << "Mount3PushButton";
}

void tst_SetupPage::mountRefresh()
{
    QFETCH(int, installation);
    QFETCH(QString, checked);
    f->record().installation = 11;
    page->refreshFromParameters();
    f->record().installation = qint8(installation);
    page->refreshFromParameters();
    QVERIFY(w<QPushButton>(qPrintable(checked))->isChecked());
    QCOMPARE(f->uploadRequests, 0);
}

void tst_SetupPage::swashButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("modelType");
    QTest::addColumn<QString>("picture");
    QTest::addRow("mixer") << "MixerPushButton" << 1 << ":/images/swash/sc_mixer_check.png";
    QTest::addRow("90CCPM") << "CCPM90PushButton" << 5 << ":/images/swash/sc_90ccpm_check.png";
    QTest::addRow("120CCPM") << "CCPM120PushButton" << 2 << ":/images/swash/sc_120ccpm_check.png";
    QTest::addRow("135CCPM") << "CCPM135PushButton" << 3 << ":/images/swash/sc_135ccpm_check.png";
    QTest::addRow("140CCPM") << "CCPM140PushButton" << 4 << ":/images/swash/sc_140ccpm_check.png";
}

void tst_SetupPage::swashButtons()
{
    QFETCH(QString, button);
    QFETCH(int, modelType);
    QFETCH(QString, picture);
    QVERIFY(download([](DeviceParameters &r) { r.model_type = 0; }));
    QTest::mouseClick(w<QPushButton>(qPrintable(button)), Qt::LeftButton);
    settle();
    QCOMPARE(int(f->unit().workingRecord().model_type), modelType);
    QVERIFY(!pictureAt(picture).isNull());
    QCOMPARE(shownPicture(w<QLabel>("Imagelabel")), pictureAt(picture));

    // A refresh shows the same type again.
    f->record().model_type = 0;
    page->refreshFromParameters();
    f->record().model_type = qint8(modelType);
    page->refreshFromParameters();
    QVERIFY(w<QPushButton>(qPrintable(button))->isChecked());
    QCOMPARE(shownPicture(w<QLabel>("Imagelabel")), pictureAt(picture));
}

void tst_SetupPage::derivation_data()
{
    QTest::addColumn<bool>("byRefresh");
    QTest::addColumn<int>("rev1");
    QTest::addColumn<double>("roll");
    QTest::addColumn<double>("pitch");
    QTest::addColumn<double>("collective");
    QTest::addRow("click") << false << 1 << 10 / 2.1875 << -8.0 << 20.0;
    QTest::addRow("refresh") << true << 1 << 10 / 2.1875 << -8.0 << 20.0;
    QTest::addRow("CH2 reversed") << false << -1 << -30 / 2.1875 << -70 / 3.75
                                  << 1.25 * (-70 / 3.75) + 30;
}

void tst_SetupPage::derivation()
{
    QFETCH(bool, byRefresh);
    QFETCH(int, rev1);
    QFETCH(double, roll);
    QFETCH(double, pitch);
    QFETCH(double, collective);
    DeviceParameters &p = f->record();
    p.servo_trim_0 = 10;
    p.servo_trim_1 = 20;
    p.servo_trim_2 = 30;
    p.servo_rev_0 = 1;
    p.servo_rev_1 = qint8(rev1);
    p.servo_rev_2 = 1;
    if (byRefresh) {
        p.model_type = 2;
        page->refreshFromParameters();
        QCOMPARE(f->uploadRequests, 0);
    } else {
        QTest::mouseClick(w<QPushButton>("CCPM120PushButton"), Qt::LeftButton);
        QCOMPARE(int(p.model_type), 2);
    }
    QCOMPARE(page->swashMixing().trimRoll, roll);
    QCOMPARE(page->swashMixing().trimPitch, pitch);
    QCOMPARE(page->swashMixing().trimCollective, collective);
    // The trims themselves are not touched.
    QCOMPARE(int(p.servo_trim_1), 20);
}

void tst_SetupPage::servoTypes_data()
{
    QTest::addColumn<int>("swash");
    QTest::addColumn<int>("tail");
    QTest::addColumn<int>("swashIndex");
    QTest::addColumn<int>("tailIndex");
    QTest::addColumn<bool>("confirm");
    QTest::addRow("analogue") << 1 << 1 << 0 << 0 << true;
    QTest::addRow("333 Hz, 960us") << 3 << 5 << 2 << 4 << true;
    QTest::addRow("swash 0") << 0 << 4 << -1 << 3 << true;
    QTest::addRow("swash 4 not offered") << 4 << 2 << -1 << 1 << true;
    QTest::addRow("declined") << 1 << 1 << 0 << 0 << false;
}

// A new servo type is stored only after the pilot confirms the warning;
// Enter and Escape both keep the old type.
void tst_SetupPage::servoTypes()
{
    QFETCH(int, swash);
    QFETCH(int, tail);
    QFETCH(int, swashIndex);
    QFETCH(int, tailIndex);
    QFETCH(bool, confirm);
    QVERIFY(download([=](DeviceParameters &r) {
        r.swash_servotype = qint8(swash);
        r.tail_servotype = qint8(tail);
    }));
    QCOMPARE(w<QComboBox>("SwashServoComboBox")->currentIndex(), swashIndex);
    QCOMPARE(w<QComboBox>("TailServoComboBox")->currentIndex(), tailIndex);
    QCOMPARE(f->uploadRequests, 0);

    QStringList asked;
    DialogHook::onQuestion([&](QMessageBox &box) {
        asked << box.text();
        const QList<QAbstractButton *> buttons = box.buttons();
        // Enter and Escape both pick the last answer, Cancel.
        if (box.defaultButton() != buttons.last() || box.escapeButton() != buttons.last())
            return 0 - 100;
        return confirm ? 0 : int(buttons.size()) - 1;
    });
    w<QComboBox>("SwashServoComboBox")->setCurrentIndex(1);
    w<QComboBox>("TailServoComboBox")->setCurrentIndex(4);
    w<QComboBox>("TailServoComboBox")->setCurrentIndex(4); // no change, no question
    DialogHook::onQuestion({});

    // Declined, the tail box went back, so the second pick asks again.
    QCOMPARE(asked.size(), !confirm ? 3 : tail == 5 ? 1 : 2);
    QVERIFY(asked.first().contains("Digital Servo 1520us(250Hz)"));
    QVERIFY(asked.first().contains("frame rate or centre pulse can be damaged"));
    if (!confirm) {
        QCOMPARE(f->uploadRequests, 0);
        QCOMPARE(w<QComboBox>("SwashServoComboBox")->currentIndex(), swashIndex);
        QCOMPARE(w<QComboBox>("TailServoComboBox")->currentIndex(), tailIndex);
        QCOMPARE(int(f->record().swash_servotype), swash);
        return;
    }
    settle();
    QCOMPARE(int(f->unit().workingRecord().swash_servotype), 2);
    QCOMPARE(int(f->unit().workingRecord().tail_servotype), 5);
}

void tst_SetupPage::directions_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QList<int>>("afterClicks");
    for (const auto &[box, offset] :
         {std::pair{"SwashServoDirCH1", 6}, std::pair{"SwashServoDirCH2", 7},
          std::pair{"SwashServoDirCH3", 8}, std::pair{"TailServoDir", 9}}) {
        QTest::addRow("%s normal", box) << box << offset << 1 << false << QList<int>{-1, 1};
        QTest::addRow("%s reversed", box) << box << offset << -1 << true << QList<int>{1, -1};
        QTest::addRow("%s zero", box) << box << offset << 0 << true << QList<int>{1, -1};
    }
}

void tst_SetupPage::directions()
{
    QFETCH(QString, box);
    QFETCH(int, offset);
    QFETCH(int, stored);
    QFETCH(bool, checked);
    QFETCH(QList<int>, afterClicks);
    QVERIFY(download([=](DeviceParameters &r) { r.setByteAt(offset, qint8(stored)); }));
    auto *check = w<QCheckBox>(qPrintable(box));
    QCOMPARE(check->isChecked(), checked);
    // The check box and the arrow pad read the byte alike.
    if (offset < 9) {
        const SwashMixing::Servos directions = {f->record().servo_rev_0, f->record().servo_rev_1,
                                                f->record().servo_rev_2};
        QCOMPARE(SwashMixing::direction(directions[offset - 6]) < 0, checked);
    }
    const SwashMixing before = page->swashMixing();
    for (int expected : afterClicks) {
        QTest::mouseClick(check, Qt::LeftButton);
        settle();
        QCOMPARE(int(f->unit().workingRecord().byteAt(offset)), expected);
    }
    QCOMPARE(f->unit().workingRecord().servo_trim_0, f->record().servo_trim_0);
    QCOMPARE(page->swashMixing().trimRoll, before.trimRoll);
}

void tst_SetupPage::arrowPad_data()
{
    QTest::addColumn<Record>("record");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QList<int>>("trims");
    QTest::addColumn<int>("uploads");

    auto swash = [](int type, int r1, int r2, int t1, int t2, int t3) {
        return Record([=](DeviceParameters &p) {
            p.model_type = qint8(type);
            p.servo_rev_0 = qint8(r1);
            p.servo_rev_1 = qint8(r2);
            p.servo_rev_2 = 1;
            p.servo_trim_0 = qint8(t1);
            p.servo_trim_1 = qint8(t2);
            p.servo_trim_2 = qint8(t3);
        });
    };
    QTest::addRow("120 collective up")
        << swash(2, 1, 1, 0, 0, 0) << QStringList{"CollectiveUp1"} << QList<int>{1, 1, 1} << 3;
    QTest::addRow("120 then cyclic up")
        << swash(2, 1, 1, 0, 0, 0) << QStringList{"CollectiveUp1", "CyclicUp1"}
        << QList<int>{1, 1, 0} << 4;
    QTest::addRow("120 cyclic right")
        << swash(2, 1, 1, 0, 0, 0) << QStringList{"CyclicRight1"} << QList<int>{-1, 1, 0} << 2;
    QTest::addRow("120 cyclic left 5 and back")
        << swash(2, 1, 1, 0, 0, 0) << QStringList{"CyclicLeft2", "CyclicRight1"}
        << QList<int>{4, -4, 0} << 4;
    QTest::addRow("90 CH1 reversed")
        << swash(5, -1, 1, 0, 0, 0) << QStringList{"CollectiveUp1"} << QList<int>{-1, 1, 1} << 3;
    QTest::addRow("mixer CH2 reversed, up 1")
        << swash(1, 1, -1, 0, 10, 0) << QStringList{"CyclicUp1"} << QList<int>{0, 9, 0} << 1;
    QTest::addRow("mixer CH2 reversed, up 2")
        << swash(1, 1, -1, 0, 10, 0) << QStringList{"CyclicUp2"} << QList<int>{0, 5, 0} << 1;
    QTest::addRow("mixer collective at 125")
        << swash(1, 1, 1, 0, 0, 125) << QStringList{"CollectiveUp1"} << QList<int>{0, 0, 125} << 0;
    QTest::addRow("mixer 123 up 5")
        << swash(1, 1, 1, 0, 0, 123) << QStringList{"CollectiveUp2"} << QList<int>{0, 0, 125} << 1;
    QTest::addRow("mixer down moves CH3 only")
        << swash(1, 1, 1, 7, 8, 9) << QStringList{"CollectiveDown2", "CollectiveDown1"}
        << QList<int>{7, 8, 3} << 2;
    // Every step starts from the trims as the boxes show them.
    QTest::addRow("120 typed CH1 then collective up")
        << swash(2, 1, 1, 0, 0, 0) << QStringList{"SwashServoTuningCH1SpinBox=10", "CollectiveUp1"}
        << QList<int>{11, 1, 1} << 4;
    QTest::addRow("135 typed CH3 then roll right")
        << swash(3, 1, 1, 0, 0, 0) << QStringList{"SwashServoTuningCH3SpinBox=-40", "CyclicRight2"}
        << QList<int>{-4, 4, -40} << 3;
    QStringList manyRight(40, QStringLiteral("CyclicRight2"));
    QTest::addRow("90 many roll right, one back")
        << swash(5, 1, 1, 0, 0, 0) << (manyRight << "CyclicLeft1") << QList<int>{-123, 123, 0}
        << -1;
    QStringList manyUp(40, QStringLiteral("CollectiveUp2"));
    QTest::addRow("140 collective at the top, one down")
        << swash(4, 1, 1, 0, 0, 0) << (manyUp << "CollectiveDown1") << QList<int>{124, 124, 124}
        << -1;
    // A direction byte other than 1 and -1 reads as reversed, as its box shows.
    QTest::addRow("120 CH3 direction 0") << Record([](DeviceParameters &p) {
        p.model_type = 2;
        p.servo_rev_0 = p.servo_rev_1 = 1;
        p.servo_rev_2 = 0;
        p.servo_trim_0 = 5;
        p.servo_trim_1 = 6;
        p.servo_trim_2 = 7;
    }) << QStringList{"CollectiveUp1"} << QList<int>{6, 7, 6}
                                         << 3;
    QTest::addRow("mixer CH3 direction 2") << Record([](DeviceParameters &p) {
        p.model_type = 1;
        p.servo_rev_0 = p.servo_rev_1 = 1;
        p.servo_rev_2 = 2;
        p.servo_trim_0 = p.servo_trim_1 = 0;
        p.servo_trim_2 = 20;
    }) << QStringList{"CollectiveUp2"} << QList<int>{0, 0, 15}
                                           << 1;
    QTest::addRow("unknown type does nothing")
        << swash(0, 1, 1, 5, 6, 7)
        << QStringList{"CollectiveUp1", "CyclicUp2", "CyclicRight2", "CyclicLeft1", "CyclicDown1"}
        << QList<int>{5, 6, 7} << 0;
}

void tst_SetupPage::arrowPad()
{
    QFETCH(Record, record);
    QFETCH(QStringList, buttons);
    QFETCH(QList<int>, trims);
    QFETCH(int, uploads);
    QVERIFY(download(record));
    showPage(true);
    page->setCurrentTab(TrimTab);
    f->clearLog();
    for (const QString &name : buttons) {
        if (name.contains('=')) { // the pilot types a trim
            w<QSpinBox>(qPrintable(name.section('=', 0, 0)))
                ->setValue(name.section('=', 1).toInt());
            continue;
        }
        QTest::mouseClick(w<QPushButton>(qPrintable(name)), Qt::LeftButton);
    }
    if (uploads >= 0)
        QCOMPARE(f->uploadRequests, uploads);
    if (uploads)
        settle();
    const DeviceParameters &unit = f->unit().workingRecord();
    QCOMPARE((QList<int>{unit.servo_trim_0, unit.servo_trim_1, unit.servo_trim_2}), trims);
    QCOMPARE(w<QSpinBox>("SwashServoTuningCH1SpinBox")->value(), trims[0]);
    QCOMPARE(w<QSpinBox>("SwashServoTuningCH3SpinBox")->value(), trims[2]);
}

void tst_SetupPage::clean()
{
    QVERIFY(download([](DeviceParameters &r) {
        r.model_type = 2;
        r.servo_trim_0 = 5;
        r.servo_trim_1 = -7;
        r.servo_trim_2 = 9;
        r.servo_trim_3 = 12;
    }));
    QVERIFY(page->swashMixing().trimCollective != 0);
    QTest::mouseClick(w<QPushButton>("ServoTrimSetZeroPushButton"), Qt::LeftButton);
    QCOMPARE(f->uploadRequests, 3);
    settle();
    const DeviceParameters &unit = f->unit().workingRecord();
    QCOMPARE((QList<int>{unit.servo_trim_0, unit.servo_trim_1, unit.servo_trim_2}),
             (QList<int>{0, 0, 0}));
    QCOMPARE(int(unit.servo_trim_3), 12);
    QCOMPARE(page->swashMixing().trimCollective, 0.0);
    QCOMPARE(page->swashMixing().trimRoll, 0.0);
    QCOMPARE(page->swashMixing().trimPitch, 0.0);

    f->clearLog();
    QTest::mouseClick(w<QPushButton>("ServoTrimSetZeroPushButton"), Qt::LeftButton);
    QCOMPARE(f->uploadRequests, 0);
}

void tst_SetupPage::travelRows_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("minimum");
    QTest::addRow("tail trim") << "TailServoTrim" << 3 << -125;
    QTest::addRow("aileron") << "AileronLimit" << 14 << 20;
    QTest::addRow("elevator") << "ElevatorLimit" << 15 << 20;
    QTest::addRow("collective") << "CollectiveCoef" << 22 << -125;
    QTest::addRow("tail A") << "TailLimitA" << 13 << 20;
    QTest::addRow("tail B") << "TailLimitB" << 12 << 20;
}

// A stored 0 shows as the range minimum and stays 0 until the user moves the
// row; then slider and spin box agree and the unit gets the value.
void tst_SetupPage::travelRows()
{
    QFETCH(QString, name);
    QFETCH(int, offset);
    QFETCH(int, minimum);
    QVERIFY(download([offset](DeviceParameters &r) { r.setByteAt(offset, 0); }));
    auto *slider = w<QSlider>(qPrintable(name + "Slider"));
    auto *spin = w<QSpinBox>(qPrintable(name + "SpinBox"));
    QCOMPARE(slider->value(), qMax(0, minimum));
    QCOMPARE(int(f->record().byteAt(offset)), 0);
    spin->setValue(-200);
    QCOMPARE(slider->value(), minimum);
    QCOMPARE(f->uploadRequests, minimum == 20 ? 0 : 1);
    slider->setValue(77);
    QCOMPARE(spin->value(), 77);
    settle();
    QCOMPARE(int(f->unit().workingRecord().byteAt(offset)), 77);
}

void tst_SetupPage::cyclicLimitNeverChanged_data()
{
    QTest::addColumn<int>("limit");
    QTest::addRow("100") << 100;
    QTest::addRow("above range") << 127;
    QTest::addRow("negative") << -5;
}

void tst_SetupPage::cyclicLimitNeverChanged()
{
    QFETCH(int, limit);
    QVERIFY(download([limit](DeviceParameters &r) { r.cyclic_limit = qint8(limit); }));
    stack->show();
    showPage(true);
    page->setCurrentTab(TravelTab);
    for (const char *name :
         {"label_54", "CyclicLimitSlider", "CyclicLimitSpinBox", "labelCalibCyclicLimit"})
        QVERIFY(!w<QWidget>(name)->isVisible());
    // Other edits upload the whole record; the cyclic limit goes along unchanged.
    w<QSlider>("AileronLimitSlider")->setValue(90);
    w<QComboBox>("EngineTypeComboBox")->setCurrentIndex(1);
    page->refreshFromParameters();
    settle();
    QCOMPARE(int(f->unit().workingRecord().cyclic_limit), limit);
    QCOMPARE(int(f->record().cyclic_limit), limit);
    stack->hide();
}

void tst_SetupPage::telemetryDisplay_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("slider");
    QTest::addRow("zero") << 0 << 0;
    QTest::addRow("50") << 50 << 50;
    QTest::addRow("-100") << -100 << -100;
    QTest::addRow("125") << 125 << 125;
    QTest::addRow("-126 clamped") << -126 << -125;
}

void tst_SetupPage::telemetryDisplay()
{
    QFETCH(int, value);
    QFETCH(int, slider);
    QVERIFY(download());
    showPage(true);
    page->setCurrentTab(MonitorTab);
    // Wire order: rudder, aileron, elevator, collective, gain, throttle.
    const std::array<int, 6> values = {value, 1, 2, 3, value, -4};
    SimulatedUnit::TelemetryWords words;
    for (int i = 0; i < 6; ++i)
        words[i] = wordFor(values[i]);
    f->unit().setFixedTelemetry(words);
    const int requestsBefore = f->uploadRequests;
    f->tick();
    const std::array<std::pair<const char *, int>, 6> shown = {{{"Rudder", value},
                                                                {"Aileron", 1},
                                                                {"Elevator", 2},
                                                                {"Collective", 3},
                                                                {"Gain", value},
                                                                {"Accelerator", -4}}};
    for (const auto &[name, v] : shown) {
        QCOMPARE(w<QLineEdit>(qPrintable(QString(name) + "LineEdit"))->text(), QString::number(v));
        const int expected = (v == value) ? slider : v;
        QCOMPARE(w<QSlider>(qPrintable(QString(name) + "Slider"))->value(), expected);
    }
    QCOMPARE(f->uploadRequests, requestsBefore);

    // Telemetry stops on another tab; the last values stay on screen.
    page->setCurrentTab(StartTab);
    f->unit().setFixedTelemetry(
        {wordFor(9), wordFor(9), wordFor(9), wordFor(9), wordFor(9), wordFor(9)});
    f->tick();
    f->tick();
    QCOMPARE(w<QLineEdit>("GainLineEdit")->text(), QString::number(value));
}

void tst_SetupPage::elevatorRunsRightToLeft()
{
    telemetry() = Telemetry();
    telemetry().elevator = 50;
    telemetry().aileron = 50;
    page->updateTelemetryInfo();
    auto *elevator = w<QSlider>("ElevatorSlider");
    auto *aileron = w<QSlider>("AileronSlider");
    QVERIFY(!elevator->isEnabled());
    const int middle = elevator->width() / 2;
    const int elevatorHandle = handleCentre(elevator);
    const int aileronHandle = handleCentre(aileron);
    QVERIFY2(elevatorHandle > 0 && elevatorHandle < middle - 10,
             qPrintable(QString::number(elevatorHandle)));
    QVERIFY2(aileronHandle > middle + 10, qPrintable(QString::number(aileronHandle)));
    // "Pull" is on the left, under the handle's side.
    QVERIFY(w<QLabel>("label_31")->x() < w<QLabel>("label_29")->x());
}

// Telemetry at every tick is drawn at a lower pace; whenever it stops, the
// monitor must end on the values last received, bars and numbers alike.
void tst_SetupPage::monitorEndsOnNewestValues()
{
    QVERIFY(download());
    showPage(true);
    page->setCurrentTab(MonitorTab);
    QRandomGenerator random(5);
    const std::array<std::pair<const char *, qint8 Telemetry::*>, 6> channels = {
        {{"Rudder", &Telemetry::rudder},
         {"Aileron", &Telemetry::aileron},
         {"Elevator", &Telemetry::elevator},
         {"Collective", &Telemetry::collective},
         {"Gain", &Telemetry::gain},
         {"Accelerator", &Telemetry::accelerator}}};
    for (int run = 0; run < 6; ++run) {
        const int ticks = 1 + random.bounded(12);
        for (int i = 0; i < ticks; ++i) {
            SimulatedUnit::TelemetryWords words;
            for (qint16 &word : words)
                word = wordFor(random.bounded(-125, 126));
            f->unit().setFixedTelemetry(words);
            f->tick();
        }
        for (const auto &[name, field] : channels) {
            const int received = telemetry().*field;
            QTRY_COMPARE(w<QLineEdit>(qPrintable(QString(name) + "LineEdit"))->text(),
                         QString::number(received));
            QTRY_COMPARE(w<QSlider>(qPrintable(QString(name) + "Slider"))->value(), received);
        }
    }
}

// The monitor paints from pictures and captured backgrounds; the pilot must
// see exactly what the sliders and line edits draw themselves, for any
// values, and after the page's look changes (disabled while the unit's
// record is awaited).
void tst_SetupPage::monitorPaintedAsDrawn()
{
    stack->show();
    showPage(true);
    page->setCurrentTab(MonitorTab);
    QWidget *monitor = w<QTabWidget>("tabWidget")->widget(MonitorTab);
    QRandomGenerator random(3);
    QList<Telemetry> shown = {Telemetry{-125, -125, -125, -125, -125, -125},
                              Telemetry{125, 125, 125, 125, 125, 125}, Telemetry{}};
    for (int i = 0; i < 6; ++i) {
        auto v = [&] { return qint8(random.bounded(-125, 126)); };
        shown.append(Telemetry{v(), v(), v(), v(), v(), v()});
    }
    const auto paintAll = [&] {
        QList<QImage> images;
        for (const bool enabled : {true, false, true})
            for (const Telemetry &t : shown) {
                page->setEnabled(enabled);
                telemetry() = t;
                page->updateTelemetryInfo();
                images.append(monitor->grab().toImage());
            }
        return images;
    };
    const QList<QImage> painted = paintAll();

    QList<QObject *> pictures;
    for (QObject *child : page->findChildren<QObject *>())
        if (dynamic_cast<ChannelBar *>(child) || dynamic_cast<ChannelReadouts *>(child) ||
            dynamic_cast<CapturedBackground *>(child))
            pictures.append(child);
    QCOMPARE(pictures.size(), 6 + 1 + 12);
    qDeleteAll(pictures);
    for (QWidget *widget : monitor->findChildren<QWidget *>()) {
        widget->setAttribute(Qt::WA_OpaquePaintEvent, false);
        if (dynamic_cast<SliderTicks *>(widget))
            widget->show(); // the tick marks' own layer, which the bars replace
    }
    const QList<QImage> drawn = paintAll();

    // Rounded edges drawn into a picture and then onto the background blend
    // a little differently from edges drawn onto the background at once:
    // that much is allowed, at a few pixels per corner.
    for (int i = 0; i < painted.size(); ++i) {
        const QImage a = painted[i].convertToFormat(QImage::Format_RGB32);
        const QImage b = drawn[i].convertToFormat(QImage::Format_RGB32);
        int most = 0;
        int apart = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y);
                const QRgb q = b.pixel(x, y);
                const int d = qMax(qMax(qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q))),
                                   qAbs(qBlue(p) - qBlue(q)));
                most = qMax(most, d);
                apart += d > 16;
            }
        QVERIFY2(most <= 48 && apart <= 12 * 6,
                 qPrintable(QStringLiteral("frame %1: %2 pixels apart, by up to %3")
                                .arg(i)
                                .arg(apart)
                                .arg(most)));
    }
}

void tst_SetupPage::failSafe()
{
    QVERIFY(download());
    showPage(true);
    page->setCurrentTab(MonitorTab);
    f->tick();
    QTest::mouseClick(w<QPushButton>("SetFailProtectPushButton"), Qt::LeftButton);
    f->clearLog();
    f->tick();
    QCOMPARE(int(f->sent.first().command()), int(CMD_SET_FAIL_PROTECT));
    QVERIFY(f->unit().failSafeStored());
    // The pilot learns what was captured, before and after pressing.
    QVERIFY(f->messages.contains("Fail safe set: the unit holds the current stick and switch "
                                 "positions if the signal is lost"));
    QVERIFY(w<QPushButton>("SetFailProtectPushButton")
                ->toolTip()
                .contains("current stick and switch positions"));
}

void tst_SetupPage::failSafeNotReplacedByTabChange()
{
    QVERIFY(download());
    showPage(true);
    page->setCurrentTab(MonitorTab);
    f->tick();
    QTest::mouseClick(w<QPushButton>("SetFailProtectPushButton"), Qt::LeftButton);
    page->setCurrentTab(TrimTab);
    f->clearLog();
    f->tick();
    f->tick();
    // The fail-safe goes out first; the Trim tab's mode follows it.
    QCOMPARE(int(f->sent.at(0).command()), int(CMD_SET_FAIL_PROTECT));
    QCOMPARE(int(f->sent.at(1).command()), int(CMD_CUT_PID));
    QVERIFY(f->unit().failSafeStored());
    QVERIFY(!f->unit().controlLoopsRunning());
}

void tst_SetupPage::failSafeWithoutUnit()
{
    f->record().ail_limit = 55;
    const DeviceParameters before = f->record();
    QTest::mouseClick(w<QPushButton>("SetFailProtectPushButton"), Qt::LeftButton);
    QCOMPARE(f->record(), before);
    QCOMPARE(f->uploadRequests, 0);
    // Nothing waits to surprise a unit plugged in later; the pilot is told.
    QVERIFY(f->link->protocol().command() != CMD_SET_FAIL_PROTECT);
    QCOMPARE(f->messages.last(), QString("No unit connected: fail safe was not set"));
}

// Pictures of five tabs for docs/, after a download from the simulated unit.
// VRN_SCREENSHOTS_LANG=zh renders them in Chinese (suffix -zh); with
// VRN_SCREENSHOTS_ALL set every tab is written.
void tst_SetupPage::writeScreenshots()
{
    init();
    QVERIFY(download([](DeviceParameters &r) { r.servo_trim_0 = 12; }));
    // The page reads its texts when it is built: build it again after the
    // download, with the translation installed.
    QTranslator translator;
    const QString lang = qEnvironmentVariable("VRN_SCREENSHOTS_LANG");
    if (!lang.isEmpty()) {
        QVERIFY(
            translator.load(QStringLiteral(VRN_BINARY_DIR "/language/vrn_lang_%1.qm").arg(lang)));
        QCoreApplication::installTranslator(&translator);
    }
    QPalette palette;
    palette.setBrush(QPalette::WindowText, Qt::white);
    QApplication::setPalette(palette);
    delete page;
    page = new ConfigureSettingPage(nullptr, f->link);
    stack->insertWidget(0, page);
    page->refreshFromParameters();
    QDir dir(qEnvironmentVariable("VRN_SCREENSHOTS"));
    dir.mkpath(".");
    stack->show();
    showPage(true);
    // No tab under the mouse (the offscreen cursor rests on the first one).
    QTabBar *tabs = w<QTabWidget>("tabWidget")->tabBar();
    QCursor::setPos(tabs->mapToGlobal(QPoint(tabs->width() + 20, 5)));
    QHoverEvent leave(QEvent::HoverLeave, QPointF(-1, -1), QPointF(-1, -1), QPointF(-1, -1));
    QCoreApplication::sendEvent(tabs, &leave);
    QList<std::pair<int, QString>> shots = {{ReceiverTab, "receiver"},
                                            {MonitorTab, "monitor"},
                                            {MountTab, "mount"},
                                            {SwashTab, "swash"},
                                            {TrimTab, "trim"}};
    if (!qEnvironmentVariableIsEmpty("VRN_SCREENSHOTS_ALL"))
        shots << std::pair{int(StartTab), QString("start")}
              << std::pair{int(ServoTab), QString("servo")}
              << std::pair{int(TravelTab), QString("travel")};
    const QString suffix = lang.isEmpty() ? QString() : QLatin1Char('-') + lang;
    for (const auto &[tab, name] : shots) {
        page->setCurrentTab(tab);
        if (tab == MonitorTab) {
            f->unit().setFixedTelemetry(
                {wordFor(-35), wordFor(48), wordFor(-22), wordFor(61), wordFor(100), wordFor(-80)});
            f->tick();
        }
        QCoreApplication::processEvents();
        page->grab().save(dir.filePath(QStringLiteral("setup-%1%2.png").arg(name, suffix)));
    }
    cleanup();
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(tst_SetupPage)
#include "tst_setuppage.moc"
