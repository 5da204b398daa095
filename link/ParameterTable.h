#pragma once

#include "DeviceParameters.h"

#include <QtGlobal>

#include <cstddef>
#include <iterator>
#include <type_traits>

// What each field of the record is, one row per field: its offset, width
// and sign, its .conf key and whether a load reads it back, the tab and the
// form texts the pages show it with, the models that use it, its list of
// named values and what the presets write into it. Saving, loading, the
// change preview, the setup sheet, the presets of the Basic page and the
// simulated unit's factory record all read these rows, so a new parameter
// is one row here (plus its widget on the form and its catalogue entry).
//
// Qt Core only: the strings are the forms' own source texts, translated in
// the forms' contexts by whoever shows them.
namespace ParameterTable {

enum class Page
{
    None,
    Basic,
    Setup,
    Advanced,
};

// The tabs (or groups) that show fields, in the order of the pages and of
// their tabs: the preview and the History list fields in this order.
enum class Tab
{
    None, // no page shows the field
    BasicMainRotor,
    BasicTail,
    BasicTrim,
    SetupStart,
    SetupReceiver,
    SetupMount,
    SetupSwash,
    SetupServo,
    SetupTrim,
    SetupTravel,
    AdvancedMainRotor,
    AdvancedTail,
    AdvancedGovernor,
};

// Which units the field does something in, as the pages show it.
enum class Use
{
    Both,
    X1Only, // the VRN-A1's page disables it
    Hidden, // no page shows it; it stays in the record
};

// How a page shows the value: a number, degrees, or a name from a list.
enum class Format
{
    Number,
    Degrees, // tenths of a degree, shown with one decimal
    Direction,
    Receiver,
    SwashType,
    Mounting,
    SwashServoType,
    TailServoType,
    EngineType,
    AuxFunction,
    FlightMode,
    Governor,
};

// The Basic page's three preset buttons.
enum class Preset
{
    Default,  // the flight tuning (offsets 44 on) every preset starts from
    Flight3D, // the same, livelier
    ResetAll, // the factory set-up below offset 44 plus the default tuning
};

// A text of a page's form: the object that shows it and its source text.
struct FormText
{
    const char *object = nullptr;
    const char *text = nullptr;
    const char *comment = nullptr;
};

struct PresetValue
{
    bool set = false;
    qint8 value = 0;
};

struct Field
{
    const char *name = nullptr; // the record member
    int offset = 0;
    int width = 1; // bytes; 2 for the big-endian IMU offsets
    bool isSigned = true;
    const char *key = nullptr; // "Group/name" in a .conf file; none: never saved
    bool loaded = false;       // a load reads it back (the IMU keys are only written)
    Tab tab = Tab::None;
    int line = 0;    // its place among the captions of its tab, from 1
    FormText prefix; // a row or group title, where the label alone is ambiguous
    FormText label;  // no object: the tab's own name is the caption
    Use use = Use::Both;
    Format format = Format::Number;
    PresetValue flightDefault; // Default and Reset All
    PresetValue flight3D;      // 3D Flight
    PresetValue setUp;         // Reset All

    static constexpr Field of(const char *member, std::size_t at, std::size_t bytes,
                              bool signedness, const char *fileKey, bool readBack)
    {
        Field f;
        f.name = member;
        f.offset = int(at);
        f.width = int(bytes);
        f.isSigned = signedness;
        f.key = fileKey;
        f.loaded = readBack;
        return f;
    }
    constexpr Field on(Tab inTab, int atLine, FormText title, FormText caption) const
    {
        Field f = *this;
        f.tab = inTab;
        f.line = atLine;
        f.prefix = title;
        f.label = caption;
        return f;
    }
    constexpr Field x1Only() const { return used(Use::X1Only); }
    constexpr Field hidden() const { return used(Use::Hidden); }
    constexpr Field as(Format shownAs) const
    {
        Field f = *this;
        f.format = shownAs;
        return f;
    }
    // The value of Default and Reset All, and of 3D Flight where it differs.
    constexpr Field flight(int value, int value3D) const
    {
        Field f = *this;
        f.flightDefault = PresetValue{true, qint8(value)};
        f.flight3D = PresetValue{true, qint8(value3D)};
        return f;
    }
    constexpr Field flight(int value) const { return flight(value, value); }
    constexpr Field setUpTo(int value) const
    {
        Field f = *this;
        f.setUp = PresetValue{true, qint8(value)};
        return f;
    }

