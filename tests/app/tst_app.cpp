// The main window, its skins and the language choice, with real widgets on the
// offscreen platform. The settings file lives beside the test executable (the
// application directory), and is removed before and after every test.

#include "AppSettings.h"
#include "CataloguesBesideProgram.h"
#include "LanguageSettings.h"
#include "PaintCounter.h"
#include "Picture.h"
#include "SerialProcessThread.h"
#include "SimulatedPortProvider.h"
#include "SimulatedUnit.h"
#include "Traces.h"
#include "mainWidget.h"
#include "skinWidget.h"
#include "toolWidget.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSerialPort>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

const QPoint startPos(120, 80);

void sendMouse(QWidget *widget, QEvent::Type type, QPoint pos)
{
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// A real press and release, as the picture buttons of the title bar want them.
void clickButton(QWidget *button)
{
    sendMouse(button, QEvent::MouseButtonPress, QPoint(2, 2));
    sendMouse(button, QEvent::MouseButtonRelease, QPoint(2, 2));
}

QWidget *titleBarOf(mainWidget &window)
{
    return window.findChild<QLabel *>("titleLabel")->parentWidget();
}

void doubleClickTitle(mainWidget &window)
{
    QWidget *title = titleBarOf(window);
    sendMouse(title, QEvent::MouseButtonPress, QPoint(100, 10));
    sendMouse(title, QEvent::MouseButtonRelease, QPoint(100, 10));
    sendMouse(title, QEvent::MouseButtonDblClick, QPoint(100, 10));
    sendMouse(title, QEvent::MouseButtonRelease, QPoint(100, 10));
}

skinWidget *openChooser(mainWidget &window)
{
    clickButton(window.findChild<QPushButton *>("skinButton"));
    for (QWidget *top : QApplication::topLevelWidgets())
        if (auto *chooser = qobject_cast<skinWidget *>(top); chooser && chooser->isVisible())
            return chooser;
    return nullptr;
}

QImage stripes()
{
    QImage texture(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < texture.height(); ++y)
        for (int x = 0; x < texture.width(); ++x)
            texture.setPixel(x, y, qRgb(x * 6, y * 8, 100));
    return texture;
}

struct MenuState
{
    QStringList texts;
    QList<bool> checked;
};

// Opens the language menu through the title bar's Language button, records
// what it shows and triggers entry `pick` (or none when -1).
MenuState useLanguageMenu(mainWidget &window, int pick)
{
    MenuState state;
    QTimer::singleShot(0, [&state, pick] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction *action : menu->actions()) {
            state.texts << action->text();
            state.checked << action->isChecked();
        }
        if (pick >= 0)
            menu->actions().at(pick)->trigger();
        menu->close();
    });
    clickButton(window.findChild<QPushButton *>("menuButton"));
    return state;
}

} // namespace

class AppTest : public QObject
{
    Q_OBJECT

private:
    QStringList notices;
    // The pilot's own settings live here during the tests, never in $HOME.
    QTemporaryDir userFolder;

    static void storeRaw(const QString &value)
    {
        QSettings settings(AppSettings::programFilePath(), QSettings::IniFormat);
        settings.setValue("System/lang", value);
    }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void picturesResolve_data();
    void picturesResolve();
    void everyPictureAtTwiceTheSize();
    void skinAtTwiceTheSize();
    void sizeStaysFixed_data();
    void sizeStaysFixed();
    void windowMask_data();
    void windowMask();
    void skinPainting();
    void chooserGrid();
    void thumbnailPath_data();
    void thumbnailPath();
    void pickingRepaintsBoth_data();
    void pickingRepaintsBoth();
    void chooserOpensWithCurrentSkin();
    void chooserBackground();
    void startupLanguage_data();
    void startupLanguage();
    void languageMenu_data();
    void languageMenu();
    void languageKeptWhereWritable_data();
    void languageKeptWhereWritable();
    void skinKeptBetweenRuns_data();
    void skinKeptBetweenRuns();
    void qtTextsFollowTheLanguage_data();
    void qtTextsFollowTheLanguage();
    void quietUnlessAsked();
};

