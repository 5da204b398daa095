// What the pilot is told about the unit: verified uploads, changes not yet
// written to flash, and the keyboard way to the tool bar's actions.
#include "../PdfText.h"
#include "ChangePreview.h"
#include "DialogHook.h"
#include "LeavingPolicy.h"
#include "MainSettingPage.h"
#include "PageFixture.h"
#include "Question.h"
#include "SetupSheetOffer.h"
#include "UnitModel.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

struct Trust : PageFixture
{
    std::unique_ptr<MainSettingPage> page{new MainSettingPage(nullptr, link)};
    LeavingPolicy leaving{toolBar, link->protocol()};

    Trust()
    {
        QObject::connect(link, &SerialProcessThread::parameterChanged, page.get(),
                         &MainSettingPage::refreshFromParameters);
        QObject::connect(&toolBar, &toolWidget::flashWriting,
                         [this] { link->setCommand(CMD_SAVE_FLASH); });
        // As the main window wires them.
        QObject::connect(&toolBar, &toolWidget::messageText, &statusBar, &statusWidget::showNotice);
        QObject::connect(&toolBar, &toolWidget::configurationLoaded,
                         [this] { link->setSubframeHead(DLU_WRITE_SFID_PARAM_1); });
        toolBar.setLinkEngine(&link->protocol());
    }
    // Connect as the pilot does, with the tool bar's button.
    bool connectWithButton()
    {
        toolBar.portComboBox->setCurrentText(SimulatedPortProvider::name());
        toolBar.connectPort();
        return settle() && link->protocol().isLinkAlive();
    }
    bool flashWarningShown() const
    {
        return !statusBar.findChild<QLabel *>("flashLabel")->isHidden();
    }
    QString message() const { return statusBar.findChild<QLabel *>("messageLabel")->text(); }
    QSpinBox *rollGain() const { return page->findChild<QSpinBox *>("RollGainSpinBox"); }
    void edit(int value) { rollGain()->setValue(value); }
    bool settle()
    {
        return tickUntil([this] {
                   return !link->protocol().isVerifying() &&
                          link->protocol().subframe() == DLU_SFID_IDLE;
               }) > 0;
    }
    void loseLink(bool powerCycle)
    {
        unit().setSilent(true);
        for (int i = 0; i < 60; ++i)
            tick();
        if (powerCycle)
            unit().powerCycle();
        unit().setSilent(false);
        settle();
    }
};

} // namespace

class tst_Trust : public QObject
{
    Q_OBJECT

private slots:
    void verifiedUploadShownOnPage();
    void unitKeepsOtherValueShownOnPage();
    void flashWarning_data();
    void flashWarning();
    void setupSheetOfTheUnit_data();
    void setupSheetOfTheUnit();
    void shortcuts_data();
    void shortcuts();
    void leavingUnflashed_data();
    void leavingUnflashed();
    void writeFlashWithoutUnit();
    void loadNoticeStays();
};

void tst_Trust::verifiedUploadShownOnPage()
{
    Trust t;
    QVERIFY(t.connectAndDownload());
    t.edit(90);
    QVERIFY(t.finishUpload());
    QVERIFY(t.settle());
    QCOMPARE(t.message(), QString("Upload verified"));
    QCOMPARE(t.rollGain()->value(), 90);
}

void tst_Trust::unitKeepsOtherValueShownOnPage()
{
    Trust t;
    QVERIFY(t.connectAndDownload());
    t.unit().setFieldLimit(offsetof(DeviceParameters, phi_ktotal), 80);
    t.edit(110);
    QVERIFY(t.settle());
    QCOMPARE(t.message(), QString("The unit kept different values for 1 parameters"));
    QCOMPARE(t.rollGain()->value(), 80);
    QCOMPARE(t.record().phi_ktotal, qint8(80));
}

void tst_Trust::flashWarning_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("message");
    // e edit, f WriteFlash, l link loss, p link loss with a power cycle
    QTest::addRow("edit") << "e" << true << "Upload verified";
    QTest::addRow("edit, write flash") << "ef" << false << "Write flash successfully";
    QTest::addRow("edit, link loss") << "el" << true << "Download Parameters Completely";
    QTest::addRow("edit, power cycle")
        << "ep" << false << "The unit restarted: changes not written to flash were lost";
    QTest::addRow("edit, flash, power cycle") << "efp" << false << "Download Parameters Completely";
}

