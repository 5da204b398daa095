#include "ToolBarTest.h"
#include "DialogHook.h"

#include "TestEvents.h"
#include "toolButton.h"
#include "toolWidget.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFileDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

void ToolBarTest::connectToggle_data()
{
    QTest::addColumn<QStringList>("ports");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("buttonText");
    QTest::addColumn<bool>("portListEnabled");
    QTest::addColumn<int>("connects");
    QTest::addColumn<int>("disconnects");

    const QStringList two = {"/dev/ttyUSB0", "/dev/ttyUSB1"};
    QTest::addRow("start") << two << 0 << "Connect" << true << 0 << 0;
    QTest::addRow("connect") << two << 1 << "Disconnect" << false << 1 << 0;
    QTest::addRow("connect, disconnect") << two << 2 << "Connect" << true << 1 << 1;
    QTest::addRow("three presses") << two << 3 << "Disconnect" << false << 2 << 1;
    QTest::addRow("no port: still connects")
        << QStringList() << 1 << "Disconnect" << false << 1 << 0;
}

void ToolBarTest::connectToggle()
{
    QFETCH(QStringList, ports);
    QFETCH(int, clicks);

    toolWidget bar;
    bar.portComboBox->addItems(ports); // as the link fills it
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    auto *button = bar.findChild<QPushButton *>("connectButton");
    QVERIFY(button);
    QSignalSpy connects(&bar, &toolWidget::serialConnect);
    QSignalSpy disconnects(&bar, &toolWidget::serialDisconnect);

    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(button, Qt::LeftButton);

    QTEST(button->text(), "buttonText");
    QTEST(bar.portComboBox->isEnabled(), "portListEnabled");
    QTEST(int(connects.count()), "connects");
    QTEST(int(disconnects.count()), "disconnects");
    // The tool bar never touches the list the link filled.
    QCOMPARE(bar.portComboBox->count(), ports.size());
}

void ToolBarTest::lockedPortListDoesNotOpen()
{
    toolWidget bar;
    bar.portComboBox->addItems({"/dev/ttyS0", "/dev/ttyS1"});
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QTest::mouseClick(bar.findChild<QPushButton *>("connectButton"), Qt::LeftButton);

    QTest::mouseClick(bar.portComboBox, Qt::LeftButton);
    QTest::keyClick(bar.portComboBox, Qt::Key_Down);

    QVERIFY(!bar.portComboBox->view()->isVisible());
    QCOMPARE(bar.portComboBox->currentIndex(), 0);
}

void ToolBarTest::pictureButtonRunsItsAction_data()
{
    QTest::addColumn<QString>("buttonName");
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("flashWritings");
    QTest::addColumn<int>("fileDialogs");

    QTest::addRow("WriteFlash, left click") << "writeFlashButton"
                                            << "enter,press,release" << 1 << 0;
    QTest::addRow("WriteFlash, right click") << "writeFlashButton"
                                             << "rpress,rrelease" << 1 << 0;
    QTest::addRow("WriteFlash, released outside") << "writeFlashButton"
                                                  << "press,releaseOutside" << 1 << 0;
    QTest::addRow("WriteFlash, press only") << "writeFlashButton"
                                            << "enter,press" << 0 << 0;
    QTest::addRow("LoadConfig asks for a file") << "loadButton"
                                                << "press,release" << 0 << 1;
    QTest::addRow("SaveConfig, right click") << "saveButton"
                                             << "rpress,rrelease" << 0 << 1;
    QTest::addRow("SaveConfig, released outside") << "saveButton"
                                                  << "press,releaseOutside" << 0 << 1;
}

void ToolBarTest::pictureButtonRunsItsAction()
{
    QFETCH(QString, buttonName);
    QFETCH(QString, script);

    int dialogs = 0;
    // Every file dialog is cancelled, so nothing is loaded or written.
    DialogHook::onFile([&dialogs](QFileDialog &) -> std::optional<QString> {
        ++dialogs;
        return std::nullopt;
    });
    toolWidget bar; // not connected: WriteFlash works all the same
    auto *button = bar.findChild<toolButton *>(buttonName);
    QVERIFY(button);
    QSignalSpy clicks(button, &toolButton::myToolClicked);
    QSignalSpy flash(&bar, &toolWidget::flashWriting);

    TestEvents::play(button, script);

    QCOMPARE(int(clicks.count()), script.count("release"));
    QTEST(int(flash.count()), "flashWritings");
    QTEST(dialogs, "fileDialogs");
    DialogHook::onFile(nullptr);
}

void ToolBarTest::toolButtonFeedback_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("alpha");

    QTest::addRow("idle") << "" << 0;
    QTest::addRow("hovered") << "enter" << 30;
    QTest::addRow("pressed") << "enter,press" << 70;
    QTest::addRow("released") << "enter,press,release" << 30;
    QTest::addRow("left again") << "enter,press,release,leave" << 0;
    QTest::addRow("right button pressed") << "enter,rpress" << 70;
}

void ToolBarTest::toolButtonFeedback()
{
    QFETCH(QString, script);

    toolButton button(":/images/toolWidget/open_file.png", "LoadConfig");
    TestEvents::play(&button, script);

    const QColor wash = button.palette().color(QPalette::Window);
    QCOMPARE(wash.rgb(), QColor(Qt::white).rgb());
    QTEST(wash.alpha(), "alpha");
    QVERIFY(button.autoFillBackground());
    QCOMPARE(button.height(), 80);
}

void ToolBarTest::toolButtonShape_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("inside");

    const QSize size(90, 80);
    QTest::addRow("top-left corner") << size << QPoint(0, 0) << false;
    QTest::addRow("top-right corner") << size << QPoint(89, 0) << false;
    QTest::addRow("bottom-left corner") << size << QPoint(0, 79) << false;
    QTest::addRow("bottom-right corner") << size << QPoint(89, 79) << false;
    QTest::addRow("centre") << size << QPoint(45, 40) << true;
    QTest::addRow("top edge") << size << QPoint(45, 0) << true;
    QTest::addRow("left edge") << size << QPoint(0, 40) << true;
    QTest::addRow("inside the corner arc") << size << QPoint(4, 4) << true;
}

void ToolBarTest::toolButtonShape()
{
    QFETCH(QSize, size);
    QFETCH(QPoint, point);

    const QBitmap mask = toolButton::shapeMask(size);
    QCOMPARE(mask.size(), size);
    QTEST(QRegion(mask).contains(point), "inside");
}