    constexpr Page page() const;
    constexpr PresetValue preset(Preset which) const
    {
        switch (which) {
        case Preset::Default:
            return flightDefault;
        case Preset::Flight3D:
            return flight3D;
        case Preset::ResetAll:
            return setUp.set ? setUp : flightDefault;
        }
        return {};
    }

private:
    constexpr Field used(Use by) const
    {
        Field f = *this;
        f.use = by;
        return f;
    }
};

#define VRN_FIELD(field, key, loaded)                                                              \
    Field::of(#field, offsetof(DeviceParameters, field), sizeof(DeviceParameters::field),          \
              std::is_signed_v<decltype(DeviceParameters::field)>, key, loaded)
// Written to and read from a .conf file.
#define VRN_LOADED(group, field) VRN_FIELD(field, group "/" #field, true)
// Written so a file documents the whole unit, never read back: the sensor
// geometry belongs to the unit.
#define VRN_SAVED(group, field) VRN_FIELD(field, group "/" #field, false)
// Only the unit knows what it means; no file carries it.
#define VRN_RESERVED(field) VRN_FIELD(field, nullptr, false)

// In the order a save writes the keys (the record's order, but Limit A
// before Limit B, as files have always had them).
inline constexpr Field fields[] = {
    VRN_LOADED("General", servo_trim_0)
        .on(Tab::SetupTrim, 1, {"SwashServoTrimGroup", "SwashPlate Servo Trim"},
            {"label_18", "CH1"}),
    VRN_LOADED("General", servo_trim_1)
        .on(Tab::SetupTrim, 2, {"SwashServoTrimGroup", "SwashPlate Servo Trim"},
            {"label_19", "CH2"}),
    VRN_LOADED("General", servo_trim_2)
        .on(Tab::SetupTrim, 3, {"SwashServoTrimGroup", "SwashPlate Servo Trim"},
            {"label_20", "CH3"}),
    VRN_LOADED("General", servo_trim_3)
        .on(Tab::SetupTrim, 4, {}, {"TailServoTrimGroup", "Tail Servo Trim"}),
    VRN_RESERVED(reserved_4),
    VRN_RESERVED(reserved_5),
    VRN_LOADED("General", servo_rev_0)
        .on(Tab::SetupServo, 2, {}, {"SwashServoDirCH1", "CH1 Servo Dir Rev."})
        .as(Format::Direction)
        .setUpTo(1),
    VRN_LOADED("General", servo_rev_1)
        .on(Tab::SetupServo, 3, {}, {"SwashServoDirCH2", "CH2 Servo Dir Rev."})
        .as(Format::Direction)
        .setUpTo(-1),
    VRN_LOADED("General", servo_rev_2)
        .on(Tab::SetupServo, 4, {}, {"SwashServoDirCH3", "CH3 Servo Dir Rev."})
        .as(Format::Direction)
        .setUpTo(-1),
    VRN_LOADED("General", servo_rev_3)
        .on(Tab::SetupServo, 6, {}, {"TailServoDir", "Tail Servo Dir Rev."})
        .as(Format::Direction)
        .setUpTo(1),
    VRN_RESERVED(reserved_10).setUpTo(1),
    VRN_RESERVED(reserved_11).setUpTo(1),
    VRN_LOADED("General", tail_limit_a)
        .on(Tab::SetupTravel, 1, {"TailLimitGroup", "Tail Setting"}, {"label_24", "Limit A"})
        .setUpTo(60),
    VRN_LOADED("General", tail_limit_b)
        .on(Tab::SetupTravel, 2, {"TailLimitGroup", "Tail Setting"}, {"label_25", "Limit B"})
        .setUpTo(60),
    VRN_LOADED("General", ail_limit)
        .on(Tab::SetupTravel, 3, {}, {"label_44", "Ail. Travel"})
        .setUpTo(70),
    VRN_LOADED("General", ele_limit)
        .on(Tab::SetupTravel, 4, {}, {"label_45", "Elev. Travel"})
        .setUpTo(70),
    VRN_LOADED("General", tail_servotype)
        .on(Tab::SetupServo, 5, {}, {"label_15", "Tail Servo Type"})
        .as(Format::TailServoType)
        .setUpTo(1),
    VRN_LOADED("General", swash_servotype)
        .on(Tab::SetupServo, 1, {}, {"label_14", "SwashPlate Servo Type"})
        .as(Format::SwashServoType)
        .setUpTo(1),
    VRN_RESERVED(reserved_18),
    VRN_RESERVED(reserved_19),
    VRN_RESERVED(reserved_20),
    VRN_RESERVED(reserved_21),
    VRN_LOADED("General", coll_ratio)
        .on(Tab::SetupTravel, 5, {"MainRotorLimitGroup", "SwashPlate Setting"},
            {"label_46", "Collective"})
        .setUpTo(50),
    VRN_LOADED("General", receiver_type)
        .on(Tab::SetupReceiver, 1, {}, {"ReceiverGroupBox", "Select Receiver Type"})
        .as(Format::Receiver)
        .setUpTo(0),
    VRN_LOADED("General", model_type)
        .on(Tab::SetupSwash, 1, {}, {})
        .as(Format::SwashType)
        .setUpTo(2),
    VRN_LOADED("General", motor_type)
        .on(Tab::SetupStart, 1, {}, {"EngineTypeGroupBox", "Engine Type"})
        .as(Format::EngineType)
        .setUpTo(0),
    VRN_RESERVED(reserved_26).setUpTo(0),
    VRN_LOADED("General", installation)
        .on(Tab::SetupMount, 1, {}, {})
        .as(Format::Mounting)
        .setUpTo(1),
    VRN_RESERVED(reserved_28),
    VRN_SAVED("General", imu_rotate),
    VRN_SAVED("General", imudist_x),
    VRN_SAVED("General", imudist_y),
    VRN_SAVED("General", imudist_z),
    VRN_RESERVED(reserved_36),
    VRN_RESERVED(reserved_37),
    VRN_RESERVED(reserved_38),
    VRN_RESERVED(reserved_39),
    VRN_LOADED("General", cyclic_limit)
        .on(Tab::SetupTravel, 6, {}, {"label_54", "Cyclic Limit"})
        .hidden(),
    VRN_LOADED("General", pcset_mode)
        .on(Tab::SetupReceiver, 3, {}, {"FlightModeGroupBox", "Flight Mode Setting"})
        .x1Only()
        .as(Format::FlightMode)
        .setUpTo(1),
    VRN_LOADED("General", governor_status)
        .on(Tab::AdvancedGovernor, 7, {}, {"RpmOnOffGroupBox", "Governor On/Off"})
        .x1Only()
        .as(Format::Governor)
        .setUpTo(0),
    VRN_LOADED("General", aux_function)
        .on(Tab::SetupReceiver, 2, {}, {"AuxFunctionGroupBox", "AUX Channel Function"})
        .x1Only()
        .as(Format::AuxFunction)
        .setUpTo(0),
    VRN_LOADED("Condition", r_ktotal)
        .on(Tab::BasicTail, 3, {}, {"label_5", "Total Gain"})
        .flight(60),
    VRN_LOADED("Condition", r_kp)
        .on(Tab::AdvancedTail, 1, {}, {"TailGainPLabel", "Gain P"})
        .flight(80),
    VRN_LOADED("Condition", r_ki)
        .on(Tab::AdvancedTail, 2, {}, {"TailGainILabel", "Gain I"})
        .flight(50),
    VRN_LOADED("Condition", r_kd)
        .on(Tab::AdvancedTail, 3, {}, {"TailGainDLabel", "Gain D"})
        .flight(30),
    VRN_LOADED("Condition", phi_ktotal)
        .on(Tab::BasicMainRotor, 2, {"label_138", "Roll"}, {"label_2", "Total Gain"})
        .flight(32, 40),
    VRN_LOADED("Condition", phi_k_rate)
        .on(Tab::AdvancedMainRotor, 1, {"RollGainGroupBox", "Roll Gain Setting"},
            {"RollGainPLabel", "Gain P"})
        .flight(30),
    VRN_LOADED("Condition", phi_k_angle)
        .on(Tab::AdvancedMainRotor, 2, {"RollGainGroupBox", "Roll Gain Setting"},
            {"RollGainILabel", "Gain I"})
        .flight(120),
    VRN_LOADED("Condition", phi_k_ac)
        .on(Tab::AdvancedMainRotor, 3, {"RollGainGroupBox", "Roll Gain Setting"},
            {"RollGainDLabel", "Gain D"})
        .flight(30),
    VRN_LOADED("Condition", phi_ki)
        .on(Tab::AdvancedMainRotor, 4, {"RollGainGroupBox", "Roll Gain Setting"},
            {"RollGainIntegrationLabel", "Integral Gain"})
        .x1Only()
        .flight(40),
    VRN_LOADED("Condition", theta_ktotal)
        .on(Tab::BasicMainRotor, 4, {"label_139", "Pitch"}, {"label_2", "Total Gain"})
        .flight(32, 40),
    VRN_LOADED("Condition", theta_k_rate)
        .on(Tab::AdvancedMainRotor, 5, {"PitchGainGroupBox", "Pitch Gain Setting"},
            {"PitchGainPLabel", "Gain P"})
        .flight(80),
    VRN_LOADED("Condition", theta_k_angle)
        .on(Tab::AdvancedMainRotor, 6, {"PitchGainGroupBox", "Pitch Gain Setting"},
            {"PitchGainILabel", "Gain I"})
        .flight(120),
    VRN_LOADED("Condition", theta_k_ac)
        .on(Tab::AdvancedMainRotor, 7, {"PitchGainGroupBox", "Pitch Gain Setting"},
            {"PitchGainDLabel", "Gain D"})
        .flight(30),
    VRN_LOADED("Condition", theta_ki)
        .on(Tab::AdvancedMainRotor, 8, {"PitchGainGroupBox", "Pitch Gain Setting"},
            {"PitchGainIntegrationLabel", "Integral Gain"})
        .x1Only()
        .flight(40),
    VRN_RESERVED(reserved_58),
    VRN_RESERVED(reserved_59),
    VRN_RESERVED(reserved_60),
    VRN_LOADED("Condition", roll_agility)
        .on(Tab::BasicMainRotor, 1, {"label_138", "Roll"}, {"label", "Agility"})
        .flight(30, 35),
    VRN_LOADED("Condition", pitch_agility)
        .on(Tab::BasicMainRotor, 3, {"label_139", "Pitch"}, {"label", "Agility"})
        .flight(30, 35),
    VRN_LOADED("Condition", left_spin)
        .on(Tab::BasicTail, 1, {}, {"label_3", "Left Rate"})
        .flight(35, 42),
    VRN_LOADED("Condition", right_spin)
        .on(Tab::BasicTail, 2, {}, {"label_4", "Right Rate"})
        .flight(35, 42),
    VRN_LOADED("Condition", acc_left)
        .on(Tab::AdvancedTail, 4, {}, {"LeftAccLabel", "Left Acc."})
        .hidden()
        .flight(0),
    VRN_LOADED("Condition", acc_right)
        .on(Tab::AdvancedTail, 6, {}, {"RightAccLabel", "Right Acc."})
        .hidden()
        .flight(0),
    VRN_LOADED("Condition", dec_left)
        .on(Tab::AdvancedTail, 5, {}, {"LeftDecLabel", "Left Dec."})
        .flight(36, 40),
    VRN_LOADED("Condition", dec_right)
        .on(Tab::AdvancedTail, 7, {}, {"RightDecLabel", "Right Dec."})
        .flight(45, 50),
    VRN_LOADED("Condition", acc_mainrotor)
        .on(Tab::AdvancedMainRotor, 9, {}, {"MainRotorAccLabel", "Acceleration"})
        .hidden()
        .flight(0),
    VRN_LOADED("Condition", dec_mainrotor)
        .on(Tab::AdvancedMainRotor, 10, {}, {"MainRotorDecLabel", "Deceleration"})
        .flight(44, 50),
    VRN_LOADED("Condition", deadband_rc_rudder)
        .on(Tab::AdvancedTail, 8, {}, {"RudderRcDeadBandLabel", "RC.DB."})
        .flight(40),
    VRN_LOADED("Condition", deadband_gyro_z)
        .on(Tab::AdvancedTail, 9, {}, {"TailRotorSensorDeadBandLabel", "Sensor DB."})
        .flight(3),
    VRN_LOADED("Condition", deadband_rc_mainrotor)
        .on(Tab::AdvancedMainRotor, 11, {}, {"MainRotorRcDeadBandLabel", "RC. DB."})
        .flight(40),
    VRN_LOADED("Condition", deadband_gyro_xy)
        .on(Tab::AdvancedMainRotor, 12, {}, {"MainRotorSensorDeadBandLabel", "Sensor DB."})
        .flight(3),
    VRN_LOADED("Condition", tail_compensate_colle)
        .on(Tab::AdvancedTail, 11, {},
            {"CollectiveCompensationTailLabel", "Collective to\nTail Comp."})
        .flight(0),
    VRN_LOADED("Condition", tail_compensate_cyclic)
        .on(Tab::AdvancedTail, 10, {}, {"CyclicCompensationTailLabel", "Cyclic to\nTail Comp."})
        .flight(0),
    VRN_RESERVED(reserved_77).flight(0),
    VRN_LOADED("Condition", flight_trim_phi)
        .on(Tab::BasicTrim, 1, {}, {"label_71", "Roll Target"})
        .x1Only()
        .as(Format::Degrees)
        .flight(35),
    VRN_LOADED("Condition", flight_trim_theta)
        .on(Tab::BasicTrim, 2, {}, {"label_72", "Pitch Target"})
        .x1Only()
        .as(Format::Degrees)
        .flight(0),
    VRN_RESERVED(reserved_80).flight(0),
    VRN_RESERVED(reserved_81),
    VRN_RESERVED(reserved_82),
    VRN_RESERVED(reserved_83),
    VRN_RESERVED(reserved_84),
    VRN_RESERVED(reserved_85),
    VRN_RESERVED(reserved_86),
    VRN_RESERVED(reserved_87),
    VRN_RESERVED(reserved_88),
    VRN_RESERVED(reserved_89),
    VRN_RESERVED(reserved_90),
    VRN_RESERVED(reserved_91),
    VRN_RESERVED(reserved_92),
    VRN_RESERVED(reserved_93).flight(25),
    VRN_RESERVED(reserved_94).flight(25),
    VRN_RESERVED(reserved_95).flight(0),
    VRN_LOADED("Condition", rpm_compensate_colle)
        .on(Tab::AdvancedGovernor, 5, {}, {"CollectiveCompensationRpmLabel", "Collective Comp."})
        .x1Only()
        .flight(60),
    VRN_LOADED("Condition", rpm_compensate_cyclic)
        .on(Tab::AdvancedGovernor, 6, {}, {"CyclicCompensationRpmLabel", "Cyclic Comp."})
        .x1Only()
        .flight(40),
    VRN_RESERVED(reserved_98).flight(0),
    VRN_LOADED("Condition", rpm_ktotal)
        .on(Tab::AdvancedGovernor, 1, {}, {"RpmTotalGainLabel", "Total Gain"})
        .x1Only()
        .flight(30),
    VRN_LOADED("Condition", rpm_kp)
        .on(Tab::AdvancedGovernor, 2, {}, {"RpmGainPLabel", "Gain P"})
        .x1Only()
        .flight(20),
    VRN_LOADED("Condition", rpm_ki)
        .on(Tab::AdvancedGovernor, 3, {}, {"RpmGainILabel", "Gain I", "governor: integral term"})
        .x1Only()
        .flight(80),
    VRN_LOADED("Condition", rpm_kd)
        .on(Tab::AdvancedGovernor, 4, {}, {"RpmGainDLabel", "Gain D"})
        .x1Only()
        .flight(20),
    VRN_RESERVED(reserved_103),
    VRN_RESERVED(reserved_104),
    VRN_RESERVED(reserved_105),
    VRN_RESERVED(reserved_106),
    VRN_RESERVED(reserved_107),
    VRN_RESERVED(reserved_108),
    VRN_RESERVED(reserved_109),
    VRN_LOADED("Condition", burst_coef)
        .on(Tab::AdvancedMainRotor, 13, {}, {"BurstCoefLabel", "Burst Coef."})
        .flight(20),
    VRN_RESERVED(reserved_111),
    VRN_RESERVED(reserved_112),

};

#undef VRN_RESERVED
#undef VRN_SAVED
#undef VRN_LOADED
#undef VRN_FIELD

struct TabTitle
{
    Page page;
    const char *context; // the form's translation context
    const char *title;   // the forms pad their tab titles with spaces
};

// By Tab.
inline constexpr TabTitle tabTitles[] = {
    {Page::None, nullptr, nullptr},
    {Page::Basic, "MainSettingPageUi", QT_TRANSLATE_NOOP("MainSettingPageUi", "Main Rotor")},
    {Page::Basic, "MainSettingPageUi", QT_TRANSLATE_NOOP("MainSettingPageUi", "Tail")},
    {Page::Basic, "MainSettingPageUi",
     QT_TRANSLATE_NOOP("MainSettingPageUi", "Level Attitude Trim")},
    {Page::Setup, "ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", " Start ")},
    {Page::Setup, "ConfigureSettingPageUi",
     QT_TRANSLATE_NOOP("ConfigureSettingPageUi", " Receiver ")},
    {Page::Setup, "ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", " Mount ")},
    {Page::Setup, "ConfigureSettingPageUi",
     QT_TRANSLATE_NOOP("ConfigureSettingPageUi", " SwashPlate ")},
    {Page::Setup, "ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", " Servo ")},
    {Page::Setup, "ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", " Trim ")},
    {Page::Setup, "ConfigureSettingPageUi",
     QT_TRANSLATE_NOOP("ConfigureSettingPageUi", " Travel ")},
    {Page::Advanced, "AdvanceSettingPageUi",
     QT_TRANSLATE_NOOP("AdvanceSettingPageUi", " Main Rotor ")},
    {Page::Advanced, "AdvanceSettingPageUi", QT_TRANSLATE_NOOP("AdvanceSettingPageUi", " Tail ")},
    {Page::Advanced, "AdvanceSettingPageUi",
     QT_TRANSLATE_NOOP("AdvanceSettingPageUi", " Governor ")},
};
static_assert(std::size(tabTitles) == std::size_t(Tab::AdvancedGovernor) + 1, "a title per tab");

