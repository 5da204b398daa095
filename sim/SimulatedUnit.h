#pragma once

#include "DeviceParameters.h"
#include "FrameReceiver.h"
#include "LinkFrame.h"
#include "StickScript.h"

#include <QElapsedTimer>
#include <QMap>
#include <QObject>

#include <array>
#include <optional>
#include <random>

// The gyro unit's side of the link, without any transport: bytes from the PC
// go in, the reply bytes come out. It keeps a working record and a separate
// flash copy, answers every valid frame with exactly one frame, and can be
// told to misbehave (drop, corrupt, delay or misdirect replies, fall silent,
// keep a different value than the PC wrote) for tests of the PC side.
//
// Timing is the transport's business: SimulatedPort and vrn-sim deliver each
// reply latencyMs() after the frame that caused it. The stick motion is a
// function of clockMs(), which runs on the wall clock unless a test sets it.
class SimulatedUnit : public QObject
{
    Q_OBJECT
public:
    static constexpr quint8 ModelX1 = 10;
    static constexpr quint8 ModelA1 = 11;
    static constexpr int DefaultLatencyMs = 2;

    // Six raw channel words in wire order: rudder, aileron, elevator,
    // collective, gain, throttle.
    using TelemetryWords = std::array<qint16, 6>;

    enum class Outcome
    {
        Answered,  // the reply as the unit means it
        Dropped,   // handled, but the reply was lost on the way
        Corrupted, // handled, the reply carries one flipped bit
        Late,      // handled, the reply to the previous frame went out instead
        Silent     // not even looked at: the unit is not answering
    };
    Q_ENUM(Outcome)

    explicit SimulatedUnit(QObject *parent = nullptr);

    // Feeds PC bytes through the unit's own frame receiver (frames with a
    // wrong CRC are ignored, as the unit does) and returns the reply bytes of
    // every frame completed by them, in order. Empty when nothing is due.
    QByteArray receive(const QByteArray &bytes);
    // Handles one frame whose CRC has been checked. No value: no reply goes
    // out (silent or dropped). A corrupted reply is returned as it would
    // travel, with its CRC no longer matching.
    std::optional<LinkFrame> handle(const LinkFrame &request);

    // The reply the unit means to give, computed from the current state
    // without applying the request (no storing, no faults). For tests.
    LinkFrame replyFor(const LinkFrame &request) const;

    // Records. The working record is what the unit flies with and what
    // request replies carry; flash survives a power cycle.
    const DeviceParameters &workingRecord() const { return working; }
    DeviceParameters &workingRecord() { return working; }
    const DeviceParameters &flashRecord() const { return flash; }
    // Replaces the flash contents (e.g. from a file); the working record
    // follows at the next power cycle.
    void setFlashRecord(const DeviceParameters &record) { flash = record; }
    // Reload flash into the working record and forget the command state,
    // receiver state and any half-received frame.
    void powerCycle();

    // Identity carried in every reply (bytes 11 and 12).
    quint8 model() const { return modelCode; }
    void setModel(quint8 code) { modelCode = code; }
    quint8 firmwareVersion() const { return versionCode; }
    void setFirmwareVersion(quint8 tenths) { versionCode = tenths; }

    // Delay between a frame and its reply, applied by the transport.
    int latencyMs() const { return latency; }
    void setLatencyMs(int ms) { latency = qMax(0, ms); }
    // A busy unit: each reply comes up to this much later still, at random.
    void setLatencyJitterMs(int ms) { jitter = qMax(0, ms); }
    // A USB-serial adapter's latency timer: the PC sees received bytes only
    // every this many milliseconds, in one batch. 0: at once.
    void setBatchMs(int ms) { batch = qMax(0, ms); }
    int batchMs() const { return batch; }
    // When the PC sees the reply to a frame the unit received at sentAtMs:
    // latency, jitter and batching applied, and never before an earlier
    // reply, since the line keeps its order. For the transports.
    qint64 replyDueMs(qint64 sentAtMs);

    // Visible command state.
    bool motorCut() const { return motorIsCut; }
    bool controlLoopsRunning() const { return loopsRunning; }
    bool failSafeStored() const { return failSafe.has_value(); }
    // Stick positions captured by the last CMD_SET_FAIL_PROTECT.
    std::optional<TelemetryWords> failSafePositions() const { return failSafe; }
    int flashWriteCount() const { return flashWrites; }
    int framesHandled() const { return handledFrames; }

