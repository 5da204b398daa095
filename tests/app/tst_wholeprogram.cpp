// The whole program against vrn-sim on a pseudo-terminal, through the real
// serial port code, driven the way a pilot drives it: Connect, look at every
// page, edit on each, save and load a .conf, WriteFlash, power-cycle the
// unit, reconnect. The link's 20 ms tick is driven by hand; each tick waits
// for the unit's reply.
#include "AppSettings.h"
#include "ChangePreview.h"
#include "DialogHook.h"
#include "FactorySetup.h"
#include "Question.h"
#include "SerialProcessThread.h"
#include "SimProcess.h"
#include "WholeWindow.h"
#include "contentWidget.h"
#include "mainWidget.h"
#include "toolWidget.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#include <signal.h>

namespace {

struct Program : WholeWindow
{
    SimProcess sim;
    QString port = dir.filePath("vrn-pty");
    QString flash = dir.filePath("flash.bin");

    bool start()
    {
        if (!sim.startLinked(port, {"--flash", flash, "--model", "11"}))
            return false;
        qputenv("VRN_EXTRA_PORTS", port.toUtf8());
        open().show();
        tickByHand();
        return toolBar && content;
    }
    ~Program()
    {
        close();
        sim.kill();
        qunsetenv("VRN_EXTRA_PORTS");
    }
    void signalUnit(int sig)
    {
        sim.signal(sig);
        QTest::qWait(100); // vrn-sim handles signals from its event loop
    }

    void tick()
    {
        link->time();
        // A missing reply is the caller's to judge.
        (void)QTest::qWaitFor([&] { return link->protocol().silentTicks() == 0; }, 200);
    }
    // A tick that expects no answer.
    void silentTick() { WholeWindow::tick(); }
    bool tickUntilMessage(const QString &text, int limit = 60)
    {
        for (int i = 0; i < limit && message() != text; ++i)
            tick();
        return message() == text;
    }
    // Connect and tick until the download has reached the pages.
    bool connect()
    {
        toolBar->portComboBox->setCurrentText(port);
        QSignalSpy downloaded(link, &SerialProcessThread::parameterChanged);
        click("connectButton");
        for (int i = 0; i < 60 && downloaded.isEmpty(); ++i)
            tick();
        return downloaded.count() == 1;
    }
    void disconnect() { click("connectButton"); }

    // What the three pages show of a few fields of each.
    int rollGain() const { return widget<QSpinBox>("RollGainSpinBox")->value(); }
    int rollGainP() const { return widget<QSpinBox>("RollGainPSpinBox")->value(); }
    int rpmGainP() const { return widget<QSpinBox>("RpmGainPSpinBox")->value(); }
    int tailGain() const { return widget<QSpinBox>("TailGainSpinBox")->value(); }
    bool mountChecked(int n) const
    {
        return widget<QPushButton>(qPrintable(QString("Mount%1PushButton").arg(n)))->isChecked();
    }
};

} // namespace

class tst_WholeProgram : public QObject
{
    Q_OBJECT
    QTemporaryDir settingsDir;

private slots:
    void initTestCase()
    {
        // English, whatever the tests beside this one store as the choice.
        WholeWindow::keepSettingsIn(settingsDir.path());
    }
    void pilotSession();
    void unitFallsSilentDuringUpload();
};

