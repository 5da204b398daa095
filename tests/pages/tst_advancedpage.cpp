#include "AdvanceSettingPage.h"
#include "ChangePreview.h"
#include "DialogHook.h"
#include "PageFixture.h"
#include "Question.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>
#include <QTranslator>

#include <memory>

namespace {

// Every spin box of the page with the record offset it edits and the bottom
// of its range; the top is 125 for all of them.
struct SpinRow
{
    const char *box;
    int offset;
    int minimum;
};

const SpinRow spinRows[] = {
    {"RollGainPSpinBox", 49, 10},
    {"RollGainISpinBox", 50, 10},
    {"RollGainDSpinBox", 51, 0},
    {"RollGainIntegrationSpinBox", 52, 0},
    {"PitchGainPSpinBox", 54, 10},
    {"PitchGainISpinBox", 55, 10},
    {"PitchGainDSpinBox", 56, 0},
    {"PitchGainIntegrationSpinBox", 57, 0},
    {"MainRotorAccSpinBox", 69, 0},
    {"MainRotorDecSpinBox", 70, 0},
    {"MainRotorRcDeadBandSpinBox", 73, 0},
    {"MainRotorSensorDeadBandSpinBox", 74, 0},
    {"BurstCoefSpinBox", 110, 0},
    {"TailGainPSpinBox", 45, 10},
    {"TailGainISpinBox", 46, 10},
    {"TailGainDSpinBox", 47, 0},
    {"LeftAccSpinBox", 65, 0},
    {"LeftDecSpinBox", 67, 0},
    {"RightAccSpinBox", 66, 0},
    {"RightDecSpinBox", 68, 0},
    {"RudderRcDeadBandSpinBox", 71, 0},
    {"TailRotorSensorDeadBandSpinBox", 72, 0},
    {"CyclicCompensationTailSpinBox", 76, -125},
    {"CollectiveCompensationTailSpinBox", 75, -125},
    {"RpmTotalGainSpinBox", 99, 0},
    {"RpmGainPSpinBox", 100, 0},
    {"RpmGainISpinBox", 101, 0},
    {"RpmGainDSpinBox", 102, 0},
    {"CollectiveCompensationRpmSpinBox", 96, 0},
    {"CyclicCompensationRpmSpinBox", 97, 0},
};

const char *const governorBoxes[] = {
    "RpmTotalGainSpinBox",
    "RpmGainPSpinBox",
    "RpmGainISpinBox",
    "RpmGainDSpinBox",
    "CollectiveCompensationRpmSpinBox",
    "CyclicCompensationRpmSpinBox",
};
const int governorOffsets[] = {99, 100, 101, 102, 96, 97};
const int resetValues[] = {30, 20, 80, 20, 60, 40};

constexpr int GovernorStatus = 42;
constexpr int GovernorTab = 2;
constexpr int NoRefresh = -1000;

// The first offset where the two records differ, or -1.
int firstDifference(const DeviceParameters &a, const DeviceParameters &b, int except = -1)
{
    for (int i = 0; i < DeviceParameters::Size; ++i) {
        if (i != except && a.byteAt(i) != b.byteAt(i))
            return i;
    }
    return -1;
}

} // namespace

class tst_AdvancedPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void cleanupTestCase();

    void constructionShowsRangeBottom_data();
    void constructionShowsRangeBottom();
    void editStoresOwnFieldAndReachesUnit_data();
    void editStoresOwnFieldAndReachesUnit();
    void refreshClampsOutOfRangeBytes_data();
    void refreshClampsOutOfRangeBytes();
    void clampedByteIsNotWrittenBack();
    void typedNegativeCompensation_data();
    void typedNegativeCompensation();
    void hiddenAccelerationBoxesFollowRefresh_data();
    void hiddenAccelerationBoxesFollowRefresh();
    void governorStates_data();
    void governorStates();
    void governorOffFromStateTwo();
    void governorOnButton_data();
    void governorOnButton();
    void resetStoresOnlyChangedBoxes_data();
    void resetStoresOnlyChangedBoxes();
    void modelEnabling_data();
    void modelEnabling();

