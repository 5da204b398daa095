#include "AdvanceSettingPage.h"

#include "ChangePreview.h"
#include "DeviceParameters.h"
#include "LinkFrame.h"
#include "PageStyle.h"
#include "Question.h"
#include "SerialProcessThread.h"
#include "ValueRanges.h"
#include "ui_AdvanceSettingPage.h"

#include <QRadioButton>

namespace {

constexpr quint8 ModelA1 = 11; // lacks the governor and the integral gains
constexpr quint8 ModelX1 = 10;

// governor_status: the page stores only off and calibrate; on comes from
// the unit once calibrated.
constexpr int GovernorOff = 0;
constexpr int GovernorCalibrate = 1;
constexpr int GovernorOn = 2;

// The governor's "Reset " values, the same as the Basic page's presets.
constexpr int ResetRpmTotalGain = 30;
constexpr int ResetRpmGainP = 20;
constexpr int ResetRpmGainI = 80;
constexpr int ResetRpmGainD = 20;
constexpr int ResetCollectiveCompensationRpm = 60;
constexpr int ResetCyclicCompensationRpm = 40;

constexpr int SpinMaximum = 125;

const char *const RadioStyle =
    "QRadioButton { spacing: 5px; color: black; }"
    "QRadioButton::indicator { width: 25px; height: 25px; }"
    "QRadioButton::indicator:unchecked { image: url(:/images/radiobutton/radio_unchecked.png); }"
    "QRadioButton::indicator:checked { image: url(:/images/radiobutton/radio_checked.png); }";

} // namespace

// One row per spin box, in the order of the page's slots and of the refresh:
// the widget, its record field, the bottom of its range (the top is always
// 125) and the slot that stores it.
struct AdvanceSettingPage::SpinBinding
{
    QSpinBox *Ui::AdvanceSettingPageUi::*box;
    qint8 DeviceParameters::*field;
    int minimum;
    void (AdvanceSettingPage::*slot)(int);
};

const AdvanceSettingPage::SpinBinding *AdvanceSettingPage::spinBindings(int *count)
{
    using P = AdvanceSettingPage;
    using U = Ui::AdvanceSettingPageUi;
    using D = DeviceParameters;
    static const SpinBinding table[] = {
        {&U::RollGainPSpinBox, &D::phi_k_rate, 10, &P::rollGainPValueChanged},
        {&U::RollGainISpinBox, &D::phi_k_angle, 10, &P::rollGainIValueChanged},
        {&U::RollGainDSpinBox, &D::phi_k_ac, 0, &P::rollGainDValueChanged},
        {&U::RollGainIntegrationSpinBox, &D::phi_ki, 0, &P::rollGainIntegrationValueChanged},
        {&U::PitchGainPSpinBox, &D::theta_k_rate, 10, &P::pitchGainPValueChanged},
        {&U::PitchGainISpinBox, &D::theta_k_angle, 10, &P::pitchGainIValueChanged},
        {&U::PitchGainDSpinBox, &D::theta_k_ac, 0, &P::pitchGainDValueChanged},
        {&U::PitchGainIntegrationSpinBox, &D::theta_ki, 0, &P::pitchGainIntegrationValueChanged},
        {&U::MainRotorAccSpinBox, &D::acc_mainrotor, 0, &P::mainRotorAccValueChanged},
        {&U::MainRotorDecSpinBox, &D::dec_mainrotor, 0, &P::mainRotorDecValueChanged},
        {&U::MainRotorRcDeadBandSpinBox, &D::deadband_rc_mainrotor, 0,
         &P::mainRotorRcDeadBandValueChanged},
        {&U::MainRotorSensorDeadBandSpinBox, &D::deadband_gyro_xy, 0,
         &P::mainRotorSensorDeadBandValueChanged},
        {&U::BurstCoefSpinBox, &D::burst_coef, 0, &P::burstCoefValueChanged},
        {&U::TailGainPSpinBox, &D::r_kp, 10, &P::tailGainPValueChanged},
        {&U::TailGainISpinBox, &D::r_ki, 10, &P::tailGainIValueChanged},
        {&U::TailGainDSpinBox, &D::r_kd, 0, &P::tailGainDValueChanged},
        {&U::LeftAccSpinBox, &D::acc_left, 0, &P::leftAccValueChanged},
        {&U::LeftDecSpinBox, &D::dec_left, 0, &P::leftDecValueChanged},
        {&U::RightAccSpinBox, &D::acc_right, 0, &P::rightAccValueChanged},
        {&U::RightDecSpinBox, &D::dec_right, 0, &P::rightDecValueChanged},
        {&U::RudderRcDeadBandSpinBox, &D::deadband_rc_rudder, 0, &P::rudderRcDeadBandValueChanged},
        {&U::TailRotorSensorDeadBandSpinBox, &D::deadband_gyro_z, 0,
         &P::tailRotorSensorDeadBandValueChanged},
        {&U::CyclicCompensationTailSpinBox, &D::tail_compensate_cyclic, -SpinMaximum,
         &P::cyclicCompensationTailValueChanged},
        {&U::CollectiveCompensationTailSpinBox, &D::tail_compensate_colle, -SpinMaximum,
         &P::collectiveCompensationTailValueChanged},
        {&U::RpmTotalGainSpinBox, &D::rpm_ktotal, 0, &P::rpmTotalGainValueChanged},
        {&U::RpmGainPSpinBox, &D::rpm_kp, 0, &P::rpmGainPValueChanged},
        {&U::RpmGainISpinBox, &D::rpm_ki, 0, &P::rpmGainIValueChanged},
        {&U::RpmGainDSpinBox, &D::rpm_kd, 0, &P::rpmGainDValueChanged},
        {&U::CollectiveCompensationRpmSpinBox, &D::rpm_compensate_colle, 0,
         &P::collectiveCompensationRpmValueChanged},
        {&U::CyclicCompensationRpmSpinBox, &D::rpm_compensate_cyclic, 0,
         &P::cyclicCompensationRpmSpinBoxValueChanged},
    };
    *count = int(sizeof(table) / sizeof(table[0]));
    return table;
}

