#include "SerialProcessThread.h"

#include "statusWidget.h"
#include "toolWidget.h"

#include <QAction>
#include <QBrush>
#include <QComboBox>
#include <QFont>

SerialProcessThread::SerialProcessThread(toolWidget *tools, statusWidget *status,
                                         PortProvider *simulated, PortSystem *system)
    : toolBar(tools), statusBar(status), session(simulated, system)
{
    LinkEngine &engine = session.protocol();
    connect(&engine, &LinkEngine::parameterChanged, this, &SerialProcessThread::parameterChanged);
    connect(&engine, &LinkEngine::telemetryChanged, this, &SerialProcessThread::telemetryChanged);
    connect(&engine, &LinkEngine::stateText, statusBar, &statusWidget::setStateText);
    connect(&engine, &LinkEngine::messageText, statusBar, &statusWidget::setMessageText);
    connect(&engine, &LinkEngine::noticeText, statusBar, &statusWidget::showNotice);
    connect(&engine, &LinkEngine::flashStateChanged, statusBar,
            &statusWidget::setChangesNotInFlash);

    connect(&session, &PortSession::stateText, statusBar, &statusWidget::setStateText);
    connect(&session, &PortSession::messageText, statusBar, &statusWidget::setMessageText);
    connect(&session, &PortSession::noticeText, statusBar, &statusWidget::showNoticeWithDetails);
    connect(&session, &PortSession::unitChanged, statusBar, &statusWidget::setUnitText);
    connect(&session, &PortSession::unitChanged, this, &SerialProcessThread::unitChanged);
    connect(&session, &PortSession::portListChanged, this, &SerialProcessThread::fillPortList);
    // The session connects and lets go through the button, so the button
    // always says what the pilot would do next.
    connect(&session, &PortSession::connectRequested, toolBar, [tools](const QString &name) {
        tools->portComboBox->setCurrentText(name);
        tools->connectPort();
    });
    connect(&session, &PortSession::disconnectRequested, toolBar, &toolWidget::connectPort);

    connect(toolBar, &toolWidget::serialConnect, this, &SerialProcessThread::serialConnect);
    connect(toolBar, &toolWidget::serialDisconnect, this, &SerialProcessThread::serialDisconnect);

    session.setAutoConnect(toolBar->autoConnectAction->isChecked());
    connect(toolBar->autoConnectAction, &QAction::toggled, &session, &PortSession::setAutoConnect);

    fillPortList();
    connect(toolBar->portComboBox, &QComboBox::currentTextChanged, this,
            &SerialProcessThread::serialPortChanged);

    setSubframeHead(DLU_DOWN_SFID_PARAM_1);
}

SerialProcessThread::~SerialProcessThread() = default;

void SerialProcessThread::setCommand(quint8 code)
{
    session.protocol().setCommand(code);
}

void SerialProcessThread::setSubframeHead(quint8 id)
{
    session.protocol().setSubframeHead(id);
}

// Ports without a USB id are shown in grey italics and say why: no unit's adapter.
void SerialProcessThread::fillPortList()
{
    QComboBox *box = toolBar->portComboBox;
    const QSignalBlocker quiet(box);
    box->clear();
    QFont plain = box->font();
    plain.setItalic(true);
    const QBrush dim(QColor(0x5a, 0x5a, 0x5a)); // 6.9:1 on the list's white
    const QList<PortEntry> ports = session.ports();
    for (int i = 0; i < ports.size(); ++i) {
        box->addItem(QIcon(), ports[i].name);
        if (ports[i].usb || ports[i].path.isEmpty())
            continue;
        box->setItemData(i, plain, Qt::FontRole);
        box->setItemData(i, dim, Qt::ForegroundRole);
        box->setItemData(i,
                         tr("No USB id: a built-in or virtual serial port, not a unit's adapter"),
                         Qt::ToolTipRole);
    }
    box->setCurrentIndex(session.preselected());
    session.selectPort(box->currentText());
}

void SerialProcessThread::time()
{
    session.tick();
}

void SerialProcessThread::timeUpdateDevice()
{
    session.refresh();
}

void SerialProcessThread::serialConnect()
{
    session.connectPort();
}

void SerialProcessThread::serialDisconnect()
{
    session.disconnectPort();
}

void SerialProcessThread::readMyCom()
{
    session.readPort();
}

void SerialProcessThread::serialPortChanged(const QString &text)
{
    session.selectPort(text);
}