void tst_WholeProgram::pilotSession()
{
    Program p;
    QVERIFY(p.start());
    QCOMPARE(p.state(), QString("Unconnected"));

    // Connect: the unit's set-up arrives on every page.
    QVERIFY(p.connect());
    QCOMPARE(p.state(), QString("Connected"));
    DeviceParameters factory = FactorySetup::record();
    factory.reserved_28 = 0; // never on the wire
    factory.pcset_mode = 0;  // a VRN-A1 has no flight modes: the Setup page clears it
    QCOMPARE(p.link->parameters(), factory);
    QCOMPARE(p.rollGain(), int(factory.phi_ktotal));
    QCOMPARE(p.tailGain(), int(factory.r_ktotal));
    QCOMPARE(p.rollGainP(), int(factory.phi_k_rate));
    QCOMPARE(p.rpmGainP(), int(factory.rpm_kp));
    QVERIFY(p.mountChecked(1));
    QCOMPARE(p.widget<QLabel>("labelDeviceId")->text(), QString("VRN-A1 Flybarless Gyro System"));

    // An edit on each page, each read back from the unit.
    p.choosePage(0);
    p.widget<QSpinBox>("RollGainSpinBox")->setValue(88);
    QVERIFY(p.tickUntilMessage("Upload verified"));
    QVERIFY(p.flashWarning());
    p.choosePage(1);
    p.chooseSetupTab(" Mount ");
    p.click("Mount2PushButton");
    QVERIFY(p.tickUntilMessage("Upload verified"));
    QCOMPARE(p.link->parameters().installation, qint8(21));
    p.choosePage(2);
    p.widget<QSpinBox>("RollGainPSpinBox")->setValue(55);
    QVERIFY(p.tickUntilMessage("Upload verified"));

    // Save a .conf, change a value, load the file: the file's values go back to the unit.
    const QString conf = p.dir.filePath("session.conf");
    DialogHook::onFile([&](QFileDialog &) -> std::optional<QString> { return conf; });
    p.click("saveButton");
    QVERIFY(QFile::exists(conf));
    QCOMPARE(p.message(), QString("Configuration saved to session.conf"));
    p.click("RollGainPSpinBox"); // the pilot goes on: the notice gives way
    p.widget<QSpinBox>("RollGainPSpinBox")->setValue(33);
    QVERIFY(p.tickUntilMessage("Upload verified"));
    int previews = 0;
    DialogHook::on<ChangePreview>([&](ChangePreview &preview) {
        ++previews;
        return preview.differingCount() == 1 ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
    p.click("loadButton");
    DialogHook::on<ChangePreview>({});
    DialogHook::onFile({});
    QCOMPARE(previews, 1);
    QCOMPARE(p.rollGainP(), 55);
    // What was loaded stays in view through the upload it starts.
    for (int i = 0; i < 40; ++i)
        p.tick();
    QCOMPARE(p.message(), QString("Configuration loaded from session.conf"));
    p.click("RollGainPSpinBox");
    QCOMPARE(p.message(), QString("Upload verified"));

    // Flash what the unit holds now.
    p.click("writeFlashButton");
    QVERIFY(p.tickUntilMessage("Write flash successfully"));
    QVERIFY(!p.flashWarning());
    const DeviceParameters flashed = p.link->parameters();

    // One more edit, never flashed, then the unit loses power.
    p.widget<QSpinBox>("RollGainSpinBox")->setValue(99);
    QVERIFY(p.tickUntilMessage("Upload verified"));
    QVERIFY(p.flashWarning());
    p.signalUnit(SIGHUP);

    // Reconnect: exactly the flashed values come back, and the pilot is told.
    // Disconnecting first asks about the change not written to flash.
    int asked = 0;
    DialogHook::onQuestion([&](QMessageBox &) { return ++asked, 1; }); // leave it unsaved
    p.disconnect();
    DialogHook::onQuestion({});
    QCOMPARE(asked, 1);
    QCOMPARE(p.state(), QString("Unconnected"));
    QVERIFY(p.connect());
    QCOMPARE(p.message(), QString("The unit restarted: changes not written to flash were lost"));
    QVERIFY(!p.flashWarning());
    QCOMPARE(p.link->parameters(), flashed);
    QCOMPARE(p.rollGain(), 88);
    QCOMPARE(p.rollGainP(), 55);
    QVERIFY(p.mountChecked(2));
}

void tst_WholeProgram::unitFallsSilentDuringUpload()
{
    Program p;
    QVERIFY(p.start());
    QVERIFY(p.connect());
    const int before = p.rpmGainP();

    // An edit on the Advanced page; its field travels in block 10.
    p.choosePage(2);
    p.widget<QSpinBox>("RpmGainPSpinBox")->setValue(before == 50 ? 51 : 50);
    p.tick(); // block 1
    p.tick(); // block 2
    QCOMPARE(p.message(), QString("Upload Parameters Now..."));
    p.signalUnit(SIGUSR1); // the unit stops answering
    for (int i = 0; i < 52; ++i)
        p.silentTick();
    QCOMPARE(p.state(), QString("Unconnected"));
    QCOMPARE(p.message(), QString("--------------"));
    QCOMPARE(int(p.link->protocol().command()), int(CMD_CUT_MOTOR));

    // Back again: a full download, and the window shows what the unit holds.
    p.signalUnit(SIGUSR1);
    QSignalSpy downloaded(p.link, &SerialProcessThread::parameterChanged);
    for (int i = 0; i < 60 && downloaded.isEmpty(); ++i)
        p.tick();
    QCOMPARE(downloaded.count(), 1);
    QCOMPARE(p.state(), QString("Connected"));
    QCOMPARE(p.rpmGainP(), before); // block 10 never reached the unit
    QCOMPARE(int(p.link->parameters().rpm_kp), before);
}

QTEST_MAIN(tst_WholeProgram)
#include "tst_wholeprogram.moc"