AdvanceSettingPage::AdvanceSettingPage(QWidget *parent, SerialProcessThread *serialLink)
    : ParameterPage(parent, serialLink), ui(new Ui::AdvanceSettingPageUi)
{
    ui->setupUi(this);
    applyStyles();
    hideAccelerationBoxes();
    ui->RpmOffRadioButton->setStyleSheet(QLatin1String(RadioStyle));
    ui->RpmOnRadioButton->setStyleSheet(QLatin1String(RadioStyle));
    // Ranges before connections, so building the page stores and sends nothing.
    setRanges();
    makeConnections();
    updating = false;
}

AdvanceSettingPage::~AdvanceSettingPage()
{
    delete ui;
}

void AdvanceSettingPage::applyStyles()
{
    ui->tabWidget->setStyleSheet(PageStyle::tabWidget(PageStyle::Tabs::Overlapping));
    QGroupBox *const groups[] = {
        ui->RollGainGroupBox,          ui->PitchGainGroupBox,
        ui->MainRotorAccGroupBox,      ui->MainRotorDeadBandGroupBox,
        ui->BurstCoefGroupBox,         ui->TailGainGroupBox,
        ui->TailRotorAccGroupBox,      ui->TailRotorCompensationGroupBox,
        ui->TailRotorDeadBandGroupBox, ui->RpmGainGroupBox,
        ui->RpmCompensationGroupBox,   ui->RpmOnOffGroupBox,
    };
    const QString groupBoxStyle = PageStyle::groupBox(PageStyle::Titles::Square);
    for (QGroupBox *group : groups)
        group->setStyleSheet(groupBoxStyle);
}

// The acceleration rates stay in the record and in the refresh, but the
// pilot does not tune them.
void AdvanceSettingPage::hideAccelerationBoxes()
{
    QWidget *const hidden[] = {
        ui->MainRotorAccSpinBox, ui->MainRotorAccLabel, ui->LeftAccSpinBox,
        ui->LeftAccLabel,        ui->RightAccSpinBox,   ui->RightAccLabel,
    };
    for (QWidget *widget : hidden)
        widget->hide();
}

void AdvanceSettingPage::setRanges()
{
    int count = 0;
    const SpinBinding *bindings = spinBindings(&count);
    for (int i = 0; i < count; ++i) {
        QSpinBox *box = ui->*bindings[i].box;
        box->setRange(bindings[i].minimum, SpinMaximum);
        box->setSingleStep(1);
    }
}

void AdvanceSettingPage::makeConnections()
{
    int count = 0;
    const SpinBinding *bindings = spinBindings(&count);
    for (int i = 0; i < count; ++i)
        connect(ui->*bindings[i].box, &QSpinBox::valueChanged, this, bindings[i].slot);
    connect(ui->RpmOffRadioButton, &QRadioButton::clicked, this,
            &AdvanceSettingPage::rpmOffClicked);
    connect(ui->RpmOnRadioButton, &QRadioButton::clicked, this, &AdvanceSettingPage::rpmOnClicked);
    connect(ui->RpmResetPushButton, &QPushButton::clicked, this,
            &AdvanceSettingPage::rpmResetClicked);
}

