#include "SimulatedUnit.h"

#include "FactorySetup.h"
#include "ParameterBlocks.h"

#include <cmath>

namespace {

// Raw words the sticks sweep between: (w - 3040) / 8.4 gives about -120..120.
constexpr double StickCentre = 3040.0;
constexpr double StickAmplitude = 1010.0;
// A different period per channel so the monitor never shows them in step.
constexpr double PeriodsMs[6] = {5300, 6100, 7700, 9100, 11300, 13700};
constexpr double Phases[6] = {0.0, 1.1, 2.3, 3.4, 4.6, 5.5};

bool isCommandCode(quint8 code)
{
    return code >= CMD_SET_FAIL_PROTECT && code <= CMD_RUN_PID;
}

} // namespace

SimulatedUnit::SimulatedUnit(QObject *parent) : QObject(parent)
{
    flash = FactorySetup::record();
    working = flash;
    wallClock.start();
    receiver.setHandler([this](const LinkFrame &frame) {
        if (const auto reply = handle(frame)) {
            pendingReplies += reply->toByteArray();
            if (chance(duplicateChance))
                pendingReplies += reply->toByteArray();
        }
    });
}

QByteArray SimulatedUnit::receive(const QByteArray &bytes)
{
    pendingReplies.clear();
    receiver.feed(bytes);
    QByteArray out;
    out.swap(pendingReplies);
    return out;
}

std::optional<LinkFrame> SimulatedUnit::handle(const LinkFrame &request)
{
    if (silent) {
        emit exchanged(request, replyFor(request), Outcome::Silent);
        return std::nullopt;
    }
    ++handledFrames;
    apply(request);
    const LinkFrame reply = replyFor(request);
    const std::optional<LinkFrame> previous = previousReply;
    previousReply = reply;

    if (chance(dropChance) || (request.command() != CMD_NONE && chance(commandDropChance))) {
        emit exchanged(request, reply, Outcome::Dropped);
        return std::nullopt;
    }
    if (previous && previous->subframe() != reply.subframe() && chance(lateChance)) {
        emit exchanged(request, *previous, Outcome::Late);
        return previous;
    }
    if (chance(corruptChance)) {
        LinkFrame damaged = reply;
        flipRandomBit(damaged);
        emit exchanged(request, damaged, Outcome::Corrupted);
        return damaged;
    }
    emit exchanged(request, reply, Outcome::Answered);
    return reply;
}

LinkFrame SimulatedUnit::replyFor(const LinkFrame &request) const
{
    LinkFrame reply;
    const quint8 command = request.command();
    reply.bytes[LinkFrame::ByteCommand] = isCommandCode(command) ? command : CMD_NONE;
    reply.bytes[LinkFrame::ByteModel] = modelCode;
    reply.bytes[LinkFrame::ByteVersion] = versionCode;

    const quint8 id = request.subframe();
    if (ParameterBlocks::blockForWriteId(id)) {
        reply.bytes[LinkFrame::ByteSubframe] = id;
    } else if (const int block = ParameterBlocks::blockForRequestId(id)) {
        reply.bytes[LinkFrame::ByteSubframe] = id;
        ParameterBlocks::fill(block, working, reply.payload(), ParameterBlocks::UnitToPc);
    } else if (id == DLU_UP_SFID_TELEMETRY_1) {
        reply.bytes[LinkFrame::ByteSubframe] = id;
        fillTelemetry(reply.payload());
    }
    reply.seal();
    return reply;
}

void SimulatedUnit::apply(const LinkFrame &request)
{
    // The block first, so a save riding in the same frame includes it.
    if (const int block = ParameterBlocks::blockForWriteId(request.subframe()))
        storeWrittenBlock(block, request.payload());
    applyCommand(request.command());
}

void SimulatedUnit::applyCommand(quint8 command)
{
    switch (command) {
    case CMD_SET_FAIL_PROTECT:
        failSafe = telemetryWords();
        break;
    case CMD_SAVE_FLASH:
        flash = working;
        ++flashWrites;
        emit flashWritten();
        break;
    case CMD_CUT_MOTOR:
        motorIsCut = true;
        break;
    case CMD_CUT_PID:
        loopsRunning = false;
        break;
    case CMD_RUN_PID:
        loopsRunning = true;
        break;
    default:
        break;
    }
}