constexpr Page Field::page() const
{
    return tabTitles[int(tab)].page;
}

// One name of a list of values, and where the form shows it: a widget of
// its own (a label beside a picture button, a radio button), or else the
// list's combo box at the same index.
struct ListText
{
    const char *context;
    const char *text;
    const char *object = nullptr;
};

struct ChoiceList
{
    Format format;
    const char *comboBox; // the form's combo box of the whole list, if any
    const ListText *texts;
    int count;
};

inline constexpr ListText receiverTexts[] = {
    {"ConfigureSettingPageUi",
     QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Conventional receiver")},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Futaba SBUS")},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "DSM2-1")},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "DSM2-2")},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "DSM2-3")},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "DSM2-4")},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "DSMJ")},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "DSMX-1")},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "DSMX-2")},
};

// By model_type code, from 1 on.
inline constexpr ListText swashTexts[] = {
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Mechanical Mixer"),
     "label_9"},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "120CCPM"), "label_11"},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "135CCPM"), "label_12"},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "140CCPM"), "label_13"},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "90CCPM"), "label_10"},
};

// The record's installation codes of the six mounting buttons, in order.
inline constexpr int mountingCodes[] = {1, 21, 11, 17, 4, 2};
inline constexpr ListText mountingTexts[] = {
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Mounting 1."),
     "label_47"},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Mounting 2."),
     "label_48"},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Mounting 3."),
     "label_49"},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Mounting 4."),
     "label_50"},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Mounting 5."),
     "label_51"},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Mounting 6."),
     "label_52"},
};
static_assert(std::size(mountingCodes) == std::size(mountingTexts), "a name per mounting");

