#pragma once

#include <QtGlobal>

#include <cstddef>

// The PC-side mirror of the unit's 113-byte parameter record. The byte offset
// is each field's identity on the wire, in the pages and in the .conf files,
// so the layout below must match the unit byte for byte.
#pragma pack(push, 1)
struct DeviceParameters
{
    qint8 servo_trim_0 = 0;
    qint8 servo_trim_1 = 0;
    qint8 servo_trim_2 = 0;
    qint8 servo_trim_3 = 0;
    qint8 reserved_4 = 0;
    qint8 reserved_5 = 0;
    qint8 servo_rev_0 = 0;
    qint8 servo_rev_1 = 0;
    qint8 servo_rev_2 = 0;
    qint8 servo_rev_3 = 0;
    qint8 reserved_10 = 0;
    qint8 reserved_11 = 0;
    qint8 tail_limit_b = 0;
    qint8 tail_limit_a = 0;
    qint8 ail_limit = 0;
    qint8 ele_limit = 0;
    qint8 tail_servotype = 0; // 16
    qint8 swash_servotype = 0;
    qint8 reserved_18 = 0;
    qint8 reserved_19 = 0;
    qint8 reserved_20 = 0;
    qint8 reserved_21 = 0;
    qint8 coll_ratio = 0;
    qint8 receiver_type = 0;
    qint8 model_type = 0; // 24
    qint8 motor_type = 0;
    qint8 reserved_26 = 0;
    qint8 installation = 0;
    qint8 reserved_28 = 0; // never on the wire
    qint8 imu_rotate = 0;
    qint16 imudist_x = 0; // 30, big-endian on the wire
    qint16 imudist_y = 0; // 32
    qint16 imudist_z = 0; // 34
    qint8 reserved_36 = 0;
    qint8 reserved_37 = 0;
    qint8 reserved_38 = 0;
    qint8 reserved_39 = 0;
    qint8 cyclic_limit = 0; // 40
    qint8 pcset_mode = 0;
    qint8 governor_status = 0;
    qint8 aux_function = 0;
    qint8 r_ktotal = 0;
    qint8 r_kp = 0;
    qint8 r_ki = 0;
    qint8 r_kd = 0;
    qint8 phi_ktotal = 0; // 48
    qint8 phi_k_rate = 0;
    qint8 phi_k_angle = 0;
    qint8 phi_k_ac = 0;
    qint8 phi_ki = 0;
    qint8 theta_ktotal = 0;
    qint8 theta_k_rate = 0;
    qint8 theta_k_angle = 0;
    qint8 theta_k_ac = 0;
    qint8 theta_ki = 0;
    qint8 reserved_58 = 0;
    qint8 reserved_59 = 0;
    qint8 reserved_60 = 0;
    qint8 roll_agility = 0;
    qint8 pitch_agility = 0;
    qint8 left_spin = 0;
    qint8 right_spin = 0; // 64
    qint8 acc_left = 0;
    qint8 acc_right = 0;
    qint8 dec_left = 0;
    qint8 dec_right = 0;
    qint8 acc_mainrotor = 0;
    qint8 dec_mainrotor = 0;
    qint8 deadband_rc_rudder = 0;
    qint8 deadband_gyro_z = 0;
    qint8 deadband_rc_mainrotor = 0;
    qint8 deadband_gyro_xy = 0;
    qint8 tail_compensate_colle = 0;
    qint8 tail_compensate_cyclic = 0;
    qint8 reserved_77 = 0;
    qint8 flight_trim_phi = 0;
    qint8 flight_trim_theta = 0;
    qint8 reserved_80 = 0; // 80
    qint8 reserved_81 = 0;
    qint8 reserved_82 = 0;
    qint8 reserved_83 = 0;
    qint8 reserved_84 = 0;
    qint8 reserved_85 = 0;
    qint8 reserved_86 = 0;
    qint8 reserved_87 = 0;
    qint8 reserved_88 = 0;
    qint8 reserved_89 = 0;
    qint8 reserved_90 = 0;
    qint8 reserved_91 = 0;
    qint8 reserved_92 = 0;
    qint8 reserved_93 = 0;
    qint8 reserved_94 = 0;
    qint8 reserved_95 = 0;
    qint8 rpm_compensate_colle = 0; // 96
    qint8 rpm_compensate_cyclic = 0;
    qint8 reserved_98 = 0;
    qint8 rpm_ktotal = 0;
    qint8 rpm_kp = 0;
    qint8 rpm_ki = 0;
    qint8 rpm_kd = 0;
    qint8 reserved_103 = 0;
    qint8 reserved_104 = 0;
    qint8 reserved_105 = 0;
    qint8 reserved_106 = 0;
    qint8 reserved_107 = 0;
    qint8 reserved_108 = 0;
    qint8 reserved_109 = 0;
    qint8 burst_coef = 0;
    qint8 reserved_111 = 0;
    qint8 reserved_112 = 0;

    static constexpr int Size = 113;

    // Raw byte view, offset = field identity.
    quint8 *bytes() { return reinterpret_cast<quint8 *>(this); }
    const quint8 *bytes() const { return reinterpret_cast<const quint8 *>(this); }
    qint8 byteAt(int offset) const { return static_cast<qint8>(bytes()[offset]); }
    void setByteAt(int offset, qint8 value) { bytes()[offset] = static_cast<quint8>(value); }

    bool operator==(const DeviceParameters &other) const;
    bool operator!=(const DeviceParameters &other) const { return !(*this == other); }
};
#pragma pack(pop)

static_assert(sizeof(DeviceParameters) == DeviceParameters::Size, "record must be 113 bytes");
static_assert(offsetof(DeviceParameters, tail_servotype) == 16, "record layout");
static_assert(offsetof(DeviceParameters, model_type) == 24, "record layout");
static_assert(offsetof(DeviceParameters, reserved_28) == 28, "record layout");
static_assert(offsetof(DeviceParameters, imudist_x) == 30, "record layout");
static_assert(offsetof(DeviceParameters, imudist_y) == 32, "record layout");
static_assert(offsetof(DeviceParameters, imudist_z) == 34, "record layout");
static_assert(offsetof(DeviceParameters, cyclic_limit) == 40, "record layout");
static_assert(offsetof(DeviceParameters, phi_ktotal) == 48, "record layout");
static_assert(offsetof(DeviceParameters, roll_agility) == 61, "record layout");
static_assert(offsetof(DeviceParameters, right_spin) == 64, "record layout");
static_assert(offsetof(DeviceParameters, flight_trim_theta) == 79, "record layout");
static_assert(offsetof(DeviceParameters, reserved_80) == 80, "record layout");
static_assert(offsetof(DeviceParameters, rpm_compensate_colle) == 96, "record layout");
static_assert(offsetof(DeviceParameters, rpm_kp) == 100, "record layout");
static_assert(offsetof(DeviceParameters, burst_coef) == 110, "record layout");
static_assert(offsetof(DeviceParameters, reserved_112) == 112, "record layout");