void AppTest::initTestCase()
{
    // Windows built here keep the unit's history in a test folder.
    QStandardPaths::setTestModeEnabled(true);
    // The translations, where the program looks for them: beside the executable.
    QVERIFY(CataloguesBesideProgram::install());
    LanguageSettings::setRestartNoticeHandler([this](QMessageBox &box) {
        notices << box.windowTitle() + "|" + box.text();
        // Over the window it is about, not somewhere on the screen.
        if (!box.parentWidget() || !box.parentWidget()->isWindow())
            notices << "no window";
    });
}

void AppTest::init()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userFolder.path());
    QFile::remove(AppSettings::programFilePath());
    QFile::remove(AppSettings::userFilePath());
    notices.clear();
}

void AppTest::cleanup()
{
    AppSettings::setProgramFilePath(QString());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userFolder.path());
    QFile::remove(AppSettings::programFilePath());
    QFile::remove(AppSettings::userFilePath());
    LanguageSettings::removeTranslator();
    for (QWidget *top : QApplication::topLevelWidgets())
        if (qobject_cast<skinWidget *>(top))
            delete top;
}

void AppTest::cleanupTestCase()
{
    LanguageSettings::setRestartNoticeHandler(nullptr);
    CataloguesBesideProgram::remove();
}

void AppTest::picturesResolve_data()
{
    QTest::addColumn<QString>("path");

    // Every picture the window and its bars load: a resource library that is
    // dropped at link time shows up here as null pictures.
    for (const char *path :
         {":/images/toolWidget/open_file.png", ":/images/toolWidget/save_file.png",
          ":/images/toolWidget/write_flash.png", ":/images/mark.png", ":/images/1downarrow.png",
          ":/images/sysButton/SkinButton.png", ":/images/sysButton/title_bar_menu.png",
          ":/images/sysButton/sys_button_min.png", ":/images/sysButton/sys_button_close.png"})
        QTest::newRow(path) << QString(path);
    for (const QString &skin : skinWidget::skinPictures()) {
        QTest::newRow(qPrintable(skin)) << skin;
        QTest::newRow(qPrintable(skinWidget::thumbnailPath(skin)))
            << skinWidget::thumbnailPath(skin);
    }
}

void AppTest::picturesResolve()
{
    QFETCH(QString, path);
    QVERIFY2(!QImage(path).isNull(), qPrintable(path));
}

// Every compiled-in picture has a sharp form for a 200 % screen that covers
// exactly the same part of the window.
void AppTest::everyPictureAtTwiceTheSize()
{
    int pictures = 0;
    QDirIterator it(":/images", QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.contains("@2x") || path.endsWith(".ico"))
            continue;
        ++pictures;
        const QImage plain(path);
        QVERIFY2(Picture::pathFor(path, 2.0) != path, qPrintable(path + ": no @2x form"));
        QCOMPARE(Picture::pathFor(path, 1.0), path);
        const QPixmap twice = Picture::pixmap(path, 2.0);
        QCOMPARE(twice.size(), plain.size() * 2);
        QCOMPARE(twice.deviceIndependentSize(), QSizeF(plain.size()));
        QCOMPARE(Picture::pixmap(path, 1.0).size(), plain.size());
    }
    QVERIFY(pictures > 60);
}

// At a device pixel ratio of 2 the window is painted from the @2x skin, pixel
// for pixel, still covering 850 x 600 window pixels.
void AppTest::skinAtTwiceTheSize()
{
    const QString path = ":/images/skin/classic.jpg";
    const QImage skin = Picture::image(path, 2.0);
    const QSize size(mainWidget::fixedWidth, mainWidget::fixedHeight);
    const QImage canvas = mainWidget::renderSkin(size, skin, 2.0);

    QCOMPARE(canvas.size(), size * 2);
    QCOMPARE(canvas.deviceIndependentSize(), QSizeF(size));
    const QImage sharp = skin.convertToFormat(canvas.format());
    for (const QPoint p : {QPoint(400, 300), QPoint(401, 301), QPoint(1200, 777)})
        QCOMPARE(canvas.pixel(p), sharp.pixel(p));
}

