#include "DifferenceList.h"

#include "ParameterCaption.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

DifferenceList::DifferenceList(QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(3);
    setRootIsDecorated(false);
    setAlternatingRowColors(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(true);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem *, int column) {
        if (column == 0)
            emit choiceChanged();
    });
}

void DifferenceList::setSides(const QString &left, const QString &right)
{
    // A long name (a History entry with its note) would leave the captions
    // no room: cut in the header, whole in its tool tip.
    const QFontMetrics metrics(header()->font());
    constexpr int room = 220;
    setHeaderLabels({tr("Parameter"), metrics.elidedText(left, Qt::ElideMiddle, room),
                     metrics.elidedText(right, Qt::ElideMiddle, room)});
    headerItem()->setToolTip(1, left);
    headerItem()->setToolTip(2, right);
}

QTreeWidgetItem *DifferenceList::addSection(const QString &name, const QString &kind)
{
    auto *section = new QTreeWidgetItem(this, {name});
    section->setFirstColumnSpanned(true);
    section->setFlags(Qt::ItemIsEnabled);
    if (!kind.isEmpty())
        section->setData(0, CaptionRole, kind);
    QFont bold = section->font(0);
    bold.setBold(true);
    section->setFont(0, bold);
    return section;
}

QTreeWidgetItem *DifferenceList::addRow(QTreeWidgetItem *section, const ParameterCaption &caption,
                                        const QStringList &shown, int value, bool checked)
{
    auto *item = new QTreeWidgetItem(section, shown);
    item->setData(0, CaptionRole, caption.fullCaption());
    item->setData(0, OffsetRole, caption.offset);
    item->setToolTip(0, caption.fullCaption());
    if (choosing) {
        item->setData(0, ValueRole, value);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
        // The section's box follows its rows, and ticks them all.
        section->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable |
                          Qt::ItemIsAutoTristate);
    }
    return item;
}

int DifferenceList::showRecords(const DeviceParameters &left, const DeviceParameters &right,
                                bool everything, const QVector<int> &flagged)
{
    const QSignalBlocker quiet(this);
    int differing = 0;
    QTreeWidgetItem *section = nullptr;
    QString sectionName;
    for (const ParameterCaption &row : ParameterCaption::all()) {
        const int was = left.byteAt(row.offset);
        const int will = right.byteAt(row.offset);
        const bool differs = was != will;
        differing += differs ? 1 : 0;
        if (!differs && !everything)
            continue;
        const QString name = tr("%1 · %2").arg(row.pageName(), row.tabName());
        if (!section || name != sectionName) {
            section = addSection(name);
            sectionName = name;
        }
        const bool marked = flagged.contains(row.offset);
        QTreeWidgetItem *item =
            addRow(section, row, {row.text(), row.valueText(was), row.valueText(will)}, will,
                   differs && !marked);
        if (!differs) {
            // The same on both sides: nothing to take.
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setData(0, Qt::CheckStateRole, QVariant());
        } else if (everything) {
            QFont bold = item->font(0);
            bold.setBold(true);
            for (int column = 0; column < 3; ++column)
                item->setFont(column, bold);
            item->setToolTip(0, tr("%1 (differs)").arg(row.fullCaption()));
        }
        if (marked) {
            // Marked in words too, not by colour alone.
            item->setText(2, tr("%1 (no page offers it)").arg(item->text(2)));
            item->setIcon(2, style()->standardIcon(QStyle::SP_MessageBoxWarning));
        }
    }
    finish();
    return differing;
}

void DifferenceList::finish()
{
    expandAll();
    setItemsExpandable(false);
    if (!currentItem() && topLevelItemCount() > 0)
        setCurrentItem(topLevelItem(0));
}

QVector<QTreeWidgetItem *> DifferenceList::choosableRows() const
{
    QVector<QTreeWidgetItem *> rows;
    for (int s = 0; s < topLevelItemCount(); ++s) {
        QTreeWidgetItem *section = topLevelItem(s);
        for (int i = 0; i < section->childCount(); ++i) {
            QTreeWidgetItem *item = section->child(i);
            if (item->data(0, Qt::CheckStateRole).isValid())
                rows.append(item);
        }
    }
    return rows;
}

int DifferenceList::choosableCount() const
{
    return int(choosableRows().size());
}

QVector<DifferenceList::Choice> DifferenceList::chosen() const
{
    QVector<Choice> values;
    for (QTreeWidgetItem *item : choosableRows()) {
        if (item->checkState(0) == Qt::Checked)
            values.append({item->data(0, OffsetRole).toInt(), item->data(0, ValueRole).toInt()});
    }
    return values;
}

void DifferenceList::chooseAll(bool on)
{
    {
        const QSignalBlocker quiet(this);
        for (QTreeWidgetItem *item : choosableRows())
            item->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
    }
    viewport()->update();
    emit choiceChanged();
}

void DifferenceList::chooseSections(const QStringList &sections, bool only)
{
    {
        const QSignalBlocker quiet(this);
        for (QTreeWidgetItem *item : choosableRows()) {
            const bool named = sections.contains(item->parent()->text(0));
            if (named || only)
                item->setCheckState(0, named ? Qt::Checked : Qt::Unchecked);
        }
    }
    viewport()->update();
    emit choiceChanged();
}

QStringList DifferenceList::sectionNames() const
{
    QStringList names;
    for (QTreeWidgetItem *item : choosableRows()) {
        const QString name = item->parent()->text(0);
        if (!names.contains(name))
            names << name;
    }
    return names;
}

// Space ticks the current row or section (the item view does that); Ctrl+A
// ticks every row and Ctrl+Shift+A none, instead of selecting.
void DifferenceList::keyPressEvent(QKeyEvent *event)
{
    if (choosing && event->key() == Qt::Key_A &&
        (event->modifiers() & ~Qt::ShiftModifier) == Qt::ControlModifier) {
        chooseAll(!(event->modifiers() & Qt::ShiftModifier));
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}
