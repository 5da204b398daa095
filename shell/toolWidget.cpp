#include "toolWidget.h"

#include <QAction>

#include "Picture.h"

#include "toolButton.h"

#include "ChangePreview.h"
#include "ConfigFile.h"
#include "ConfigKey.h"
#include "DeviceParameters.h"
#include "HistoryWindow.h"
#include "LinkEngine.h"
#include "ModalDialog.h"
#include "ParameterCaption.h"
#include "Question.h"
#include "SetupSheetOffer.h"
#include "UnitModel.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>

namespace {

const char *const connectButtonStyle = R"(
QPushButton {
    border: 2px solid #004080;
    border-radius: 6px;
    background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #111111, stop: 1 #dadbde);
    min-width: 80px;
    color: white;
}
QPushButton:pressed {
    border-color: #ff0000;
    background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #dadbde, stop: 1 #111111);
}
)";

const char *const portComboBoxStyle = R"(
QComboBox {
    border: 1px solid gray;
    border-radius: 3px;
    padding: 1px 18px 1px 3px;
    min-width: 6em;
}
QComboBox:editable {
    background: white;
}
QComboBox:!editable, QComboBox::drop-down:editable {
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
        stop: 0 #E1E1E1, stop: 0.4 #DDDDDD, stop: 0.5 #D8D8D8, stop: 1.0 #D3D3D3);
}
QComboBox:!editable:on, QComboBox::drop-down:editable:on {
    background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,
        stop: 0 #D3D3D3, stop: 0.4 #D8D8D8, stop: 0.5 #DDDDDD, stop: 1.0 #E1E1E1);
}
QComboBox:on {
    padding-top: 3px;
    padding-left: 4px;
}
QComboBox::drop-down {
    subcontrol-origin: padding;
    subcontrol-position: top right;
    width: 15px;
    border-left-width: 1px;
    border-left-color: darkgray;
    border-left-style: solid;
    border-top-right-radius: 3px;
    border-bottom-right-radius: 3px;
}
QComboBox::down-arrow {
    image: url(:/images/1downarrow.png);
}
QComboBox::down-arrow:on {
    top: 1px;
    left: 1px;
}
)";

} // namespace

toolWidget::toolWidget(QWidget *parent) : QWidget(parent)
{
    loadButton = new toolButton(":/images/toolWidget/open_file.png", tr("LoadConfig"));
    loadButton->setObjectName("loadButton");
    saveButton = new toolButton(":/images/toolWidget/save_file.png", tr("SaveConfig"));
    saveButton->setObjectName("saveButton");
    writeFlashButton = new toolButton(":/images/toolWidget/write_flash.png", tr("WriteFlash"));
    writeFlashButton->setObjectName("writeFlashButton");
    historyButton = new toolButton(":/images/toolWidget/history.png", tr("History"));
    historyButton->setObjectName("historyButton");

    createConnectButton();
    createGuidedButton();
    createPortComboBox();
    createMarkLabel();
    layOut();

    connect(connectButton, &QPushButton::clicked, this, &toolWidget::connectPort);
    connect(loadButton, &toolButton::myToolClicked, this, &toolWidget::loadConfigFile);
    connect(saveButton, &toolButton::myToolClicked, this, &toolWidget::saveConfigFile);
    connect(writeFlashButton, &toolButton::myToolClicked, this, &toolWidget::writeFlash);
    connect(historyButton, &toolButton::myToolClicked, this, &toolWidget::showHistory);
    createShortcuts();

    connected = false;
}

