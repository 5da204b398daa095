#pragma once

#include "DeviceParameters.h"

#include <QTreeWidget>
#include <QVector>

class ParameterCaption;

// Two records side by side in the pages' words, one row per parameter,
// grouped by page and tab ("Setup · Servo"). It shows the differences only
// or every parameter, and, when choosing, has a check box per row and per
// section: what is ticked is what goes to the unit. The change preview and
// the compare view both show records through it.
class DifferenceList : public QTreeWidget
{
    Q_OBJECT

public:
    // One value the pilot may take: the record offset and the value to store.
    struct Choice
    {
        int offset;
        int value;
    };

    // The data roles of a row: its full caption (a section's kind, for
    // sections of their own), its record offset, the value it would store.
    enum Role
    {
        CaptionRole = Qt::UserRole,
        OffsetRole,
        ValueRole,
    };

    explicit DifferenceList(QWidget *parent = nullptr);

    // The headers of the two value columns ("Now", "After").
    void setSides(const QString &left, const QString &right);
    // With check boxes (before rows are added).
    void setChoosing(bool on) { choosing = on; }
    bool isChoosing() const { return choosing; }

    // Lists the parameters in which `left` and `right` differ, or all of
    // them with `everything`; the differing ones in bold. Rows whose offset
    // is in `flagged` are marked and start unchecked. Returns the number of
    // differing parameters.
    int showRecords(const DeviceParameters &left, const DeviceParameters &right,
                    bool everything = false, const QVector<int> &flagged = {});
    // A section of its own, after the pages' sections.
    QTreeWidgetItem *addSection(const QString &name, const QString &kind = QString());
    // A row of `caption` in `section`, shown as `shown`; when choosing it
    // stores `value` at the caption's offset once chosen.
    QTreeWidgetItem *addRow(QTreeWidgetItem *section, const ParameterCaption &caption,
                            const QStringList &shown, int value, bool checked);

    // Rows that may be chosen, and those chosen now.
    int choosableCount() const;
    QVector<Choice> chosen() const;
    void chooseAll(bool on);
    // Ticks the rows of the sections named (and only those, with `only`).
    void chooseSections(const QStringList &sections, bool only = true);
    // "Page · Tab" of every section with rows to choose, in order.
    QStringList sectionNames() const;

signals:
    void choiceChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QVector<QTreeWidgetItem *> choosableRows() const;
    void finish();

    bool choosing = false;
};
