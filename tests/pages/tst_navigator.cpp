#include "PageFixture.h"
#include "contentWidget.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {
enum Row
{
    Basic,
    Setup,
    Advanced,
    Upgrade
};

struct Navigator : PageFixture
{
    std::unique_ptr<contentWidget> content{new contentWidget(nullptr, link)};

    Navigator()
    {
        // As the main window wires it.
        QObject::connect(link, &SerialProcessThread::parameterChanged, content.get(),
                         &contentWidget::updateAllPages);
    }

    void choose(int row) { content->pages()->setCurrentRow(row); }
    QWidget *page(int row) const { return content->stack()->widget(row); }
    int rollGainShown() const
    {
        return page(Basic)->findChild<QSpinBox *>("RollGainSpinBox")->value();
    }
    int rollGainPShown() const
    {
        return page(Advanced)->findChild<QSpinBox *>("RollGainPSpinBox")->value();
    }
    bool mount1Shown() const
    {
        return page(Setup)->findChild<QPushButton *>("Mount1PushButton")->isChecked();
    }
    QTabWidget *setupTabs() const { return page(Setup)->findChild<QTabWidget *>("tabWidget"); }
    int tabIndex(const QString &text) const
    {
        for (int i = 0; i < setupTabs()->count(); ++i)
            if (setupTabs()->tabText(i) == text)
                return i;
        return -1;
    }
    QString upgradeLabel(const char *name) const
    {
        return page(Upgrade)->findChild<QLabel *>(name)->text();
    }
    // A record none of the pages shows yet.
    void changeRecord()
    {
        record().phi_ktotal = 77;
        record().phi_k_rate = 66;
        record().installation = 1;
    }
    bool pagesShowRecord() const
    {
        return rollGainShown() == 77 && rollGainPShown() == 66 && mount1Shown();
    }
};
} // namespace

class tst_Navigator : public QObject
{
    Q_OBJECT

private slots:
    void startsOnBasicWithLoopsRunning();
    void listItemsAreFixed();
    void setupOpensOnFirstTab();
    void otherPagesResumeControlLoops_data();
    void otherPagesResumeControlLoops();
    void downloadElsewhereNeverSuspendsLoops();
    void pageChangeRefreshesParameterPages();
    void eachLinkKeepsItsOwnRecord();
    void downloadRefreshesAllPages();
    void configurationLoadRefreshesAndUploads();
    void writeFlash();
    void upgradePageTexts_data();
    void upgradePageTexts();
};

void tst_Navigator::startsOnBasicWithLoopsRunning()
{
    Navigator n;
    QCOMPARE(n.content->stack()->currentIndex(), int(Basic));
    QCOMPARE(n.content->pages()->currentRow(), int(Basic));
    QCOMPARE(int(n.link->protocol().command()), int(CMD_RUN_PID));
    QCOMPARE(n.uploadRequests, 0); // building the pages sends nothing
}

