#include "WholeWindow.h"

#include "AppSettings.h"
#include "SerialProcessThread.h"
#include "contentWidget.h"
#include "toolWidget.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

WholeWindow::WholeWindow() = default;

WholeWindow::~WholeWindow()
{
    close();
}

mainWidget &WholeWindow::open(std::optional<quint8> language)
{
    if (language) {
        QSettings settings(AppSettings::programFilePath(), QSettings::IniFormat);
        settings.setValue("System/lang", QString::number(*language));
        settings.sync();
    }
    window = std::make_unique<mainWidget>();
    link = window->serialLink();
    toolBar = window->toolBarWidget();
    content = window->findChild<contentWidget *>();
    return *window;
}

void WholeWindow::close()
{
    window.reset();
    link = nullptr;
    toolBar = nullptr;
    content = nullptr;
}

void WholeWindow::tickByHand()
{
    link->tickTimer()->stop();
    link->refreshTimer()->stop();
    toolBar->history().setFolder(dir.filePath("history"));
}

QString WholeWindow::message() const
{
    return window->findChild<QLabel *>("messageLabel")->text();
}

QString WholeWindow::state() const
{
    return window->findChild<QLabel *>("stateLabel")->text();
}

bool WholeWindow::flashWarning() const
{
    return !window->findChild<QLabel *>("flashLabel")->isHidden();
}

void WholeWindow::click(const char *name)
{
    QTest::mouseClick(widget<QWidget>(name), Qt::LeftButton);
}

void WholeWindow::tick()
{
    link->time();
    QCoreApplication::processEvents();
}

void WholeWindow::keepSettingsIn(const QString &folder)
{
    QStandardPaths::setTestModeEnabled(true);
    AppSettings::setProgramFilePath(folder + QStringLiteral("/sys.ini"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
}

void WholeWindow::choosePage(int row)
{
    content->pages()->setCurrentRow(row);
}

void WholeWindow::chooseSetupTab(const QString &text)
{
    auto *tabs = content->stack()->widget(1)->findChild<QTabWidget *>("tabWidget");
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabText(i) == text)
            tabs->setCurrentIndex(i);
}