void AppTest::sizeStaysFixed_data()
{
    QTest::addColumn<int>("toggles");
    QTest::addColumn<bool>("atScreenCorner");

    QTest::addRow("normal") << 0 << false;
    QTest::addRow("maximised") << 1 << true;
    QTest::addRow("back to normal") << 2 << false;
    QTest::addRow("maximised again") << 3 << true;
}

void AppTest::sizeStaysFixed()
{
    QFETCH(int, toggles);
    QFETCH(bool, atScreenCorner);

    mainWidget window;
    window.move(startPos);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);

    for (int i = 0; i < toggles; ++i)
        doubleClickTitle(window);
    window.resize(900, 700); // the user cannot resize either

    const QPoint corner = QGuiApplication::primaryScreen()->availableGeometry().topLeft();
    QCOMPARE(window.pos(), atScreenCorner ? corner : startPos);
    QCOMPARE(window.size(), QSize(850, 600));
    QCOMPARE(window.minimumSize(), QSize(850, 600));
    QCOMPARE(window.maximumSize(), QSize(850, 600));
}

void AppTest::windowMask_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<bool>("inside");

    QTest::addRow("top-left corner") << QPoint(0, 0) << false;
    QTest::addRow("top-right corner") << QPoint(849, 0) << false;
    QTest::addRow("bottom-left corner") << QPoint(0, 599) << false;
    QTest::addRow("bottom-right corner") << QPoint(849, 599) << false;
    QTest::addRow("beside the top-left corner") << QPoint(1, 0) << false;
    QTest::addRow("top edge") << QPoint(425, 0) << true;
    QTest::addRow("right edge") << QPoint(849, 300) << true;
    QTest::addRow("bottom edge") << QPoint(425, 599) << true;
    QTest::addRow("left edge") << QPoint(0, 300) << true;
    QTest::addRow("centre") << QPoint(425, 300) << true;
}

void AppTest::windowMask()
{
    QFETCH(QPoint, point);

    mainWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(!window.mask().isEmpty());

    QTEST(window.mask().contains(point), "inside");
    QCOMPARE(QRegion(mainWidget::windowMask(window.size())), window.mask());
}

void AppTest::skinPainting()
{
    const QImage texture = stripes();
    const QImage canvas = mainWidget::renderSkin(QSize(850, 600), texture);

    QCOMPARE(canvas.size(), QSize(850, 600));
    // Tiled from the top-left corner at natural size, not scaled.
    for (const QPoint p : {QPoint(10, 10), QPoint(425, 300), QPoint(83, 47), QPoint(800, 550)})
        QCOMPARE(canvas.pixel(p), texture.pixel(p.x() % 40, p.y() % 30));
    // Outside the rounded corner the canvas stays white; the outline is dark.
    QCOMPARE(canvas.pixel(0, 0), qRgb(255, 255, 255));
    QVERIFY(qGray(canvas.pixel(0, 300)) < 128);

    // A skin that cannot be loaded still leaves the outline.
    const QImage empty = mainWidget::renderSkin(QSize(850, 600), QImage());
    QVERIFY(qGray(empty.pixel(425, 0)) < 128);
}

