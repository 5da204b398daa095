#pragma once

#include "UnitHistory.h"

#include <QWidget>

#include <functional>
#include <optional>

class QComboBox;
class QFileDialog;
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

    // Answers the load and save dialogs instead of a person (tests): gets the
    // dialog as it would be shown and returns the chosen name, or nothing for
    // a cancelled dialog. An empty hook restores the real dialog.
    using FileDialogHook = std::function<std::optional<QString>(QFileDialog &dialog)>;
    static void setFileDialogHook(FileDialogHook hook);

    // Where the unit's records are kept; the window saves into it, the
    // History button shows it.
    UnitHistory &history() { return unitHistory; }

signals:
    void serialConnect();
    void serialDisconnect();
    void configurationLoaded();
    void flashWriting();
    // The outcome of a load or save, for the status bar's message text.
    void messageText(const QString &text);

public slots:
    void connectPort();
    void loadConfigFile();
    void saveConfigFile();
    void writeFlash();
    void showHistory();

private:
    QPushButton *connectButton;

public:
    // Filled and watched by the link; the tool bar only locks it while connected.
    QComboBox *portComboBox;

private:
    bool connected = false;
    toolButton *loadButton;
    toolButton *saveButton;
    toolButton *writeFlashButton;
    toolButton *historyButton;
    UnitHistory unitHistory;
    QLabel *markLabel;

    void createConnectButton();
    void createShortcuts();
    void createPortComboBox();
    void createMarkLabel();
    void layOut();
    std::optional<QString> chooseConfigFile(const QString &title, bool mustExist);
    void previewFile(const QString &fileName, const QString &title);
};