private:
    AdvanceSettingPage *makePage();
    QSpinBox *spin(const char *name) const { return page->findChild<QSpinBox *>(name); }
    QRadioButton *radio(const char *name) const { return page->findChild<QRadioButton *>(name); }
    void showTab(int index);

    std::unique_ptr<PageFixture> f;
    std::unique_ptr<AdvanceSettingPage> page;
};

void tst_AdvancedPage::init()
{
    f = std::make_unique<PageFixture>();
}

void tst_AdvancedPage::cleanup()
{
    page.reset();
    f.reset();
}

AdvanceSettingPage *tst_AdvancedPage::makePage()
{
    page = std::make_unique<AdvanceSettingPage>(nullptr, f->link);
    return page.get();
}

void tst_AdvancedPage::showTab(int index)
{
    page->show();
    page->findChild<QTabWidget *>("tabWidget")->setCurrentIndex(index);
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
}

void tst_AdvancedPage::constructionShowsRangeBottom_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("minimum");
    for (const SpinRow &row : spinRows)
        QTest::addRow("%s", row.box) << QString::fromLatin1(row.box) << row.minimum;
}

void tst_AdvancedPage::constructionShowsRangeBottom()
{
    QFETCH(QString, box);
    QFETCH(int, minimum);
    makePage();
    QSpinBox *s = page->findChild<QSpinBox *>(box);
    QVERIFY(s);
    QCOMPARE(s->minimum(), minimum);
    QCOMPARE(s->maximum(), 125);
    QCOMPARE(s->value(), qMax(minimum, 0));
    // Setting the ranges moved values, but nothing may be stored or sent.
    QCOMPARE(f->uploadRequests, 0);
    QCOMPARE(firstDifference(f->record(), DeviceParameters()), -1);
}

void tst_AdvancedPage::editStoresOwnFieldAndReachesUnit_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("value");
    for (const SpinRow &row : spinRows) {
        const int value = row.minimum < 0 ? -99 : 99;
        QTest::addRow("%s", row.box) << QString::fromLatin1(row.box) << row.offset << value;
    }
}

void tst_AdvancedPage::editStoresOwnFieldAndReachesUnit()
{
    QFETCH(QString, box);
    QFETCH(int, offset);
    QFETCH(int, value);
    QVERIFY(f->connectAndDownload());
    makePage()->refreshFromParameters();
    QSpinBox *s = page->findChild<QSpinBox *>(box);
    QVERIFY(s);
    QVERIFY(s->value() != value);
    const DeviceParameters before = f->record();
    f->clearLog();

    s->setValue(value);

    QCOMPARE(int(f->record().byteAt(offset)), value);
    QCOMPARE(firstDifference(f->record(), before, offset), -1);
    QCOMPARE(f->uploadRequests, 1);
    QVERIFY(f->finishUpload());
    QCOMPARE(int(f->unit().workingRecord().byteAt(offset)), value);
}

void tst_AdvancedPage::refreshClampsOutOfRangeBytes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("shown");
    for (const SpinRow &row : spinRows) {
        const QString box = QString::fromLatin1(row.box);
        const int below = row.minimum > -125 ? row.minimum - 1 : -128;
        QTest::addRow("%s below", row.box) << box << row.offset << below << row.minimum;
        QTest::addRow("%s above", row.box) << box << row.offset << 127 << 125;
    }
    QTest::addRow("rpm_kp -5") << "RpmGainPSpinBox" << 100 << -5 << 0;
    QTest::addRow("tail gain P 0") << "TailGainPSpinBox" << 45 << 0 << 10;
}

void tst_AdvancedPage::refreshClampsOutOfRangeBytes()
{
    QFETCH(QString, box);
    QFETCH(int, offset);
    QFETCH(int, byte);
    QFETCH(int, shown);
    makePage();
    f->record().setByteAt(offset, qint8(byte));

    page->refreshFromParameters();

    QCOMPARE(page->findChild<QSpinBox *>(box)->value(), shown);
    QCOMPARE(int(f->record().byteAt(offset)), byte);
    QCOMPARE(f->uploadRequests, 0);
}

