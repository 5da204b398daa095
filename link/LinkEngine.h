#pragma once

#include "DeviceParameters.h"
#include "FrameReceiver.h"
#include "LinkFrame.h"

#include <QObject>

// The protocol on top of the frames, without any port: what goes out on each
// tick, what each valid reply does, when the unit counts as lost. The PC
// repeats the same frame every tick until a reply moves the subframe id on or
// clears the pending command.
//
// After every upload the record is read back from the unit and compared, and
// the engine keeps track of changes the unit holds but has not written to
// flash, so the pilot always knows what the unit holds.
//
// Background requests (idle, telemetry) never cut off a running upload or
// download: while one runs, such a request is remembered and applied when the
// transfer completes. Transfer requests take effect at once.
class LinkEngine : public QObject
{
    Q_OBJECT
public:
    // Ticks without a valid frame the unit may stay silent before it counts
    // as lost; the loss is acted on at the next tick.
    static constexpr int SilenceLimit = 50;

    explicit LinkEngine(DeviceParameters &record = deviceParameters(), QObject *parent = nullptr);

    // The frame for this tick, built afresh from the pending command, the
    // subframe id and the record.
    LinkFrame nextFrame() const;
    // Counts one tick of silence; past the limit the unit is lost and every
    // tick asks again for a motor cut and a full download.
    void countTick();
    // Bytes from the port, in order; each valid frame is handled at once.
    void feed(const QByteArray &bytes) { receiver.feed(bytes); }
    void handleReply(const LinkFrame &reply);

    void setCommand(quint8 code);
    void setSubframeHead(quint8 id);
    // Motor cut and a full download, as on connect.
    void startOver();
    // The port was closed: the next valid frame counts as a new connection.
    void markDisconnected() { linkAlive = false; }

    quint8 command() const { return pendingCommand; }
    quint8 subframe() const { return currentSubframe; }
    quint8 backgroundRequest() const { return background; }
    bool isLinkAlive() const { return linkAlive; }
    int silentTicks() const { return silence; }
    bool isVerifying() const { return verifying; }
    // The unit holds uploaded changes it has not written to flash.
    bool hasChangesNotInFlash() const { return notInFlash; }
    quint8 deviceModel() const { return model; }
    quint8 firmwareVersion() const { return version; }

    static bool isTransfer(quint8 id);
    static bool isBackground(quint8 id) { return id == DLU_SFID_IDLE || id == DLU_UP_SFID_TELEMETRY_1; }

signals:
    void parameterChanged();
    void telemetryChanged();
    void stateText(const QString &text);
    // Every setSubframeHead call, applied or remembered.
    void subframeRequested(quint8 id);
    void flashStateChanged(bool changesNotInFlash);
    void messageText(const QString &text);
    // Once per complete download, after parameterChanged().
    void downloadCompleted();
    // The unit acknowledged CMD_SAVE_FLASH.
    void flashWritten();

private:
    void acknowledge(quint8 code);
    void transferStep(const LinkFrame &reply);
    void uploadStep(int block);
    void readBackStep(int block, const quint8 *payload);
    void downloadStep(int block, const quint8 *payload);
    void setNotInFlash(bool on);
    void finishTransfer();

    DeviceParameters &record;
    FrameReceiver receiver;
    quint8 pendingCommand = CMD_NONE;
    quint8 currentSubframe = DLU_DOWN_SFID_PARAM_1;
    quint8 background = DLU_SFID_IDLE;
    quint16 silence = 0;
    bool linkAlive = false;
    quint8 model = 0;
    quint8 version = 0;

    bool verifying = false;
    DeviceParameters readBack;       // the unit's answer to the read-back
    DeviceParameters unitRecord;     // what the unit is known to hold
    bool unitKnown = false;
    DeviceParameters uploadedRecord; // the last upload of changed values
    bool notInFlash = false;
};
