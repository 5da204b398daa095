// The guided setup through the real window, the real link and the built-in
// simulated unit, its sticks steered by scripts: what a pilot with a right
// radio, and with each of the usual radio faults, is told and let through.
// The link's tick and the unit's telemetry clock move together, by hand.
#include "AppSettings.h"
#include "DialogHook.h"
#include "DifferenceList.h"
#include "FactorySetup.h"
#include "GuidedSetup.h"
#include "ParameterCaption.h"
#include "Question.h"
#include "RadioCheck.h"
#include "SerialProcessThread.h"
#include "SimulatedPortProvider.h"
#include "SimulatedUnit.h"
#include "StickScript.h"
#include "StickWindow.h"
#include "Telemetry.h"
#include "UnitHistory.h"
#include "WholeWindow.h"
#include "contentWidget.h"
#include "mainWidget.h"
#include "toolWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstddef>
#include <memory>

namespace {

// Ticks a scripted position is held: long enough to be taken as still.
constexpr int HoldTicks = 30;

struct Fault
{
    int stick = -1;
    int full = 100; // the reading at the end named first
    int opposite = -100;
    int rest = 0;
};

// The sticks of a pilot working through the radio check from `from` on.
QString radioScript(int from, const Fault &fault = {})
{
    QString script = "0 throttle=-100 collective=0 elevator=0 aileron=0 rudder=0 aux=-100\n";
    qint64 at = HoldTicks * StickScript::TickMs;
    const auto line = [&](int channel, int value) {
        static const char *names[] = {"throttle", "collective", "elevator",
                                      "aileron",  "rudder",     "aux"};
        script += QStringLiteral("%1 %2=%3\n").arg(at).arg(names[channel]).arg(value);
        at += HoldTicks * StickScript::TickMs;
    };
    for (int s = from; s < RadioCheck::StickCount; ++s) {
        const bool faulty = s == fault.stick;
        line(s, faulty ? fault.full : 100);
        line(s, faulty ? fault.opposite : -100);
        if (s != RadioCheck::Aux)
            line(s, faulty ? fault.rest : 0);
    }
    return script;
}

struct Window
{
    QTemporaryDir dir;
    std::unique_ptr<mainWidget> window{new mainWidget};
    SerialProcessThread *link = window->serialLink();
    toolWidget *toolBar = window->toolBarWidget();
    SimulatedUnit &unit = window->simulatedPort().unit();
    qint64 clock = 0;
    QStringList questions; // every question asked, as shown
    int answer = 0;        // the answer the pilot gives

    Window()
    {
        link->tickTimer()->stop();
        link->refreshTimer()->stop();
        toolBar->history().setFolder(dir.filePath("history"));
        unit.setLatencyMs(0);
        unit.setClockMs(clock);
        sticks("0 throttle=-100 aux=-100");
        DialogHook::onQuestion([this](QMessageBox &box) {
            questions << box.text();
            return answer;
        });
    }
    ~Window() { DialogHook::onQuestion({}); }
    // The record of this window's link; every window starts with its own.
    DeviceParameters &record() { return link->parameters(); }

