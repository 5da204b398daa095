#include "LinkEngine.h"

#include "ParameterBlocks.h"
#include "Telemetry.h"
#include "Traces.h"

#include <QCoreApplication>

namespace {

const char *subframeName(quint8 id)
{
    switch (id) {
    case DLU_SFID_IDLE:
        return "DLU_SFID_IDLE";
    case DLU_WRITE_SFID_PARAM_1:
        return "DLU_WRITE_SFID_PARAM_1";
    case DLU_DOWN_SFID_PARAM_1:
        return "DLU_DOWN_SFID_PARAM_1";
    case DLU_UP_SFID_TELEMETRY_1:
        return "DLU_UP_SFID_TELEMETRY_1";
    default:
        return nullptr;
    }
}

bool isMode(quint8 code)
{
    return code == CMD_RUN_PID || code == CMD_CUT_PID;
}

// The command a reply's code acknowledges: the unit answers with the code
// itself, or with the high bit set when it could not carry it out.
quint8 acknowledgedCommand(quint8 code)
{
    switch (code) {
    case CMD_SET_FAIL_PROTECT:
    case CMD_SAVE_FLASH:
    case CMD_CUT_MOTOR:
    case CMD_CUT_PID:
    case CMD_RUN_PID:
        return code;
    case 0x82:
    case 0x84:
    case 0x85:
        return code & 0x7F;
    default:
        return CMD_NONE;
    }
}

// Bytes of the record an upload carries in both directions.
bool sameAsSent(const DeviceParameters &a, const DeviceParameters &b)
{
    return ParameterBlocks::differingFields(a, b) == 0;
}

} // namespace

// Status texts are translated in the link's context, whichever object
// carries them.
LinkEngine::LinkEngine(DeviceParameters &parameters, QObject *parent)
    : QObject(parent), record(parameters)
{
    receiver.setHandler([this](const LinkFrame &frame) { handleReply(frame); });
}

bool LinkEngine::isTransfer(quint8 id)
{
    return ParameterBlocks::blockForWriteId(id) || ParameterBlocks::blockForRequestId(id);
}

quint8 LinkEngine::exchangeSubframe() const
{
    switch (current) {
    case Exchange::Upload:
        return ParameterBlocks::writeId(block);
    case Exchange::Download:
    case Exchange::ReadBack:
        return ParameterBlocks::requestId(block);
    case Exchange::Background:
        break;
    }
    return background;
}

quint8 LinkEngine::subframe() const
{
    return exchangeSubframe();
}

bool LinkEngine::rereadDue() const
{
    return current == Exchange::Background && recordArrived && verified && linkAlive &&
           ticks - lastReread >= quint32(RereadIntervalTicks);
}

// WriteFlash stores what the unit holds: it goes out only while that is
// verified to be exactly the window's record.
bool LinkEngine::flashReady() const
{
    return current == Exchange::Background && recordArrived && verified &&
           sameAsSent(known.record, record);
}

// An upload would change what a WriteFlash on the line stores, and what
// tells what it stored; one started during fail-safe would race its answer.
bool LinkEngine::uploadAllowed() const
{
    // A download's end may start one: the pages refresh before it finishes.
    return portIsOpen && recordArrived && !onLine(CMD_SAVE_FLASH) &&
           !onLine(CMD_SET_FAIL_PROTECT) && !known.flashHoldsUnit;
}

bool LinkEngine::motorCutDue() const
{
    return portIsOpen && linkAlive && ticks - lastMotorCut >= quint32(MotorCutTicks);
}

