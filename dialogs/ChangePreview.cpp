#include "ChangePreview.h"

#include "DialogStyle.h"
#include "ModalDialog.h"
#include "ParameterCaption.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

ChangePreview::ChangePreview(const DeviceParameters &now, const DeviceParameters &after,
                             const QString &title, QWidget *parent, const LoadFindings &findings)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ChangePreview"));
    setWindowTitle(title);
    setModal(true);

    headerLabel = new QLabel;
    headerLabel->setObjectName(QStringLiteral("dialogHeader"));
    headerLabel->setWordWrap(true);
    list = new QTreeWidget;
    list->setObjectName(QStringLiteral("previewList"));
    applyBtn = new QPushButton(tr("Apply"));
    applyBtn->setObjectName(QStringLiteral("previewApply"));
    cancelBtn = new QPushButton(tr("Cancel"));
    cancelBtn->setObjectName(QStringLiteral("previewCancel"));

    fillList(now, after, findings);
    applyBtn->setEnabled(differing > 0);
    applyLook();

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(applyBtn);
    buttons->addWidget(cancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(headerLabel);
    layout->addWidget(list, 1);
    layout->addLayout(buttons);

    connect(applyBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    // A stray Enter must not send values to a helicopter: Apply is chosen on
    // purpose (Tab to it, or Alt and its key), Cancel is the default.
    applyBtn->setAutoDefault(false);
    cancelBtn->setDefault(true);
    list->setFocus();
    resize(620, 420);
}

QTreeWidgetItem *ChangePreview::addGroup(const QString &name)
{
    auto *group = new QTreeWidgetItem(list, {name});
    group->setFirstColumnSpanned(true);
    group->setFlags(Qt::ItemIsEnabled);
    QFont bold = group->font(0);
    bold.setBold(true);
    group->setFont(0, bold);
    return group;
}

void ChangePreview::fillList(const DeviceParameters &now, const DeviceParameters &after,
                             const LoadFindings &findings)
{
    list->setColumnCount(3);
    list->setHeaderLabels({tr("Parameter"), tr("Now"), tr("After")});
    list->setRootIsDecorated(false);
    list->setAlternatingRowColors(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setWordWrap(true);

    // What the file says beyond its values comes first: read before Apply.
    const QStringList about = findings.notes() + findings.flagged();
    if (!about.isEmpty()) {
        QTreeWidgetItem *group = addGroup(tr("About the file"));
        group->setData(0, Qt::UserRole, QStringLiteral("about"));
        for (const QString &line : about) {
            auto *item = new QTreeWidgetItem(group, {line});
            item->setFirstColumnSpanned(true);
            item->setToolTip(0, line);
        }
    }

    const QVector<const ParameterCaption *> rows = ParameterCaption::differences(now, after);
    differing = rows.size();
    QTreeWidgetItem *group = nullptr;
    QString groupName;
    for (const ParameterCaption *row : rows) {
        const QString name = tr("%1 · %2").arg(row->pageName(), row->tabName());
        if (!group || name != groupName) {
            group = addGroup(name);
            groupName = name;
        }
        auto *item =
            new QTreeWidgetItem(group, {row->text(), row->valueText(now.byteAt(row->offset)),
                                        row->valueText(after.byteAt(row->offset))});
        item->setData(0, Qt::UserRole, row->fullCaption());
        item->setData(0, Qt::UserRole + 1, row->offset);
        item->setToolTip(0, row->fullCaption());
        if (findings.flaggedOffsets().contains(row->offset)) {
            // Marked in words too, not by colour alone.
            item->setText(2, tr("%1 (no page offers it)").arg(item->text(2)));
            item->setIcon(2, style()->standardIcon(QStyle::SP_MessageBoxWarning));
        }
    }

    if (!findings.apart().isEmpty()) {
        QTreeWidgetItem *apart =
            addGroup(tr("%1: left as the unit holds them").arg(findings.apartTitle()));
        apart->setData(0, Qt::UserRole, QStringLiteral("apart"));
        for (const LoadFindings::Apart &row : findings.apart()) {
            auto *item = new QTreeWidgetItem(
                apart, {row.row->shortCaption(), row.row->valueText(now.byteAt(row.row->offset)),
                        tr("file: %1").arg(row.row->valueText(row.fileValue))});
            item->setData(0, Qt::UserRole, row.row->fullCaption());
            item->setData(0, Qt::UserRole + 1, row.row->offset);
            item->setToolTip(0, row.row->fullCaption());
            item->setDisabled(true);
        }
    }

    list->expandAll();
    list->setItemsExpandable(false);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    list->header()->setStretchLastSection(false);
    const QString count =
        tr("%1 of %2 parameters differ").arg(differing).arg(ParameterCaption::all().size());
    const QString summary = findings.summary();
    headerLabel->setText(summary.isEmpty() ? count : summary + QLatin1Char('\n') + count);
}

void ChangePreview::applyLook()
{
    setStyleSheet(DialogStyle::sheet());
}

bool ChangePreview::confirm(QWidget *parent, const QString &title, DeviceParameters &record,
                            const DeviceParameters &after, const LoadFindings &findings)
{
    const DeviceParameters base = record;
    ChangePreview preview(base, after, title, parent, findings);
    if (preview.differingCount() == 0 && findings.isEmpty())
        return false;
    const int answer = ModalDialog::exec(preview);
    if (answer != QDialog::Accepted || preview.differingCount() == 0)
        return false;
    for (int offset = 0; offset < int(sizeof(DeviceParameters)); ++offset) {
        if (after.byteAt(offset) != base.byteAt(offset))
            record.setByteAt(offset, after.byteAt(offset));
    }
    return true;
}