void AdvanceSettingPage::rollGainPValueChanged(int value)
{
    storeField(parameters.phi_k_rate, value);
}

void AdvanceSettingPage::rollGainIValueChanged(int value)
{
    storeField(parameters.phi_k_angle, value);
}

void AdvanceSettingPage::rollGainDValueChanged(int value)
{
    storeField(parameters.phi_k_ac, value);
}

void AdvanceSettingPage::rollGainIntegrationValueChanged(int value)
{
    storeField(parameters.phi_ki, value);
}

void AdvanceSettingPage::pitchGainPValueChanged(int value)
{
    storeField(parameters.theta_k_rate, value);
}

void AdvanceSettingPage::pitchGainIValueChanged(int value)
{
    storeField(parameters.theta_k_angle, value);
}

void AdvanceSettingPage::pitchGainDValueChanged(int value)
{
    storeField(parameters.theta_k_ac, value);
}

void AdvanceSettingPage::pitchGainIntegrationValueChanged(int value)
{
    storeField(parameters.theta_ki, value);
}

void AdvanceSettingPage::mainRotorAccValueChanged(int value)
{
    storeField(parameters.acc_mainrotor, value);
}

void AdvanceSettingPage::mainRotorDecValueChanged(int value)
{
    storeField(parameters.dec_mainrotor, value);
}

void AdvanceSettingPage::mainRotorRcDeadBandValueChanged(int value)
{
    storeField(parameters.deadband_rc_mainrotor, value);
}

void AdvanceSettingPage::mainRotorSensorDeadBandValueChanged(int value)
{
    storeField(parameters.deadband_gyro_xy, value);
}

void AdvanceSettingPage::burstCoefValueChanged(int value)
{
    storeField(parameters.burst_coef, value);
}

void AdvanceSettingPage::tailGainPValueChanged(int value)
{
    storeField(parameters.r_kp, value);
}

void AdvanceSettingPage::tailGainIValueChanged(int value)
{
    storeField(parameters.r_ki, value);
}

void AdvanceSettingPage::tailGainDValueChanged(int value)
{
    storeField(parameters.r_kd, value);
}

void AdvanceSettingPage::leftAccValueChanged(int value)
{
    storeField(parameters.acc_left, value);
}

void AdvanceSettingPage::leftDecValueChanged(int value)
{
    storeField(parameters.dec_left, value);
}

void AdvanceSettingPage::rightAccValueChanged(int value)
{
    storeField(parameters.acc_right, value);
}

void AdvanceSettingPage::rightDecValueChanged(int value)
{
    storeField(parameters.dec_right, value);
}

void AdvanceSettingPage::rudderRcDeadBandValueChanged(int value)
{
    storeField(parameters.deadband_rc_rudder, value);
}

void AdvanceSettingPage::tailRotorSensorDeadBandValueChanged(int value)
{
    storeField(parameters.deadband_gyro_z, value);
}

void AdvanceSettingPage::cyclicCompensationTailValueChanged(int value)
{
    storeField(parameters.tail_compensate_cyclic, value);
}

void AdvanceSettingPage::collectiveCompensationTailValueChanged(int value)
{
    storeField(parameters.tail_compensate_colle, value);
}

void AdvanceSettingPage::rpmTotalGainValueChanged(int value)
{
    storeField(parameters.rpm_ktotal, value);
}

void AdvanceSettingPage::rpmGainPValueChanged(int value)
{
    storeField(parameters.rpm_kp, value);
}

void AdvanceSettingPage::rpmGainIValueChanged(int value)
{
    storeField(parameters.rpm_ki, value);
}

void AdvanceSettingPage::rpmGainDValueChanged(int value)
{
    storeField(parameters.rpm_kd, value);
}

void AdvanceSettingPage::collectiveCompensationRpmValueChanged(int value)
{
    storeField(parameters.rpm_compensate_colle, value);
}

void AdvanceSettingPage::cyclicCompensationRpmSpinBoxValueChanged(int value)
{
    storeField(parameters.rpm_compensate_cyclic, value);
}

void AdvanceSettingPage::rpmOffClicked()
{
    // Once the governor is off, "on" means calibrating again.
    ui->RpmOnRadioButton->setText(tr("Calibrate RPM"));
    storeField(parameters.governor_status, 0);
}