void AppTest::chooserGrid()
{
    mainWidget window;
    window.move(startPos);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    skinWidget *chooser = openChooser(window);
    QVERIFY(chooser);

    QVERIFY(chooser->windowFlags() & Qt::Popup);
    QVERIFY(chooser->testAttribute(Qt::WA_DeleteOnClose));
    // Placed under the title bar's buttons; compared with a pop-up moved there
    // by hand, since the platform may add its own frame offset to pop-ups.
    QWidget reference(nullptr, Qt::Popup);
    reference.move(window.mapToGlobal(QPoint(349, 30)));
    reference.show();
    QCOMPARE(chooser->pos(), reference.pos());
    reference.close();

    auto *grid = chooser->findChild<QGridLayout *>();
    QVERIFY(grid);
    const QList<QPushButton *> buttons = chooser->findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), 9);
    for (int index = 0; index < 9; ++index) {
        const int at = grid->indexOf(buttons[index]);
        QVERIFY(at >= 0);
        int row, column, rows, columns;
        grid->getItemPosition(at, &row, &column, &rows, &columns);
        QCOMPARE(row, index / 3 + 1);
        QCOMPARE(column, index % 3);
        QCOMPARE(buttons[index]->toolTip(), QString("skin%1").arg(index + 1));
        QCOMPARE(buttons[index]->iconSize(), QSize(97, 62));
    }
}

void AppTest::thumbnailPath_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("thumbnail");

    QTest::addRow("angryBird") << ":/images/skin/angryBird.jpg"
                               << ":/images/skin/angryBirdSmall.jpg";
    QTest::addRow("sixYears") << ":/images/skin/sixYears.jpg"
                              << ":/images/skin/sixYearsSmall.jpg";
    QTest::addRow("cut at the first dot") << ":/images/skin/red.old.jpg"
                                          << ":/images/skin/redSmall.jpg";
}

void AppTest::thumbnailPath()
{
    QFETCH(QString, picture);
    QTEST(skinWidget::thumbnailPath(picture), "thumbnail");
}

void AppTest::pickingRepaintsBoth_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("picture");

    const QStringList pictures = skinWidget::skinPictures();
    QCOMPARE(pictures.size(), 9);
    for (int i = 0; i < pictures.size(); ++i)
        QTest::addRow("skin%d", i + 1) << i << pictures[i];
}

void AppTest::pickingRepaintsBoth()
{
    QFETCH(int, index);
    QFETCH(QString, picture);

    mainWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.currentSkinPath(), QString(":/images/skin/redThunder.jpg"));
    skinWidget *chooser = openChooser(window);
    QVERIFY(chooser);
    QVERIFY(QTest::qWaitForWindowExposed(chooser));
    QSignalSpy picked(chooser, &skinWidget::changeSkin);
    PaintCounter windowPaints(&window);
    PaintCounter chooserPaints(chooser);

    QTest::mouseClick(chooser->findChildren<QPushButton *>().at(index), Qt::LeftButton);

    QCOMPARE(picked.count(), 1);
    QCOMPARE(picked.at(0).at(0).toString(), picture);
    QCOMPARE(window.currentSkinPath(), picture);
    QCOMPARE(chooser->currentSkinPath(), picture);
    QTRY_VERIFY(windowPaints.count > 0);
    QTRY_VERIFY(chooserPaints.count > 0);
    QVERIFY(chooser->isVisible()); // stays open for the next try
}

void AppTest::chooserOpensWithCurrentSkin()
{
    mainWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QPointer<skinWidget> first = openChooser(window);
    QVERIFY(first);
    QTest::mouseClick(first->findChildren<QPushButton *>().at(2), Qt::LeftButton);
    first->close();
    QTRY_VERIFY(first.isNull()); // a closed chooser is gone

    skinWidget *second = openChooser(window);
    QVERIFY(second);
    QCOMPARE(second->currentSkinPath(), QString(":/images/skin/blueSky.jpg"));
}

void AppTest::chooserBackground()
{
    const QImage texture = stripes();
    const QImage canvas = skinWidget::renderBackground(QSize(300, 200), texture);

    QCOMPARE(canvas.pixel(150, 100), texture.pixel(150 % 40, 100 % 30));
    QCOMPARE(canvas.pixel(77, 41), texture.pixel(77 % 40, 41 % 30));
    for (const QPoint p : {QPoint(0, 100), QPoint(150, 0), QPoint(299, 100), QPoint(150, 199)})
        QVERIFY2(qGray(canvas.pixel(p)) < 128, "the frame is dark");
}