quint8 LinkEngine::command() const
{
    if (pending.contains(CMD_CUT_MOTOR))
        return CMD_CUT_MOTOR;
    // What is on the line goes out again until the unit answers it.
    for (quint8 code : {CMD_SAVE_FLASH, CMD_SET_FAIL_PROTECT})
        if (onLine(code))
            return code;
    if (pending.contains(CMD_SAVE_FLASH) && flashReady())
        return CMD_SAVE_FLASH;
    if (pending.contains(CMD_SET_FAIL_PROTECT))
        return CMD_SET_FAIL_PROTECT;
    // A mode follows once WriteFlash has gone out.
    if (!pending.contains(CMD_SAVE_FLASH))
        for (quint8 mode : {CMD_CUT_PID, CMD_RUN_PID})
            if (pending.contains(mode))
                return mode;
    // A slot no other command needs asserts the motor cut again.
    return motorCutDue() ? CMD_CUT_MOTOR : CMD_NONE;
}

LinkFrame LinkEngine::nextFrame()
{
    // Forget frames whose replies can no longer be told from later ones.
    while (!inFlight.isEmpty() && ticks - inFlight.first().tick > quint32(ReplyWindowTicks))
        inFlight.removeFirst();
    // An edit that had to wait is uploaded as soon as nothing holds it back;
    // WriteFlash writes what the window shows: upload first where the unit
    // is not verified to hold it (a read-back follows, then the flash).
    if (uploadWaiting && uploadAllowed()) {
        uploadWaiting = false;
        startUpload();
    } else if (pending.contains(CMD_SAVE_FLASH) && current == Exchange::Background &&
               uploadAllowed() && (!verified || !sameAsSent(known.record, record))) {
        startUpload();
    }

    const bool reread = rereadDue();
    const quint8 id = reread ? ParameterBlocks::requestId(rereadBlock) : exchangeSubframe();
    const quint8 code = command();
    if (reread)
        lastReread = ticks;
    qCDebug(vrnLink).noquote() << QStringLiteral("subframe: %1").arg(id)
                               << QStringLiteral("g_subframe:%1").arg(code);
    if (code == CMD_SAVE_FLASH || code == CMD_SET_FAIL_PROTECT)
        sentCommands.insert(code);
    if (code == CMD_CUT_MOTOR)
        lastMotorCut = ticks;
    const LinkFrame frame = LinkFrame::build(code, id, record);
    if (const int written = ParameterBlocks::blockForWriteId(id))
        known.sent(written, frame.payload());
    inFlight.append({id, code, current, reread, exchangeId, pending.value(code), ticks, frame});
    return frame;
}

void LinkEngine::countTick()
{
    ++ticks;
    if (portIsOpen && ++quietTicks == quint32(NoAnswerTicks))
        emit noAnswer();
    if (silence <= SilenceLimit) {
        ++silence;
        return;
    }
    const bool wasAlive = linkAlive;
    linkAlive = false;
    if (wasAlive) {
        emit stateText(QCoreApplication::translate("SerialProcessThread", "Unconnected"));
        emit messageText(QStringLiteral("--------------"));
    }
    if (!lossHandled)
        loseLink();
}

void LinkEngine::loseLink()
{
    lossHandled = true;
    dropCommands();
    pending.insert(CMD_CUT_MOTOR, ++commandSerial);
    startExchange(Exchange::Download, 1);
}

void LinkEngine::setCommand(quint8 code)
{
    if (code == CMD_NONE)
        return;
    if (isMode(code)) {
        pending.remove(CMD_RUN_PID);
        pending.remove(CMD_CUT_PID);
    } else if (pending.contains(code)) {
        return; // pressed again before the unit answered: one request
    }
    if (code == CMD_SAVE_FLASH && !portIsOpen) {
        emitNotice(QCoreApplication::translate("SerialProcessThread",
                                               "No unit connected: nothing was written to flash"));
        return;
    }
    if (code == CMD_SET_FAIL_PROTECT && !portIsOpen) {
        emitNotice(QCoreApplication::translate("SerialProcessThread",
                                               "No unit connected: fail safe was not set"));
        return;
    }
    if ((code == CMD_SAVE_FLASH || code == CMD_SET_FAIL_PROTECT) && !linkAlive) {
        completeCommand(code, false);
        return;
    }
    pending.insert(code, ++commandSerial);
}

