#include "LinkEngine.h"

#include "ParameterBlocks.h"
#include "Telemetry.h"

#include <QCoreApplication>
#include <QDebug>

namespace {

const char *subframeName(quint8 id)
{
    switch (id) {
    case DLU_SFID_IDLE: return "DLU_SFID_IDLE";
    case DLU_WRITE_SFID_PARAM_1: return "DLU_WRITE_SFID_PARAM_1";
    case DLU_DOWN_SFID_PARAM_1: return "DLU_DOWN_SFID_PARAM_1";
    case DLU_UP_SFID_TELEMETRY_1: return "DLU_UP_SFID_TELEMETRY_1";
    default: return nullptr;
    }
}

} // namespace

// Status texts are translated in the link's context, whichever object
// carries them.
LinkEngine::LinkEngine(DeviceParameters &record, QObject *parent)
    : QObject(parent), record(record)
{
    receiver.setHandler([this](const LinkFrame &frame) { handleReply(frame); });
}

bool LinkEngine::isTransfer(quint8 id)
{
    return ParameterBlocks::blockForWriteId(id) || ParameterBlocks::blockForRequestId(id);
}

LinkFrame LinkEngine::nextFrame() const
{
    qDebug().noquote() << QStringLiteral("subframe: %1").arg(currentSubframe)
                       << QStringLiteral("g_subframe:%1").arg(pendingCommand);
    return LinkFrame::build(pendingCommand, currentSubframe, record);
}

void LinkEngine::countTick()
{
    if (silence <= SilenceLimit) {
        ++silence;
        return;
    }
    if (linkAlive) {
        emit stateText(QCoreApplication::translate("SerialProcessThread", "Unconnected"));
        emit messageText(QStringLiteral("--------------"));
    }
    linkAlive = false;
    verifying = false;
    pendingCommand = CMD_CUT_MOTOR;
    currentSubframe = DLU_DOWN_SFID_PARAM_1;
}

void LinkEngine::setCommand(quint8 code)
{
    pendingCommand = code;
}

void LinkEngine::setSubframeHead(quint8 id)
{
    if (const char *name = subframeName(id))
        qDebug().noquote() << "set subframe" << name;
    emit subframeRequested(id);
    if (isBackground(id)) {
        background = id;
        if (isTransfer(currentSubframe))
            return;
    }
    // Any other request, an edit's upload included, ends a read-back.
    verifying = false;
    currentSubframe = id;
}

void LinkEngine::startOver()
{
    setCommand(CMD_CUT_MOTOR);
    qDebug() << "setCommand(CMD_CUT_MOTOR)";
    setSubframeHead(DLU_DOWN_SFID_PARAM_1);
}

void LinkEngine::handleReply(const LinkFrame &reply)
{
    if (!linkAlive) {
        linkAlive = true;
        emit stateText(QCoreApplication::translate("SerialProcessThread", "Connected"));
    }
    silence = 0;
    qDebug().noquote() << QStringLiteral("rev 4 %1").arg(reply.command());
    acknowledge(reply.command());
    model = reply.model();
    version = reply.version();
    transferStep(reply);
}

void LinkEngine::acknowledge(quint8 code)
{
    switch (code) {
    case CMD_SET_FAIL_PROTECT:
        emit messageText(QCoreApplication::translate("SerialProcessThread", "Set fail protect successfully"));
        break;
    case CMD_SAVE_FLASH:
        emit messageText(QCoreApplication::translate("SerialProcessThread", "Write flash successfully"));
        setNotInFlash(false);
        emit flashWritten();
        break;
    case CMD_CUT_MOTOR:
    case CMD_CUT_PID:
    case CMD_RUN_PID:
    case 0x82:
    case 0x84:
    case 0x85:
        break;
    default:
        return;
    }
    pendingCommand = CMD_NONE;
}

void LinkEngine::transferStep(const LinkFrame &reply)
{
    const quint8 id = reply.subframe();
    if (id == DLU_UP_SFID_TELEMETRY_1) {
        telemetry() = Telemetry::decode(reply.payload());
        emit telemetryChanged();
    } else if (const int block = ParameterBlocks::blockForWriteId(id)) {
        uploadStep(block);
    } else if (const int block = ParameterBlocks::blockForRequestId(id)) {
        if (verifying)
            readBackStep(block, reply.payload());
        else
            downloadStep(block, reply.payload());
    }
}

void LinkEngine::uploadStep(int block)
{
    if (block == 1)
        emit messageText(QCoreApplication::translate("SerialProcessThread", "Upload Parameters Now..."));
    if (const int next = ParameterBlocks::nextBlock(block)) {
        currentSubframe = ParameterBlocks::writeId(next);
        return;
    }
    emit messageText(QCoreApplication::translate("SerialProcessThread", "Upload Parameters Completely"));
    if (!unitKnown || ParameterBlocks::differingFields(record, unitRecord) > 0) {
        uploadedRecord = record;
        setNotInFlash(true);
    }
    unitRecord = record;
    unitKnown = true;
    // Read the record back, to show the pilot what the unit really took.
    verifying = true;
    readBack = record;
    currentSubframe = ParameterBlocks::requestId(1);
}

void LinkEngine::readBackStep(int block, const quint8 *payload)
{
    ParameterBlocks::store(block, payload, readBack, ParameterBlocks::UnitToPc);
    if (const int next = ParameterBlocks::nextBlock(block)) {
        currentSubframe = ParameterBlocks::requestId(next);
        return;
    }
    verifying = false;
    const int differing = ParameterBlocks::differingFields(record, readBack);
    unitRecord = readBack;
    if (differing == 0) {
        emit messageText(QCoreApplication::translate("SerialProcessThread", "Upload verified"));
        finishTransfer();
        return;
    }
    emit messageText(QCoreApplication::translate("SerialProcessThread",
                                                 "The unit kept different values for %1 parameters")
                         .arg(differing));
    record = readBack;
    emit parameterChanged();
    if (currentSubframe == DLU_DOWN_SFID_PARAM_11)
        finishTransfer();
}

void LinkEngine::downloadStep(int block, const quint8 *payload)
{
    if (block == 1)
        emit messageText(QCoreApplication::translate("SerialProcessThread", "Download Parameters Now..."));
    ParameterBlocks::store(block, payload, record, ParameterBlocks::UnitToPc);
    if (const int next = ParameterBlocks::nextBlock(block)) {
        currentSubframe = ParameterBlocks::requestId(next);
        return;
    }
    emit messageText(QCoreApplication::translate("SerialProcessThread", "Download Parameters Completely"));
    // Changes not in flash survive a link loss only if the unit kept running.
    if (notInFlash && ParameterBlocks::differingFields(record, uploadedRecord) > 0) {
        setNotInFlash(false);
        emit messageText(QCoreApplication::translate(
            "SerialProcessThread", "The unit restarted: changes not written to flash were lost"));
    }
    unitRecord = record;
    unitKnown = true;
    emit parameterChanged();
    emit downloadCompleted();
    // Only now, after the pages have refreshed: a background request they
    // made meanwhile was remembered, and an upload they started stays.
    if (currentSubframe == DLU_DOWN_SFID_PARAM_11)
        finishTransfer();
}

void LinkEngine::setNotInFlash(bool on)
{
    if (notInFlash == on)
        return;
    notInFlash = on;
    emit flashStateChanged(on);
}

void LinkEngine::finishTransfer()
{
    currentSubframe = background;
}
