#pragma once

#include "DeviceParameters.h"
#include "LoadFindings.h"

#include <QDialog>

class DifferenceList;
class QLabel;
class QPushButton;
class QTreeWidget;

// Shows every parameter a file, a preset or a history entry would change,
// grouped by page and tab, with the value now and after in the page's own
// words, before anything reaches the record or the unit. Each row and each
// section has a check box: "Apply" takes the ticked values only; "Cancel"
// and Escape leave everything as it was. Values no page offers, and fields
// the unit does not use, start unticked.
class ChangePreview : public QDialog
{
    Q_OBJECT

public:
    ChangePreview(const DeviceParameters &now, const DeviceParameters &after, const QString &title,
                  QWidget *parent = nullptr, const LoadFindings &findings = LoadFindings());

    int differingCount() const { return differing; }
    QTreeWidget *changeList() const;
    DifferenceList *choices() const { return list; }
    QLabel *header() const { return headerLabel; }
    // "5 of 9 differences chosen"
    QLabel *choiceCount() const { return countLabel; }
    QPushButton *allButton() const { return allBtn; }
    QPushButton *noneButton() const { return noneBtn; }
    QPushButton *applyButton() const { return applyBtn; }
    QPushButton *cancelButton() const { return cancelBtn; }

    // Asks whether `after` may replace `record`. On Apply, the chosen values
    // are stored (bytes the link changed meanwhile stay) and true is
    // returned; the caller then asks for one upload. Nothing differing and
    // nothing else to tell: no question, false; with findings but no change,
    // they are shown with Apply disabled.
    static bool confirm(QWidget *parent, const QString &title, DeviceParameters &record,
                        const DeviceParameters &after,
                        const LoadFindings &findings = LoadFindings());

private:
    void fillList(const DeviceParameters &now, const DeviceParameters &after,
                  const LoadFindings &findings);
    void createChoiceBar();
    void showChoice();
    void applyLook();

    QLabel *headerLabel;
    QLabel *countLabel;
    DifferenceList *list;
    QPushButton *allBtn;
    QPushButton *noneBtn;
    QPushButton *applyBtn;
    QPushButton *cancelBtn;
    int differing = 0;
};
