#include "TitleBarTest.h"

#include "TestEvents.h"
#include "myPushButton.h"
#include "statusWidget.h"
#include "sysButton.h"
#include "titleWidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A frameless 850-pixel window with the title bar along its top, like the
// main window.
struct Host
{
    QWidget window;
    titleWidget *title = new titleWidget;

    Host()
    {
        window.setWindowFlags(Qt::FramelessWindowHint);
        window.setFixedSize(850, 600);
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(title);
        layout->addStretch();
        window.move(100, 100);
        window.show();
    }
};

} // namespace

void TitleBarTest::dragBand_data()
{
    QTest::addColumn<int>("pressX");
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("expectedShift");

    const QPoint drag(30, 20);
    QTest::addRow("left end") << 0 << int(Qt::LeftButton) << drag;
    QTest::addRow("last pixel before the buttons") << 679 << int(Qt::LeftButton) << drag;
    QTest::addRow("first pixel of the buttons") << 680 << int(Qt::LeftButton) << QPoint();
    QTest::addRow("right end") << 849 << int(Qt::LeftButton) << QPoint();
    QTest::addRow("right button") << 300 << int(Qt::RightButton) << QPoint();
}

void TitleBarTest::dragBand()
{
    QFETCH(int, pressX);
    QFETCH(int, button);
    QFETCH(QPoint, expectedShift);

    Host host;
    QVERIFY(QTest::qWaitForWindowExposed(&host.window));
    QCOMPARE(host.title->width(), 850);
    const QPoint start = host.window.pos();
    const auto mouseButton = Qt::MouseButton(button);

    TestEvents::press(host.title, QPoint(pressX, 10), mouseButton);
    TestEvents::move(host.title, QPoint(pressX, 10) + QPoint(30, 20), mouseButton);
    TestEvents::release(host.title, QPoint(pressX, 10) + QPoint(30, 20), mouseButton);
    // Moves after the release do nothing.
    TestEvents::move(host.title, QPoint(pressX, 10) + QPoint(90, 90), Qt::LeftButton);

    QCOMPARE(host.window.pos(), start + expectedShift);
}

void TitleBarTest::doubleClickToggles_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("toggles");

    QTest::addRow("on the caption") << 100 << 1;
    QTest::addRow("last pixel before the buttons") << 679 << 1;
    QTest::addRow("first pixel of the buttons") << 680 << 0;
    QTest::addRow("right end") << 849 << 0;
}

void TitleBarTest::doubleClickToggles()
{
    QFETCH(int, x);

    Host host;
    QSignalSpy maximise(host.title, &titleWidget::showMax);
    TestEvents::doubleClick(host.title, QPoint(x, 10));
    QTEST(int(maximise.count()), "toggles");
}

void TitleBarTest::buttonsRaiseTheirSignals_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expectedSignal");

    QTest::addRow("Language") << "menuButton"
                              << "enter,press,release"
                              << "showMenu";
    QTest::addRow("Language, released outside") << "menuButton"
                                                << "press,releaseOutside"
                                                << "showMenu";
    QTest::addRow("Min") << "minButton"
                         << "press,release"
                         << "showMin";
    QTest::addRow("Min, right button") << "minButton"
                                       << "rpress,rrelease"
                                       << "showMin";
    QTest::addRow("Skin") << "skinButton"
                          << "enter,press,release"
                          << "showSkin";
    QTest::addRow("Skin, released outside") << "skinButton"
                                            << "press,releaseOutside"
                                            << "showSkin";
    QTest::addRow("Language, press only") << "menuButton"
                                          << "enter,press"
                                          << "";
}

