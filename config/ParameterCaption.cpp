#include "ParameterCaption.h"

#include "ConfigKey.h"
#include "DeviceParameters.h"

#include <QCoreApplication>

#include <array>
#include <cstddef>

namespace {

using F = ParameterCaption::Format;
using P = ParameterCaption::Page;

// The translation contexts of the forms whose texts are reused here, so a
// tab or a list entry reads exactly as on its page in every language.
constexpr const char *SetupForm = "ConfigureSettingPageUi";
constexpr const char *AdvancedForm = "AdvanceSettingPageUi";
constexpr const char *BasicForm = "MainSettingPageUi";

const char *const BasicMainRotor = QT_TRANSLATE_NOOP("MainSettingPageUi", "Main Rotor");
const char *const BasicTail = QT_TRANSLATE_NOOP("MainSettingPageUi", "Tail");
const char *const BasicTrim = QT_TRANSLATE_NOOP("MainSettingPageUi", "Level Attitude Trim");
const char *const SetupStart = QT_TRANSLATE_NOOP("ConfigureSettingPageUi", " Start ");
const char *const SetupReceiver = QT_TRANSLATE_NOOP("ConfigureSettingPageUi", " Receiver ");
const char *const SetupMount = QT_TRANSLATE_NOOP("ConfigureSettingPageUi", " Mount ");
const char *const SetupSwash = QT_TRANSLATE_NOOP("ConfigureSettingPageUi", " SwashPlate ");
const char *const SetupServo = QT_TRANSLATE_NOOP("ConfigureSettingPageUi", " Servo ");
const char *const SetupTrim = QT_TRANSLATE_NOOP("ConfigureSettingPageUi", " Trim ");
const char *const SetupTravel = QT_TRANSLATE_NOOP("ConfigureSettingPageUi", " Travel ");
const char *const AdvancedMainRotor = QT_TRANSLATE_NOOP("AdvanceSettingPageUi", " Main Rotor ");
const char *const AdvancedTail = QT_TRANSLATE_NOOP("AdvanceSettingPageUi", " Tail ");
const char *const AdvancedGovernor = QT_TRANSLATE_NOOP("AdvanceSettingPageUi", " Governor ");

#define VRN_CAPTION(field, page, tab, caption, format)                                             \
    ParameterCaption                                                                               \
    {                                                                                              \
        int(offsetof(DeviceParameters, field)), page, tab, caption, format                         \
    }

struct Name
{
    const char *context;
    const char *text;
};

const Name ReceiverNames[] = {
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Conventional receiver")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Futaba SBUS")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "DSM2-1")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "DSM2-2")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "DSM2-3")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "DSM2-4")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "DSMJ")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "DSMX-1")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "DSMX-2")},
};

// By model_type code, from 1 on.
const Name SwashNames[] = {
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Mechanical Mixer")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "120CCPM")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "135CCPM")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "140CCPM")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "90CCPM")},
};

constexpr std::array<int, 6> MountingCodes = {1, 21, 11, 17, 4, 2};
const Name MountingNames[] = {
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Mounting 1.")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Mounting 2.")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Mounting 3.")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Mounting 4.")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Mounting 5.")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Mounting 6.")},
};

// Servo types by code, from 1 on; the swash plate offers the first three.
const Name ServoNames[] = {
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Analog Servo 1520us")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Digital Servo 1520us(250Hz)")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Digital Servo 1520us(333Hz)")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Digital Servo 760us")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Digital Servo 960us")},
};

const Name EngineNames[] = {
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Electric")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "FUEL")},
};

const Name AuxNames[] = {
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Switch Tail Gain")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Switch Flight Mode")},
};