    void sticks(const QString &script)
    {
        QString error;
        const auto parsed = StickScript::parse(script, &error);
        QVERIFY2(parsed, qPrintable(error));
        unit.setStickScript(*parsed);
    }
    void tick()
    {
        clock += StickScript::TickMs;
        unit.setClockMs(clock);
        link->time();
        QCoreApplication::processEvents();
    }
    template <typename Pred> bool tickUntil(Pred done, int limit = 600)
    {
        for (int i = 0; i < limit && !done(); ++i)
            tick();
        return done();
    }
    bool connectAndDownload()
    {
        toolBar->portComboBox->setCurrentText(SimulatedPortProvider::name());
        link->serialConnect();
        return tickUntil([this] {
            return link->protocol().isEditingAllowed() && link->protocol().isLinkAlive() &&
                   !link->protocol().isTransferRunning();
        });
    }
    // The unit holds what the window holds: every upload acknowledged and
    // read back.
    bool unitAgrees()
    {
        return tickUntil([this] {
            return !link->protocol().isTransferRunning() && unit.workingRecord() == record();
        });
    }
    GuidedSetup *open()
    {
        QTest::mouseClick(window->findChild<QPushButton *>("guidedSetupButton"), Qt::LeftButton);
        return window->guidedSetup();
    }
    template <typename T> T *in(GuidedSetup *guide, const char *name)
    {
        return guide->findChild<T *>(name);
    }
    void press(GuidedSetup *guide, const char *name)
    {
        QPushButton *button = in<QPushButton>(guide, name);
        QVERIFY2(button && button->isEnabled(), name);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // Steps 1 and 2 with a receiver that works.
    bool throughReceiver(GuidedSetup *guide)
    {
        guide->next();
        sticks("0 throttle=-100 aux=-100\n200 aileron=60\n");
        return tickUntil([guide] { return guide->stepReady(); }) &&
               (guide->next(), guide->step() == GuidedSetup::RadioStep);
    }
    bool throughRadio(GuidedSetup *guide)
    {
        sticks(radioScript(RadioCheck::Throttle));
        return tickUntil([guide] { return guide->stepReady(); }, 1200);
    }
    // Connected, the guide open and on the mounting step; null if it got stuck.
    GuidedSetup *openAtMounting()
    {
        if (!connectAndDownload())
            return nullptr;
        GuidedSetup *guide = open();
        if (!throughReceiver(guide) || !throughRadio(guide))
            return nullptr;
        guide->next();
        return guide->step() == GuidedSetup::MountStep ? guide : nullptr;
    }
};

} // namespace

class tst_GuidedSetup : public QObject
{
    Q_OBJECT
    QTemporaryDir settingsDir;

private slots:
    void initTestCase() { WholeWindow::keepSettingsIn(settingsDir.path()); }
    void rightRadioPassesEveryStep();
    void radioFaultsBlockUntilFixed_data();
    void radioFaultsBlockUntilFixed();
    void flatReceiverIsTold();
    void leavingHalfWayLeavesUnitConsistent_data();
    void leavingHalfWayLeavesUnitConsistent();
    void trimsAndTravelReachUnit_data();
    void trimsAndTravelReachUnit();
    void pagesTakeTheLinkBack();
    void noUnitNoStart();
    void sticksWindowSteersUnit();
};

void tst_GuidedSetup::rightRadioPassesEveryStep()
{
    Window w;
    QVERIFY(w.connectAndDownload());
    const DeviceParameters factory = w.record();
    GuidedSetup *guide = w.open();
    QVERIFY(guide && guide->isVisible());
    QCOMPARE(guide->step(), GuidedSetup::UnitStep);
    QCOMPARE(guide->statusText(),
             QString("Connected: VRN-X1, firmware 1.2 (the simulated unit: steer its sticks "
                     "with Ctrl+Shift+K)."));
    QVERIFY(!guide->backButton()->isEnabled());

    QVERIFY(w.throughReceiver(guide));
    const QVector<UnitHistory::Entry> kept = w.toolBar->history().entries();
    QVERIFY(!kept.isEmpty());
    QCOMPARE(kept.first().kind, UnitHistory::Kind::BeforeGuidedSetup);
    QCOMPARE(UnitHistory::kindText(kept.first().kind), QString("before guided setup"));

    QCOMPARE(guide->statusText(), QString("Move the throttle stick fully up and hold"));
    QVERIFY(!guide->nextButton()->isEnabled());
    QVERIFY(w.throughRadio(guide));
    QCOMPARE(guide->statusText(), QString("The radio is right: every stick passed."));
    guide->next();

    // Mounting and swash type: a picture is one upload, read back.
    QCOMPARE(guide->step(), GuidedSetup::MountStep);
    const int installation = int(offsetof(DeviceParameters, installation));
    w.press(guide, qPrintable(QString("guidedChoice%1_17").arg(installation)));
    guide->next();
    const int modelType = int(offsetof(DeviceParameters, model_type));
    w.press(guide, qPrintable(QString("guidedChoice%1_3").arg(modelType)));
    QVERIFY(w.unitAgrees());
    QCOMPARE(int(w.unit.workingRecord().installation), 17);
    QCOMPARE(int(w.unit.workingRecord().model_type), 3);
    guide->next();

    // Servo types only with the horns off; a digital type after the data sheet.
    QCOMPARE(guide->step(), GuidedSetup::ServoStep);
    QVERIFY(!guide->nextButton()->isEnabled());
    auto *swashServo = w.in<QComboBox>(guide, "guidedSwashServo");
    QVERIFY(!swashServo->isEnabled());
    w.in<QCheckBox>(guide, "guidedHornsOff")->setChecked(true);
    QVERIFY(swashServo->isEnabled());
    w.answer = 1; // the data sheet is not at hand
    swashServo->activated(2);
    QCOMPARE(w.questions.size(), 1);
    QVERIFY(w.questions.last().contains("data sheet"));
    QCOMPARE(w.record().swash_servotype, factory.swash_servotype);
    QCOMPARE(swashServo->currentIndex(), factory.swash_servotype - 1);
    w.answer = 0;
    swashServo->activated(2);
    QCOMPARE(int(w.record().swash_servotype), 3);
    guide->next();

    // A No reverses the servo at once; only Yes for all four lets through.
    QCOMPARE(guide->step(), GuidedSetup::DirectionStep);
    const qint8 ch2 = w.record().servo_rev_1;
    w.press(guide, "guidedNo1");
    QCOMPARE(int(w.record().servo_rev_1), ch2 == 1 ? -1 : 1);
    QVERIFY(w.unitAgrees());
    for (const char *yes : {"guidedYes0", "guidedYes1", "guidedYes2"})
        w.press(guide, yes);
    QVERIFY(!guide->nextButton()->isEnabled());
    w.press(guide, "guidedYes3");
    guide->next();
    QCOMPARE(guide->step(), GuidedSetup::TrimStep);
    guide->next();

    // Fail safe: refused with the throttle up, confirmed, acknowledged.
    QCOMPARE(guide->step(), GuidedSetup::FailSafeStep);
    w.sticks("0 throttle=20");
    QVERIFY(w.tickUntil([&] { return telemetry().accelerator == 20; }));
    const int asked = w.questions.size();
    w.press(guide, "guidedFailSafe");
    QCOMPARE(w.questions.size(), asked);
    QVERIFY(guide->statusText().startsWith("Move the throttle fully down first"));
    w.sticks("0 throttle=-100");
    QVERIFY(w.tickUntil([&] { return telemetry().accelerator == -100; }));
    w.press(guide, "guidedFailSafe");
    QCOMPARE(w.questions.size(), asked + 1);
    QVERIFY(w.tickUntil([&] { return guide->stepReady(); }));
    QCOMPARE(guide->statusText(), QString("The unit stored its fail-safe positions."));
    QVERIFY(w.unit.failSafeStored());
    QCOMPARE(w.unit.failSafePositions()->at(5), StickScript::wordsFor({-100}).at(5));
    guide->next();

    // The summary in the pages' words, then WriteFlash, then no question.
    QCOMPARE(guide->step(), GuidedSetup::SummaryStep);
    // Only the differences, each under its page and tab, without check boxes.
    auto *summary = w.in<DifferenceList>(guide, "guidedSummary");
    QVERIFY(summary);
    QCOMPARE(summary->choosableCount(), 0);
    QStringList rows;
    for (int s = 0; s < summary->topLevelItemCount(); ++s) {
        const QTreeWidgetItem *section = summary->topLevelItem(s);
        for (int i = 0; i < section->childCount(); ++i) {
            const QTreeWidgetItem *row = section->child(i);
            QVERIFY(row->text(1) != row->text(2));
            rows << row->data(0, DifferenceList::CaptionRole).toString() + ": " + row->text(2);
        }
    }
    QCOMPARE(rows.size(), ParameterCaption::differences(guide->before(), w.record()).size() + 1);
    QVERIFY2(rows.contains("Setup · Mount: Mounting 4."), qPrintable(rows.join('\n')));
    QVERIFY2(rows.contains("Setup · SwashPlate: 135CCPM"), qPrintable(rows.join('\n')));
    QVERIFY2(rows.contains("Fail safe: set"), qPrintable(rows.join('\n')));
    QVERIFY(w.link->protocol().hasChangesNotInFlash());
    w.press(guide, "guidedWriteFlash");
    QVERIFY(w.tickUntil([&] { return !w.link->protocol().hasChangesNotInFlash(); }));
    QCOMPARE(w.unit.flashRecord(), w.record());
    QCOMPARE(guide->statusText(), QString("Written to flash: the unit keeps this setup."));
    QCOMPARE(guide->nextButton()->text(), QString("&Finish"));
    const int before = w.questions.size();
    const QPointer<GuidedSetup> watched(guide);
    guide->next(); // closes once the read-back after the write has ended
    QVERIFY(w.tickUntil([&] { return !watched || !watched->isVisible(); }));
    QCOMPARE(w.questions.size(), before);
    QTRY_VERIFY(!w.window->guidedSetup());
}

void tst_GuidedSetup::radioFaultsBlockUntilFixed_data()
{
    QTest::addColumn<int>("stick");
    QTest::addColumn<int>("full");
    QTest::addColumn<int>("opposite");
    QTest::addColumn<int>("rest");
    QTest::addColumn<QString>("advice");
    QTest::addRow("reversed aileron")
        << int(RadioCheck::Aileron) << -100 << 100 << 0
        << "Aileron is reversed: reverse channel 1 in your transmitter";
    QTest::addRow("elevator off neutral")
        << int(RadioCheck::Elevator) << 100 << -100 << 7 << "Elevator rests at 7: set its sub-trim";
    QTest::addRow("short collective") << int(RadioCheck::Collective) << 82 << -100 << 0
                                      << "Collective reaches only 82: raise its end point";
}

void tst_GuidedSetup::radioFaultsBlockUntilFixed()
{
    QFETCH(int, stick);
    QFETCH(int, full);
    QFETCH(int, opposite);
    QFETCH(int, rest);
    QFETCH(QString, advice);
    Window w;
    QVERIFY(w.connectAndDownload());
    GuidedSetup *guide = w.open();
    QVERIFY(w.throughReceiver(guide));
    w.sticks(radioScript(RadioCheck::Throttle, {stick, full, opposite, rest}));
    QVERIFY(w.tickUntil([&] { return guide->statusText() == advice; }, 1200));
    // Blocked: the sticks after it are not looked at, Next stays off.
    QCOMPARE(int(guide->checkedStick()), stick);
    for (int i = 0; i < 400; ++i)
        w.tick();
    QCOMPARE(guide->statusText(), advice);
    QVERIFY(!guide->nextButton()->isEnabled());
    guide->next();
    QCOMPARE(guide->step(), GuidedSetup::RadioStep);

    // Fixed in the transmitter, checked again: it passes and the rest follow.
    w.press(guide, "guidedRetry");
    w.sticks(radioScript(stick));
    QVERIFY(w.tickUntil([&] { return guide->stepReady(); }, 1200));
    QVERIFY(guide->nextButton()->isEnabled());
}

void tst_GuidedSetup::flatReceiverIsTold()
{
    Window w;
    QVERIFY(w.connectAndDownload());
    GuidedSetup *guide = w.open();
    guide->next();
    QCOMPARE(guide->step(), GuidedSetup::ReceiverStep);
    auto *box = w.in<QComboBox>(guide, "guidedReceiver");
    box->setCurrentIndex(7);
    box->activated(7); // DSMX-1, one upload
    QVERIFY(w.unitAgrees());
    QCOMPARE(int(w.unit.workingRecord().receiver_type), 7);
    QVERIFY(w.tickUntil([&] { return guide->statusText().startsWith("no signal"); }));
    QCOMPARE(guide->statusText(),
             QString("no signal with this receiver type: check the type and the wiring\n"
                     "Likely instead: DSM2-1, DSM2-2"));
    QVERIFY(!guide->nextButton()->isEnabled());
    w.sticks("0 rudder=-40");
    QVERIFY(w.tickUntil([&] { return guide->stepReady(); }));
    QCOMPARE(guide->statusText(), QString("The unit sees the channels move."));
}

void tst_GuidedSetup::leavingHalfWayLeavesUnitConsistent_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("flashed");
    QTest::addRow("write to flash first") << 0 << true << true;
    QTest::addRow("leave them unsaved") << 1 << true << false;
    QTest::addRow("cancel") << 2 << false << false;
}

