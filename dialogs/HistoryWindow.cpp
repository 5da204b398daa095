#include "HistoryWindow.h"

#include "ConfigFile.h"
#include "ConfigKey.h"
#include "DeviceParameters.h"
#include "DialogStyle.h"
#include "ModalDialog.h"
#include "ParameterCaption.h"
#include "Question.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

HistoryWindow::HistoryWindow(const UnitHistory &entries, const DeviceParameters &now,
                             QWidget *parent, Actions asked)
    : QDialog(parent), history(entries), windowRecord(now), actions(std::move(asked))
{
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(tr("History"));
    setModal(true);
    setStyleSheet(DialogStyle::sheet());

    folderLabel = new QLabel;
    folderLabel->setObjectName(QStringLiteral("dialogHeader"));
    folderLabel->setWordWrap(true);
    search = new QLineEdit;
    search->setObjectName(QStringLiteral("historySearch"));
    search->setPlaceholderText(tr("Search notes, dates, models"));
    search->setClearButtonEnabled(true);
    list = new QTreeWidget;
    list->setObjectName(QStringLiteral("historyList"));
    createButtons();

    fill();
    createSheetMenu();

    auto *searchRow = new QHBoxLayout;
    auto *searchLabel = new QLabel(tr("&Search:"));
    searchLabel->setBuddy(search);
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(search, 1);
    auto *entryButtons = new QHBoxLayout;
    for (QPushButton *button : {noteBtn, exportBtn, deleteBtn})
        entryButtons->addWidget(button);
    entryButtons->addStretch();
    entryButtons->addWidget(compareBtn);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(folderBtn);
    if (sheetBtn)
        buttons->addWidget(sheetBtn);
    buttons->addStretch();
    buttons->addWidget(previewBtn);
    buttons->addWidget(closeBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(folderLabel);
    layout->addLayout(searchRow);
    layout->addWidget(list, 1);
    layout->addLayout(entryButtons);
    layout->addLayout(buttons);

    connect(list, &QTreeWidget::itemActivated, this, &HistoryWindow::chooseCurrent);
    connect(list, &QTreeWidget::itemChanged, this, &HistoryWindow::noteEdited);
    connect(list, &QTreeWidget::itemSelectionChanged, this, &HistoryWindow::selectionChanged);
    connect(search, &QLineEdit::textChanged, this, &HistoryWindow::filter);
    connect(previewBtn, &QPushButton::clicked, this, &HistoryWindow::chooseCurrent);
    connect(folderBtn, &QPushButton::clicked, this, &HistoryWindow::openFolder);
    connect(closeBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(compareBtn, &QPushButton::clicked, this, &HistoryWindow::compareChosen);
    connect(noteBtn, &QPushButton::clicked, this, &HistoryWindow::editNote);
    connect(exportBtn, &QPushButton::clicked, this, &HistoryWindow::exportCurrent);
    connect(deleteBtn, &QPushButton::clicked, this, &HistoryWindow::deleteChosen);
    auto *noteKey = new QShortcut(QKeySequence(Qt::Key_F2), list);
    noteKey->setContext(Qt::WidgetShortcut);
    connect(noteKey, &QShortcut::activated, this, &HistoryWindow::editNote);
    auto *deleteKey = new QShortcut(QKeySequence::Delete, list);
    deleteKey->setContext(Qt::WidgetShortcut);
    connect(deleteKey, &QShortcut::activated, this, &HistoryWindow::deleteChosen);
    previewBtn->setDefault(true);
    selectionChanged();
    list->setFocus();
    resize(780, 460);
}

void HistoryWindow::createButtons()
{
    const struct
    {
        QPushButton **button;
        QString text;
        const char *name;
        QString tip;
    } made[] = {
        {&previewBtn, tr("Preview"), "historyPreview", QString()},
        {&folderBtn, tr("Open Folder"), "historyFolder", QString()},
        {&closeBtn, tr("Close"), "historyClose", QString()},
        {&compareBtn, tr("&Compare"), "historyCompare",
         tr("Two chosen entries side by side, or one beside the unit")},
        {&noteBtn, tr("&Note"), "historyNote",
         tr("Name the entry, such as \"before maiden\" (F2)")},
        {&exportBtn, tr("&Export…"), "historyExport",
         tr("Save a copy of the entry as a .conf file")},
        {&deleteBtn, tr("&Delete"), "historyDelete", tr("Remove the chosen entries (Delete)")},
    };
    for (const auto &m : made) {
        *m.button = new QPushButton(m.text);
        (*m.button)->setObjectName(QLatin1String(m.name));
        (*m.button)->setToolTip(m.tip);
        (*m.button)->setAutoDefault(false);
    }
    compareBtn->setVisible(bool(actions.compare));
    exportBtn->setVisible(bool(actions.exportEntry));
}

void HistoryWindow::fill()
{
    const QSignalBlocker quiet(list);
    list->clear();
    list->setColumnCount(6);
    list->setHeaderLabels({tr("Date and time"), tr("Model"), tr("Firmware"), tr("Read or flashed"),
                           tr("Differing"), tr("Note")});
    list->setRootIsDecorated(false);
    list->setAlternatingRowColors(true);
    // Two entries to compare, or several to delete.
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const QVector<UnitHistory::Entry> entries = history.entries();
    const DeviceParameters &now = windowRecord;
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
            list,
            {QLocale().toString(entry.time, QLocale::ShortFormat), entry.model, entry.firmware,
             UnitHistory::kindText(entry.kind), differing, UnitHistory::note(entry.path)});
        item->setData(0, Qt::UserRole, entry.path);
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        item->setTextAlignment(DifferingColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setToolTip(0, QDir::toNativeSeparators(entry.path));
    }
    for (int column = 0; column < NoteColumn; ++column)
        list->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    list->header()->setSectionResizeMode(NoteColumn, QHeaderView::Stretch);
    list->header()->setStretchLastSection(true);
    if (list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(0));
    const QString folder = QDir::toNativeSeparators(history.folder());
    folderLabel->setText(entries.isEmpty()
                             ? tr("No entries yet in %1").arg(folder)
                             : tr("%1 entries in %2").arg(entries.size()).arg(folder));
    filter(search->text());
}

void HistoryWindow::filter(const QString &text)
{
    const QString wanted = text.simplified();
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = list->topLevelItem(i);
        bool match = wanted.isEmpty();
        for (int column = 0; !match && column < list->columnCount(); ++column)
            match = item->text(column).contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!match);
        if (!match)
            item->setSelected(false);
    }
    QTreeWidgetItem *current = list->currentItem();
    if (!current || current->isHidden()) {
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            if (!list->topLevelItem(i)->isHidden()) {
                list->setCurrentItem(list->topLevelItem(i));
                break;
            }
        }
    }
    selectionChanged();
}