void tst_AdvancedPage::clampedByteIsNotWrittenBack()
{
    f->unit().workingRecord().rpm_kp = -5;
    QVERIFY(f->connectAndDownload());
    QCOMPARE(int(f->record().rpm_kp), -5);
    makePage()->refreshFromParameters();
    QCOMPARE(spin("RpmGainPSpinBox")->value(), 0);

    // Another edit uploads the whole record: the unit gets the -5 it sent.
    spin("RpmGainISpinBox")->setValue(70);
    QVERIFY(f->finishUpload());
    QCOMPARE(int(f->unit().workingRecord().rpm_kp), -5);
    QCOMPARE(int(f->unit().workingRecord().rpm_ki), 70);

    // Only the pilot's own edit replaces it.
    spin("RpmGainPSpinBox")->setValue(4);
    QCOMPARE(int(f->record().rpm_kp), 4);
}

void tst_AdvancedPage::typedNegativeCompensation_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("offset");
    QTest::addRow("cyclic to tail") << "CyclicCompensationTailSpinBox" << 76;
    QTest::addRow("collective to tail") << "CollectiveCompensationTailSpinBox" << 75;
}

void tst_AdvancedPage::typedNegativeCompensation()
{
    QFETCH(QString, box);
    QFETCH(int, offset);
    QVERIFY(f->connectAndDownload());
    makePage()->refreshFromParameters();
    showTab(1);
    QSpinBox *s = page->findChild<QSpinBox *>(box);
    s->setFocus();
    s->selectAll();
    QTest::keyClicks(s, "-125");
    QCOMPARE(s->value(), -125);
    QCOMPARE(int(f->record().byteAt(offset)), -125);
    QVERIFY(f->uploadRequests >= 1);

    // The bottom of the range holds: stepping further down changes nothing.
    const int requests = f->uploadRequests;
    QTest::keyClick(s, Qt::Key_Down);
    QCOMPARE(s->value(), -125);
    QCOMPARE(f->uploadRequests, requests);

    QVERIFY(f->finishUpload());
    QCOMPARE(int(f->unit().workingRecord().byteAt(offset)), -125);
}

void tst_AdvancedPage::hiddenAccelerationBoxesFollowRefresh_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("neighbour");
    QTest::addColumn<int>("offset");
    QTest::addRow("main rotor") << 0 << "MainRotorAccSpinBox"
                                << "MainRotorAccLabel"
                                << "MainRotorDecSpinBox" << 69;
    QTest::addRow("left") << 1 << "LeftAccSpinBox"
                          << "LeftAccLabel"
                          << "LeftDecSpinBox" << 65;
    QTest::addRow("right") << 1 << "RightAccSpinBox"
                           << "RightAccLabel"
                           << "RightDecSpinBox" << 66;
}

void tst_AdvancedPage::hiddenAccelerationBoxesFollowRefresh()
{
    QFETCH(int, tab);
    QFETCH(QString, box);
    QFETCH(QString, label);
    QFETCH(QString, neighbour);
    QFETCH(int, offset);
    makePage();
    showTab(tab);
    QSpinBox *s = page->findChild<QSpinBox *>(box);
    QLabel *l = page->findChild<QLabel *>(label);
    QVERIFY(s && l);
    QVERIFY(!s->isVisible());
    QVERIFY(!l->isVisible());
    // The box beside it in the same group is shown.
    QVERIFY(page->findChild<QSpinBox *>(neighbour)->isVisible());

    f->record().setByteAt(offset, 33);
    page->refreshFromParameters();
    QCOMPARE(s->value(), 33);
}