void tst_GuidedSetup::leavingHalfWayLeavesUnitConsistent()
{
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(bool, flashed);
    Window w;
    GuidedSetup *guide = w.openAtMounting();
    QVERIFY(guide);
    const int installation = int(offsetof(DeviceParameters, installation));
    w.press(guide, qPrintable(QString("guidedChoice%1_21").arg(installation)));
    w.tick(); // the upload has begun, not ended

    w.answer = answer;
    QTest::keyClick(guide, Qt::Key_Escape); // the same as Leave
    // Asked once the unit has taken the change, not before.
    QVERIFY(w.questions.isEmpty());
    QVERIFY(w.tickUntil([&] { return !w.questions.isEmpty(); }));
    QCOMPARE(w.questions.size(), 1);
    QVERIFY(w.questions.first().contains("before leaving the guided setup"));
    QTRY_COMPARE(w.window->guidedSetup() == nullptr, closed);

    QVERIFY(w.unitAgrees());
    QCOMPARE(int(w.unit.workingRecord().installation), 21);
    if (flashed)
        QVERIFY(w.tickUntil([&] { return w.unit.flashRecord() == w.record(); }));
    else
        QCOMPARE(int(w.unit.flashRecord().installation), int(FactorySetup::record().installation));
    // The Setup page shows what the unit holds.
    QVERIFY(w.window->findChild<QPushButton *>("Mount2PushButton")->isChecked());
}