// Servo types by code, from 1 on; the swash plate offers the first three.
inline constexpr ListText servoTexts[] = {
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Analog Servo 1520us")},
    {"ConfigureSettingPageUi",
     QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Digital Servo 1520us(250Hz)")},
    {"ConfigureSettingPageUi",
     QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Digital Servo 1520us(333Hz)")},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Digital Servo 760us")},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Digital Servo 960us")},
};
constexpr int SwashServoTypes = 3;

inline constexpr ListText engineTexts[] = {
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Electric")},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "FUEL")},
};

inline constexpr ListText auxTexts[] = {
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Switch Tail Gain")},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Switch Flight Mode")},
};

// By pcset_mode code, from 1 on.
inline constexpr ListText flightModeTexts[] = {
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Aerobatics Mode")},
    {"ConfigureSettingPageUi", QT_TRANSLATE_NOOP("ConfigureSettingPageUi", "Attitude Mode")},
};

// "On" reads "Calibrate RPM" until the governor runs: the page words that
// button itself, in its own context.
inline constexpr ListText governorTexts[] = {
    {"AdvanceSettingPageUi", QT_TRANSLATE_NOOP("AdvanceSettingPageUi", "Governor Off"),
     "RpmOffRadioButton"},
    {"AdvanceSettingPage", QT_TRANSLATE_NOOP("AdvanceSettingPage", "Calibrate RPM"),
     "RpmOnRadioButton"},
    {"AdvanceSettingPage", QT_TRANSLATE_NOOP("AdvanceSettingPage", "Governor On"),
     "RpmOnRadioButton"},
};

