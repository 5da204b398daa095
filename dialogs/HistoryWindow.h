#pragma once

#include "UnitHistory.h"

#include <QDialog>

#include <functional>

class QLabel;
class QMenu;
class QPushButton;
class QTreeWidget;

// The unit's kept records, newest first: when, which model and firmware,
// read from the unit or written to its flash, and how many parameters differ
// from the record the window holds now. Choosing one (double click, Enter or
// "Preview") closes the list with that entry; the caller shows the preview.
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

    // Each entry is compared with `now`, the record the window holds.
    // `sheets` makes the setup sheets; without it the window has no
    // "Setup sheet…" button.
    HistoryWindow(const UnitHistory &history, const DeviceParameters &now,
                  QWidget *parent = nullptr, SheetMaker sheets = SheetMaker());

    QTreeWidget *entryList() const { return list; }
    QPushButton *previewButton() const { return previewBtn; }
    QPushButton *folderButton() const { return folderBtn; }
    QPushButton *sheetButton() const { return sheetBtn; }
    // The file of the chosen entry, after the window was accepted.
    QString chosenPath() const { return chosen; }

    // Shows the window (through ModalDialog); the chosen file, or an empty text.
    static QString choose(const UnitHistory &history, const DeviceParameters &now, QWidget *parent,
                          SheetMaker sheets = SheetMaker());

private slots:
    void chooseCurrent();
    void openFolder();

private:
    void fill();
    void createSheetMenu();

    const UnitHistory &history;
    const DeviceParameters &current;
    QLabel *folderLabel;
    QTreeWidget *list;
    QPushButton *previewBtn;
    QPushButton *folderBtn;
    QPushButton *closeBtn;
    QPushButton *sheetBtn = nullptr;
    SheetMaker sheetMaker;
    QString chosen;
};
