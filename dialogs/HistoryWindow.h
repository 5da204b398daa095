#pragma once

#include "UnitHistory.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The unit's kept records, newest first: when, which model and firmware,
// read from the unit or written to its flash, how many parameters differ
// from the record the window holds now, and the pilot's note. Choosing one
// (double click, Enter or "Preview") closes the list with that entry; the
// caller shows the preview. Two entries, or one against the unit, can be
// compared; an entry can be given a note (F2), exported as a .conf file and
// deleted; the search field keeps the entries whose words hold its text.
class HistoryWindow : public QDialog
{
    Q_OBJECT

public:
    // What "Setup sheet…" can be made of; the entry's file goes with Entry.
    enum class SheetOf
    {
        Window,
        Entry,
        File,
    };
    using SheetMaker = std::function<void(SheetOf of, const QString &entryPath)>;
    // What the window asks its caller to do; a missing one has no button.
    struct Actions
    {
        // Makes the setup sheets ("Setup sheet…").
        SheetMaker sheets;
        // Compares two entries, or one (the second path empty) with the unit.
        std::function<void(const QString &first, const QString &second)> compare;
        // Writes a copy of the entry where the pilot chooses.
        std::function<void(const QString &entryPath)> exportEntry;
    };
    // The columns of the list.
    enum Column
    {
        TimeColumn,
        ModelColumn,
        FirmwareColumn,
        KindColumn,
        DifferingColumn,
        NoteColumn,
    };

    // Each entry is compared with `now`, the record the window holds.
    HistoryWindow(const UnitHistory &history, const DeviceParameters &now,
                  QWidget *parent = nullptr, Actions actions = Actions());

    QTreeWidget *entryList() const { return list; }
    QPushButton *previewButton() const { return previewBtn; }
    QPushButton *folderButton() const { return folderBtn; }
    QPushButton *sheetButton() const { return sheetBtn; }
    QPushButton *compareButton() const { return compareBtn; }
    QPushButton *noteButton() const { return noteBtn; }
    QPushButton *exportButton() const { return exportBtn; }
    QPushButton *deleteButton() const { return deleteBtn; }
    QLineEdit *searchField() const { return search; }
    // The file of the chosen entry, after the window was accepted.
    QString chosenPath() const { return chosen; }

    // Shows the window (through ModalDialog); the chosen file, or an empty text.
    static QString choose(const UnitHistory &history, const DeviceParameters &now, QWidget *parent,
                          Actions actions = Actions());

private slots:
    void chooseCurrent();
    void openFolder();
    void compareChosen();
    void editNote();
    void exportCurrent();
    void deleteChosen();

private:
    void fill();
    void createButtons();
    void createSheetMenu();
    void filter(const QString &text);
    void noteEdited(QTreeWidgetItem *item, int column);
    void selectionChanged();
    QStringList chosenPaths() const;

    const UnitHistory &history;
    const DeviceParameters &windowRecord; // what the entries are counted against
    QLabel *folderLabel;
    QTreeWidget *list;
    QPushButton *previewBtn;
    QPushButton *folderBtn;
    QPushButton *closeBtn;
    QPushButton *sheetBtn = nullptr;
    QPushButton *compareBtn;
    QPushButton *noteBtn;
    QPushButton *exportBtn;
    QPushButton *deleteBtn;
    QLineEdit *search;
    Actions actions;
    QString chosen;
};