void LinkEngine::setSubframeHead(quint8 id)
{
    if (const char *name = subframeName(id))
        qCDebug(vrnLink).noquote() << "set subframe" << name;
    emit subframeRequested(id);
    if (isBackground(id)) {
        background = id;
        return;
    }
    if (const int first = ParameterBlocks::blockForRequestId(id)) {
        resyncCause = Change::Unknown;
        startExchange(Exchange::Download, first);
        return;
    }
    if (!ParameterBlocks::blockForWriteId(id))
        return;
    if (!portIsOpen) {
        // Nothing to send to; the record now holds the pilot's own values.
        preparedOffline = true;
        return;
    }
    if (!recordArrived)
        return; // never upload a record the unit has not filled
    if (!uploadAllowed()) {
        uploadWaiting = true; // the next tick that may, uploads the newest record
        return;
    }
    uploadWaiting = false;
    startExchange(Exchange::Upload, ParameterBlocks::blockForWriteId(id));
}

void LinkEngine::startUpload()
{
    startExchange(Exchange::Upload, 1);
}

void LinkEngine::startOver()
{
    setCommand(CMD_CUT_MOTOR);
    qCDebug(vrnLink) << "setCommand(CMD_CUT_MOTOR)";
    setSubframeHead(DLU_DOWN_SFID_PARAM_1);
}

void LinkEngine::portOpened(const QString &name)
{
    if (name != portName) {
        // What we knew of the last port's unit does not apply here; what we
        // knew of this one applies once its record shows it is the same.
        memory.remember(portName, known);
        known = memory.recall(name);
        identified = false;
        verified = false;
        updateFlashState();
    }
    portName = name;
    portIsOpen = true;
    quietTicks = 0;
    inFlight.clear();
    setRecordArrived(false);
}

void LinkEngine::portClosed()
{
    const bool wasAlive = linkAlive;
    linkAlive = false;
    if (wasAlive)
        emit stateText(QCoreApplication::translate("SerialProcessThread", "Unconnected"));
    portIsOpen = false;
    inFlight.clear();
    dropCommands();
    uploadWaiting = false;
    memory.remember(portName, known);
    startExchange(Exchange::Background, 0);
    setRecordArrived(false);
}

void LinkEngine::startExchange(Exchange kind, int firstBlock)
{
    ++exchangeId;
    const bool ending = current != Exchange::Background && kind == Exchange::Background;
    current = kind;
    if (ending)
        emit transfersEnded();
    lastReread = ticks; // the background re-read starts afresh after it
    block = firstBlock;
    exchangeAnswered = false;
    if (kind == Exchange::Download) {
        incoming = record;
        uploadWaiting = false; // the unit's record replaces the window's
        setRecordArrived(false);
    } else if (kind == Exchange::ReadBack) {
        readBack = record;
    }
    if (kind != Exchange::ReadBack)
        readBackDiffered = false;
}

void LinkEngine::finishExchange(quint32 id)
{
    // A page's refresh may already have started the next exchange.
    if (id == exchangeId)
        startExchange(Exchange::Background, 0);
}

std::optional<LinkEngine::SentFrame> LinkEngine::takeMatch(const LinkFrame &reply)
{
    // The line keeps its order, so the oldest frame with the reply's id and
    // command is the one answered; one whose command the unit passed over in
    // silence still counts for its id.
    // WriteFlash and fail-safe are answered only by their own code, so a
    // stray repeat of another reply never takes their frame.
    const quint8 acknowledged = acknowledgedCommand(reply.command());
    int sameId = -1;
    for (int i = 0; i < inFlight.size(); ++i) {
        const SentFrame &sent = inFlight.at(i);
        if (sent.subframe != reply.subframe())
            continue;
        if (sent.command == acknowledged)
            return inFlight.takeAt(i);
        if (sameId < 0 && sent.command != CMD_SAVE_FLASH && sent.command != CMD_SET_FAIL_PROTECT)
            sameId = i;
    }
    if (sameId < 0)
        return std::nullopt;
    return inFlight.takeAt(sameId);
}

