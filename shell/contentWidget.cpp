#include "contentWidget.h"

#include "AdvanceSettingPage.h"
#include "ConfigureSettingPage.h"
#include "MainSettingPage.h"
#include "SerialProcessThread.h"
#include "Traces.h"
#include "ValueRanges.h"
#include "updatesettingpage.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {
constexpr int SetupRow = 1;
}

contentWidget::contentWidget(QWidget *parent, SerialProcessThread *serialLink) : QWidget(parent)
{
    // A pale wash over the skin, so the pages stay readable on every skin.
    QPalette wash;
    wash.setBrush(QPalette::Window, QColor(250, 255, 240, 150));
    setPalette(wash);
    setAutoFillBackground(true);

    link = serialLink;
    qCDebug(vrnPages) << "ContentWidget::ContentWidget()-pThread";

    basicPage = new MainSettingPage(this, link);
    setupPage = new ConfigureSettingPage(this, link);
    advancedPage = new AdvanceSettingPage(this, link);
    upgradePage = new updatesettingpage(this, link);

    pageList = new QListWidget;
    pageList->setViewMode(QListView::IconMode);
    pageList->setIconSize(QSize(96, 84));
    pageList->setMovement(QListView::Static);
    pageList->setMaximumWidth(80);
    pageList->setSpacing(12);

    pageStack = new QStackedWidget;
    pageStack->addWidget(basicPage);
    pageStack->addWidget(setupPage);
    pageStack->addWidget(advancedPage);
    pageStack->addWidget(upgradePage);
    qCDebug(vrnPages) << "ContentWidget::ContentWidget()-addWdiget";

    buildPageList();
    pageList->setCurrentRow(0);

    auto *row = new QHBoxLayout;
    row->addWidget(pageList);
    row->addWidget(pageStack, 1);
    auto *column = new QVBoxLayout;
    column->addLayout(row);
    setLayout(column);
}

void contentWidget::buildPageList()
{
    const struct
    {
        const char *text;
        const char *icon;
    } rows[] = {
        {QT_TR_NOOP("Basic"), ":/images/toolWidget/config-on.png"},
        {QT_TR_NOOP("Setup"), ":/images/toolWidget/scopes-on.png"},
        {QT_TR_NOOP("Advanced"), ":/images/toolWidget/system-on.png"},
        {QT_TR_NOOP("Upgrade"), ":/images/toolWidget/firmware-on.png"},
    };
    for (const auto &r : rows) {
        auto *item = new QListWidgetItem(pageList);
        item->setIcon(QIcon(QString::fromLatin1(r.icon)));
        item->setText(tr(r.text));
        item->setTextAlignment(Qt::AlignHCenter);
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    connect(pageList, &QListWidget::currentItemChanged, this, &contentWidget::changePage);
}

void contentWidget::changePage(QListWidgetItem *current, QListWidgetItem *previous)
{
    QListWidgetItem *item = current ? current : previous;
    if (!item)
        return;
    const int row = pageList->row(item);
    pageStack->setCurrentIndex(row);
    if (row == SetupRow)
        setupPage->setCurrentTab(0);
    refreshParameterPages();
    // After the refreshes, so that leaving the Setup page always resumes the
    // unit's control loops, whatever tab the Setup page was showing.
    if (row != SetupRow) {
        link->setCommand(CMD_RUN_PID);
        qCDebug(vrnPages) << "setCommand(CMD_RUN_PID)";
    }
}

void contentWidget::refreshParameterPages()
{
    basicPage->refreshFromParameters();
    setupPage->refreshFromParameters();
    advancedPage->refreshFromParameters();
}

ValueRanges contentWidget::valueRanges() const
{
    ValueRanges ranges;
    basicPage->describeValues(ranges);
    setupPage->describeValues(ranges);
    advancedPage->describeValues(ranges);
    return ranges;
}

void contentWidget::updateAllPages()
{
    refreshParameterPages();
    upgradePage->refreshDeviceInfo();
}

void contentWidget::configurationLoaded()
{
    refreshParameterPages();
    link->setSubframeHead(DLU_WRITE_SFID_PARAM_1);
}

void contentWidget::flashWriting()
{
    link->setCommand(CMD_SAVE_FLASH);
    qCDebug(vrnPages) << "setCommand(CMD_SAVE_FLASH)";
}

void contentWidget::setEditingAllowed(bool allowed)
{
    for (QWidget *page : {static_cast<QWidget *>(basicPage), static_cast<QWidget *>(setupPage),
                          static_cast<QWidget *>(advancedPage)})
        page->setEnabled(allowed);
}