// The "On" button means "calibrate" unless the governor already runs: then
// it changes nothing. Calibration is explained and confirmed before it is
// stored, since the unit acts on it the next time the motor runs up.
void AdvanceSettingPage::rpmOnClicked()
{
    const qint8 state = parameters.governor_status;
    if (updating || state == GovernorOn || state == GovernorCalibrate)
        return;
    const int answer = Question::ask(
        this, tr("Calibrate RPM"),
        tr("Calibration makes the unit learn the engine's speed signal: the next time the motor "
           "runs up to full throttle, the unit takes that rotor speed as the speed the governor "
           "holds. Hold the helicopter down and keep clear of the rotor while it runs.\n\n"
           "Calibrate the governor now?"),
        {tr("Calibrate"), tr("Cancel")});
    if (answer != 0) {
        takeBackOnClick(state);
        return;
    }
    storeField(parameters.governor_status, GovernorCalibrate);
}

// Each box that actually changes stores its own field and asks for its own
// upload; boxes already at their value stay silent.
// The six governor values are shown first and then sent in one upload,
// not one upload per spin box.
void AdvanceSettingPage::rpmResetClicked()
{
    DeviceParameters candidate = parameters;
    candidate.rpm_ktotal = ResetRpmTotalGain;
    candidate.rpm_kp = ResetRpmGainP;
    candidate.rpm_ki = ResetRpmGainI;
    candidate.rpm_kd = ResetRpmGainD;
    candidate.rpm_compensate_colle = ResetCollectiveCompensationRpm;
    candidate.rpm_compensate_cyclic = ResetCyclicCompensationRpm;
    if (!ChangePreview::confirm(window(), ui->RpmResetPushButton->text().trimmed(), parameters,
                                candidate))
        return;
    link->setSubframeHead(DLU_WRITE_SFID_PARAM_1);
    refreshFromParameters();
}

void AdvanceSettingPage::refreshFromParameters()
{
    enableForModel(link->deviceModel());
    updating = true;
    int count = 0;
    const SpinBinding *bindings = spinBindings(&count);
    const DeviceParameters &record = parameters;
    // Out-of-range bytes show clamped; the record keeps them until an edit.
    for (int i = 0; i < count; ++i)
        (ui->*bindings[i].box)->setValue(record.*bindings[i].field);
    showGovernorState(record.governor_status);
    updating = false;
}

// The VRN-A1 has no governor and no integral gains; before any unit has
// answered (model 0) the controls keep whatever state they had.
void AdvanceSettingPage::enableForModel(quint8 model)
{
    if (model != ModelA1 && model != ModelX1)
        return;
    const bool enabled = model == ModelX1;
    QWidget *const controls[] = {
        ui->RpmTotalGainSpinBox,
        ui->RpmGainPSpinBox,
        ui->RpmGainISpinBox,
        ui->RpmGainDSpinBox,
        ui->CollectiveCompensationRpmSpinBox,
        ui->CyclicCompensationRpmSpinBox,
        ui->RpmOffRadioButton,
        ui->RpmOnRadioButton,
        ui->RpmResetPushButton,
        ui->RollGainIntegrationSpinBox,
        ui->PitchGainIntegrationSpinBox,
    };
    for (QWidget *control : controls)
        control->setEnabled(enabled);
}

// Checking a button from code emits no clicked(), so this never stores.
void AdvanceSettingPage::showGovernorState(qint8 state)
{
    switch (state) {
    case GovernorOff:
        ui->RpmOffRadioButton->setChecked(true);
        break;
    case GovernorCalibrate:
        ui->RpmOnRadioButton->setChecked(true);
        ui->RpmOnRadioButton->setText(tr("Calibrate RPM"));
        break;
    case GovernorOn:
        ui->RpmOnRadioButton->setChecked(true);
        ui->RpmOnRadioButton->setText(tr("Governor On"));
        break;
    default:
        break;
    }
}

// The "On" click the pilot took back: the buttons show the state again, and
// for a state neither stands for, neither is checked.
void AdvanceSettingPage::takeBackOnClick(qint8 state)
{
    if (state == GovernorOff) {
        showGovernorState(state);
        return;
    }
    for (QRadioButton *button : {ui->RpmOffRadioButton, ui->RpmOnRadioButton}) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

void AdvanceSettingPage::describeValues(ValueRanges &ranges) const
{
    int count = 0;
    const SpinBinding *bindings = spinBindings(&count);
    for (int i = 0; i < count; ++i)
        ranges.allowRange(bindings[i].field, (ui->*bindings[i].box)->minimum(),
                          (ui->*bindings[i].box)->maximum());
    ranges.allowRange(&DeviceParameters::governor_status, GovernorOff, GovernorOn);
}