void tst_GuidedSetup::trimsAndTravelReachUnit_data()
{
    using D = DeviceParameters;
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("pageBox");
    QTest::addColumn<QString>("leaveBy");
    QTest::addRow("CH1 trim, Next")
        << int(offsetof(D, servo_trim_0)) << 12 << "SwashServoTuningCH1SpinBox"
        << "next";
    QTest::addRow("tail trim, Back")
        << int(offsetof(D, servo_trim_3)) << -20 << "TailServoTrimSpinBox"
        << "back";
    QTest::addRow("aileron travel, Leave")
        << int(offsetof(D, ail_limit)) << 90 << "AileronLimitSpinBox"
        << "leave";
    QTest::addRow("collective, Escape")
        << int(offsetof(D, coll_ratio)) << -40 << "CollectiveCoefSpinBox"
        << "escape";
}

// Each edit is one upload, read back, shown on the Setup page; the control
// loops are suspended only while the step is on screen.
void tst_GuidedSetup::trimsAndTravelReachUnit()
{
    QFETCH(int, offset);
    QFETCH(int, value);
    QFETCH(QString, pageBox);
    QFETCH(QString, leaveBy);
    Window w;
    GuidedSetup *guide = w.openAtMounting();
    QVERIFY(guide);
    for (int step = GuidedSetup::MountStep; step < GuidedSetup::ServoStep; ++step)
        guide->next();
    w.in<QCheckBox>(guide, "guidedHornsOff")->setChecked(true);
    guide->next();
    for (const char *yes : {"guidedYes0", "guidedYes1", "guidedYes2", "guidedYes3"})
        w.press(guide, yes);
    QCOMPARE(w.link->protocol().command(), CMD_RUN_PID);
    guide->next();
    QCOMPARE(guide->step(), GuidedSetup::TrimStep);
    QCOMPARE(w.link->protocol().command(), CMD_CUT_PID);
    QVERIFY(w.tickUntil([&] { return !w.unit.controlLoopsRunning(); }));

    // The guide offers what the page offers.
    auto *box = w.in<QSpinBox>(guide, qPrintable(QString("guidedValue%1").arg(offset)));
    auto *onPage = w.window->findChild<QSpinBox *>(pageBox);
    QVERIFY(box && onPage);
    QCOMPARE(box->minimum(), onPage->minimum());
    QCOMPARE(box->maximum(), onPage->maximum());
    QCOMPARE(box->value(), int(w.record().byteAt(offset)));
    box->setValue(value);
    QCOMPARE(int(w.record().byteAt(offset)), value);
    QVERIFY(w.unitAgrees());
    QCOMPARE(int(w.unit.workingRecord().byteAt(offset)), value);
    QCOMPARE(onPage->value(), value);
    // Writing does not start the loops again (the command was sent and done).
    QVERIFY(!w.unit.controlLoopsRunning());

    w.answer = 1; // leave the change unsaved
    if (leaveBy == "next")
        guide->next();
    else if (leaveBy == "back")
        w.press(guide, "guidedBack");
    else if (leaveBy == "leave")
        w.press(guide, "guidedLeave");
    else
        QTest::keyClick(guide, Qt::Key_Escape);
    QCOMPARE(w.link->protocol().command(), CMD_RUN_PID);
    QVERIFY(w.tickUntil([&] { return w.unit.controlLoopsRunning(); }));
    if (leaveBy == "leave" || leaveBy == "escape")
        QTRY_VERIFY(!w.window->guidedSetup());
    QCOMPARE(onPage->value(), value);
}

