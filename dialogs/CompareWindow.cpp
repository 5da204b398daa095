#include "CompareWindow.h"

#include "DialogStyle.h"
#include "DifferenceList.h"
#include "ParameterCaption.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The item of a choice list that reads a file instead of naming a side.
constexpr int FileItem = -1;

} // namespace

CompareWindow::CompareWindow(const DeviceParameters &unit, const QVector<Side> &offered, int left,
                             int right, QWidget *parent, FileChooser files, Taker take)
    : QDialog(parent), unitRecord(unit), sides(offered), fileChooser(std::move(files)),
      taker(std::move(take))
{
    setObjectName(QStringLiteral("CompareWindow"));
    setWindowTitle(tr("Compare"));
    setModal(true);
    setStyleSheet(DialogStyle::sheet());

    purposeLabel = new QLabel;
    purposeLabel->setObjectName(QStringLiteral("comparePurpose"));
    purposeLabel->setWordWrap(true);
    purposeLabel->hide();
    headerLabel = new QLabel;
    headerLabel->setObjectName(QStringLiteral("dialogHeader"));
    headerLabel->setWordWrap(true);
    leftBox = new QComboBox;
    leftBox->setObjectName(QStringLiteral("compareLeft"));
    rightBox = new QComboBox;
    rightBox->setObjectName(QStringLiteral("compareRight"));
    everything = new QCheckBox(tr("Show &every parameter"));
    everything->setObjectName(QStringLiteral("compareEverything"));
    everything->setToolTip(tr("Off: only the parameters that differ"));
    list = new DifferenceList;
    list->setObjectName(QStringLiteral("compareList"));
    takeBtn = new QPushButton(tr("&Take into the unit…"));
    takeBtn->setObjectName(QStringLiteral("compareTake"));
    takeBtn->setToolTip(tr("Choose which of these values the unit takes"));
    takeBtn->setVisible(bool(taker));
    closeBtn = new QPushButton(tr("Close"));
    closeBtn->setObjectName(QStringLiteral("compareClose"));

    fillChoice(leftBox, left);
    fillChoice(rightBox, right);

    auto *choose = new QFormLayout;
    choose->addRow(tr("&Left:"), leftBox);
    choose->addRow(tr("&Right:"), rightBox);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(everything);
    buttons->addStretch();
    buttons->addWidget(takeBtn);
    buttons->addWidget(closeBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(purposeLabel);
    layout->addLayout(choose);
    layout->addWidget(headerLabel);
    layout->addWidget(list, 1);
    layout->addLayout(buttons);

    for (QComboBox *box : {leftBox, rightBox}) {
        connect(box, &QComboBox::activated, this,
                [this, box](int index) { sideChosen(box, index); });
    }
    connect(everything, &QCheckBox::toggled, this, &CompareWindow::refresh);
    connect(takeBtn, &QPushButton::clicked, this, &CompareWindow::take);
    connect(closeBtn, &QPushButton::clicked, this, &QDialog::reject);
    takeBtn->setAutoDefault(false);
    closeBtn->setDefault(true);
    refresh();
    list->setFocus();
    resize(700, 500);
}

void CompareWindow::setPurpose(const QString &text)
{
    purposeLabel->setText(text);
    purposeLabel->setVisible(!text.isEmpty());
}

void CompareWindow::fillChoice(QComboBox *box, int current)
{
    box->clear();
    for (int i = 0; i < sides.size(); ++i)
        box->addItem(sides.at(i).name, i);
    if (fileChooser)
        box->addItem(tr("A .conf file…"), FileItem);
    box->setCurrentIndex(current);
}

void CompareWindow::sideChosen(QComboBox *box, int index)
{
    if (box->itemData(index).toInt() == FileItem) {
        const std::optional<Side> file = fileChooser();
        if (file) {
            sides.append(*file);
            const int leftIndex = leftBox->currentIndex();
            const int rightIndex = rightBox->currentIndex();
            const int added = int(sides.size()) - 1;
            fillChoice(leftBox, box == leftBox ? added : leftIndex);
            fillChoice(rightBox, box == rightBox ? added : rightIndex);
        } else {
            // Back to what it showed before.
            box->setCurrentIndex(box == leftBox ? property("left").toInt()
                                                : property("right").toInt());
        }
    }
    refresh();
}

const CompareWindow::Side *CompareWindow::sideOf(QComboBox *box) const
{
    const int index = box->currentData().toInt();
    return index >= 0 && index < sides.size() ? &sides.at(index) : nullptr;
}

const CompareWindow::Side *CompareWindow::otherThanUnit() const
{
    const Side *left = sideOf(leftBox);
    const Side *right = sideOf(rightBox);
    if (!left || !right)
        return nullptr;
    const bool leftUnit = left->kind == Side::Kind::Unit;
    const bool rightUnit = right->kind == Side::Kind::Unit;
    if (leftUnit == rightUnit)
        return nullptr;
    return leftUnit ? right : left;
}

void CompareWindow::refresh()
{
    setProperty("left", leftBox->currentIndex());
    setProperty("right", rightBox->currentIndex());
    // The unit side shows what the window holds now, also after a take.
    for (Side &side : sides) {
        if (side.kind == Side::Kind::Unit)
            side.record = unitRecord;
    }
    list->clear();
    const Side *left = sideOf(leftBox);
    const Side *right = sideOf(rightBox);
    if (!left || !right)
        return;
    list->setSides(left->name, right->name);
    differing = list->showRecords(left->record, right->record, everything->isChecked());
    headerLabel->setText(
        differing == 0
            ? tr("No parameter differs")
            : tr("%1 of %2 parameters differ").arg(differing).arg(ParameterCaption::all().size()));
    const Side *other = otherThanUnit();
    takeBtn->setEnabled(other && differing > 0);
    if (other)
        takeBtn->setToolTip(tr("Choose which values of %1 the unit takes").arg(other->name));
}

void CompareWindow::take()
{
    const Side *other = otherThanUnit();
    if (!other || !taker)
        return;
    const Side from = *other;
    if (taker(from, this))
        refresh();
}
