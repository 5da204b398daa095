// What the pilot is told about the unit: verified uploads, changes not yet
// written to flash, and the keyboard way to the tool bar's actions.
#include "MainSettingPage.h"
#include "PageFixture.h"

#include <QFileDialog>
#include <QLabel>
#include <QSpinBox>
#include <QTest>

#include <memory>

namespace {

struct Trust : PageFixture
{
    std::unique_ptr<MainSettingPage> page{new MainSettingPage(nullptr, link)};

    Trust()
    {
        QObject::connect(link, &SerialProcessThread::parameterChanged, page.get(), &MainSettingPage::refreshFromParameters);
        QObject::connect(&toolBar, &toolWidget::flashWriting, [this] { link->setCommand(CMD_SAVE_FLASH); });
    }
    bool flashWarningShown() const { return !statusBar.findChild<QLabel *>("flashLabel")->isHidden(); }
    QString message() const { return statusBar.findChild<QLabel *>("messageLabel")->text(); }
    QSpinBox *rollGain() const { return page->findChild<QSpinBox *>("RollGainSpinBox"); }
    void edit(int value) { rollGain()->setValue(value); }
    bool settle() { return tickUntil([this] { return !link->protocol().isVerifying() && link->protocol().subframe() == DLU_SFID_IDLE; }) > 0; }
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
    void shortcuts_data();
    void shortcuts();
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
    QCOMPARE(deviceParameters().phi_ktotal, qint8(80));
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
    QTest::addRow("edit, power cycle") << "ep" << false << "The unit restarted: changes not written to flash were lost";
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

void tst_Trust::shortcuts_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("action"); // "open", "save" dialog or "flash"
    QTest::addRow("Ctrl+O") << QKeySequence("Ctrl+O") << "loadButton" << "open";
    QTest::addRow("Ctrl+S") << QKeySequence("Ctrl+S") << "saveButton" << "save";
    QTest::addRow("Ctrl+Shift+S") << QKeySequence("Ctrl+Shift+S") << "writeFlashButton" << "flash";
}

void tst_Trust::shortcuts()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, button);
    QFETCH(QString, action);
    toolWidget bar;
    QStringList dialogs;
    toolWidget::setFileDialogHook([&](QFileDialog &dialog) -> std::optional<QString> {
        dialogs << (dialog.acceptMode() == QFileDialog::AcceptOpen ? "open" : "save");
        return std::nullopt;
    });
    QSignalSpy flash(&bar, &toolWidget::flashWriting);
    bar.show();
    QVERIFY(QTest::qWaitForWindowActive(&bar));
    QTest::keySequence(&bar, keys);
    toolWidget::setFileDialogHook({});
    QCOMPARE(action == "flash" ? QStringList() : QStringList{action}, dialogs);
    QCOMPARE(flash.count(), action == "flash" ? 1 : 0);
    QVERIFY(bar.findChild<QWidget *>(button)->toolTip().endsWith(QString("(%1)").arg(keys.toString())));
}

QTEST_MAIN(tst_Trust)
#include "tst_trust.moc"