void tst_Trust::flashWarning()
{
    QFETCH(QString, steps);
    QFETCH(bool, shown);
    QFETCH(QString, message);
    Trust t;
    QVERIFY(t.connectAndDownload());
    QVERIFY(!t.flashWarningShown());
    int value = 60;
    for (QChar step : steps) {
        switch (step.toLatin1()) {
        case 'e':
            t.edit(++value);
            t.tick();
            QVERIFY(!t.flashWarningShown()); // not before the unit has it
            t.settle();
            break;
        case 'f':
            emit t.toolBar.flashWriting();
            t.tick();
            break;
        default:
            t.loseLink(step == 'p');
        }
    }
    QCOMPARE(t.flashWarningShown(), shown);
    QCOMPARE(t.message(), message);
    // After a power cycle the page shows what the unit came back with.
    QCOMPARE(t.rollGain()->value(), int(t.unit().workingRecord().phi_ktotal));
}

void tst_Trust::setupSheetOfTheUnit_data()
{
    QTest::addColumn<bool>("flash");
    QTest::addRow("edited") << false;
    QTest::addRow("edited, written to flash") << true;
}

// Ctrl+P: the sheet of what the unit holds now, and whether it would lose it.
void tst_Trust::setupSheetOfTheUnit()
{
    QFETCH(bool, flash);
    Trust t;
    QVERIFY(t.connectWithButton());
    t.edit(93);
    QVERIFY(t.settle());
    if (flash) {
        emit t.toolBar.flashWriting();
        QVERIFY(t.settle());
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath("unit.pdf");
    DialogHook::onQuestion([](QMessageBox &) { return 0; });
    DialogHook::onFile([&](QFileDialog &) -> std::optional<QString> { return pdf; });
    t.toolBar.show();
    QVERIFY(QTest::qWaitForWindowActive(&t.toolBar));
    QTest::keySequence(&t.toolBar, QKeySequence("Ctrl+P"));
    DialogHook::onQuestion(nullptr);
    DialogHook::onFile(nullptr);

    QCOMPARE(t.message(), "Setup sheet saved to " + QDir::toNativeSeparators(pdf));
    const QString text = PdfText::text(pdf);
    QCOMPARE(text.contains("Not written to flash"), !flash);
    QVERIFY(PdfText::besideCaption(text, "Roll Total Gain", "93"));
    QVERIFY(text.contains("The unit on " + SimulatedPortProvider::name()));
    QVERIFY(PdfText::besideCaption(text, "Unit", UnitModel::name(t.link->deviceModel())));
    QVERIFY(
        PdfText::besideCaption(text, "Firmware", UnitModel::firmware(t.link->firmwareVersion())));
}

void tst_Trust::shortcuts_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("action"); // "open", "save" dialog or "flash"
    QTest::addRow("Ctrl+O") << QKeySequence("Ctrl+O") << "loadButton"
                            << "open";
    QTest::addRow("Ctrl+S") << QKeySequence("Ctrl+S") << "saveButton"
                            << "save";
    QTest::addRow("Ctrl+Shift+S") << QKeySequence("Ctrl+Shift+S") << "writeFlashButton"
                                  << "flash";
}

void tst_Trust::shortcuts()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, button);
    QFETCH(QString, action);
    toolWidget bar;
    QStringList dialogs;
    DialogHook::onFile([&](QFileDialog &dialog) -> std::optional<QString> {
        dialogs << (dialog.acceptMode() == QFileDialog::AcceptOpen ? "open" : "save");
        return std::nullopt;
    });
    QSignalSpy flash(&bar, &toolWidget::flashWriting);
    bar.show();
    QVERIFY(QTest::qWaitForWindowActive(&bar));
    QTest::keySequence(&bar, keys);
    DialogHook::onFile({});
    QCOMPARE(action == "flash" ? QStringList() : QStringList{action}, dialogs);
    QCOMPARE(flash.count(), action == "flash" ? 1 : 0);
    QVERIFY(
        bar.findChild<QWidget *>(button)->toolTip().endsWith(QString("(%1)").arg(keys.toString())));
}

void tst_Trust::leavingUnflashed_data()
{
    QTest::addColumn<int>("leaving");
    QTest::addColumn<bool>("edited");
    QTest::addColumn<int>("answer"); // 0 write first, 1 leave unsaved, 2 cancel
    QTest::addColumn<bool>("silentUnit");
    QTest::addColumn<bool>("connectedAfter");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("flashed");
    QTest::addColumn<QString>("message");
    const int disconnect = LeavingPolicy::Disconnecting;
    const int close = LeavingPolicy::ClosingWindow;
    QTest::addRow("disconnect, nothing unflashed")
        << disconnect << false << -1 << false << false << false << false << "--------------";
    QTest::addRow("disconnect, cancel")
        << disconnect << true << 2 << false << true << false << false << "Upload verified";
    QTest::addRow("disconnect, leave unsaved")
        << disconnect << true << 1 << false << false << false << false << "--------------";
    QTest::addRow("disconnect, write first")
        << disconnect << true << 0 << false << false << false << true
        << "Written to flash; disconnected from " + SimulatedPortProvider::name();
    QTest::addRow("disconnect, write first, unit silent")
        << disconnect << true << 0 << true << true << false << false
        << "Write flash was not confirmed: press WriteFlash again";
    QTest::addRow("close, cancel")
        << close << true << 2 << false << true << false << false << "Upload verified";
    QTest::addRow("close, write first")
        << close << true << 0 << false << true << true << true << "Write flash successfully";
}

