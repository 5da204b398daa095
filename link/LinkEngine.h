#pragma once

#include "DeviceParameters.h"
#include "FrameReceiver.h"
#include "LinkFrame.h"
#include "UnitMemory.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>

#include <optional>

// The protocol on top of the frames, without any port: what goes out on each
// tick, what each valid reply does, when the unit counts as lost. The PC
// repeats the same frame every tick until a reply moves the exchange on or
// acknowledges the pending command.
//
// Real links are late: a reply may come ticks after its frame, twice, or
// after the engine moved on. So every frame that goes out is remembered with
// the exchange it belongs to (download, upload, read-back, background), and a
// reply counts only for the frame it answers. A reply to an exchange that was
// abandoned or has finished is a sign of life and nothing more.
//
// The engine keeps, per port, what the unit is known to hold and what its
// flash is known to hold; "not written to flash" is the difference of the
// two. Every download is measured against that: the same unit, one that
// restarted (it holds its flash), or another one. While idle it re-reads the
// unit's record a block now and then, so a unit that changed behind the
// assistant's back (a quick power cycle) is noticed.
//
// Commands are queued, not overwritten: a motor cut comes first, WriteFlash
// and fail-safe are never replaced by a control-loop mode, and WriteFlash
// only goes out once the unit is verified to hold exactly what the window
// shows. Once WriteFlash or fail-safe is on the line it is sent again until
// the unit answers it or the link is lost, and no upload starts meanwhile:
// an edit waits for it, and its upload follows. While connected, the motor
// cut is asserted again every MotorCutTicks on a tick no other command needs,
// so a unit that restarted unnoticed never runs with its motor enabled.
class LinkEngine : public QObject
{
    Q_OBJECT
public:
    // Ticks without a valid frame the unit may stay silent before it counts
    // as lost; the loss is acted on at the next tick.
    static constexpr int SilenceLimit = 50;
    // A reply later than this many ticks answers nothing we still wait for.
    // A slow unit behind an adapter answers up to about 240 ms late.
    static constexpr int ReplyWindowTicks = 15;
    // While idle, one block of the unit's record is read back this often, so
    // all eight are covered in about 2.4 s.
    static constexpr int RereadIntervalTicks = 15;
    // An open port that gives no valid frame for this long (3 s) is worth
    // telling the pilot about.
    static constexpr int NoAnswerTicks = 150;
    // While connected, CMD_CUT_MOTOR goes out again at least this often.
    // Half a second leaves room for a slow unit's answer to WriteFlash.
    static constexpr int MotorCutTicks = 25;

    enum class Exchange
    {
        Background,
        Download,
        Upload,
        ReadBack
    };

    // `record` is the one the pages edit and the files fill; it outlives the engine.
    explicit LinkEngine(DeviceParameters &record, QObject *parent = nullptr);

    // The record this engine uploads from and downloads into.
    DeviceParameters &parameters() { return record; }
    const DeviceParameters &parameters() const { return record; }

    // The frame for this tick, built afresh from the commands, the exchange
    // and the record; it is remembered as sent, to match its reply.
    LinkFrame nextFrame();
    // Counts one tick of silence; past the limit the unit is lost, the motor
    // cut and a full download are asked for until it answers.
    void countTick();
    // Bytes from the port, in order; each valid frame is handled at once.
    void feed(const QByteArray &bytes) { receiver.feed(bytes); }
    void handleReply(const LinkFrame &reply);

    // CMD_SAVE_FLASH and CMD_SET_FAIL_PROTECT are kept until acknowledged;
    // CMD_RUN_PID and CMD_CUT_PID replace each other; CMD_CUT_MOTOR goes first.
    void setCommand(quint8 code);
    // DLU_WRITE_SFID_PARAM_1 starts an upload, DLU_DOWN_SFID_PARAM_1 a
    // download; idle and telemetry are background requests, applied when no
    // transfer runs.
    void setSubframeHead(quint8 id);
    // Motor cut and a full download, as on connect.
    void startOver();
    // A port was opened; what was known of the unit on it, if it was
    // visited before, is recalled and checked against the record the unit
    // sends. Editing waits for that record.
    void portOpened(const QString &name);
    // The port was closed: the next valid frame counts as a new connection,
    // commands not yet acknowledged are reported as not confirmed.
    void portClosed();

    // What the next frame carries; now and then a background re-read
    // request takes the place of the idle or telemetry id.
    quint8 command() const;
    quint8 subframe() const;
    Exchange exchange() const { return current; }
    quint8 backgroundRequest() const { return background; }
    bool isLinkAlive() const { return linkAlive; }
    int silentTicks() const { return silence; }
    bool isVerifying() const { return current == Exchange::ReadBack; }
    bool isTransferRunning() const { return current != Exchange::Background; }
    bool isPortOpen() const { return portIsOpen; }
    // Edits may change the record: no port is open, or the unit's complete
    // record has arrived in this connection.
    bool isEditingAllowed() const { return !portIsOpen || recordArrived; }
    bool isCommandPending(quint8 code) const { return pending.contains(code); }
    // The unit holds values its flash does not.
    bool hasChangesNotInFlash() const { return notInFlash; }
    // What the flash of the unit answering now is known to hold; nothing
    // while that is not known.
    std::optional<DeviceParameters> knownFlash() const;
    quint8 deviceModel() const { return model; }
    quint8 firmwareVersion() const { return version; }