void LinkEngine::handleReply(const LinkFrame &reply)
{
    const bool newlyIdentified = !linkAlive || model != reply.model() || version != reply.version();
    if (!linkAlive) {
        linkAlive = true;
        emit stateText(QCoreApplication::translate("SerialProcessThread", "Connected"));
    }
    silence = 0;
    quietTicks = 0;
    lossHandled = false;
    qCDebug(vrnLink).noquote() << QStringLiteral("rev 4 %1").arg(reply.command());
    model = reply.model();
    version = reply.version();
    if (newlyIdentified)
        emit unitIdentified();
    if (reply.subframe() == DLU_UP_SFID_TELEMETRY_1) {
        telemetry() = Telemetry::decode(reply.payload());
        emit telemetryChanged();
    }
    const std::optional<SentFrame> sent = takeMatch(reply);
    if (!sent)
        return; // answers nothing we wait for: late, repeated or foreign
    acknowledge(reply.command(), *sent);
    if (sent->exchangeId == exchangeId && sent->kind == current)
        transferStep(*sent, reply);
}

void LinkEngine::acknowledge(quint8 code, const SentFrame &sent)
{
    const quint8 command = acknowledgedCommand(code);
    if (command == CMD_NONE || pending.value(command) != sent.commandId ||
        !pending.contains(command))
        return; // a repeat of an acknowledgement already taken
    completeCommand(command, code == command);
}

void LinkEngine::completeCommand(quint8 code, bool confirmed)
{
    const bool wentOut = sentCommands.remove(code);
    pending.remove(code);
    emit commandCompleted(code, confirmed);
    if (code == CMD_SET_FAIL_PROTECT) {
        if (confirmed)
            emit messageText(QCoreApplication::translate(
                "SerialProcessThread", "Fail safe set: the unit holds the current stick and switch "
                                       "positions if the signal is lost"));
        else
            emitNotice(QCoreApplication::translate(
                "SerialProcessThread",
                "Set fail safe was not confirmed: press Set Fail Safe again"));
        return;
    }
    if (code != CMD_SAVE_FLASH)
        return;
    if (!confirmed) {
        if (wentOut) {
            // It went out only while the unit was verified to hold the record.
            known.maybeFlash = known.record;
            known.flashInDoubt = true;
        }
        emitNotice(QCoreApplication::translate(
            "SerialProcessThread", "Write flash was not confirmed: press WriteFlash again"));
        return;
    }
    // The flash now holds what the unit held when it wrote it: the verified
    // record, unless the unit restarted just before. The next complete read
    // of the unit tells; until then no upload runs.
    known.flashHoldsUnit = true;
    updateFlashState();
    emit messageText(
        QCoreApplication::translate("SerialProcessThread", "Write flash successfully"));
    emit flashWritten();
    if (portIsOpen && current == Exchange::Background)
        startExchange(Exchange::ReadBack, 1);
}

void LinkEngine::dropCommands()
{
    for (quint8 code : {CMD_SAVE_FLASH, CMD_SET_FAIL_PROTECT})
        if (pending.contains(code))
            completeCommand(code, false);
    pending.clear();
}

void LinkEngine::transferStep(const SentFrame &sent, const LinkFrame &reply)
{
    if (sent.reread) {
        if (const int b = ParameterBlocks::blockForRequestId(sent.subframe))
            rereadStep(b, reply.payload());
        return;
    }
    const bool first = !exchangeAnswered;
    exchangeAnswered = true;
    switch (current) {
    case Exchange::Upload:
        if (first)
            emit messageText(
                QCoreApplication::translate("SerialProcessThread", "Upload Parameters Now..."));
        uploadStep(ParameterBlocks::blockForWriteId(sent.subframe), sent);
        break;
    case Exchange::Download:
        if (first)
            emit messageText(
                QCoreApplication::translate("SerialProcessThread", "Download Parameters Now..."));
        if (requestStep(ParameterBlocks::blockForRequestId(sent.subframe), reply.payload(),
                        incoming))
            completeDownload();
        break;
    case Exchange::ReadBack:
        if (requestStep(ParameterBlocks::blockForRequestId(sent.subframe), reply.payload(),
                        readBack))
            completeReadBack();
        break;
    case Exchange::Background:
        break;
    }
}

