#pragma once

#include "DeviceParameters.h"
#include "RadioCheck.h"

#include <QDialog>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class DifferenceList;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class SerialProcessThread;
class UnitHistory;

// The guided first setup: one step after the other, from a unit just
// connected to a checked setup written to its flash. The radio is judged on
// what the unit itself sees of the sticks (its channel telemetry); every
// setting is written as the pages write it, one field and then the whole
// record uploaded and read back, so leaving at any step leaves a unit that
// holds what the pages show.
class GuidedSetup : public QDialog
{
    Q_OBJECT
public:
    enum Step
    {
        UnitStep,
        ReceiverStep,
        RadioStep,
        MountStep,
        SwashStep,
        ServoStep,
        DirectionStep,
        TrimStep,
        FailSafeStep,
        SummaryStep,
    };
    static constexpr int StepCount = SummaryStep + 1;
    // Telemetry samples (about 3 s) without a moving channel before the
    // receiver type is called wrong.
    static constexpr int FlatSamples = 150;

    GuidedSetup(DeviceParameters &record, SerialProcessThread *link, UnitHistory &history,
                QWidget *parent = nullptr);
    ~GuidedSetup() override;

    // Asked before leaving while the unit holds changes not in its flash;
    // false keeps the guide open.
    void setLeaveGuard(std::function<bool()> guard) { leaveGuard = std::move(guard); }

    Step step() const { return current; }
    bool stepReady() const;
    QPushButton *nextButton() const { return nextBtn; }
    QPushButton *backButton() const { return backBtn; }
    QPushButton *leaveButton() const { return leaveBtn; }
    // What the step tells the pilot now: the instruction and any advice.
    QString statusText() const;
    // The radio check's stick being checked.
    RadioCheck::Stick checkedStick() const { return radio ? radio->stick() : RadioCheck::Aux; }
    // The record as the guide found it.
    const DeviceParameters &before() const { return found; }

signals:
    // A setting was written: the pages show the record again.
    void recordChanged();
    // The pilot asked for WriteFlash.
    void flashWriting();
    // Ctrl+Shift+K: the simulated unit's sticks, which the guide must not block.
    void sticksRequested();

public slots:
    void next();
    void back();
    void leave();

protected:
    // Escape and the window's close button leave, through the same guard.
    void reject() override;

private:
    QWidget *buildUnitStep();
    QWidget *buildReceiverStep();
    QWidget *buildRadioStep();
    QWidget *buildMountStep();
    QWidget *buildSwashStep();
    QWidget *buildServoStep();
    QWidget *buildDirectionStep();
    QWidget *buildTrimStep();
    QWidget *buildFailSafeStep();
    QWidget *buildSummaryStep();
    QWidget *valueGroup(const QString &instruction, const std::vector<int> &offsets);
    QWidget *pictureChoices(const QString &title, const std::vector<int> &codes, int offset,
                            const std::function<QString(int)> &pictureOf, QSize size);

    void showStep(Step step);
    void applyLinkMode();
    void updateButtons();
    void refreshUnit();
    void write(int offset, int value);
    void telemetryArrived();
    void receiverChosen(int index);
    void watchReceiver(const RadioCheck::Channels &sample);
    void startStick(RadioCheck::Stick stick);
    void feedRadio(const RadioCheck::Channels &sample);
    void showRadioRows();
    void servoTypeChosen(QComboBox *box, int offset, int index);
    void answerDirection(int servo, bool rose);
    void setFailSafe();
    void commandCompleted(quint8 code, bool confirmed);
    void showValues();
    void fillSummary();

    DeviceParameters &record;
    SerialProcessThread *link;
    UnitHistory &history;
    std::function<bool()> leaveGuard;
    DeviceParameters found;
    bool historyKept = false;
    // Leave was asked while a change was still on its way to the unit.
    bool leaveWaiting = false;
    Step current = UnitStep;

    QLabel *header;
    QStackedWidget *pages;
    QPushButton *backBtn;
    QPushButton *nextBtn;
    QPushButton *leaveBtn;

    QLabel *unitLabel = nullptr;

    QComboBox *receiverBox = nullptr;
    QLabel *receiverStatus = nullptr;
    bool receiverMoves = false;
    bool receiverFlat = false;
    int flatSamples = 0;
    std::optional<RadioCheck::Channels> receiverBaseline;

    std::unique_ptr<RadioCheck> radio;
    std::array<bool, RadioCheck::StickCount> sticksPassed{};
    std::array<QLabel *, RadioCheck::StickCount> stickRows{};
    std::array<QProgressBar *, RadioCheck::StickCount> channelBars{};
    QLabel *radioInstruction = nullptr;
    QLabel *radioAdvice = nullptr;
    QPushButton *retryBtn = nullptr;
    bool radioFailed = false;

    QCheckBox *hornsOff = nullptr;
    QComboBox *swashServoBox = nullptr;
    QComboBox *tailServoBox = nullptr;

    std::array<bool, 4> directionsConfirmed{};
    std::array<QLabel *, 4> directionRows{};

    // The trim and travel boxes with their record offsets.
    std::vector<std::pair<int, QSpinBox *>> valueBoxes;
    bool showingValues = false;

    QLabel *failSafeLabel = nullptr;
    QLabel *throttleLabel = nullptr;
    bool failSafeWaiting = false;
    bool failSafeSet = false;

    DifferenceList *summaryList = nullptr;
    QLabel *flashLabel = nullptr;
    QPushButton *flashBtn = nullptr;
    bool flashed = false;
};