// By pcset_mode code, from 1 on.
const Name FlightModeNames[] = {
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Aerobatics Mode")},
    {SetupForm, QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Attitude Mode")},
};

const Name GovernorNames[] = {
    {AdvancedForm, QT_TRANSLATE_NOOP("AdvanceSettingPageUi", "Governor Off")},
    {"AdvanceSettingPage", QT_TRANSLATE_NOOP("AdvanceSettingPage", "Calibrate RPM")},
    {"AdvanceSettingPage", QT_TRANSLATE_NOOP("AdvanceSettingPage", "Governor On")},
};

const Name DirectionNames[] = {
    {"ParameterCaption", QT_TRANSLATE_NOOP("ParameterCaption", "Normal")},
    {"ParameterCaption", QT_TRANSLATE_NOOP("ParameterCaption", "Reversed")},
};

template <std::size_t N>
QString nameAt(const Name (&names)[N], int index, int value)
{
    if (index < 0 || index >= int(N))
        return QString::number(value);
    return QCoreApplication::translate(names[index].context, names[index].text);
}

const char *formContext(P page)
{
    switch (page) {
    case P::Basic:
        return BasicForm;
    case P::Setup:
        return SetupForm;
    case P::Advanced:
        return AdvancedForm;
    }
    return BasicForm;
}

} // namespace