void TitleBarTest::buttonsRaiseTheirSignals()
{
    QFETCH(QString, buttonName);
    QFETCH(QString, script);
    QFETCH(QString, expectedSignal);

    titleWidget title;
    QSignalSpy menu(&title, &titleWidget::showMenu);
    QSignalSpy min(&title, &titleWidget::showMin);
    QSignalSpy skin(&title, &titleWidget::showSkin);
    QSignalSpy max(&title, &titleWidget::showMax);
    auto *button = title.findChild<QPushButton *>(buttonName);
    QVERIFY(button);

    TestEvents::play(button, script);

    QCOMPARE(int(menu.count()), expectedSignal == "showMenu" ? 1 : 0);
    QCOMPARE(int(min.count()), expectedSignal == "showMin" ? 1 : 0);
    QCOMPARE(int(skin.count()), expectedSignal == "showSkin" ? 1 : 0);
    QCOMPARE(int(max.count()), 0);
}

void TitleBarTest::skinButtonIsReachable()
{
    Host host;
    auto *layout = qobject_cast<QHBoxLayout *>(host.title->layout());
    auto *skin = host.title->findChild<myPushButton *>("skinButton");
    auto *menu = host.title->findChild<sysButton *>("menuButton");
    QVERIFY(layout && skin && menu);

    QCOMPARE(skin->parentWidget(), host.title);
    QVERIFY(skin->isVisible());
    QCOMPARE(layout->indexOf(skin) + 1, layout->indexOf(menu));
    QVERIFY(layout->itemAt(layout->indexOf(skin) - 1)->spacerItem());
}

void TitleBarTest::statusBarStartsUnconnected()
{
    statusWidget status;
    QCOMPARE(status.findChild<QLabel *>("messageLabel")->text(), QString("--------------"));
    QCOMPARE(status.findChild<QLabel *>("stateLabel")->text(), QString("Unconnected"));
    QCOMPARE(status.height(), 25);
}

void TitleBarTest::statusNotices_data()
{
    // Steps: "n:text" a notice, "m:text" progress, "k" a key press by the
    // pilot, "c" a new file being read.
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("shown");
    QTest::addRow("flash and history failure both read")
        << QStringList{"n:Write flash successfully", "n:The unit's history cannot be kept in /h"}
        << "Write flash successfully · The unit's history cannot be kept in /h";
    QTest::addRow("the same notice twice is said once")
        << QStringList{"n:Saved", "n:Saved"} << "Saved";
    QTest::addRow("progress waits behind a notice")
        << QStringList{"n:Cannot load a.conf", "m:Upload verified"} << "Cannot load a.conf";
    QTest::addRow("after a key, progress shows")
        << QStringList{"n:Cannot load a.conf", "m:Upload verified", "k"} << "Upload verified";
    QTest::addRow("after a key, a notice stands alone")
        << QStringList{"n:Cannot load a.conf", "k", "n:Configuration saved to b.conf"}
        << "Configuration saved to b.conf";
    QTest::addRow("a new load clears the last file's notice")
        << QStringList{"n:Nothing loaded: in a.conf, r_kp holds 500", "c"} << "";
    QTest::addRow("a new load shows the waiting progress")
        << QStringList{"n:Nothing loaded", "m:Download Parameters Completely", "c"}
        << "Download Parameters Completely";
}

void TitleBarTest::statusNotices()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, shown);
    statusWidget status;
    status.resize(850, 25);
    status.show();
    for (const QString &step : steps) {
        if (step.startsWith("n:"))
            status.showNotice(step.mid(2));
        else if (step.startsWith("m:"))
            status.setMessageText(step.mid(2));
        else if (step == "k")
            QTest::keyClick(&status, Qt::Key_Shift);
        else if (step == "c")
            status.clearNotice();
    }
    auto *label = status.findChild<QLabel *>("messageLabel");
    QCOMPARE(label->text(), shown);
    // Short enough for the band: no tool tip. Too long: cut, whole in the tip.
    QCOMPARE(label->toolTip(), QString());
    const QString longText = QString("Loaded 3 of 62 settings; unknown keys ignored: ").repeated(6);
    status.showNotice(longText);
    QVERIFY(label->toolTip().endsWith(longText));
    QVERIFY(label->geometry().right() <=
            status.findChild<QLabel *>("unitLabel")->geometry().left());
}