void LinkEngine::uploadStep(int acknowledged, const SentFrame &sent)
{
    if (!acknowledged)
        return;
    // The unit stored the block as it went out; what it held before, which
    // could tell what a WriteFlash took, is gone.
    ParameterBlocks::store(acknowledged, sent.frame.payload(), known.record,
                           ParameterBlocks::PcToUnit);
    verified = false;
    updateFlashState();
    // The next block follows the acknowledged one, even when that moves back.
    if (const int next = ParameterBlocks::nextBlock(acknowledged)) {
        block = next;
        return;
    }
    emit messageText(
        QCoreApplication::translate("SerialProcessThread", "Upload Parameters Completely"));
    // Read the record back, to show the pilot what the unit really took.
    startExchange(Exchange::ReadBack, 1);
}

void LinkEngine::completeReadBack()
{
    const quint32 id = exchangeId;
    if (known.flashHoldsUnit) {
        // The read after WriteFlash: the flash holds what the unit holds.
        known.flash = readBack;
        known.flashKnown = true;
        known.flashHoldsUnit = false;
        known.flashInDoubt = false;
        if (!sameAsSent(readBack, known.record)) {
            // It restarted before it wrote: the window must show its flash.
            resyncWithUnit(Change::Restart);
            return;
        }
        verified = true;
        updateFlashState();
        finishExchange(id);
        return;
    }
    const int differing = ParameterBlocks::differingFields(record, readBack);
    // Measured against what it acknowledged, not what it might have made of it.
    UnitMemory::Knowledge acknowledged = known;
    acknowledged.writing = false;
    if (differing > 0 &&
        UnitMemory::compare(acknowledged, readBack) == UnitMemory::Outcome::Restarted) {
        // Blocks it acknowledged hold its flash again: it restarted during
        // the upload, it did not keep other values.
        known.writing = false;
        resyncWithUnit(Change::Restart);
        return;
    }
    if (differing > 0 && !readBackDiffered) {
        // A unit that clamps a value answers the same way twice; one that
        // restarted while being read does not. Read once more to know.
        readBackDiffered = true;
        firstReadBack = readBack;
        startExchange(Exchange::ReadBack, 1);
        return;
    }
    if (differing > 0 && ParameterBlocks::differingFields(firstReadBack, readBack) > 0) {
        resyncWithUnit(Change::Unknown);
        return;
    }
    known.record = readBack;
    known.recordKnown = true;
    known.writing = false;
    verified = true;
    updateFlashState();
    if (differing == 0) {
        emit messageText(QCoreApplication::translate("SerialProcessThread", "Upload verified"));
    } else {
        emit messageText(
            QCoreApplication::translate("SerialProcessThread",
                                        "The unit kept different values for %1 parameters")
                .arg(differing));
        record = readBack;
        emit parameterChanged();
    }
    finishExchange(id);
}

// A block of a download or a read-back: stored into the record being
// assembled, then the next block follows the one received.
bool LinkEngine::requestStep(int received, const quint8 *payload, DeviceParameters &into)
{
    if (!received)
        return false;
    ParameterBlocks::store(received, payload, into, ParameterBlocks::UnitToPc);
    if (const int next = ParameterBlocks::nextBlock(received)) {
        block = next;
        return false;
    }
    return true;
}