const QVector<ParameterCaption> &ParameterCaption::all()
{
    static const QVector<ParameterCaption> rows = {
        VRN_CAPTION(roll_agility, P::Basic, BasicMainRotor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Roll Agility"), F::Number),
        VRN_CAPTION(phi_ktotal, P::Basic, BasicMainRotor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Roll Total Gain"), F::Number),
        VRN_CAPTION(pitch_agility, P::Basic, BasicMainRotor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Pitch Agility"), F::Number),
        VRN_CAPTION(theta_ktotal, P::Basic, BasicMainRotor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Pitch Total Gain"), F::Number),
        VRN_CAPTION(left_spin, P::Basic, BasicTail,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Left Rate"), F::Number),
        VRN_CAPTION(right_spin, P::Basic, BasicTail,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Right Rate"), F::Number),
        VRN_CAPTION(r_ktotal, P::Basic, BasicTail,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Tail Total Gain"), F::Number),
        VRN_CAPTION(flight_trim_phi, P::Basic, BasicTrim,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Roll Target"), F::Degrees),
        VRN_CAPTION(flight_trim_theta, P::Basic, BasicTrim,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Pitch Target"), F::Degrees),

        VRN_CAPTION(motor_type, P::Setup, SetupStart,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Engine Type"), F::EngineType),
        VRN_CAPTION(receiver_type, P::Setup, SetupReceiver,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Receiver Type"), F::Receiver),
        VRN_CAPTION(aux_function, P::Setup, SetupReceiver,
                    QT_TRANSLATE_NOOP("ParameterCaption", "AUX Channel Function"), F::AuxFunction),
        VRN_CAPTION(pcset_mode, P::Setup, SetupReceiver,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Flight Mode"), F::FlightMode),
        VRN_CAPTION(installation, P::Setup, SetupMount,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Mounting"), F::Mounting),
        VRN_CAPTION(model_type, P::Setup, SetupSwash,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Swash Plate Type"), F::SwashType),
        VRN_CAPTION(swash_servotype, P::Setup, SetupServo,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Swash Servo Type"), F::SwashServoType),
        VRN_CAPTION(servo_rev_0, P::Setup, SetupServo,
                    QT_TRANSLATE_NOOP("ParameterCaption", "CH1 Servo Direction"), F::Direction),
        VRN_CAPTION(servo_rev_1, P::Setup, SetupServo,
                    QT_TRANSLATE_NOOP("ParameterCaption", "CH2 Servo Direction"), F::Direction),
        VRN_CAPTION(servo_rev_2, P::Setup, SetupServo,
                    QT_TRANSLATE_NOOP("ParameterCaption", "CH3 Servo Direction"), F::Direction),
        VRN_CAPTION(tail_servotype, P::Setup, SetupServo,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Tail Servo Type"), F::TailServoType),
        VRN_CAPTION(servo_rev_3, P::Setup, SetupServo,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Tail Servo Direction"), F::Direction),
        VRN_CAPTION(servo_trim_0, P::Setup, SetupTrim,
                    QT_TRANSLATE_NOOP("ParameterCaption", "CH1 Servo Trim"), F::Number),
        VRN_CAPTION(servo_trim_1, P::Setup, SetupTrim,
                    QT_TRANSLATE_NOOP("ParameterCaption", "CH2 Servo Trim"), F::Number),
        VRN_CAPTION(servo_trim_2, P::Setup, SetupTrim,
                    QT_TRANSLATE_NOOP("ParameterCaption", "CH3 Servo Trim"), F::Number),
        VRN_CAPTION(servo_trim_3, P::Setup, SetupTrim,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Tail Servo Trim"), F::Number),
        VRN_CAPTION(tail_limit_a, P::Setup, SetupTravel,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Tail Limit A"), F::Number),
        VRN_CAPTION(tail_limit_b, P::Setup, SetupTravel,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Tail Limit B"), F::Number),
        VRN_CAPTION(ail_limit, P::Setup, SetupTravel,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Aileron Travel"), F::Number),
        VRN_CAPTION(ele_limit, P::Setup, SetupTravel,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Elevator Travel"), F::Number),
        VRN_CAPTION(coll_ratio, P::Setup, SetupTravel,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Collective Travel"), F::Number),
        VRN_CAPTION(cyclic_limit, P::Setup, SetupTravel,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Cyclic Limit"), F::Number),

        VRN_CAPTION(phi_k_rate, P::Advanced, AdvancedMainRotor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Roll Gain P"), F::Number),
        VRN_CAPTION(phi_k_angle, P::Advanced, AdvancedMainRotor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Roll Gain I"), F::Number),
        VRN_CAPTION(phi_k_ac, P::Advanced, AdvancedMainRotor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Roll Gain D"), F::Number),
        VRN_CAPTION(phi_ki, P::Advanced, AdvancedMainRotor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Roll Integral Gain"), F::Number),
        VRN_CAPTION(theta_k_rate, P::Advanced, AdvancedMainRotor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Pitch Gain P"), F::Number),
        VRN_CAPTION(theta_k_angle, P::Advanced, AdvancedMainRotor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Pitch Gain I"), F::Number),
        VRN_CAPTION(theta_k_ac, P::Advanced, AdvancedMainRotor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Pitch Gain D"), F::Number),
        VRN_CAPTION(theta_ki, P::Advanced, AdvancedMainRotor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Pitch Integral Gain"), F::Number),
        VRN_CAPTION(acc_mainrotor, P::Advanced, AdvancedMainRotor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Acceleration"), F::Number),
        VRN_CAPTION(dec_mainrotor, P::Advanced, AdvancedMainRotor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Deceleration"), F::Number),
        VRN_CAPTION(deadband_rc_mainrotor, P::Advanced, AdvancedMainRotor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Stick Dead Band"), F::Number),
        VRN_CAPTION(deadband_gyro_xy, P::Advanced, AdvancedMainRotor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Sensor Dead Band"), F::Number),
        VRN_CAPTION(burst_coef, P::Advanced, AdvancedMainRotor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Burst Coef."), F::Number),
        VRN_CAPTION(r_kp, P::Advanced, AdvancedTail,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Tail Gain P"), F::Number),
        VRN_CAPTION(r_ki, P::Advanced, AdvancedTail,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Tail Gain I"), F::Number),
        VRN_CAPTION(r_kd, P::Advanced, AdvancedTail,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Tail Gain D"), F::Number),
        VRN_CAPTION(acc_left, P::Advanced, AdvancedTail,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Left Acceleration"), F::Number),
        VRN_CAPTION(dec_left, P::Advanced, AdvancedTail,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Left Deceleration"), F::Number),
        VRN_CAPTION(acc_right, P::Advanced, AdvancedTail,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Right Acceleration"), F::Number),
        VRN_CAPTION(dec_right, P::Advanced, AdvancedTail,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Right Deceleration"), F::Number),
        VRN_CAPTION(deadband_rc_rudder, P::Advanced, AdvancedTail,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Stick Dead Band"), F::Number),
        VRN_CAPTION(deadband_gyro_z, P::Advanced, AdvancedTail,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Sensor Dead Band"), F::Number),
        VRN_CAPTION(tail_compensate_cyclic, P::Advanced, AdvancedTail,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Cyclic to Tail Comp."), F::Number),
        VRN_CAPTION(tail_compensate_colle, P::Advanced, AdvancedTail,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Collective to Tail Comp."), F::Number),
        VRN_CAPTION(rpm_ktotal, P::Advanced, AdvancedGovernor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Governor Total Gain"), F::Number),
        VRN_CAPTION(rpm_kp, P::Advanced, AdvancedGovernor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Governor Gain P"), F::Number),
        VRN_CAPTION(rpm_ki, P::Advanced, AdvancedGovernor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Governor Gain I"), F::Number),
        VRN_CAPTION(rpm_kd, P::Advanced, AdvancedGovernor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Governor Gain D"), F::Number),
        VRN_CAPTION(rpm_compensate_colle, P::Advanced, AdvancedGovernor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Collective Comp."), F::Number),
        VRN_CAPTION(rpm_compensate_cyclic, P::Advanced, AdvancedGovernor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Cyclic Comp."), F::Number),
        VRN_CAPTION(governor_status, P::Advanced, AdvancedGovernor,
                    QT_TRANSLATE_NOOP("ParameterCaption", "Governor"), F::Governor),
    };
    return rows;
}

const ParameterCaption *ParameterCaption::forOffset(int offset)
{
    for (const ParameterCaption &row : all()) {
        if (row.offset == offset)
            return &row;
    }
    return nullptr;
}

QString ParameterCaption::pageName() const
{
    switch (page) {
    case Page::Basic:
        return QCoreApplication::translate("contentWidget", "Basic");
    case Page::Setup:
        return QCoreApplication::translate("contentWidget", "Setup");
    case Page::Advanced:
        return QCoreApplication::translate("contentWidget", "Advanced");
    }
    return QString();
}

QString ParameterCaption::tabName() const
{
    // The forms pad their tab titles with spaces.
    return QCoreApplication::translate(formContext(page), tab).trimmed();
}

QString ParameterCaption::text() const
{
    return QCoreApplication::translate("ParameterCaption", caption);
}

QString ParameterCaption::fullCaption() const
{
    return QStringLiteral("%1 · %2 · %3").arg(pageName(), tabName(), text());
}

QString ParameterCaption::valueText(int value) const
{
    switch (format) {
    case Format::Number:
        break;
    case Format::Degrees:
        return QStringLiteral("%1°").arg(value / 10.0, 0, 'f', 1);
    case Format::Direction:
        return nameAt(DirectionNames, value == 1 ? 0 : 1, value);
    case Format::Receiver:
        return nameAt(ReceiverNames, receiverListIndex(value), value);
    case Format::SwashType:
        return nameAt(SwashNames, value - 1, value);
    case Format::Mounting: {
        int index = -1;
        for (int i = 0; i < int(MountingCodes.size()); ++i) {
            if (MountingCodes[i] == value)
                index = i;
        }
        return nameAt(MountingNames, index, value);
    }
    case Format::SwashServoType:
        return value >= 1 && value <= 3 ? nameAt(ServoNames, value - 1, value)
                                        : QString::number(value);
    case Format::TailServoType:
        return nameAt(ServoNames, value - 1, value);
    case Format::EngineType:
        return nameAt(EngineNames, value, value);
    case Format::AuxFunction:
        return nameAt(AuxNames, value, value);
    case Format::FlightMode:
        return nameAt(FlightModeNames, value - 1, value);
    case Format::Governor:
        return nameAt(GovernorNames, value, value);
    }
    return QString::number(value);
}

QVector<const ParameterCaption *> ParameterCaption::differences(const DeviceParameters &now,
                                                                const DeviceParameters &after)
{
    QVector<const ParameterCaption *> rows;
    for (const ParameterCaption &row : all()) {
        if (now.byteAt(row.offset) != after.byteAt(row.offset))
            rows.append(&row);
    }
    return rows;
}

int ParameterCaption::receiverListIndex(int code)
{
    return code == 5 ? 6 : code == 6 ? 5 : code;
}

const int *ParameterCaption::mountingCodes(int *count)
{
    *count = int(MountingCodes.size());
    return MountingCodes.data();
}
