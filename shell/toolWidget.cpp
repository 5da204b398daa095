#include "toolWidget.h"

#include "toolButton.h"

#include "ConfigFile.h"
#include "DeviceParameters.h"

#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

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

toolWidget::FileDialogHook &fileDialogHook()
{
    static toolWidget::FileDialogHook hook;
    return hook;
}

} // namespace

toolWidget::toolWidget(QWidget *parent) : QWidget(parent)
{
    loadButton = new toolButton(":/images/toolWidget/open_file.png", tr("LoadConfig"));
    loadButton->setObjectName("loadButton");
    saveButton = new toolButton(":/images/toolWidget/save_file.png", tr("SaveConfig"));
    saveButton->setObjectName("saveButton");
    writeFlashButton = new toolButton(":/images/toolWidget/write_flash.png", tr("WriteFlash"));
    writeFlashButton->setObjectName("writeFlashButton");

    createConnectButton();
    createPortComboBox();
    createMarkLabel();
    layOut();

    connect(connectButton, &QPushButton::clicked, this, &toolWidget::connectPort);
    connect(loadButton, &toolButton::myToolClicked, this, &toolWidget::loadConfigFile);
    connect(saveButton, &toolButton::myToolClicked, this, &toolWidget::saveConfigFile);
    connect(writeFlashButton, &toolButton::myToolClicked, this, &toolWidget::writeFlash);
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
    };
    for (const auto &a : actions) {
        auto *shortcut = new QShortcut(a.keys, this);
        connect(shortcut, &QShortcut::activated, this, a.slot);
        a.button->setToolTip(tr("%1 (%2)").arg(a.tip, a.keys.toString(QKeySequence::NativeText)));
    }
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

void toolWidget::createPortComboBox()
{
    portComboBox = new QComboBox;
    portComboBox->setObjectName("portComboBox");
    portComboBox->setMinimumSize(60, 20);
    portComboBox->setStyleSheet(portComboBoxStyle);
    portComboBox->setToolTip(tr("The serial port the unit is plugged into"));
}

void toolWidget::createMarkLabel()
{
    const QPixmap mark(":/images/mark.png");
    markLabel = new QLabel;
    markLabel->setObjectName("markLabel");
    markLabel->setPixmap(mark);
    markLabel->setFixedSize(mark.size());
}

void toolWidget::layOut()
{
    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(5, 0, 5, 0);
    layout->addWidget(loadButton);
    layout->addWidget(saveButton);
    layout->addWidget(writeFlashButton);
    layout->addStretch();
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
        emit serialDisconnect();
        connectButton->setText(tr("Connect"));
        connectButton->setToolTip(tr("Open the chosen port and read the unit's parameters"));
        connected = false;
        portComboBox->setEnabled(true);
    } else {
        emit serialConnect();
        connectButton->setText(tr("Disconnect"));
        connectButton->setToolTip(tr("Close the port; the unit keeps running"));
        connected = true;
        portComboBox->setEnabled(false);
    }
}

void toolWidget::setFileDialogHook(FileDialogHook hook)
{
    fileDialogHook() = std::move(hook);
}

std::optional<QString> toolWidget::chooseConfigFile(const QString &title, bool mustExist)
{
    QFileDialog dialog(this, QString(), QString(), QString());
    dialog.setWindowTitle(title);
    dialog.setDirectory(QStringLiteral("."));
    dialog.setNameFilter(tr("ConfigFile(*.conf)"));
    // Loading a name that does not exist would zero the record and upload it.
    if (mustExist)
        dialog.setFileMode(QFileDialog::ExistingFile);
    else {
        // A save dialog asks before replacing a file; with the suffix it asks
        // about the name that will really be written.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("conf"));
    }
    if (fileDialogHook())
        return fileDialogHook()(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

void toolWidget::loadConfigFile()
{
    const std::optional<QString> name = chooseConfigFile(tr("Open Config File"), true);
    if (!name)
        return;
    const ConfigResult result = ConfigFile::load(*name, deviceParameters());
    emit messageText(result.message());
    if (result.ok())
        emit configurationLoaded();
}

void toolWidget::saveConfigFile()
{
    const std::optional<QString> name = chooseConfigFile(tr("Save Config File"), false);
    if (!name)
        return;
    emit messageText(ConfigFile::save(*name, deviceParameters()).message());
}

void toolWidget::writeFlash()
{
    emit flashWriting();
}