void tst_AdvancedPage::governorStates_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("offChecked");
    QTest::addColumn<bool>("onChecked");
    QTest::addColumn<QString>("onText");
    const QString form = QStringLiteral("Calibrate RPM.");
    const QString calibrate = QStringLiteral("Calibrate RPM");
    const QString on = QStringLiteral("Governor On");
    QTest::addRow("0 first") << NoRefresh << 0 << true << false << form;
    QTest::addRow("1 first") << NoRefresh << 1 << false << true << calibrate;
    QTest::addRow("2 first") << NoRefresh << 2 << false << true << on;
    QTest::addRow("0 after 2 keeps text") << 2 << 0 << true << false << on;
    QTest::addRow("1 after 2") << 2 << 1 << false << true << calibrate;
    QTest::addRow("2 after 0") << 0 << 2 << false << true << on;
    QTest::addRow("3 first") << NoRefresh << 3 << false << false << form;
    QTest::addRow("3 after 2") << 2 << 3 << false << true << on;
    QTest::addRow("-1 after 0") << 0 << -1 << true << false << form;
    QTest::addRow("127 after 1") << 1 << 127 << false << true << calibrate;
}

void tst_AdvancedPage::governorStates()
{
    QFETCH(int, before);
    QFETCH(int, state);
    QFETCH(bool, offChecked);
    QFETCH(bool, onChecked);
    QFETCH(QString, onText);
    makePage();
    if (before != NoRefresh) {
        f->record().governor_status = qint8(before);
        page->refreshFromParameters();
    }
    f->record().governor_status = qint8(state);

    page->refreshFromParameters();

    QCOMPARE(radio("RpmOffRadioButton")->isChecked(), offChecked);
    QCOMPARE(radio("RpmOnRadioButton")->isChecked(), onChecked);
    QCOMPARE(radio("RpmOnRadioButton")->text(), onText);
    QCOMPARE(radio("RpmOffRadioButton")->text(), QStringLiteral("Governor Off"));
    QCOMPARE(int(f->record().governor_status), state);
    QCOMPARE(f->uploadRequests, 0);
}

void tst_AdvancedPage::governorOffFromStateTwo()
{
    f->unit().workingRecord().governor_status = 2;
    QVERIFY(f->connectAndDownload());
    makePage()->refreshFromParameters();
    showTab(GovernorTab);
    QRadioButton *off = radio("RpmOffRadioButton");
    QRadioButton *on = radio("RpmOnRadioButton");
    QCOMPARE(on->text(), QStringLiteral("Governor On"));
    f->clearLog();

    QTest::mouseClick(off, Qt::LeftButton);
    QVERIFY(off->isChecked());
    QCOMPARE(int(f->record().governor_status), 0);
    QCOMPARE(f->uploadRequests, 1);
    QCOMPARE(on->text(), QStringLiteral("Calibrate RPM"));
    QVERIFY(f->finishUpload());
    QCOMPARE(int(f->unit().workingRecord().governor_status), 0);

    DialogHook::onQuestion([](QMessageBox &) { return 0; });
    QTest::mouseClick(on, Qt::LeftButton);
    DialogHook::onQuestion({});
    QVERIFY(on->isChecked());
    QCOMPARE(int(f->record().governor_status), 1);
    QCOMPARE(f->uploadRequests, 2);
    QCOMPARE(on->text(), QStringLiteral("Calibrate RPM"));
    QVERIFY(f->finishUpload());
    QCOMPARE(int(f->unit().workingRecord().governor_status), 1);
}

void tst_AdvancedPage::governorOnButton_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("answer"); // 0 calibrate, 1 cancel
    QTest::addColumn<bool>("asked");
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("onChecked");
    QTest::addRow("governor on: nothing changes") << 2 << 0 << false << 2 << true;
    QTest::addRow("already calibrating") << 1 << 0 << false << 1 << true;
    QTest::addRow("off, calibration confirmed") << 0 << 0 << true << 1 << true;
    QTest::addRow("off, calibration cancelled") << 0 << 1 << true << 0 << false;
    QTest::addRow("unknown state, cancelled") << 7 << 1 << true << 7 << false;
}