void toolWidget::createShortcuts()
{
    const struct
    {
        toolButton *button;
        QKeySequence keys;
        QString tip;
        void (toolWidget::*slot)();
    } actions[] = {
        {loadButton, QKeySequence(Qt::CTRL | Qt::Key_O), tr("Load parameters from a .conf file"),
         &toolWidget::loadConfigFile},
        {saveButton, QKeySequence(Qt::CTRL | Qt::Key_S), tr("Save the parameters to a .conf file"),
         &toolWidget::saveConfigFile},
        {writeFlashButton, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
         tr("Make the unit keep its parameters after a power cycle"), &toolWidget::writeFlash},
        {historyButton, QKeySequence(Qt::CTRL | Qt::Key_H),
         tr("The unit's earlier parameters, kept on this computer"), &toolWidget::showHistory},
    };
    for (const auto &a : actions) {
        auto *shortcut = new QShortcut(a.keys, this);
        connect(shortcut, &QShortcut::activated, this, a.slot);
        a.button->setToolTip(tr("%1 (%2)").arg(a.tip, a.keys.toString(QKeySequence::NativeText)));
    }
    // The sheet of the window's parameters; History offers the others too.
    auto *sheet = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    connect(sheet, &QShortcut::activated, this, &toolWidget::makeSetupSheet);
}

void toolWidget::createConnectButton()
{
    connectButton = new QPushButton;
    connectButton->setObjectName("connectButton");
    connectButton->setMinimumSize(60, 30);
    connectButton->setText(tr("Connect"));
    connectButton->setToolTip(tr("Open the chosen port and read the unit's parameters"));
    connectButton->setStyleSheet(connectButtonStyle);
}

// Text rather than a picture: the guide is found by its name.
void toolWidget::createGuidedButton()
{
    guidedButton = new QPushButton(tr("Guided setup"));
    guidedButton->setObjectName("guidedSetupButton");
    guidedButton->setMinimumSize(60, 30);
    guidedButton->setStyleSheet(connectButtonStyle);
    guidedButton->setToolTip(
        tr("Set up a new unit step by step, with the radio checked on what the unit sees (%1)")
            .arg(QKeySequence(Qt::CTRL | Qt::Key_G).toString(QKeySequence::NativeText)));
    connect(guidedButton, &QPushButton::clicked, this, &toolWidget::guidedSetupRequested);
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this);
    connect(shortcut, &QShortcut::activated, this, &toolWidget::guidedSetupRequested);
}