void SimulatedUnit::storeWrittenBlock(int block, const quint8 *payload)
{
    ParameterBlocks::store(block, payload, working, ParameterBlocks::PcToUnit);
    for (int offset : ParameterBlocks::carriedOffsets(block, ParameterBlocks::PcToUnit)) {
        const qint8 sent = working.byteAt(offset);
        if (fieldOverrides.contains(offset))
            working.setByteAt(offset, fieldOverrides.value(offset));
        if (fieldLimits.contains(offset) && working.byteAt(offset) > fieldLimits.value(offset))
            working.setByteAt(offset, fieldLimits.value(offset));
        keptDifferent += working.byteAt(offset) != sent;
    }
}

void SimulatedUnit::fillTelemetry(quint8 *payload) const
{
    const TelemetryWords words = telemetryWords();
    for (int i = 0; i < 6; ++i) {
        const quint16 w = quint16(words[size_t(i)]);
        payload[2 * i] = quint8(w & 0xFF);
        payload[2 * i + 1] = quint8(w >> 8);
    }
}

void SimulatedUnit::powerCycle()
{
    working = flash;
    motorIsCut = false;
    loopsRunning = true;
    receiver.reset();
    previousReply.reset();
}

SimulatedUnit::TelemetryWords SimulatedUnit::stickMotionAt(qint64 ms)
{
    TelemetryWords words{};
    for (size_t i = 0; i < words.size(); ++i) {
        const double angle = 2.0 * M_PI * double(ms) / PeriodsMs[i] + Phases[i];
        words[i] = qint16(std::lround(StickCentre + StickAmplitude * std::sin(angle)));
    }
    return words;
}

SimulatedUnit::TelemetryWords SimulatedUnit::telemetryWords() const
{
    if (fixedWords)
        return *fixedWords;
    if (stickScript)
        return stickScript->wordsAt(clockMs() - scriptStartMs);
    return stickMotionAt(clockMs());
}

void SimulatedUnit::setStickScript(const StickScript &script)
{
    stickScript = script;
    scriptStartMs = clockMs();
}

qint64 SimulatedUnit::clockMs() const
{
    return manualClock ? *manualClock : wallClock.elapsed();
}

qint64 SimulatedUnit::replyDueMs(qint64 sentAtMs)
{
    qint64 due = sentAtMs + latency;
    if (jitter > 0)
        due += std::uniform_int_distribution<int>(0, jitter)(random);
    if (batch > 0)
        due = (due + batch - 1) / batch * batch;
    // Keep the line's order; the bound forgets a due time from another
    // transport's clock (a port reopened on the same unit).
    lastDueMs = qMax(due, qMin(lastDueMs, sentAtMs + latency + jitter + batch));
    return lastDueMs;
}

void SimulatedUnit::setFieldOverride(int offset, qint8 value)
{
    if (offset >= 0 && offset < DeviceParameters::Size)
        fieldOverrides.insert(offset, value);
}

void SimulatedUnit::setFieldLimit(int offset, qint8 maximum)
{
    if (offset >= 0 && offset < DeviceParameters::Size)
        fieldLimits.insert(offset, maximum);
}

void SimulatedUnit::clearFieldFaults()
{
    fieldOverrides.clear();
    fieldLimits.clear();
}

bool SimulatedUnit::chance(double p)
{
    if (p <= 0.0)
        return false;
    if (p >= 1.0)
        return true;
    return std::uniform_real_distribution<double>(0.0, 1.0)(random) < p;
}

void SimulatedUnit::flipRandomBit(LinkFrame &frame)
{
    const int bit = std::uniform_int_distribution<int>(0, LinkFrame::Size * 8 - 1)(random);
    frame.bytes[size_t(bit / 8)] ^= quint8(1u << (bit % 8));
}
