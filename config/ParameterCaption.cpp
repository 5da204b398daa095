#include "ParameterCaption.h"

#include "ConfigKey.h"
#include "DeviceParameters.h"
#include "UnitModel.h"

#include <QCoreApplication>

#include <algorithm>
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

template <std::size_t N> QString nameAt(const Name (&names)[N], int index, int value)
{
    if (index < 0 || index >= int(N))
        return QString::number(value);
    return QCoreApplication::translate(names[index].context, names[index].text);
}

// "Roll" and "Total Gain" as one caption; Chinese writes them without a space.
QString joined(const QString &first, const QString &second)
{
    //: a row or tab title followed by a field's label: "Roll Total Gain"
    return QCoreApplication::translate("ParameterCaption", "%1 %2").arg(first, second);
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
    using T = ParameterCaption::FormText;
    using U = ParameterCaption::Use;
    constexpr T None{};
    const auto row = [](int at, P onPage, const char *inTab, T title, T caption,
                        U usedBy = U::Both) {
        return ParameterCaption{at, onPage, inTab, title, caption, usedBy};
    };
#define VRN_AT(field) int(offsetof(DeviceParameters, field))
    // Captions are the texts of the forms' own labels, found by their object
    // names; a prefix (a row or group title) is added where a label alone
    // would be ambiguous within its tab.
    static const QVector<ParameterCaption> rows = {
        row(VRN_AT(roll_agility), P::Basic, BasicMainRotor, T{"label_138", "Roll"},
            T{"label", "Agility"}),
        row(VRN_AT(phi_ktotal), P::Basic, BasicMainRotor, T{"label_138", "Roll"},
            T{"label_2", "Total Gain"}),
        row(VRN_AT(pitch_agility), P::Basic, BasicMainRotor, T{"label_139", "Pitch"},
            T{"label", "Agility"}),
        row(VRN_AT(theta_ktotal), P::Basic, BasicMainRotor, T{"label_139", "Pitch"},
            T{"label_2", "Total Gain"}),
        row(VRN_AT(left_spin), P::Basic, BasicTail, None, T{"label_3", "Left Rate"}),
        row(VRN_AT(right_spin), P::Basic, BasicTail, None, T{"label_4", "Right Rate"}),
        row(VRN_AT(r_ktotal), P::Basic, BasicTail, None, T{"label_5", "Total Gain"}),
        row(VRN_AT(flight_trim_phi), P::Basic, BasicTrim, None, T{"label_71", "Roll Target"},
            U::X1Only),
        row(VRN_AT(flight_trim_theta), P::Basic, BasicTrim, None, T{"label_72", "Pitch Target"},
            U::X1Only),

        row(VRN_AT(motor_type), P::Setup, SetupStart, None, T{"EngineTypeGroupBox", "Engine Type"}),
        row(VRN_AT(receiver_type), P::Setup, SetupReceiver, None,
            T{"ReceiverGroupBox", "Select Receiver Type"}),
        row(VRN_AT(aux_function), P::Setup, SetupReceiver, None,
            T{"AuxFunctionGroupBox", "AUX Channel Function"}, U::X1Only),
        row(VRN_AT(pcset_mode), P::Setup, SetupReceiver, None,
            T{"FlightModeGroupBox", "Flight Mode Setting"}, U::X1Only),
        row(VRN_AT(installation), P::Setup, SetupMount, None, None),
        row(VRN_AT(model_type), P::Setup, SetupSwash, None, None),
        row(VRN_AT(swash_servotype), P::Setup, SetupServo, None,
            T{"label_14", "SwashPlate Servo Type"}),
        row(VRN_AT(servo_rev_0), P::Setup, SetupServo, None,
            T{"SwashServoDirCH1", "CH1 Servo Dir Rev."}),
        row(VRN_AT(servo_rev_1), P::Setup, SetupServo, None,
            T{"SwashServoDirCH2", "CH2 Servo Dir Rev."}),
        row(VRN_AT(servo_rev_2), P::Setup, SetupServo, None,
            T{"SwashServoDirCH3", "CH3 Servo Dir Rev."}),
        row(VRN_AT(tail_servotype), P::Setup, SetupServo, None, T{"label_15", "Tail Servo Type"}),
        row(VRN_AT(servo_rev_3), P::Setup, SetupServo, None,
            T{"TailServoDir", "Tail Servo Dir Rev."}),
        row(VRN_AT(servo_trim_0), P::Setup, SetupTrim,
            T{"SwashServoTrimGroup", "SwashPlate Servo Trim"}, T{"label_18", "CH1"}),
        row(VRN_AT(servo_trim_1), P::Setup, SetupTrim,
            T{"SwashServoTrimGroup", "SwashPlate Servo Trim"}, T{"label_19", "CH2"}),
        row(VRN_AT(servo_trim_2), P::Setup, SetupTrim,
            T{"SwashServoTrimGroup", "SwashPlate Servo Trim"}, T{"label_20", "CH3"}),
        row(VRN_AT(servo_trim_3), P::Setup, SetupTrim, None,
            T{"TailServoTrimGroup", "Tail Servo Trim"}),
        row(VRN_AT(tail_limit_a), P::Setup, SetupTravel, T{"TailLimitGroup", "Tail Setting"},
            T{"label_24", "Limit A"}),
        row(VRN_AT(tail_limit_b), P::Setup, SetupTravel, T{"TailLimitGroup", "Tail Setting"},
            T{"label_25", "Limit B"}),
        row(VRN_AT(ail_limit), P::Setup, SetupTravel, None, T{"label_44", "Ail. Travel"}),
        row(VRN_AT(ele_limit), P::Setup, SetupTravel, None, T{"label_45", "Elev. Travel"}),
        row(VRN_AT(coll_ratio), P::Setup, SetupTravel,
            T{"MainRotorLimitGroup", "SwashPlate Setting"}, T{"label_46", "Collective"}),
        row(VRN_AT(cyclic_limit), P::Setup, SetupTravel, None, T{"label_54", "Cyclic Limit"},
            U::Hidden),

        row(VRN_AT(phi_k_rate), P::Advanced, AdvancedMainRotor,
            T{"RollGainGroupBox", "Roll Gain Setting"}, T{"RollGainPLabel", "Gain P"}),
        row(VRN_AT(phi_k_angle), P::Advanced, AdvancedMainRotor,
            T{"RollGainGroupBox", "Roll Gain Setting"}, T{"RollGainILabel", "Gain I"}),
        row(VRN_AT(phi_k_ac), P::Advanced, AdvancedMainRotor,
            T{"RollGainGroupBox", "Roll Gain Setting"}, T{"RollGainDLabel", "Gain D"}),
        row(VRN_AT(phi_ki), P::Advanced, AdvancedMainRotor,
            T{"RollGainGroupBox", "Roll Gain Setting"},
            T{"RollGainIntegrationLabel", "Integral Gain"}, U::X1Only),
        row(VRN_AT(theta_k_rate), P::Advanced, AdvancedMainRotor,
            T{"PitchGainGroupBox", "Pitch Gain Setting"}, T{"PitchGainPLabel", "Gain P"}),
        row(VRN_AT(theta_k_angle), P::Advanced, AdvancedMainRotor,
            T{"PitchGainGroupBox", "Pitch Gain Setting"}, T{"PitchGainILabel", "Gain I"}),
        row(VRN_AT(theta_k_ac), P::Advanced, AdvancedMainRotor,
            T{"PitchGainGroupBox", "Pitch Gain Setting"}, T{"PitchGainDLabel", "Gain D"}),
        row(VRN_AT(theta_ki), P::Advanced, AdvancedMainRotor,
            T{"PitchGainGroupBox", "Pitch Gain Setting"},
            T{"PitchGainIntegrationLabel", "Integral Gain"}, U::X1Only),
        row(VRN_AT(acc_mainrotor), P::Advanced, AdvancedMainRotor, None,
            T{"MainRotorAccLabel", "Acceleration"}, U::Hidden),
        row(VRN_AT(dec_mainrotor), P::Advanced, AdvancedMainRotor, None,
            T{"MainRotorDecLabel", "Deceleration"}),
        row(VRN_AT(deadband_rc_mainrotor), P::Advanced, AdvancedMainRotor, None,
            T{"MainRotorRcDeadBandLabel", "RC. DB."}),
        row(VRN_AT(deadband_gyro_xy), P::Advanced, AdvancedMainRotor, None,
            T{"MainRotorSensorDeadBandLabel", "Sensor DB."}),
        row(VRN_AT(burst_coef), P::Advanced, AdvancedMainRotor, None,
            T{"BurstCoefLabel", "Burst Coef."}),
        row(VRN_AT(r_kp), P::Advanced, AdvancedTail, None, T{"TailGainPLabel", "Gain P"}),
        row(VRN_AT(r_ki), P::Advanced, AdvancedTail, None, T{"TailGainILabel", "Gain I"}),
        row(VRN_AT(r_kd), P::Advanced, AdvancedTail, None, T{"TailGainDLabel", "Gain D"}),
        row(VRN_AT(acc_left), P::Advanced, AdvancedTail, None, T{"LeftAccLabel", "Left Acc."},
            U::Hidden),
        row(VRN_AT(dec_left), P::Advanced, AdvancedTail, None, T{"LeftDecLabel", "Left Dec."}),
        row(VRN_AT(acc_right), P::Advanced, AdvancedTail, None, T{"RightAccLabel", "Right Acc."},
            U::Hidden),
        row(VRN_AT(dec_right), P::Advanced, AdvancedTail, None, T{"RightDecLabel", "Right Dec."}),
        row(VRN_AT(deadband_rc_rudder), P::Advanced, AdvancedTail, None,
            T{"RudderRcDeadBandLabel", "RC.DB."}),
        row(VRN_AT(deadband_gyro_z), P::Advanced, AdvancedTail, None,
            T{"TailRotorSensorDeadBandLabel", "Sensor DB."}),
        row(VRN_AT(tail_compensate_cyclic), P::Advanced, AdvancedTail, None,
            T{"CyclicCompensationTailLabel", "Cyclic to\nTail Comp."}),
        row(VRN_AT(tail_compensate_colle), P::Advanced, AdvancedTail, None,
            T{"CollectiveCompensationTailLabel", "Collective to\nTail Comp."}),
        row(VRN_AT(rpm_ktotal), P::Advanced, AdvancedGovernor, None,
            T{"RpmTotalGainLabel", "Total Gain"}, U::X1Only),
        row(VRN_AT(rpm_kp), P::Advanced, AdvancedGovernor, None, T{"RpmGainPLabel", "Gain P"},
            U::X1Only),
        row(VRN_AT(rpm_ki), P::Advanced, AdvancedGovernor, None,
            T{"RpmGainILabel", "Gain I", "governor: integral term"}, U::X1Only),
        row(VRN_AT(rpm_kd), P::Advanced, AdvancedGovernor, None, T{"RpmGainDLabel", "Gain D"},
            U::X1Only),
        row(VRN_AT(rpm_compensate_colle), P::Advanced, AdvancedGovernor, None,
            T{"CollectiveCompensationRpmLabel", "Collective Comp."}, U::X1Only),
        row(VRN_AT(rpm_compensate_cyclic), P::Advanced, AdvancedGovernor, None,
            T{"CyclicCompensationRpmLabel", "Cyclic Comp."}, U::X1Only),
        row(VRN_AT(governor_status), P::Advanced, AdvancedGovernor, None,
            T{"RpmOnOffGroupBox", "Governor On/Off"}, U::X1Only),
    };
#undef VRN_AT
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

QString ParameterCaption::formText(const FormText &part) const
{
    // Multi-line labels read as one line in a list.
    return QCoreApplication::translate(formContext(page), part.text, part.comment).simplified();
}

QString ParameterCaption::text() const
{
    if (!label.text)
        return tabName();
    if (!prefix.text)
        return formText(label);
    return joined(formText(prefix), formText(label));
}

QString ParameterCaption::shortCaption() const
{
    const QString own = text();
    const auto same = std::count_if(all().begin(), all().end(),
                                    [&](const ParameterCaption &row) { return row.text() == own; });
    return same > 1 ? joined(tabName(), own) : own;
}

bool ParameterCaption::usedBy(quint8 model) const
{
    switch (use) {
    case Use::Both:
        return true;
    case Use::X1Only:
        return model != UnitModel::A1;
    case Use::Hidden:
        return false;
    }
    return true;
}

QString ParameterCaption::fullCaption() const
{
    // A field the tab stands for as a whole is named by the tab alone.
    if (!label.text)
        return QStringLiteral("%1 · %2").arg(pageName(), tabName());
    return QStringLiteral("%1 · %2 · %3").arg(pageName(), tabName(), text());
}

ParameterCaption::Format ParameterCaption::format() const
{
    struct Named
    {
        int offset;
        Format format;
    };
#define VRN_AS(field, format)                                                                      \
    Named                                                                                          \
    {                                                                                              \
        int(offsetof(DeviceParameters, field)), format                                             \
    }
    static const Named named[] = {
        VRN_AS(flight_trim_phi, F::Degrees),      VRN_AS(flight_trim_theta, F::Degrees),
        VRN_AS(servo_rev_0, F::Direction),        VRN_AS(servo_rev_1, F::Direction),
        VRN_AS(servo_rev_2, F::Direction),        VRN_AS(servo_rev_3, F::Direction),
        VRN_AS(receiver_type, F::Receiver),       VRN_AS(model_type, F::SwashType),
        VRN_AS(installation, F::Mounting),        VRN_AS(swash_servotype, F::SwashServoType),
        VRN_AS(tail_servotype, F::TailServoType), VRN_AS(motor_type, F::EngineType),
        VRN_AS(aux_function, F::AuxFunction),     VRN_AS(pcset_mode, F::FlightMode),
        VRN_AS(governor_status, F::Governor),
    };
#undef VRN_AS
    for (const Named &n : named) {
        if (n.offset == offset)
            return n.format;
    }
    return F::Number;
}

QString ParameterCaption::valueText(int value) const
{
    switch (format()) {
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