// The pages show a direction as a check box; the lists of changes name it.
inline constexpr ListText directionTexts[] = {
    {"ParameterCaption", QT_TRANSLATE_NOOP("ParameterCaption", "Normal")},
    {"ParameterCaption", QT_TRANSLATE_NOOP("ParameterCaption", "Reversed")},
};

inline constexpr ChoiceList choiceLists[] = {
    {Format::Direction, nullptr, directionTexts, int(std::size(directionTexts))},
    {Format::Receiver, "ReceiverComboBox", receiverTexts, int(std::size(receiverTexts))},
    {Format::SwashType, nullptr, swashTexts, int(std::size(swashTexts))},
    {Format::Mounting, nullptr, mountingTexts, int(std::size(mountingTexts))},
    {Format::SwashServoType, "SwashServoComboBox", servoTexts, SwashServoTypes},
    {Format::TailServoType, "TailServoComboBox", servoTexts, int(std::size(servoTexts))},
    {Format::EngineType, "EngineTypeComboBox", engineTexts, int(std::size(engineTexts))},
    {Format::AuxFunction, "AuxFunctionComboBox", auxTexts, int(std::size(auxTexts))},
    {Format::FlightMode, "FlightModeComboBox", flightModeTexts, int(std::size(flightModeTexts))},
    {Format::Governor, nullptr, governorTexts, int(std::size(governorTexts))},
};