void LinkEngine::completeDownload()
{
    const quint32 id = exchangeId;
    const DeviceParameters prepared = record;
    QString notice;
    switch (UnitMemory::compare(known, incoming)) {
    case UnitMemory::Outcome::Unknown:
        // Nothing known of this unit yet: it starts from its flash.
        known.flash = incoming;
        known.flashKnown = true;
        known.flashInDoubt = false;
        break;
    case UnitMemory::Outcome::Same:
        if (resyncCause == Change::Restart)
            notice = QCoreApplication::translate(
                "SerialProcessThread",
                "The unit restarted: changes not written to flash were lost");
        break;
    case UnitMemory::Outcome::Restarted:
        notice = QCoreApplication::translate(
            "SerialProcessThread", "The unit restarted: changes not written to flash were lost");
        // Holding the record an unanswered WriteFlash was sent for, it
        // shows that WriteFlash was carried out.
        if (known.flashInDoubt && sameAsSent(incoming, known.maybeFlash)) {
            known.flash = incoming;
            known.flashInDoubt = false;
        }
        break;
    case UnitMemory::Outcome::Other:
        if (resyncCause == Change::Restart) {
            notice = QCoreApplication::translate(
                "SerialProcessThread",
                "The unit restarted: changes not written to flash were lost");
            break;
        }
        // Start afresh: what it holds now is all that is known of it.
        known.flash = incoming;
        known.flashKnown = true;
        known.flashInDoubt = false;
        notice = QCoreApplication::translate(
            "SerialProcessThread",
            "Another unit, or values changed outside the assistant: the pages show what it "
            "holds now");
        break;
    }
    if (known.flashHoldsUnit) {
        known.flash = incoming;
        known.flashHoldsUnit = false;
        known.flashInDoubt = false;
    }
    record = incoming;
    known.record = incoming;
    known.recordKnown = true;
    known.writing = false;
    verified = true;
    identified = true;
    resyncCause = Change::Unknown;
    updateFlashState();
    setRecordArrived(true);
    emit messageText(
        QCoreApplication::translate("SerialProcessThread", "Download Parameters Completely"));
    if (!notice.isEmpty())
        emitNotice(notice);
    emit parameterChanged();
    emit downloadCompleted();
    if (preparedOffline) {
        preparedOffline = false;
        if (!sameAsSent(prepared, record))
            emit preparedRecordFound(prepared);
    }
    // Only now, after the pages have refreshed: a background request they
    // made meanwhile was remembered, and an upload they started stays.
    finishExchange(id);
}

void LinkEngine::rereadStep(int received, const quint8 *payload)
{
    DeviceParameters unit = known.record;
    ParameterBlocks::store(received, payload, unit, ParameterBlocks::UnitToPc);
    if (ParameterBlocks::sameInBlock(received, ParameterBlocks::UnitToPc, unit, known.record)) {
        const int next = ParameterBlocks::nextBlock(received);
        rereadBlock = next ? next : ParameterBlocks::Blocks.front();
        return;
    }
    qCDebug(vrnLink) << "unit changed behind the link, block" << received;
    resyncWithUnit(Change::Unknown);
}

void LinkEngine::resyncWithUnit(Change change)
{
    // The unit holds something else than it did: most likely it restarted
    // faster than the silence watchdog. Treat it as a new connection.
    setCommand(CMD_CUT_MOTOR);
    resyncCause = change;
    startExchange(Exchange::Download, 1);
}

void LinkEngine::setRecordArrived(bool on)
{
    recordArrived = on;
    if (isEditingAllowed() == editingAllowed)
        return;
    editingAllowed = isEditingAllowed();
    emit editingAllowedChanged(editingAllowed);
}

std::optional<DeviceParameters> LinkEngine::knownFlash() const
{
    if (!identified || !known.recordKnown)
        return std::nullopt;
    // Written and acknowledged: the flash holds what the unit holds.
    if (known.flashHoldsUnit)
        return known.record;
    if (!known.flashKnown)
        return std::nullopt;
    return known.flash;
}

void LinkEngine::updateFlashState()
{
    const bool on = identified && known.changesNotInFlash();
    if (notInFlash == on)
        return;
    notInFlash = on;
    emit flashStateChanged(on);
}

void LinkEngine::emitNotice(const QString &text)
{
    emit noticeText(text);
}