// Changes the unit holds only in its working memory are asked about before
// the pilot leaves it; Enter and Escape cancel.
void tst_Trust::leavingUnflashed()
{
    QFETCH(int, leaving);
    QFETCH(bool, edited);
    QFETCH(int, answer);
    QFETCH(bool, silentUnit);
    QFETCH(bool, connectedAfter);
    QFETCH(bool, closed);
    QFETCH(bool, flashed);
    QFETCH(QString, message);
    Trust t;
    QVERIFY(t.connectWithButton());
    if (edited) {
        t.edit(77);
        QVERIFY(t.settle());
        QVERIFY(t.flashWarningShown());
    }
    QSignalSpy closing(&t.leaving, &LeavingPolicy::closeConfirmed);
    QStringList asked;
    bool cancelIsDefault = true;
    DialogHook::onQuestion([&](QMessageBox &box) {
        asked << box.text();
        cancelIsDefault = cancelIsDefault && box.defaultButton() == box.buttons().last() &&
                          box.escapeButton() == box.buttons().last() && box.buttons().size() == 3;
        return answer;
    });
    if (silentUnit)
        t.unit().setSilent(true);
    bool goAhead = false;
    if (leaving == LeavingPolicy::Disconnecting)
        t.toolBar.connectPort();
    else
        goAhead = t.leaving.confirmLeaving(LeavingPolicy::ClosingWindow);
    DialogHook::onQuestion({});
    QCOMPARE(asked.size(), edited ? 1 : 0);
    QVERIFY(cancelIsDefault);
    QVERIFY(!goAhead || answer == 1);
    QCOMPARE(closing.count(), 0); // nothing closes before the unit has answered
    for (int i = 0; i < 60; ++i)
        t.tick();

    QCOMPARE(t.link->isPortOpen(), connectedAfter);
    QCOMPARE(closing.count(), closed ? 1 : 0);
    QCOMPARE(t.unit().flashRecord().phi_ktotal == 77, flashed);
    QCOMPARE(t.message(), message);
}

void tst_Trust::writeFlashWithoutUnit()
{
    Trust t;
    QSignalSpy flash(&t.toolBar, &toolWidget::flashWriting);
    t.toolBar.writeFlash();
    QCOMPARE(t.message(), QStringLiteral("No unit connected: nothing was written to flash"));
    QVERIFY(t.link->protocol().command() != CMD_SAVE_FLASH); // nothing waits for a unit
    QVERIFY(t.connectWithButton());
    t.toolBar.writeFlash();
    QCOMPARE(flash.count(), 2);
    QVERIFY(t.tickUntil([&] {
        return t.messages.contains(QStringLiteral("Write flash successfully"));
    }) > 0);
}

// How much of a file was loaded stays in view through the upload it starts,
// until the pilot does something; then the link's latest message shows.
void tst_Trust::loadNoticeStays()
{
    QTemporaryDir dir;
    const QString name = dir.filePath("part.conf");
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Condition]\nr_ktotal=61\nphi_ktotal=33\n");
    file.close();
    Trust t;
    QVERIFY(t.connectWithButton());
    DialogHook::onFile([&](QFileDialog &) { return name; });
    DialogHook::on<ChangePreview>([](ChangePreview &) { return int(QDialog::Accepted); });
    t.toolBar.loadConfigFile();
    DialogHook::on<ChangePreview>({});
    DialogHook::onFile({});
    const QString loaded = "Loaded 2 of 62 settings from part.conf; the other 60 kept their values";
    QCOMPARE(t.message(), loaded);
    QVERIFY(t.settle());
    QVERIFY(t.messages.contains("Upload verified"));
    QCOMPARE(t.message(), loaded);
    QCOMPARE(int(t.unit().workingRecord().phi_ktotal), 33);
    QTest::keyClick(t.rollGain(), Qt::Key_Shift);
    QCOMPARE(t.message(), QStringLiteral("Upload verified"));
}

QTEST_MAIN(tst_Trust)
#include "tst_trust.moc"