    // Telemetry. Without fixed words the sticks sweep smoothly over most of
    // their travel, each channel at its own pace.
    static TelemetryWords stickMotionAt(qint64 ms);
    TelemetryWords telemetryWords() const;
    void setFixedTelemetry(const TelemetryWords &words) { fixedWords = words; }
    void clearFixedTelemetry() { fixedWords.reset(); }
    // Steered sticks: the script runs from the telemetry clock's present
    // moment on, in place of the sweep (fixed words still come first).
    void setStickScript(const StickScript &script);
    void clearStickScript() { stickScript.reset(); }
    // The sticks held still where the pilot put them (the sticks window).
    void holdSticks(const StickScript::Values &values)
    {
        setStickScript(StickScript::holding(values));
    }
    bool isSteered() const { return stickScript.has_value(); }
    qint64 clockMs() const;
    // Freezes the telemetry clock at ms; later calls move it.
    void setClockMs(qint64 ms) { manualClock = ms; }
    void useWallClock() { manualClock.reset(); }

    // Fault injection, all off by default. Probabilities are 0..1 and drawn
    // from a generator seeded with setSeed(), so a run can be repeated.
    void setSeed(quint32 seed) { random.seed(seed); }
    void setDropProbability(double p) { dropChance = p; }
    void setCorruptProbability(double p) { corruptChance = p; }
    // A late reply: the answer to the previous frame arrives in place of the
    // answer to this one, whenever the two differ in subframe id.
    void setLateReplyProbability(double p) { lateChance = p; }
    // A reply that goes out twice, as adapters and busy units sometimes do.
    void setDuplicateProbability(double p) { duplicateChance = p; }
    // Replies to frames that carry a command (WriteFlash, fail-safe, motor
    // cut, control loops) are lost this often, on top of the drop above.
    void setCommandDropProbability(double p) { commandDropChance = p; }
    bool isSilent() const { return silent; }
    void setSilent(bool on) { silent = on; }
    // When a written block carries this record offset, the unit keeps
    // `value` instead of what the PC sent.
    void setFieldOverride(int offset, qint8 value);
    // When a written block carries this offset, values above `maximum`
    // (signed) are kept as `maximum`.
    void setFieldLimit(int offset, qint8 maximum);
    void clearFieldFaults();
    // How often a written value was kept different from what the PC sent,
    // by an override or a limit.
    int keptDifferentCount() const { return keptDifferent; }

signals:
    // Every valid frame from the PC, with the reply as it leaves the unit
    // (for Dropped and Silent, the reply that did not go out).
    void exchanged(const LinkFrame &request, const LinkFrame &reply,
                   SimulatedUnit::Outcome outcome);
    // CMD_SAVE_FLASH copied the working record to flash.
    void flashWritten();

private:
    void apply(const LinkFrame &request);
    void applyCommand(quint8 command);
    void storeWrittenBlock(int block, const quint8 *payload);
    void fillTelemetry(quint8 *payload) const;
    bool chance(double p);
    void flipRandomBit(LinkFrame &frame);

    DeviceParameters working;
    DeviceParameters flash;
    FrameReceiver receiver;
    QByteArray pendingReplies;

    quint8 modelCode = ModelX1;
    quint8 versionCode = 12;
    int latency = DefaultLatencyMs;
    int jitter = 0;
    int batch = 0;
    qint64 lastDueMs = 0;

    bool motorIsCut = false;
    bool loopsRunning = true;
    std::optional<TelemetryWords> failSafe;
    int flashWrites = 0;
    int handledFrames = 0;

    std::optional<TelemetryWords> fixedWords;
    std::optional<StickScript> stickScript;
    qint64 scriptStartMs = 0;
    std::optional<qint64> manualClock;
    QElapsedTimer wallClock;

    std::mt19937 random{1};
    double dropChance = 0;
    double corruptChance = 0;
    double lateChance = 0;
    double duplicateChance = 0;
    double commandDropChance = 0;
    int keptDifferent = 0;
    bool silent = false;
    std::optional<LinkFrame> previousReply;
    QMap<int, qint8> fieldOverrides;
    QMap<int, qint8> fieldLimits;
};