void AppTest::startupLanguage_data()
{
    QTest::addColumn<QString>("stored"); // "none": no settings file
    QTest::addColumn<QString>("caption");

    const QString english = "VRN Flybarless Gyro System Assistant";
    QTest::addRow("no settings file") << "none" << english;
    QTest::addRow("English") << "0" << english;
    QTest::addRow("Chinese") << "1" << QString::fromUtf8("VRN 无副翼陀螺仪系统助手");
    QTest::addRow("unknown value") << "2" << english;
    QTest::addRow("low 8 bits of 257 are Chinese")
        << "257" << QString::fromUtf8("VRN 无副翼陀螺仪系统助手");
    QTest::addRow("not a number") << "abc" << english;
}

void AppTest::startupLanguage()
{
    QFETCH(QString, stored);

    if (stored != "none")
        storeRaw(stored);
    mainWidget window;

    QTEST(window.findChild<QLabel *>("titleLabel")->text(), "caption");
    QVERIFY(notices.isEmpty()); // nothing is said at start-up
}

void AppTest::languageMenu_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("pick");
    QTest::addColumn<QList<bool>>("checked");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("notice");

    // Said in the language shown and, when it differs, in the one chosen.
    const QString english = "Info|Please restart the application!";
    const QString englishThenChinese =
        QString::fromUtf8("Info / 提示|Please restart the application!\n请重启应用程序！");
    const QString chineseThenEnglish =
        QString::fromUtf8("提示 / Info|请重启应用程序！\nPlease restart the application!");
    const QList<bool> en = {true, false};
    const QList<bool> zh = {false, true};
    const QList<bool> none = {false, false};

    QTest::addRow("no file, choose Chinese") << "none" << 1 << en << "1" << englishThenChinese;
    QTest::addRow("no file, choose English") << "none" << 0 << en << "0" << english;
    QTest::addRow("English, choose English again") << "0" << 0 << en << "0" << english;
    QTest::addRow("Chinese, choose English") << "1" << 0 << zh << "0" << chineseThenEnglish;
    QTest::addRow("Chinese, choose Chinese again")
        << "1" << 1 << zh << "1" << QString::fromUtf8("提示|请重启应用程序！");
    QTest::addRow("value 2, choose Chinese") << "2" << 1 << none << "1" << englishThenChinese;
}

void AppTest::languageMenu()
{
    QFETCH(QString, stored);
    QFETCH(int, pick);
    QFETCH(QList<bool>, checked);

    if (stored != "none")
        storeRaw(stored);
    mainWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const MenuState first = useLanguageMenu(window, pick);
    QCOMPARE(first.texts.size(), 2);
    QCOMPARE(first.texts.at(1), QString::fromUtf8("简体中文"));
    QCOMPARE(first.checked, checked);

    const QSettings settings(AppSettings::programFilePath(), QSettings::IniFormat);
    QTEST(settings.value("System/lang").toString(), "written");
    QCOMPARE(notices.size(), 1);
    QTEST(notices.at(0), "notice");

    // The choice waits for the next start: the menu still shows the old one.
    const MenuState second = useLanguageMenu(window, -1);
    QCOMPARE(second.checked, checked);
    QCOMPARE(notices.size(), 1);
}

