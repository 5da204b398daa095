#pragma once

#include "ParameterPage.h"

class QSpinBox;
class SerialProcessThread;
struct DeviceParameters;
class ValueRanges;

namespace Ui {
class AdvanceSettingPageUi;
}

// The Advanced page: the inner loop gains of roll, pitch and tail, the main
// rotor and tail stop rates, dead bands, tail compensation and the governor.
// Every edit goes straight into the link's record and asks the link for an
// upload; refreshFromParameters() copies the record back into the widgets.
class AdvanceSettingPage : public ParameterPage
{
    Q_OBJECT
public:
    AdvanceSettingPage(QWidget *parent, SerialProcessThread *link);
    ~AdvanceSettingPage() override;

    void refreshFromParameters();
    // The values this page lets the pilot set, from its own widgets.
    void describeValues(ValueRanges &ranges) const;

private slots:
    void rollGainPValueChanged(int value);
    void rollGainIValueChanged(int value);
    void rollGainDValueChanged(int value);
    void rollGainIntegrationValueChanged(int value);
    void pitchGainPValueChanged(int value);
    void pitchGainIValueChanged(int value);
    void pitchGainDValueChanged(int value);
    void pitchGainIntegrationValueChanged(int value);
    void mainRotorAccValueChanged(int value);
    void mainRotorDecValueChanged(int value);
    void mainRotorRcDeadBandValueChanged(int value);
    void mainRotorSensorDeadBandValueChanged(int value);
    void burstCoefValueChanged(int value);
    void tailGainPValueChanged(int value);
    void tailGainIValueChanged(int value);
    void tailGainDValueChanged(int value);
    void leftAccValueChanged(int value);
    void leftDecValueChanged(int value);
    void rightAccValueChanged(int value);
    void rightDecValueChanged(int value);
    void rudderRcDeadBandValueChanged(int value);
    void tailRotorSensorDeadBandValueChanged(int value);
    void cyclicCompensationTailValueChanged(int value);
    void collectiveCompensationTailValueChanged(int value);
    void rpmTotalGainValueChanged(int value);
    void rpmGainPValueChanged(int value);
    void rpmGainIValueChanged(int value);
    void rpmGainDValueChanged(int value);
    void collectiveCompensationRpmValueChanged(int value);
    void cyclicCompensationRpmSpinBoxValueChanged(int value);
    void rpmOffClicked();
    void rpmOnClicked();
    void rpmResetClicked();

private:
    struct SpinBinding;
    static const SpinBinding *spinBindings(int *count);

    void applyStyles();
    void hideAccelerationBoxes();
    void setRanges();
    void makeConnections();
    void enableForModel(quint8 model);
    void showGovernorState(qint8 state);
    void takeBackOnClick(qint8 state);

    Ui::AdvanceSettingPageUi *ui;
};