// The "On" button calibrates only from another state, and only after the
// pilot has read what calibration does; Enter and Escape cancel.
void tst_AdvancedPage::governorOnButton()
{
    QFETCH(int, state);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(int, stored);
    QFETCH(bool, onChecked);
    f->unit().workingRecord().governor_status = qint8(state);
    QVERIFY(f->connectAndDownload());
    makePage()->refreshFromParameters();
    showTab(GovernorTab);
    const QString textBefore = radio("RpmOnRadioButton")->text();
    f->clearLog();

    QStringList questions;
    bool cancelIsDefault = true;
    DialogHook::onQuestion([&](QMessageBox &box) {
        questions << box.text();
        cancelIsDefault = cancelIsDefault && box.defaultButton() == box.buttons().last() &&
                          box.escapeButton() == box.buttons().last();
        return answer;
    });
    QTest::mouseClick(radio("RpmOnRadioButton"), Qt::LeftButton);
    DialogHook::onQuestion({});

    QCOMPARE(!questions.isEmpty(), asked);
    QVERIFY(cancelIsDefault);
    if (asked)
        QVERIFY(questions.first().contains(
            "the unit takes that rotor speed as the speed the governor holds"));
    QCOMPARE(int(f->record().governor_status), stored);
    QCOMPARE(f->uploadRequests, stored == state ? 0 : 1);
    QCOMPARE(radio("RpmOnRadioButton")->isChecked(), onChecked);
    QCOMPARE(radio("RpmOffRadioButton")->isChecked(), !onChecked && state == 0);
    QCOMPARE(radio("RpmOnRadioButton")->text(), textBefore);
}

void tst_AdvancedPage::resetStoresOnlyChangedBoxes_data()
{
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<int>("uploads");
    QTest::addRow("all at reset values") << QList<int>{30, 20, 80, 20, 60, 40} << 0;
    // The preview is applied and sends every change in one upload.
    QTest::addRow("all different") << QList<int>{31, 21, 81, 21, 61, 41} << 1;
    QTest::addRow("two differ") << QList<int>{30, 99, 80, 20, 60, 0} << 1;
    // The box shows 0 for the -5 byte, so the reset changes it.
    QTest::addRow("out-of-range byte") << QList<int>{30, -5, 80, 20, 60, 40} << 1;
}

void tst_AdvancedPage::resetStoresOnlyChangedBoxes()
{
    QFETCH(QList<int>, before);
    QFETCH(int, uploads);
    QVERIFY(f->connectAndDownload());
    for (int i = 0; i < 6; ++i)
        f->record().setByteAt(governorOffsets[i], qint8(before[i]));
    makePage()->refreshFromParameters();
    showTab(GovernorTab);
    const DeviceParameters snapshot = f->record();
    f->clearLog();
    int previews = 0;
    DialogHook::on<ChangePreview>([&](ChangePreview &preview) {
        ++previews;
        return preview.differingCount() > 0 ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });

    QTest::mouseClick(page->findChild<QPushButton *>("RpmResetPushButton"), Qt::LeftButton);
    DialogHook::on<ChangePreview>({});

    QCOMPARE(previews, uploads); // nothing to change: no question
    QCOMPARE(f->uploadRequests, uploads);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(spin(governorBoxes[i])->value(), resetValues[i]);
        QCOMPARE(int(f->record().byteAt(governorOffsets[i])), resetValues[i]);
    }
    DeviceParameters expected = snapshot;
    for (int i = 0; i < 6; ++i)
        expected.setByteAt(governorOffsets[i], qint8(resetValues[i]));
    QCOMPARE(firstDifference(f->record(), expected), -1);
    if (uploads > 0) {
        QVERIFY(f->finishUpload());
        for (int i = 0; i < 6; ++i)
            QCOMPARE(int(f->unit().workingRecord().byteAt(governorOffsets[i])), resetValues[i]);
    }
}

void tst_AdvancedPage::modelEnabling_data()
{
    QTest::addColumn<QList<int>>("models");
    QTest::addColumn<bool>("enabled");
    QTest::addRow("A1") << QList<int>{11} << false;
    QTest::addRow("X1") << QList<int>{10} << true;
    QTest::addRow("A1 then X1") << QList<int>{11, 10} << true;
    QTest::addRow("A1 then none") << QList<int>{11, 0} << false;
    QTest::addRow("X1 then none") << QList<int>{10, 0} << true;
    QTest::addRow("none yet") << QList<int>{0} << true;
    QTest::addRow("A1 then unknown 7") << QList<int>{11, 7} << false;
}