// Where the choice is read from and written to, for a copy the pilot can
// write into and for a system-wide installation; "-" is no value, "x" a file
// that cannot be written (a folder under /proc, which even root cannot create).
void AppTest::languageKeptWhereWritable_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("program");
    QTest::addColumn<int>("pick");
    QTest::addColumn<bool>("startsChinese");
    QTest::addColumn<QString>("userAfter");
    QTest::addColumn<QString>("programAfter");
    QTest::addColumn<bool>("told");

    QTest::addRow("own copy: sys.ini is read and written") << "-"
                                                           << "1" << 0 << true << "-"
                                                           << "0" << false;
    QTest::addRow("pilot's file wins, and gives way to the new choice") << "0"
                                                                        << "1" << 1 << false << "-"
                                                                        << "1" << false;
    QTest::addRow("installed: pilot's file is written") << "-"
                                                        << "x" << 1 << false << "1"
                                                        << "x" << false;
    QTest::addRow("installed: pilot's file is read") << "1"
                                                     << "x" << 0 << true << "0"
                                                     << "x" << false;
    // Root could write there; the package's folder is still left alone.
    QTest::addRow("installed under /usr: pilot's file, even for root") << "-"
                                                                       << "usr" << 1 << false << "1"
                                                                       << "-" << false;
    QTest::addRow("nothing writable: the pilot is told") << "x"
                                                         << "x" << 1 << false << "x"
                                                         << "x" << true;
}

void AppTest::languageKeptWhereWritable()
{
    QFETCH(QString, user);
    QFETCH(QString, program);
    QFETCH(int, pick);
    QFETCH(bool, startsChinese);

    const QString unwritable = "/proc/vrn-assistant-test";
    const QString systemFolder = "/usr/lib/vrn-assistant-test";
    if (program == "x")
        AppSettings::setProgramFilePath(unwritable + "/sys.ini");
    else if (program == "usr")
        AppSettings::setProgramFilePath(systemFolder + "/sys.ini");
    else if (program != "-")
        storeRaw(program);
    if (user == "x") {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, unwritable);
    } else if (user != "-") {
        QSettings own(QSettings::NativeFormat, QSettings::UserScope, "Morvane", "VRN Assistant");
        own.setValue("System/lang", user);
    }

    mainWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.findChild<QLabel *>("titleLabel")->text() !=
                 "VRN Flybarless Gyro System Assistant",
             startsChinese);
    useLanguageMenu(window, pick);

    auto stored = [](const QString &file, QSettings::Format format) -> QString {
        if (file.startsWith("/proc/"))
            return "x";
        const QSettings settings(file, format);
        return settings.value("System/lang", "-").toString();
    };
    QTEST(stored(AppSettings::userFilePath(), QSettings::NativeFormat), "userAfter");
    QTEST(stored(AppSettings::programFilePath(), QSettings::IniFormat), "programAfter");
    const bool wroteSystemFolder = QFileInfo::exists(systemFolder);
    QDir(systemFolder).removeRecursively();
    QVERIFY2(!wroteSystemFolder, "a folder under /usr was written");

    QCOMPARE(notices.size(), 1);
    QFETCH(bool, told);
    QCOMPARE(notices.at(0).contains("could not be saved"), told);
    QCOMPARE(notices.at(0).contains("restart") ||
                 notices.at(0).contains(QString::fromUtf8("请重启")),
             !told);
    // The next start takes the new choice, or the old one when nothing was written.
    QCOMPARE(int(LanguageSettings::readLanguage()), told ? (startsChinese ? 1 : 0) : pick);
}

void AppTest::skinKeptBetweenRuns_data()
{
    QTest::addColumn<QString>("stored"); // "none": nothing stored before the first run
    QTest::addColumn<int>("pick");       // thumbnail picked in the first run, -1 none
    QTest::addColumn<QString>("next");   // the skin of the next run

    const QString byDefault = ":/images/skin/redThunder.jpg";
    QTest::addRow("nothing stored, nothing picked") << "none" << -1 << byDefault;
    QTest::addRow("picked skin comes back") << "none" << 2 << ":/images/skin/blueSky.jpg";
    QTest::addRow("last pick wins")
        << ":/images/skin/classic.jpg" << 0 << ":/images/skin/angryBird.jpg";
    QTest::addRow("stored skin kept without a pick")
        << ":/images/skin/oldWood.jpg" << -1 << ":/images/skin/oldWood.jpg";
    QTest::addRow("stored path not one of ours") << "/etc/passwd" << -1 << byDefault;
    QTest::addRow("stored picture gone") << ":/images/skin/missing.jpg" << -1 << byDefault;
}