// The guide runs the loops while it is open; left over the Setup page's
// Trim tab, the tab suspends them again, as it did before the guide.
void tst_GuidedSetup::pagesTakeTheLinkBack()
{
    Window w;
    QVERIFY(w.connectAndDownload());
    auto *content = w.window->findChild<contentWidget *>();
    content->pages()->setCurrentRow(1);
    auto *tabs = content->stack()->widget(1)->findChild<QTabWidget *>("tabWidget");
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->tabText(i).trimmed() == "Trim")
            tabs->setCurrentIndex(i);
    }
    QVERIFY(w.tickUntil([&] { return !w.unit.controlLoopsRunning(); }));
    GuidedSetup *guide = w.open();
    QVERIFY(guide);
    QVERIFY(w.tickUntil([&] { return w.unit.controlLoopsRunning(); }));
    w.press(guide, "guidedLeave");
    QTRY_VERIFY(!w.window->guidedSetup());
    QVERIFY(w.tickUntil([&] { return !w.unit.controlLoopsRunning(); }));
}

void tst_GuidedSetup::noUnitNoStart()
{
    Window w;
    GuidedSetup *guide = w.open();
    QCOMPARE(guide->statusText(),
             QString("No unit answers. Connect the unit (plugged in and powered) first."));
    QVERIFY(!guide->nextButton()->isEnabled());
    guide->next();
    QCOMPARE(guide->step(), GuidedSetup::UnitStep);
    QVERIFY(w.toolBar->history().entries().isEmpty());
    // Nothing to lose: leaving asks nothing.
    w.press(guide, "guidedLeave");
    QVERIFY(w.questions.isEmpty());
    QTRY_VERIFY(!w.window->guidedSetup());
}