// The list of names a format shows, or nullptr for a number.
constexpr const ChoiceList *listOf(Format format)
{
    for (const ChoiceList &list : choiceLists) {
        if (list.format == format)
            return &list;
    }
    return nullptr;
}

// Whether a format has its list of names. Asked without a pointer: GCC's
// sanitizers make a pointer's comparison with null no constant expression.
constexpr bool hasList(Format format)
{
    for (const ChoiceList &list : choiceLists) {
        if (list.format == format)
            return true;
    }
    return false;
}

// The row of a record offset (the field that starts there), or nullptr.
constexpr const Field *at(int offset)
{
    for (const Field &f : fields) {
        if (f.offset == offset)
            return &f;
    }
    return nullptr;
}

constexpr int keyCount()
{
    int n = 0;
    for (const Field &f : fields)
        n += f.key ? 1 : 0;
    return n;
}

constexpr int loadedCount()
{
    int n = 0;
    for (const Field &f : fields)
        n += f.loaded ? 1 : 0;
    return n;
}

constexpr int shownCount()
{
    int n = 0;
    for (const Field &f : fields)
        n += f.tab != Tab::None ? 1 : 0;
    return n;
}

// Every byte of the record belongs to exactly one row.
constexpr bool coversTheRecordOnce()
{
    for (int byte = 0; byte < DeviceParameters::Size; ++byte) {
        int owners = 0;
        for (const Field &f : fields)
            owners += byte >= f.offset && byte < f.offset + f.width ? 1 : 0;
        if (owners != 1)
            return false;
    }
    return true;
}