    static bool isTransfer(quint8 id);
    static bool isBackground(quint8 id)
    {
        return id == DLU_SFID_IDLE || id == DLU_UP_SFID_TELEMETRY_1;
    }

signals:
    void parameterChanged();
    void telemetryChanged();
    void stateText(const QString &text);
    // Every setSubframeHead call, applied or remembered.
    void subframeRequested(quint8 id);
    void flashStateChanged(bool changesNotInFlash);
    // Progress texts, replaced by the next one.
    void messageText(const QString &text);
    // Texts the pilot must read, which progress texts must not hide: an
    // outcome that is not what was asked for.
    void noticeText(const QString &text);
    void editingAllowedChanged(bool allowed);
    // Once per complete download, after parameterChanged().
    void downloadCompleted();
    // The unit acknowledged CMD_SAVE_FLASH: its flash holds the record.
    void flashWritten();
    // No transfer runs any more: the last upload is acknowledged and read
    // back, or the link gave it up.
    void transfersEnded();
    // A command has ended: acknowledged by the unit, or not (lost link,
    // port closed, another code in the answer).
    void commandCompleted(quint8 code, bool confirmed);
    // The record was changed while no port was open, and the unit's own
    // record has now arrived in its place: the pilot may still want the
    // prepared values.
    void preparedRecordFound(const DeviceParameters &prepared);
    // A port has been open for NoAnswerTicks without a valid frame.
    void noAnswer();
    // The unit answered for the first time since it was lost or connected,
    // or now names another model or firmware.
    void unitIdentified();

private:
    struct SentFrame
    {
        quint8 subframe;
        quint8 command;
        Exchange kind;
        bool reread;
        quint32 exchangeId;
        quint32 commandId;
        quint32 tick;
        LinkFrame frame;
    };

    std::optional<SentFrame> takeMatch(const LinkFrame &reply);
    void acknowledge(quint8 code, const SentFrame &sent);
    void completeCommand(quint8 code, bool confirmed);
    void dropCommands();
    bool flashReady() const;
    bool onLine(quint8 code) const { return sentCommands.contains(code); }
    bool uploadAllowed() const;
    bool motorCutDue() const;
    quint8 exchangeSubframe() const;
    bool rereadDue() const;

    void startExchange(Exchange kind, int firstBlock);
    void startUpload();
    void finishExchange(quint32 id);
    void transferStep(const SentFrame &sent, const LinkFrame &reply);
    void uploadStep(int block, const SentFrame &sent);
    bool requestStep(int received, const quint8 *payload, DeviceParameters &into);
    void rereadStep(int block, const quint8 *payload);
    void completeDownload();
    void completeReadBack();
    enum class Change
    {
        Unknown,
        Restart
    };
    void resyncWithUnit(Change change);
    void loseLink();
    void setRecordArrived(bool on);
    void updateFlashState();
    void emitNotice(const QString &text);

    DeviceParameters &record;
    FrameReceiver receiver;
    quint16 silence = 0;
    bool linkAlive = false;
    bool lossHandled = false;
    bool portIsOpen = false;
    QString portName;
    quint8 model = 0;
    quint8 version = 0;
    quint32 ticks = 0;
    quint32 quietTicks = 0; // since the last valid frame, while a port is open

    // The exchange running now; replies to any other are ignored.
    Exchange current = Exchange::Background;
    int block = 0;
    quint32 exchangeId = 0;
    bool exchangeAnswered = false;
    quint8 background = DLU_SFID_IDLE;
    QList<SentFrame> inFlight;
    quint32 lastReread = 0;
    int rereadBlock = 1;

    // Commands not yet acknowledged, each with the id of its request.
    QMap<quint8, quint32> pending;
    quint32 commandSerial = 0;

    DeviceParameters incoming; // a download, block by block
    DeviceParameters readBack; // the unit's answer to the read-back
    DeviceParameters firstReadBack;
    bool readBackDiffered = false; // the read-back running is the second
    // What the unit on this port is known to hold, and its flash; the record
    // may include blocks acknowledged by an upload not yet read back.
    UnitMemory::Knowledge known;
    UnitMemory memory;       // the same for the ports visited before
    bool verified = false;   // known.record was read from the unit, not assumed
    bool identified = false; // known applies to the unit answering now
    Change resyncCause = Change::Unknown;
    bool recordArrived = false; // in this connection
    bool editingAllowed = true;
    QSet<quint8> sentCommands; // WriteFlash or fail-safe on the line
    quint32 lastMotorCut = 0;
    bool uploadWaiting = false; // an edit waits for its upload
    bool notInFlash = false;
    bool preparedOffline = false;
};