void tst_AdvancedPage::modelEnabling()
{
    QFETCH(QList<int>, models);
    QFETCH(bool, enabled);
    makePage();
    bool connected = false;
    for (int model : models) {
        f->unit().setModel(quint8(model));
        if (!connected)
            QVERIFY(f->connectAndDownload());
        else
            f->tick();
        connected = true;
        QCOMPARE(int(f->link->deviceModel()), model);
        page->refreshFromParameters();
    }

    for (const char *name : governorBoxes)
        QCOMPARE(spin(name)->isEnabled(), enabled);
    QCOMPARE(radio("RpmOffRadioButton")->isEnabled(), enabled);
    QCOMPARE(radio("RpmOnRadioButton")->isEnabled(), enabled);
    QCOMPARE(page->findChild<QPushButton *>("RpmResetPushButton")->isEnabled(), enabled);
    QCOMPARE(spin("RollGainIntegrationSpinBox")->isEnabled(), enabled);
    QCOMPARE(spin("PitchGainIntegrationSpinBox")->isEnabled(), enabled);
    // The gains both models have stay editable.
    for (const char *name : {"RollGainPSpinBox", "PitchGainDSpinBox", "TailGainPSpinBox",
                             "CyclicCompensationTailSpinBox", "BurstCoefSpinBox"})
        QVERIFY2(spin(name)->isEnabled(), name);
}

// With VRN_SCREENSHOTS=dir the run ends by rendering each tab after a
// download from the simulated unit, and the first tab once more in Chinese
// with a tool tip showing.
namespace {

QImage withToolTip(QWidget *page, QSpinBox *box)
{
    QImage shot = page->grab().toImage();
    QToolTip::showText(box->mapToGlobal(QPoint(box->width() / 2, box->height())), box->toolTip(),
                       box);
    QWidget *tip = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->inherits("QTipLabel") && w->isVisible())
            tip = w;
    }
    if (tip) {
        const QPixmap picture = tip->grab();
        // Just below the box, kept inside the page as a pilot would see it.
        QPoint at = box->mapTo(page, QPoint(box->width() / 2, box->height() + 4));
        at.setX(qMin(at.x(), shot.width() - picture.width() - 4));
        if (at.y() + picture.height() > shot.height())
            at.setY(box->mapTo(page, QPoint(0, 0)).y() - picture.height() - 4);
        QPainter painter(&shot);
        painter.drawPixmap(at, picture);
    }
    QToolTip::hideText();
    return shot;
}

void renderPage(SerialProcessThread *link, const QString &dir, const QString &suffix,
                const QStringList &tabs)
{
    AdvanceSettingPage page(nullptr, link);
    page.resize(810, 440);
    page.show();
    page.refreshFromParameters();
    auto *tabWidget = page.findChild<QTabWidget *>("tabWidget");
    for (int i = 0; i < tabs.size(); ++i) {
        tabWidget->setCurrentIndex(i);
        QApplication::processEvents();
        const QString file = QStringLiteral("%1/advanced-%2%3.png").arg(dir, tabs[i], suffix);
        QImage shot = page.grab().toImage();
        if (i == 0)
            shot = withToolTip(&page, page.findChild<QSpinBox *>("RollGainDSpinBox"));
        shot.save(file);
    }
}

} // namespace

void tst_AdvancedPage::cleanupTestCase()
{
    const QString dir = qEnvironmentVariable("VRN_SCREENSHOTS");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    PageFixture fixture;
    QVERIFY(fixture.connectAndDownload());
    renderPage(fixture.link, dir, QString(), {"main", "tail", "governor"});
    QTranslator zh;
    QVERIFY(zh.load(QStringLiteral(VRN_BINARY_DIR "/language/vrn_lang_zh.qm")));
    QCoreApplication::installTranslator(&zh);
    renderPage(fixture.link, dir, QStringLiteral("-zh"), {"main"});
    QCoreApplication::removeTranslator(&zh);
}

QTEST_MAIN(tst_AdvancedPage)
#include "tst_advancedpage.moc"
