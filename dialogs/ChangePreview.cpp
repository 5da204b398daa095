#include "ChangePreview.h"

#include "DialogStyle.h"
#include "DifferenceList.h"
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
    list = new DifferenceList;
    list->setObjectName(QStringLiteral("previewList"));
    list->setChoosing(true);
    applyBtn = new QPushButton(tr("Apply"));
    applyBtn->setObjectName(QStringLiteral("previewApply"));
    cancelBtn = new QPushButton(tr("Cancel"));
    cancelBtn->setObjectName(QStringLiteral("previewCancel"));

    createChoiceBar();
    fillList(now, after, findings);
    showChoice();
    applyLook();

    auto *choice = new QHBoxLayout;
    choice->addWidget(countLabel, 1);
    choice->addWidget(allBtn);
    choice->addWidget(noneBtn);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(applyBtn);
    buttons->addWidget(cancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(headerLabel);
    layout->addLayout(choice);
    layout->addWidget(list, 1);
    layout->addLayout(buttons);

    connect(applyBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(list, &DifferenceList::choiceChanged, this, &ChangePreview::showChoice);
    // A stray Enter must not send values to a helicopter: Apply is chosen on
    // purpose (Tab to it, or Alt and its key), Cancel is the default.
    applyBtn->setAutoDefault(false);
    cancelBtn->setDefault(true);
    list->setFocus();
    resize(660, 460);
}

void ChangePreview::createChoiceBar()
{
    countLabel = new QLabel;
    countLabel->setObjectName(QStringLiteral("previewCount"));
    allBtn = new QPushButton(tr("&All"));
    allBtn->setObjectName(QStringLiteral("previewAll"));
    allBtn->setToolTip(tr("Tick every value (Ctrl+A)"));
    noneBtn = new QPushButton(tr("&None"));
    noneBtn->setObjectName(QStringLiteral("previewNone"));
    noneBtn->setToolTip(tr("Tick no value (Ctrl+Shift+A); Space ticks the current row"));
    for (QPushButton *button : {allBtn, noneBtn})
        button->setAutoDefault(false);
    connect(allBtn, &QPushButton::clicked, this, [this] { list->chooseAll(true); });
    connect(noneBtn, &QPushButton::clicked, this, [this] { list->chooseAll(false); });
}

QTreeWidget *ChangePreview::changeList() const
{
    return list;
}

void ChangePreview::showChoice()
{
    const int chosen = int(list->chosen().size());
    const int offered = list->choosableCount();
    countLabel->setText(tr("%1 of %2 differences chosen").arg(chosen).arg(offered));
    applyBtn->setEnabled(chosen > 0);
    allBtn->setEnabled(offered > 0);
    noneBtn->setEnabled(offered > 0);
}

void ChangePreview::fillList(const DeviceParameters &now, const DeviceParameters &after,
                             const LoadFindings &findings)
{
    list->setSides(tr("Now"), tr("After"));

    // What the file says beyond its values comes first: read before Apply.
    const QStringList about = findings.notes() + findings.flagged();
    if (!about.isEmpty()) {
        QTreeWidgetItem *group = list->addSection(tr("About the file"), QStringLiteral("about"));
        for (const QString &line : about) {
            auto *item = new QTreeWidgetItem(group, {line});
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setFirstColumnSpanned(true);
            item->setToolTip(0, line);
        }
    }

    differing = list->showRecords(now, after, false, findings.flaggedOffsets());

    // Fields the unit does not use: offered, never ticked unless the pilot
    // ticks them.
    if (!findings.apart().isEmpty()) {
        QTreeWidgetItem *apart =
            list->addSection(tr("%1: left as the unit holds them").arg(findings.apartTitle()),
                             QStringLiteral("apart"));
        for (const LoadFindings::Apart &row : findings.apart()) {
            list->addRow(apart, *row.row,
                         {row.row->shortCaption(), row.row->valueText(now.byteAt(row.row->offset)),
                          tr("file: %1").arg(row.row->valueText(row.fileValue))},
                         row.fileValue, false);
        }
        differing += int(findings.apart().size());
    }
    list->expandAll();

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
    if (answer != QDialog::Accepted)
        return false;
    // Only what the pilot ticked, and only what it changes.
    bool stored = false;
    for (const DifferenceList::Choice &choice : preview.choices()->chosen()) {
        if (base.byteAt(choice.offset) == choice.value)
            continue;
        record.setByteAt(choice.offset, qint8(choice.value));
        stored = true;
    }
    if (!stored)
        return false;
    // Bytes no page shows (a preset's reserved bytes) cannot be chosen:
    // they go with the choice, as the preset writes them.
    for (int offset = 0; offset < int(sizeof(DeviceParameters)); ++offset) {
        if (!ParameterCaption::forOffset(offset) && after.byteAt(offset) != base.byteAt(offset))
            record.setByteAt(offset, after.byteAt(offset));
    }
    return true;
}