void tst_Navigator::listItemsAreFixed()
{
    Navigator n;
    QCOMPARE(n.content->pages()->count(), 4);
    const QStringList texts{"Basic", "Setup", "Advanced", "Upgrade"};
    for (int row = 0; row < 4; ++row) {
        QListWidgetItem *item = n.content->pages()->item(row);
        QCOMPARE(item->text(), texts[row]);
        QCOMPARE(item->flags(), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        QVERIFY(!item->icon().isNull());
    }
    QCOMPARE(n.content->pages()->movement(), QListView::Static);
}

void tst_Navigator::setupOpensOnFirstTab()
{
    Navigator n;
    n.choose(Setup);
    QCOMPARE(n.setupTabs()->currentIndex(), 0);
    n.setupTabs()->setCurrentIndex(5);
    n.choose(Basic);
    n.choose(Setup);
    QCOMPARE(n.content->stack()->currentIndex(), int(Setup));
    QCOMPARE(n.setupTabs()->currentIndex(), 0);
}

void tst_Navigator::otherPagesResumeControlLoops_data()
{
    QTest::addColumn<int>("target");
    QTest::addRow("Basic") << int(Basic);
    QTest::addRow("Advanced") << int(Advanced);
    QTest::addRow("Upgrade") << int(Upgrade);
}

void tst_Navigator::otherPagesResumeControlLoops()
{
    QFETCH(int, target);
    Navigator n;
    QVERIFY(n.connectAndDownload());
    n.choose(Setup);
    n.setupTabs()->setCurrentIndex(n.tabIndex(" Trim "));
    QCOMPARE(int(n.link->protocol().command()), int(CMD_CUT_PID));
    n.tick();
    QVERIFY(!n.unit().controlLoopsRunning());
    n.choose(target); // straight from the Trim tab
    QCOMPARE(int(n.link->protocol().command()), int(CMD_RUN_PID));
    n.tick();
    QVERIFY(n.unit().controlLoopsRunning());
    // Even when the page before was not Setup.
    n.choose(target == Basic ? Advanced : Basic);
    QCOMPARE(int(n.link->protocol().command()), int(CMD_RUN_PID));
}

void tst_Navigator::downloadElsewhereNeverSuspendsLoops()
{
    Navigator n;
    QVERIFY(n.connectAndDownload());
    n.choose(Setup);
    n.setupTabs()->setCurrentIndex(n.tabIndex(" Trim "));
    n.choose(Basic);
    n.tick();
    n.link->protocol().startOver(); // a fresh download refreshes every page
    QVERIFY(n.tickUntil([&] { return n.messages.endsWith("Download Parameters Completely"); }) > 0);
    QVERIFY(n.link->protocol().command() != CMD_CUT_PID);
    n.tick();
    QVERIFY(n.unit().controlLoopsRunning());
}

void tst_Navigator::pageChangeRefreshesParameterPages()
{
    Navigator n;
    n.changeRecord();
    n.choose(Upgrade);
    QVERIFY(n.pagesShowRecord());
    QCOMPARE(n.upgradeLabel("labelDeviceId"),
             QString("------------")); // not refreshed by a page change
    QCOMPARE(n.uploadRequests, 0);
}

// Two windows side by side: the pages show and edit their own link's record,
// and an edit uploads through that link only.
void tst_Navigator::eachLinkKeepsItsOwnRecord()
{
    Navigator a;
    Navigator b;
    a.changeRecord();
    a.choose(Advanced);
    b.choose(Advanced);
    QVERIFY(a.pagesShowRecord());
    QVERIFY(!b.pagesShowRecord());
    QVERIFY(b.record() == DeviceParameters());

    b.choose(Basic);
    b.page(Basic)->findChild<QSpinBox *>("RollGainSpinBox")->setValue(90);
    QCOMPARE(int(b.record().phi_ktotal), 90);
    QCOMPARE(int(a.record().phi_ktotal), 77);
    QCOMPARE(b.uploadRequests, 1);
    QCOMPARE(a.uploadRequests, 0);
    QCOMPARE(a.rollGainShown(), 77);
}

void tst_Navigator::downloadRefreshesAllPages()
{
    Navigator n;
    n.choose(Advanced);
    n.unit().workingRecord().phi_ktotal = 77;
    n.unit().workingRecord().phi_k_rate = 66;
    n.unit().workingRecord().installation = 1;
    n.unit().setModel(SimulatedUnit::ModelX1);
    QVERIFY(n.connectAndDownload());
    QVERIFY(n.pagesShowRecord());
    QCOMPARE(n.upgradeLabel("labelDeviceId"), QString("VRN-X1 Flybarless Gyro System"));
    QCOMPARE(n.content->stack()->currentIndex(), int(Advanced));
    QCOMPARE(n.uploadRequests, 0); // refreshing stores nothing
}

void tst_Navigator::configurationLoadRefreshesAndUploads()
{
    Navigator n;
    QVERIFY(n.connectAndDownload());
    n.choose(Setup);
    n.setupTabs()->setCurrentIndex(n.tabIndex(" Monitor "));
    QCOMPARE(int(n.link->protocol().subframe()), int(DLU_UP_SFID_TELEMETRY_1));
    n.clearLog();
    n.changeRecord();
    n.content->configurationLoaded();
    QVERIFY(n.pagesShowRecord());
    QCOMPARE(n.content->stack()->currentIndex(), int(Setup));
    // The upload replaces the telemetry the Setup page's refresh asked for...
    QCOMPARE(int(n.link->protocol().subframe()), int(DLU_WRITE_SFID_PARAM_1));
    QVERIFY(n.finishUpload());
    QCOMPARE(n.unit().workingRecord().phi_ktotal, qint8(77));
    // ...and the monitor comes back once the upload is done.
    n.tickUntil([&] { return !n.link->protocol().isVerifying(); });
    QCOMPARE(int(n.link->protocol().subframe()), int(DLU_UP_SFID_TELEMETRY_1));
}

void tst_Navigator::writeFlash()
{
    Navigator n;
    QVERIFY(n.connectAndDownload());
    n.content->flashWriting();
    QCOMPARE(int(n.link->protocol().command()), int(CMD_SAVE_FLASH));
    n.tick();
    QCOMPARE(n.messages.last(), QString("Write flash successfully"));
    QCOMPARE(n.unit().flashWriteCount(), 1);
}

void tst_Navigator::upgradePageTexts_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("firmware");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("version");
    QTest::addRow("VRN-X1") << 10 << 12 << "VRN-X1 Flybarless Gyro System"
                            << "1.2";
    QTest::addRow("VRN-A1") << 11 << 7 << "VRN-A1 Flybarless Gyro System"
                            << "0.7";
    QTest::addRow("unknown keeps the version") << 12 << 30 << "Invalid Device"
                                               << "--";
    QTest::addRow("zero") << 0 << 0 << "Invalid Device"
                          << "--";
}

void tst_Navigator::upgradePageTexts()
{
    QFETCH(int, model);
    QFETCH(int, firmware);
    QFETCH(QString, device);
    QFETCH(QString, version);
    Navigator n;
    n.unit().setModel(quint8(model));
    n.unit().setFirmwareVersion(quint8(firmware));
    QVERIFY(n.connectAndDownload());
    QCOMPARE(n.upgradeLabel("labelDeviceId"), device);
    QCOMPARE(n.upgradeLabel("labelFirmwareVersion"), version);

    // A later unknown unit keeps the version of the earlier one.
    if (model == 10) {
        n.unit().setModel(99);
        n.link->protocol().startOver();
        n.tickUntil([&] {
            return n.messages.endsWith("Download Parameters Completely") &&
                   n.link->protocol().subframe() == 0;
        });
        QCOMPARE(n.upgradeLabel("labelDeviceId"), QString("Invalid Device"));
        QCOMPARE(n.upgradeLabel("labelFirmwareVersion"), QString("1.2"));
    }
}

QTEST_MAIN(tst_Navigator)
#include "tst_navigator.moc"