// The skin picked is the skin of the next start; the language choice beside
// it is left as it was.
void AppTest::skinKeptBetweenRuns()
{
    QFETCH(QString, stored);
    QFETCH(int, pick);
    storeRaw("1");
    if (stored != "none") {
        QSettings settings(AppSettings::programFilePath(), QSettings::IniFormat);
        settings.setValue("System/skin", stored);
    }
    {
        mainWidget first;
        first.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        if (pick >= 0) {
            skinWidget *chooser = openChooser(first);
            QVERIFY(chooser);
            QTest::mouseClick(chooser->findChildren<QPushButton *>().at(pick), Qt::LeftButton);
            chooser->close();
        }
    }
    LanguageSettings::removeTranslator();

    mainWidget next;
    QTEST(next.currentSkinPath(), "next");
    const QSettings settings(AppSettings::programFilePath(), QSettings::IniFormat);
    QCOMPARE(settings.value("System/lang").toString(), QString("1"));
}

void AppTest::qtTextsFollowTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<bool>("chinese");
    QTest::addRow("English") << int(LanguageSettings::English) << false;
    QTest::addRow("Chinese") << int(LanguageSettings::Chinese) << true;
}

// Qt's own texts inside ours (the reason a port cannot be opened, the
// buttons of Qt's dialogs) and the words drawn into pictures.
void AppTest::qtTextsFollowTheLanguage()
{
    QFETCH(int, language);
    QFETCH(bool, chinese);
    LanguageSettings::installTranslator(quint8(language));

    QSerialPort port(QDir::tempPath() + "/no-such-vrn-port");
    QVERIFY(!port.open(QIODevice::ReadWrite));
    const auto isChinese = [](const QString &text) {
        return std::any_of(text.begin(), text.end(),
                           [](QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF; });
    };
    QVERIFY2(isChinese(port.errorString()) == chinese, qPrintable(port.errorString()));
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    QVERIFY2(isChinese(cancel) == chinese, qPrintable(cancel));

    // The pictures with words in them follow too.
    LanguageSettings::removeTranslator();
    storeRaw(QString::number(language));
    mainWidget window;
    const QImage wiring = window.findChild<QLabel *>("connectionLabel")->pixmap().toImage();
    QVERIFY(!wiring.isNull());
    QCOMPARE(wiring != QImage(":/images/receiver/connection.png").convertToFormat(wiring.format()),
             chinese);
}

// Connected and exchanging frames, the program writes nothing unless its
// traces are asked for; asked, the link traces every frame.
void AppTest::quietUnlessAsked()
{
    static QStringList written;
    written.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &text) {
            if (type == QtDebugMsg || type == QtInfoMsg)
                written << QLatin1String(context.category) + ": " + text;
        });
    const auto restore = qScopeGuard([previous] {
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
    });
    QLoggingCategory::setFilterRules(QString());
    mainWidget window;
    SerialProcessThread *link = window.serialLink();
    link->tickTimer()->stop();
    window.simulatedPort().unit().setLatencyMs(0); // answers within the tick
    window.toolBarWidget()->portComboBox->setCurrentText(SimulatedPortProvider::name());
    link->serialConnect();
    const auto tick = [link](int ticks) {
        for (int i = 0; i < ticks; ++i) {
            link->time();
            QCoreApplication::processEvents();
        }
    };
    tick(50);
    QVERIFY(link->protocol().isLinkAlive());
    QVERIFY2(written.isEmpty(), qPrintable(written.mid(0, 5).join('\n')));

    Traces::enableAll();
    tick(10);
    QVERIFY2(written.filter(QStringLiteral("vrn.link: subframe")).size() >= 10,
             qPrintable(written.join('\n')));
}

QTEST_MAIN(AppTest)
#include "tst_app.moc"
