#include "HistoryWindow.h"

#include "ConfigFile.h"
#include "ConfigKey.h"
#include "DeviceParameters.h"
#include "DialogStyle.h"
#include "ModalDialog.h"
#include "ParameterCaption.h"

#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

HistoryWindow::HistoryWindow(const UnitHistory &entries, const DeviceParameters &now,
                             QWidget *parent, SheetMaker sheets)
    : QDialog(parent), history(entries), current(now), sheetMaker(std::move(sheets))
{
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(tr("History"));
    setModal(true);
    setStyleSheet(DialogStyle::sheet());

    folderLabel = new QLabel;
    folderLabel->setObjectName(QStringLiteral("dialogHeader"));
    folderLabel->setWordWrap(true);
    list = new QTreeWidget;
    list->setObjectName(QStringLiteral("historyList"));
    previewBtn = new QPushButton(tr("Preview"));
    previewBtn->setObjectName(QStringLiteral("historyPreview"));
    folderBtn = new QPushButton(tr("Open Folder"));
    folderBtn->setObjectName(QStringLiteral("historyFolder"));
    closeBtn = new QPushButton(tr("Close"));
    closeBtn->setObjectName(QStringLiteral("historyClose"));

    fill();
    createSheetMenu();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(folderBtn);
    if (sheetBtn)
        buttons->addWidget(sheetBtn);
    buttons->addStretch();
    buttons->addWidget(previewBtn);
    buttons->addWidget(closeBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(folderLabel);
    layout->addWidget(list, 1);
    layout->addLayout(buttons);

    connect(list, &QTreeWidget::itemActivated, this, &HistoryWindow::chooseCurrent);
    connect(previewBtn, &QPushButton::clicked, this, &HistoryWindow::chooseCurrent);
    connect(folderBtn, &QPushButton::clicked, this, &HistoryWindow::openFolder);
    connect(closeBtn, &QPushButton::clicked, this, &QDialog::reject);
    previewBtn->setDefault(true);
    list->setFocus();
    resize(640, 420);
}

void HistoryWindow::fill()
{
    list->setColumnCount(5);
    list->setHeaderLabels(
        {tr("Date and time"), tr("Model"), tr("Firmware"), tr("Read or flashed"), tr("Differing")});
    list->setRootIsDecorated(false);
    list->setAlternatingRowColors(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    const QVector<UnitHistory::Entry> entries = history.entries();
    const DeviceParameters &now = current;
    for (const UnitHistory::Entry &entry : entries) {
        DeviceParameters kept = now;
        const ConfigResult result = UnitHistory::loadEntry(entry.path, kept);
        // A partial entry takes the window's values for what it lacks: its
        // count of differences would say too little.
        const QString differing =
            !result.ok() ? tr("unreadable")
            : result.keysRead() < LoadedKeyCount
                ? tr("partial (%1 of %2 keys)").arg(result.keysRead()).arg(LoadedKeyCount)
                : QString::number(ParameterCaption::differences(now, kept).size());
        auto *item = new QTreeWidgetItem(
            list, {QLocale().toString(entry.time, QLocale::ShortFormat), entry.model,
                   entry.firmware, UnitHistory::kindText(entry.kind), differing});
        item->setData(0, Qt::UserRole, entry.path);
        item->setTextAlignment(4, Qt::AlignRight | Qt::AlignVCenter);
        item->setToolTip(0, QDir::toNativeSeparators(entry.path));
    }
    for (int column = 0; column < 5; ++column)
        list->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->header()->setStretchLastSection(false);
    if (list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(0));
    previewBtn->setEnabled(!entries.isEmpty());
    const QString folder = QDir::toNativeSeparators(history.folder());
    folderLabel->setText(entries.isEmpty()
                             ? tr("No entries yet in %1").arg(folder)
                             : tr("%1 entries in %2").arg(entries.size()).arg(folder));
}

void HistoryWindow::createSheetMenu()
{
    if (!sheetMaker)
        return;
    sheetBtn = new QPushButton(tr("Setup sheet…"));
    sheetBtn->setObjectName(QStringLiteral("historySheet"));
    auto *menu = new QMenu(sheetBtn);
    menu->setObjectName(QStringLiteral("historySheetMenu"));
    menu->addAction(tr("Of the parameters in the window"), this,
                    [this] { sheetMaker(SheetOf::Window, QString()); });
    QAction *entry = menu->addAction(tr("Of the chosen entry"), this, [this] {
        if (QTreeWidgetItem *item = list->currentItem())
            sheetMaker(SheetOf::Entry, item->data(0, Qt::UserRole).toString());
    });
    entry->setEnabled(list->currentItem() != nullptr);
    menu->addAction(tr("Of a .conf file…"), this, [this] { sheetMaker(SheetOf::File, QString()); });
    sheetBtn->setMenu(menu);
}

void HistoryWindow::chooseCurrent()
{
    QTreeWidgetItem *item = list->currentItem();
    if (!item)
        return;
    chosen = item->data(0, Qt::UserRole).toString();
    accept();
}

void HistoryWindow::openFolder()
{
    QDir().mkpath(history.folder());
    QDesktopServices::openUrl(QUrl::fromLocalFile(history.folder()));
}

QString HistoryWindow::choose(const UnitHistory &history, const DeviceParameters &now,
                              QWidget *parent, SheetMaker sheets)
{
    HistoryWindow window(history, now, parent, std::move(sheets));
    const int answer = ModalDialog::exec(window);
    return answer == QDialog::Accepted ? window.chosenPath() : QString();
}
