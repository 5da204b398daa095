#pragma once

#include "DeviceParameters.h"
#include "LoadFindings.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Shows every parameter a file, a preset or a history entry would change,
// grouped by page and tab, with the value now and after in the page's own
// words, before anything reaches the record or the unit. "Apply" takes the
// changes; "Cancel" and Escape leave everything as it was.
class ChangePreview : public QDialog
{
    Q_OBJECT

public:
    ChangePreview(const DeviceParameters &now, const DeviceParameters &after, const QString &title,
                  QWidget *parent = nullptr, const LoadFindings &findings = LoadFindings());

    int differingCount() const { return differing; }
    QTreeWidget *changeList() const { return list; }
    QLabel *header() const { return headerLabel; }
    QPushButton *applyButton() const { return applyBtn; }
    QPushButton *cancelButton() const { return cancelBtn; }

    // Asks whether `after` may replace `record`. On Apply, every byte in which
    // `after` differs from the record as it was when asked is stored (bytes
    // the link changed meanwhile stay) and true is returned; the caller then
    // asks for one upload. Nothing differing and nothing else to tell: no
    // question, false; with findings but no change, they are shown with
    // Apply disabled.
    static bool confirm(QWidget *parent, const QString &title, DeviceParameters &record,
                        const DeviceParameters &after,
                        const LoadFindings &findings = LoadFindings());

private:
    void fillList(const DeviceParameters &now, const DeviceParameters &after,
                  const LoadFindings &findings);
    QTreeWidgetItem *addGroup(const QString &name);
    void applyLook();

    QLabel *headerLabel;
    QTreeWidget *list;
    QPushButton *applyBtn;
    QPushButton *cancelBtn;
    int differing = 0;
};
