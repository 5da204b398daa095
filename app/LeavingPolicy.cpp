#include "LeavingPolicy.h"

#include "LinkEngine.h"
#include "Question.h"
#include "toolWidget.h"

#include <QComboBox>

LeavingPolicy::LeavingPolicy(toolWidget &toolBar, LinkEngine &protocol, QObject *parent)
    : QObject(parent), bar(toolBar), engine(protocol)
{
    bar.setLeavingCheck([this](bool toAnotherPort) {
        return confirmLeaving(toAnotherPort ? ConnectingElsewhere : Disconnecting);
    });
    connect(&engine, &LinkEngine::flashStateChanged, this, &LeavingPolicy::flashStateChanged);
    // Queued: the link announces a loss before it counts itself as lost.
    connect(&engine, &LinkEngine::stateText, this, &LeavingPolicy::linkStateChanged,
            Qt::QueuedConnection);
    connect(&engine, &LinkEngine::parameterChanged, this, &LeavingPolicy::recordDownloaded);
}

bool LeavingPolicy::confirmLeaving(Leaving leaving)
{
    afterFlash.reset();
    if (!engine.hasChangesNotInFlash())
        return true;
    QString text;
    switch (leaving) {
    case Disconnecting:
        text = tr("The unit holds changes not written to flash; it loses them when it is "
                  "switched off.\n\nWrite them to flash before disconnecting?");
        break;
    case ClosingWindow:
        text = tr("The unit holds changes not written to flash; it loses them when it is "
                  "switched off.\n\nWrite them to flash before closing?");
        break;
    case ConnectingElsewhere:
        text = tr("The unit on %1 holds changes not written to flash; it loses them when it is "
                  "switched off.\n\nWrite them to flash before connecting to %2?")
                   .arg(bar.connectedPortName(), bar.portComboBox->currentText());
        break;
    }
    const int answer =
        Question::ask(&bar, tr("Not written to flash"), text,
                      {tr("Write to flash first"), tr("Leave them unsaved"), tr("Cancel")});
    if (answer == 0)
        writeFirst(leaving);
    return answer == 1;
}

void LeavingPolicy::writeFirst(Leaving leaving)
{
    if (leaving == ConnectingElsewhere) {
        // Back to the unit that holds the changes; they are written once its
        // record has come down and shows it still holds them.
        const int index = bar.portComboBox->findText(bar.connectedPortName());
        if (index < 0) {
            emit bar.messageText(
                tr("%1 is not present: nothing was written to flash").arg(bar.connectedPortName()));
            return;
        }
        bar.portComboBox->setCurrentIndex(index);
        flashAfterDownload = true;
        bar.connectPort(); // the same port again: nothing to ask
        return;
    }
    if (!engine.isLinkAlive()) {
        emit bar.messageText(tr("No unit answers: nothing was written to flash"));
        return;
    }
    afterFlash = leaving;
    emit bar.flashWriting();
}

void LeavingPolicy::flashStateChanged(bool changesNotInFlash)
{
    if (changesNotInFlash || !afterFlash)
        return;
    const Leaving leaving = *afterFlash;
    afterFlash.reset();
    if (leaving == ClosingWindow) {
        emit closeConfirmed();
    } else if (bar.isConnected()) {
        bar.endConnection();
        emit bar.messageText(
            tr("Written to flash; disconnected from %1").arg(bar.connectedPortName()));
    }
}

void LeavingPolicy::linkStateChanged()
{
    if (engine.isLinkAlive())
        return;
    // The link reports the unconfirmed WriteFlash; the window stays.
    afterFlash.reset();
}

void LeavingPolicy::recordDownloaded()
{
    if (!flashAfterDownload)
        return;
    flashAfterDownload = false;
    if (engine.hasChangesNotInFlash())
        emit bar.flashWriting();
}