// The keyboard's sticks reach the pilot as the unit reports them.
void tst_GuidedSetup::sticksWindowSteersUnit()
{
    Window w;
    QVERIFY(w.connectAndDownload());
    // Asked for from the guide, which keeps the main window from input.
    GuidedSetup *guide = w.open();
    guide->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(guide));
    QTest::keyClick(guide, Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
    StickWindow *sticks = w.window->stickWindowIfShown();
    QVERIFY(sticks);
    w.link->setSubframeHead(DLU_UP_SFID_TELEMETRY_1);
    const auto seen = [&] {
        for (int i = 0; i < 5; ++i)
            w.tick();
        return RadioCheck::channels(telemetry());
    };
    QCOMPARE(seen(), (RadioCheck::Channels{-100, 0, 0, 0, 0, -100}));
    QTest::keyPress(sticks, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyPress(sticks, Qt::Key_Up);
    QTest::keyClick(sticks, Qt::Key_W);
    QTest::keyClick(sticks, Qt::Key_W);
    QTest::keyClick(sticks, Qt::Key_X);
    QCOMPARE(seen(), (RadioCheck::Channels{50, 50, -25, 100, 0, 100}));
    // The springing sticks come back when let go; the left stick stays.
    QTest::keyRelease(sticks, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyRelease(sticks, Qt::Key_Up);
    QCOMPARE(seen(), (RadioCheck::Channels{50, 50, 0, 0, 0, 100}));
    QTest::keyPress(sticks, Qt::Key_D);
    QTest::keyPress(sticks, Qt::Key_Space); // centres what springs back, not the left stick
    QCOMPARE(seen(), (RadioCheck::Channels{50, 50, 0, 0, 0, 100}));
}

QTEST_MAIN(tst_GuidedSetup)
#include "tst_guidedsetup.moc"