// A file loads what the pages show, and nothing else: the preview and the
// History word every loaded field by its caption.
constexpr bool loadedIsShown()
{
    for (const Field &f : fields) {
        if (f.loaded != (f.tab != Tab::None) || (f.loaded && !f.key))
            return false;
    }
    return true;
}

// Each caption has a line of its own on its tab.
constexpr bool linesAreDistinct()
{
    for (const Field &a : fields) {
        for (const Field &b : fields) {
            if (&a != &b && a.tab != Tab::None && a.tab == b.tab && a.line == b.line)
                return false;
        }
    }
    return true;
}

// A list's names are in the page's own words (a code no list knows is
// shown as its number).
constexpr bool listsAreNamed()
{
    for (const Field &f : fields) {
        if (f.format != Format::Number && f.format != Format::Degrees && !hasList(f.format))
            return false;
    }
    return true;
}

// A save writes each value as a signed number and a load takes -128..127:
// an unsigned field needs both taught first.
constexpr bool allSigned()
{
    for (const Field &f : fields) {
        if (!f.isSigned)
            return false;
    }
    return true;
}

static_assert(allSigned(), "the .conf texts are signed numbers");
static_assert(coversTheRecordOnce(), "the rows must cover the 113-byte record exactly");
static_assert(loadedIsShown(), "every loaded field has a caption, and only those");
static_assert(linesAreDistinct(), "two captions on one line of a tab");
static_assert(listsAreNamed(), "a list format without its names");

// Writes a preset's values into the record; fields it has no value for stay.
void applyPreset(Preset which, DeviceParameters &record);

} // namespace ParameterTable
