#pragma once

#include "ParameterPage.h"
#include "SetupMonitorTab.h"
#include "SetupMountTab.h"
#include "SetupReceiverTab.h"
#include "SetupTravelTab.h"
#include "SetupTrimTab.h"
#include "SwashMixing.h"

#include <array>
#include <optional>
#include <utility>

class SerialProcessThread;
struct DeviceParameters;
class ValueRanges;

namespace Ui {
class ConfigureSettingPageUi;
}

// The Setup page: walks the user through installing the unit (transmitter
// notes, engine and receiver, channel monitor and fail safe, mounting, swash
// plate type, servo types and directions, trims and travel). Every edit
// stores one field of the link's record and asks the link for an upload; the
// page's tabs also decide the link's background request (telemetry on the
// Monitor tab) and whether the unit's control loops run (suspended on the
// Trim tab, so the servos stand at their trimmed neutral).
//
// The page builds the form, styles it, wires it to its slots and refreshes
// it; the work behind the slots lives in one helper per tab (SetupTab and
// the classes derived from it).
class ConfigureSettingPage : public ParameterPage
{
    Q_OBJECT
public:
    ConfigureSettingPage(QWidget *parent, SerialProcessThread *link);
    ~ConfigureSettingPage() override;

    void refreshFromParameters();
    // The values this page lets the pilot set, from its own widgets.
    void describeValues(ValueRanges &ranges) const;
    void setCurrentTab(int index);

    // The swash geometry and mixing state the arrow pad works with.
    const SwashMixing &swashMixing() const { return mixing; }

    // The range the Trim and Travel tabs allow for the field at a record
    // offset, so a guide offers the same; nothing for a field they lack.
    static std::optional<std::pair<int, int>> valueRange(int offset);

public slots:
    void mixerPushButtonClicked(bool value);
    void ccpm90PushButtonClicked(bool value);
    void ccpm120PushButtonClicked(bool value);
    void ccpm135PushButtonClicked(bool value);
    void ccpm140PushButtonClicked(bool value);
    void mount1PushButtonClicked(bool value);
    void mount2PushButtonClicked(bool value);
    void mount3PushButtonClicked(bool value);
    void mount4PushButtonClicked(bool value);
    void mount5PushButtonClicked(bool value);
    void mount6PushButtonClicked(bool value);
    void swashServoDirCh1Clicked(bool value);
    void swashServoDirCh2Clicked(bool value);
    void swashServoDirCh3Clicked(bool value);
    void tailServoDirClicked(bool value);
    void swashServoTuningCH1Changed(int value);
    void swashServoTuningCH2Changed(int value);
    void swashServoTuningCH3Changed(int value);
    void tailServoTrimChanged(int value);
    void collectiveUp2Clicked();
    void collectiveUp1Clicked();
    void collectiveDown2Clicked();
    void collectiveDown1Clicked();
    void cyclicUp2Clicked();
    void cyclicUp1Clicked();
    void cyclicRight2Clicked();
    void cyclicRight1Clicked();
    void cyclicLeft2Clicked();
    void cyclicLeft1Clicked();
    void cyclicDown2Clicked();
    void cyclicDown1Clicked();
    void servoTrimSetZeroClicked();
    void aileronLimitChanged(int value);
    void elevatorLimitChanged(int value);
    void collectiveCoefChanged(int value);
    void tailLimitAChanged(int value);
    void tailLimitBChanged(int value);
    void cyclicLimitChanged(int value);
    void engineTypeCurrentIndexChanged(int index);
    void receiverCurrentIndexChanged(int index);
    void auxFunctionCurrentIndexChanged(int index);
    void flightModeCurrentIndexChanged(int index);
    void swashServoCurrentIndexChanged(int index);
    void tailServoCurrentIndexChanged(int index);
    void tabIndexChanged(int index);
    void updateTelemetryInfo();
    void setFailProtect();

private:
    // The tabs' work, and the store routine they share with the page.
    friend class SetupTab;

    struct ValueRow;
    static const std::array<ValueRow, 10> &valueRows();

    void applyStyles();
    void setArrowIcons();
    void makeTypeButtonsExclusive();
    void loadPictures();
    void setRanges();
    void connectMonitor();
    void connectServoSettings();
    void connectTrimsAndTravel();
    void applyTabToLink();

    Ui::ConfigureSettingPageUi *ui;
    SwashMixing mixing;
    SetupReceiverTab receiverTab;
    SetupMonitorTab monitorTab;
    SetupMountTab mountTab;
    SetupTrimTab trimTab;
    SetupTravelTab travelTab;
};
