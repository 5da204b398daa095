#pragma once

#include "DeviceParameters.h"

#include <QDialog>
#include <QVector>

#include <functional>
#include <optional>

class DifferenceList;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

// Two parameter sets side by side, in the pages' words and grouped by page
// and tab, without changing anything: the unit now, its flash as known, a
// History entry or a .conf file, any two of them. It shows the differences
// only or every parameter. Where one side is the unit, the other side's
// values can be taken into it, chosen in the change preview. It is shown
// through ModalDialog, as every modal dialog of the window.
class CompareWindow : public QDialog
{
    Q_OBJECT

public:
    struct Side
    {
        enum class Kind
        {
            Unit,  // the record the window holds, as the unit holds it
            Flash, // what the unit's flash is known to hold
            Entry, // a History entry
            File,  // a .conf file
        };
        Kind kind;
        QString name;
        DeviceParameters record;
        QString path; // of an entry or a file
    };
    // Reads a .conf file the pilot chooses; nothing when cancelled or refused.
    using FileChooser = std::function<std::optional<Side>()>;
    // Offers `from`'s values for the unit in the change preview, over the
    // compare window; true once some were taken.
    using Taker = std::function<bool(const Side &from, QWidget *over)>;

    // `unit` is the window's record: the unit side follows it.
    CompareWindow(const DeviceParameters &unit, const QVector<Side> &sides, int left, int right,
                  QWidget *parent = nullptr, FileChooser files = FileChooser(),
                  Taker take = Taker());

    // A line over the list saying what the comparison is for.
    void setPurpose(const QString &text);

    QComboBox *leftChoice() const { return leftBox; }
    QComboBox *rightChoice() const { return rightBox; }
    QCheckBox *everythingBox() const { return everything; }
    DifferenceList *differenceList() const { return list; }
    QLabel *header() const { return headerLabel; }
    QPushButton *takeButton() const { return takeBtn; }
    int differingCount() const { return differing; }

private:
    void fillChoice(QComboBox *box, int current);
    void sideChosen(QComboBox *box, int index);
    void refresh();
    void take();
    const Side *sideOf(QComboBox *box) const;
    const Side *otherThanUnit() const;

    const DeviceParameters &unitRecord;
    QVector<Side> sides;
    FileChooser fileChooser;
    Taker taker;
    QLabel *purposeLabel;
    QLabel *headerLabel;
    QComboBox *leftBox;
    QComboBox *rightBox;
    QCheckBox *everything;
    DifferenceList *list;
    QPushButton *takeBtn;
    QPushButton *closeBtn;
    int differing = 0;
};