void toolWidget::createPortComboBox()
{
    portComboBox = new QComboBox;
    portComboBox->setObjectName("portComboBox");
    portComboBox->setMinimumSize(60, 20);
    portComboBox->setStyleSheet(portComboBoxStyle);
    portComboBox->setToolTip(
        tr("The serial port the unit is plugged into (right-click for the port options)"));
    autoConnectAction = new QAction(tr("Connect when a unit is plugged in"), portComboBox);
    autoConnectAction->setObjectName("autoConnectAction");
    autoConnectAction->setCheckable(true);
    autoConnectAction->setChecked(true);
    portComboBox->addAction(autoConnectAction);
    portComboBox->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void toolWidget::createMarkLabel()
{
    const QPixmap mark = Picture::pixmap(":/images/mark.png");
    markLabel = new QLabel;
    markLabel->setObjectName("markLabel");
    markLabel->setPixmap(mark);
    markLabel->setFixedSize(mark.deviceIndependentSize().toSize());
}

void toolWidget::layOut()
{
    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(5, 0, 5, 0);
    layout->addWidget(loadButton);
    layout->addWidget(saveButton);
    layout->addWidget(writeFlashButton);
    layout->addWidget(historyButton);
    layout->addStretch();
    layout->addWidget(guidedButton);
    layout->addWidget(portComboBox);
    layout->addWidget(connectButton);
    layout->addWidget(markLabel);
    setLayout(layout);
    setFixedHeight(80);
}

void toolWidget::connectPort()
{
    // The button records the user's choice; the status bar shows whether the
    // unit really answers.
    if (connected) {
        if (mayLeave(false))
            endConnection();
    } else {
        const bool elsewhere =
            !connectedPort.isEmpty() && portComboBox->currentText() != connectedPort;
        if (!elsewhere || mayLeave(true))
            startConnection();
    }
}

bool toolWidget::mayLeave(bool toAnotherPort) const
{
    return !leavingCheck || leavingCheck(toAnotherPort);
}

void toolWidget::startConnection()
{
    connectedPort = portComboBox->currentText();
    emit serialConnect();
    connectButton->setToolTip(tr("Close the port; the unit keeps running"));
    connectButton->setText(tr("Disconnect"));
    connected = true;
    portComboBox->setEnabled(false);
}

void toolWidget::endConnection()
{
    emit serialDisconnect();
    connectButton->setText(tr("Connect"));
    connectButton->setToolTip(tr("Open the chosen port and read the unit's parameters"));
    connected = false;
    portComboBox->setEnabled(true);
}

void toolWidget::setLinkEngine(LinkEngine *protocol)
{
    engine = protocol;
    record = &protocol->parameters();
}

std::optional<QString> toolWidget::chooseConfigFile(const QString &title, bool mustExist)
{
    QFileDialog dialog(this, QString(), QString(), QString());
    dialog.setWindowTitle(title);
    dialog.setDirectory(startFolder(lastFolder));
    dialog.setNameFilter(tr("Configuration files (*.conf)"));
    // Loading a name that does not exist would zero the record and upload it.
    if (mustExist)
        dialog.setFileMode(QFileDialog::ExistingFile);
    else {
        // The question before replacing a file is asked afterwards, about
        // the name really written.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setDefaultSuffix(QStringLiteral("conf"));
    }
    std::optional<QString> chosen;
    if (ModalDialog::exec(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        chosen = dialog.selectedFiles().constFirst();
    if (chosen) {
        lastFolder = QFileInfo(*chosen).absolutePath();
        emit folderChosen(lastFolder);
    }
    return chosen;
}

QString toolWidget::startFolder(const QString &last)
{
    for (const QString &folder :
         {last, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return QDir::homePath();
}

void toolWidget::loadConfigFile()
{
    if (!loadButton->isEnabled())
        return; // the shortcut too waits for the unit's record
    const std::optional<QString> name = chooseConfigFile(tr("Open Config File"), true);
    if (!name)
        return;
    previewFile(*name, tr("Load %1").arg(QFileInfo(*name).fileName()));
}

// The file is read into a copy of the record; only what the pilot applies
// reaches the record, and then in one upload.
bool toolWidget::previewFile(const QString &fileName, const QString &title, QWidget *over)
{
    if (!record)
        return false;
    emit loadStarting();
    const ConfigFile::Contents contents = ConfigFile::readWhileRunning(fileName);
    const ConfigResult &result = contents.result;
    if (!result.ok()) {
        emit messageText(result.message());
        return false;
    }
    // Laid over the record as it is now: a download may have ended while the
    // file was read.
    DeviceParameters candidate = *record;
    contents.applyTo(candidate);
    const quint8 model = engine->deviceModel();
    const LoadFindings findings(result, *record, candidate, ranges, model);
    // A file matches only when it holds every setting and says nothing else.
    if (result.keysRead() == LoadedKeyCount && findings.isEmpty() &&
        ParameterCaption::differences(*record, candidate).isEmpty()) {
        emit messageText(
            tr("%1 matches the unit's parameters").arg(QFileInfo(fileName).fileName()));
        return false;
    }
    if (!ChangePreview::confirm(over ? over : window(), title, *record, candidate, findings))
        return false;
    emit messageText(result.message());
    emit configurationLoaded();
    return true;
}

QWidget *toolWidget::dialogParent()
{
    // Over the History or compare window when one asked.
    QWidget *over = QApplication::activeModalWidget();
    return over ? over : window();
}

void toolWidget::showHistory()
{
    if (!record)
        return;
    HistoryWindow::Actions actions;
    actions.sheets = [this](HistoryWindow::SheetOf of, const QString &entryPath) {
        offerSetupSheet(of, entryPath);
    };
    actions.compare = [this](const QString &first, const QString &second) {
        compareEntries(first, second);
    };
    actions.exportEntry = [this](const QString &entryPath) { exportEntry(entryPath); };
    const QString chosen = HistoryWindow::choose(unitHistory, *record, window(), actions);
    if (chosen.isEmpty())
        return;
    previewFile(chosen, tr("Restore %1").arg(QFileInfo(chosen).completeBaseName()));
}

// A copy of the file as it is, note and unit included: it loads anywhere
// as any .conf file does.
void toolWidget::exportEntry(const QString &entryPath)
{
    const std::optional<QString> name = chooseConfigFile(tr("Export History Entry"), false);
    if (!name)
        return;
    const QString target = ConfigFile::saveName(*name);
    if (QFileInfo(target) == QFileInfo(entryPath) || !confirmOverwrite(target))
        return;
    const bool copied =
        (!QFile::exists(target) || QFile::remove(target)) && QFile::copy(entryPath, target);
    emit messageText(copied ? tr("History entry exported to %1").arg(QFileInfo(target).fileName())
                            : tr("%1 could not be written").arg(QDir::toNativeSeparators(target)));
}

std::optional<CompareWindow::Side> toolWidget::fileSide(const QString &path,
                                                        const UnitHistory::Entry *entry) const
{
    // What the file would make of the window's record: a key it lacks
    // keeps the window's value, as a load does.
    DeviceParameters made = *record;
    if (!entry) {
        const ConfigFile::Contents contents = ConfigFile::readWhileRunning(path);
        if (!contents.result.ok())
            return std::nullopt;
        contents.applyTo(made);
        return CompareWindow::Side{CompareWindow::Side::Kind::File, QFileInfo(path).fileName(),
                                   made, path};
    }
    if (!UnitHistory::loadEntry(path, made).ok())
        return std::nullopt;
    QString name = tr("%1 · %2 · %3")
                       .arg(QLocale().toString(entry->time, QLocale::ShortFormat), entry->model,
                            UnitHistory::kindText(entry->kind));
    const QString note = UnitHistory::note(path);
    if (!note.isEmpty())
        name = tr("%1 · \"%2\"").arg(name, note);
    return CompareWindow::Side{CompareWindow::Side::Kind::Entry, name, made, path};
}

// The unit (or the window's record, with none), its flash when known, and
// every readable History entry.
QVector<CompareWindow::Side> toolWidget::compareSides() const
{
    using Kind = CompareWindow::Side::Kind;
    QVector<CompareWindow::Side> sides;
    const bool answering = engine && engine->isLinkAlive() && engine->deviceModel() != 0;
    sides.append({Kind::Unit, answering ? tr("The unit now") : tr("The parameters in the window"),
                  *record, QString()});
    if (const std::optional<DeviceParameters> flash = engine->knownFlash())
        sides.append({Kind::Flash, tr("Its flash, as known"), *flash, QString()});
    for (const UnitHistory::Entry &entry : unitHistory.entries()) {
        if (const std::optional<CompareWindow::Side> side = fileSide(entry.path, &entry))
            sides.append(*side);
    }
    return sides;
}

void toolWidget::compare(const QVector<CompareWindow::Side> &sides, int left, int right,
                         const QString &purpose)
{
    CompareWindow view(
        *record, sides, left, right, dialogParent(),
        [this]() -> std::optional<CompareWindow::Side> {
            const std::optional<QString> name = chooseConfigFile(tr("Compare a Config File"), true);
            if (!name)
                return std::nullopt;
            std::optional<CompareWindow::Side> side = fileSide(*name);
            if (!side)
                emit messageText(tr("%1 cannot be read").arg(QFileInfo(*name).fileName()));
            return side;
        },
        [this](const CompareWindow::Side &from, QWidget *over) {
            return takeIntoUnit(from, over);
        });
    view.setPurpose(purpose);
    ModalDialog::exec(view);
}

// Through the change preview, as a load: the pilot chooses, one upload.
bool toolWidget::takeIntoUnit(const CompareWindow::Side &from, QWidget *over)
{
    const QString title = tr("Take from %1").arg(from.name);
    if (!from.path.isEmpty())
        return previewFile(from.path, title, over);
    if (!ChangePreview::confirm(over, title, *record, from.record))
        return false;
    emit configurationLoaded();
    return true;
}

void toolWidget::showNotInFlash()
{
    if (!record)
        return;
    const QVector<CompareWindow::Side> sides = compareSides();
    if (sides.size() < 2 || sides.at(1).kind != CompareWindow::Side::Kind::Flash) {
        emit messageText(tr("What the unit's flash holds is not known yet"));
        return;
    }
    compare(sides, 1, 0,
            tr("What a power cycle would lose: the unit holds these values, its flash the "
               "others. WriteFlash keeps them; taking the flash's values undoes them."));
}

void toolWidget::compareEntries(const QString &first, const QString &second)
{
    if (!record)
        return;
    const QVector<CompareWindow::Side> sides = compareSides();
    const auto indexOf = [&sides](const QString &path) {
        for (int i = 0; i < sides.size(); ++i) {
            if (!path.isEmpty() && sides.at(i).path == path)
                return i;
        }
        return 0; // the unit
    };
    const int left = indexOf(first);
    const int right = indexOf(second);
    if (left == 0 && right == 0) {
        emit messageText(tr("%1 cannot be read").arg(QFileInfo(first).fileName()));
        return;
    }
    compare(sides, left, right);
}

void toolWidget::makeSetupSheet()
{
    offerSetupSheet(HistoryWindow::SheetOf::Window, QString());
}

void toolWidget::offerSetupSheet(HistoryWindow::SheetOf of, const QString &entryPath)
{
    SetupSheet::Source source;
    QString file = entryPath;
    if (of == HistoryWindow::SheetOf::File) {
        const std::optional<QString> name =
            chooseConfigFile(tr("Setup Sheet of a Config File"), true);
        if (!name)
            return;
        file = *name;
    }
    if (of == HistoryWindow::SheetOf::Window) {
        if (!record)
            return;
        source.record = *record;
        // Only a unit that answers now says what it is and what its flash holds.
        const bool answering = engine && engine->isLinkAlive() && engine->deviceModel() != 0;
        if (answering) {
            source.model = engine->deviceModel();
            source.firmware = UnitModel::firmware(engine->firmwareVersion());
            source.notInFlash = engine->hasChangesNotInFlash();
        }
        source.name = answering && connected ? tr("The unit on %1").arg(connectedPort)
                                             : tr("The parameters in the window");
    } else {
        const ConfigResult result = SetupSheet::readFile(file, source);
        if (!result.ok()) {
            emit messageText(result.message());
            return;
        }
    }
    const QString outcome = SetupSheetOffer::offer(dialogParent(), source);
    if (!outcome.isEmpty())
        emit messageText(outcome);
}

void toolWidget::saveConfigFile()
{
    const std::optional<QString> name = chooseConfigFile(tr("Save Config File"), false);
    if (!name || !record || !confirmOverwrite(ConfigFile::saveName(*name)))
        return;
    emit messageText(
        ConfigFile::save(*name, *record, engine->deviceModel(), engine->firmwareVersion())
            .message());
}

// The dialog's own question would be about the name typed, which is not
// always the name written ("heli.v2" writes "heli.v2.conf").
bool toolWidget::confirmOverwrite(const QString &name)
{
    const QFileInfo info(name);
    if (!info.exists() || !info.isFile())
        return true; // nothing to replace, or ConfigFile refuses it
    const int answer = Question::ask(this, tr("Save Config File"),
                                     tr("%1 already exists.\n\nReplace it?").arg(info.fileName()),
                                     {tr("Replace"), tr("Cancel")});
    return answer == 0;
}

void toolWidget::writeFlash()
{
    // The link tells the outcome, whether a unit answers or not.
    emit flashWriting();
}

void toolWidget::setLoadingAllowed(bool allowed)
{
    loadButton->setEnabled(allowed);
}