QStringList HistoryWindow::chosenPaths() const
{
    QStringList paths;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = list->topLevelItem(i);
        if (item->isSelected() && !item->isHidden())
            paths << item->data(0, Qt::UserRole).toString();
    }
    return paths;
}

void HistoryWindow::selectionChanged()
{
    const int picked = int(chosenPaths().size());
    QTreeWidgetItem *current = list->currentItem();
    const bool one = current && !current->isHidden();
    previewBtn->setEnabled(one);
    noteBtn->setEnabled(one);
    exportBtn->setEnabled(one);
    deleteBtn->setEnabled(picked > 0);
    compareBtn->setEnabled(picked == 1 || picked == 2);
    compareBtn->setText(picked == 2 ? tr("&Compare the two") : tr("&Compare with the unit"));
}

void HistoryWindow::compareChosen()
{
    const QStringList paths = chosenPaths();
    if (!actions.compare || paths.isEmpty() || paths.size() > 2)
        return;
    // The older one on the left, as time reads.
    actions.compare(paths.last(), paths.size() == 2 ? paths.first() : QString());
    // Values may have been taken into the unit: the counts follow.
    const QTreeWidgetItem *item = list->currentItem();
    const QString current = item ? item->data(0, Qt::UserRole).toString() : QString();
    fill();
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->data(0, Qt::UserRole).toString() == current)
            list->setCurrentItem(list->topLevelItem(i));
    }
}

void HistoryWindow::editNote()
{
    QTreeWidgetItem *item = list->currentItem();
    if (item && !item->isHidden())
        list->editItem(item, NoteColumn);
}

void HistoryWindow::noteEdited(QTreeWidgetItem *item, int column)
{
    if (column != NoteColumn)
        return;
    const QString path = item->data(0, Qt::UserRole).toString();
    if (UnitHistory::setNote(path, item->text(NoteColumn))) {
        const QSignalBlocker quiet(list);
        item->setText(NoteColumn, UnitHistory::note(path));
        return;
    }
    Question::ask(
        this, tr("History"),
        tr("The note could not be kept: %1 cannot be written.").arg(QDir::toNativeSeparators(path)),
        {tr("OK")});
    const QSignalBlocker quiet(list);
    item->setText(NoteColumn, UnitHistory::note(path));
}

void HistoryWindow::exportCurrent()
{
    QTreeWidgetItem *item = list->currentItem();
    if (item && actions.exportEntry)
        actions.exportEntry(item->data(0, Qt::UserRole).toString());
}

void HistoryWindow::deleteChosen()
{
    const QStringList paths = chosenPaths();
    if (paths.isEmpty())
        return;
    const QString text = paths.size() == 1
                             ? tr("Delete the entry of %1 from the history?")
                                   .arg(list->selectedItems().constFirst()->text(TimeColumn))
                             : tr("Delete these %1 entries from the history?").arg(paths.size());
    if (Question::ask(this, tr("Delete"), text, {tr("Delete"), tr("Cancel")}) != 0)
        return;
    for (const QString &path : paths)
        QFile::remove(path);
    fill();
}

void HistoryWindow::createSheetMenu()
{
    if (!actions.sheets)
        return;
    sheetBtn = new QPushButton(tr("Setup sheet…"));
    sheetBtn->setObjectName(QStringLiteral("historySheet"));
    auto *menu = new QMenu(sheetBtn);
    menu->setObjectName(QStringLiteral("historySheetMenu"));
    menu->addAction(tr("Of the parameters in the window"), this,
                    [this] { actions.sheets(SheetOf::Window, QString()); });
    QAction *entry = menu->addAction(tr("Of the chosen entry"), this, [this] {
        if (QTreeWidgetItem *item = list->currentItem())
            actions.sheets(SheetOf::Entry, item->data(0, Qt::UserRole).toString());
    });
    entry->setEnabled(list->currentItem() != nullptr);
    menu->addAction(tr("Of a .conf file…"), this,
                    [this] { actions.sheets(SheetOf::File, QString()); });
    sheetBtn->setMenu(menu);
}

void HistoryWindow::chooseCurrent()
{
    QTreeWidgetItem *item = list->currentItem();
    if (!item || item->isHidden())
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
                              QWidget *parent, Actions actions)
{
    HistoryWindow window(history, now, parent, std::move(actions));
    const int answer = ModalDialog::exec(window);
    return answer == QDialog::Accepted ? window.chosenPath() : QString();
}
