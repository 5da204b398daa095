#pragma once

#include "CompareWindow.h"
#include "HistoryWindow.h"
#include "UnitHistory.h"
#include "ValueRanges.h"

#include <QWidget>

#include <functional>
#include <optional>

class QAction;
class QComboBox;
class LinkEngine;
class QLabel;
class QPushButton;
class toolButton;

// The band under the title bar: file and flash actions on the left, the port
// list and Connect/Disconnect on the right. It never touches the port; the
// link fills and watches portComboBox and acts on the signals.
class toolWidget : public QWidget
{
    Q_OBJECT

public:
    explicit toolWidget(QWidget *parent = nullptr);

    // Where the load and save dialogs open: the folder used last (`last`),
    // else the pilot's Documents folder, else the home folder.
    static QString startFolder(const QString &last);
    void setLastFolder(const QString &folder) { lastFolder = folder; }

    // What the pages allow in each field; the preview flags what a file
    // holds beyond it.
    void setValueRanges(const ValueRanges &allowed) { ranges = allowed; }
    // The link's protocol, to know whether a unit answers, what it is and
    // what its flash holds; its record is the one the files load into and
    // save from. Until it is set, loading and saving do nothing.
    void setLinkEngine(LinkEngine *protocol);

    // Asked before Disconnect, or Connect to another port, leaves the unit
    // on the connected port: true when it may be left now. Without one it
    // always may.
    using LeavingCheck = std::function<bool(bool toAnotherPort)>;
    void setLeavingCheck(LeavingCheck check) { leavingCheck = std::move(check); }
    // The connection as the pilot chose it with the button.
    bool isConnected() const { return connected; }
    QString connectedPortName() const { return connectedPort; }
    // Disconnect without asking.
    void endConnection();
    // Where the unit's records are kept; the window saves into it, the
    // History button shows it.
    UnitHistory &history() { return unitHistory; }

signals:
    void serialConnect();
    void serialDisconnect();
    void configurationLoaded();
    void flashWriting();
    // A message the pilot must read (the outcome of a load or save, a write
    // that did not happen), for the status bar.
    void messageText(const QString &text);
    // A file is about to be read: what was said about the last one is old.
    void loadStarting();
    // "Guided setup" was pressed (or Ctrl+G).
    void guidedSetupRequested();
    // A file was chosen in `folder`: the next dialog opens there, also after
    // a restart.
    void folderChosen(const QString &folder);

public slots:
    void connectPort();
    void loadConfigFile();
    void saveConfigFile();
    void writeFlash();
    // LoadConfig waits, like the pages, for the unit's record.
    void setLoadingAllowed(bool allowed);
    void showHistory();
    // "Setup sheet…" of the parameters the window holds (Ctrl+P).
    void makeSetupSheet();
    // The unit beside its flash: what a power cycle would lose.
    void showNotInFlash();
    // Two History entries side by side, or one (`second` empty) beside the unit.
    void compareEntries(const QString &first, const QString &second);

private:
    QPushButton *connectButton;

public:
    // Filled and watched by the link; the tool bar only locks it while connected.
    QComboBox *portComboBox;
    // In the port list's menu: the link connects by itself when a unit's
    // adapter is plugged in. On unless the pilot turned it off.
    QAction *autoConnectAction;

private:
    bool connected = false;
    QString connectedPort; // the port of the last connection
    QString lastFolder;    // where the last file was chosen
    ValueRanges ranges;
    LinkEngine *engine = nullptr;
    DeviceParameters *record = nullptr; // the engine's
    LeavingCheck leavingCheck;
    toolButton *loadButton;
    toolButton *saveButton;
    toolButton *writeFlashButton;
    toolButton *historyButton;
    QPushButton *guidedButton;
    UnitHistory unitHistory;
    QLabel *markLabel;

    void createConnectButton();
    void createGuidedButton();
    void createShortcuts();
    void createPortComboBox();
    void createMarkLabel();
    void layOut();
    std::optional<QString> chooseConfigFile(const QString &title, bool mustExist);
    bool confirmOverwrite(const QString &name);
    bool mayLeave(bool toAnotherPort) const;
    void startConnection();
    bool previewFile(const QString &fileName, const QString &title, QWidget *over = nullptr);
    void exportEntry(const QString &entryPath);
    QVector<CompareWindow::Side> compareSides() const;
    // A .conf file, or a History entry when `entry` names it, as a side.
    std::optional<CompareWindow::Side> fileSide(const QString &path,
                                                const UnitHistory::Entry *entry = nullptr) const;
    void compare(const QVector<CompareWindow::Side> &sides, int left, int right,
                 const QString &purpose = QString());
    bool takeIntoUnit(const CompareWindow::Side &from, QWidget *over);
    QWidget *dialogParent();
    void offerSetupSheet(HistoryWindow::SheetOf of, const QString &entryPath);
};
