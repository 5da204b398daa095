#include "ConfigKey.h"

#include "DeviceParameters.h"

#include <cstddef>

#define VRN_BYTE_KEY(group, field)                                                                 \
    ConfigKey                                                                                      \
    {                                                                                              \
        group "/" #field, int(offsetof(DeviceParameters, field)), 1, true                          \
    }
#define VRN_SAVED_KEY(group, field, width)                                                         \
    ConfigKey                                                                                      \
    {                                                                                              \
        group "/" #field, int(offsetof(DeviceParameters, field)), width, false                     \
    }

const std::array<ConfigKey, ConfigKeyCount> &configKeys()
{
    static const std::array<ConfigKey, ConfigKeyCount> keys = {
        VRN_BYTE_KEY("General", servo_trim_0),
        VRN_BYTE_KEY("General", servo_trim_1),
        VRN_BYTE_KEY("General", servo_trim_2),
        VRN_BYTE_KEY("General", servo_trim_3),
        VRN_BYTE_KEY("General", servo_rev_0),
        VRN_BYTE_KEY("General", servo_rev_1),
        VRN_BYTE_KEY("General", servo_rev_2),
        VRN_BYTE_KEY("General", servo_rev_3),
        VRN_BYTE_KEY("General", tail_limit_a),
        VRN_BYTE_KEY("General", tail_limit_b),
        VRN_BYTE_KEY("General", ail_limit),
        VRN_BYTE_KEY("General", ele_limit),
        VRN_BYTE_KEY("General", tail_servotype),
        VRN_BYTE_KEY("General", swash_servotype),
        VRN_BYTE_KEY("General", coll_ratio),
        VRN_BYTE_KEY("General", receiver_type),
        VRN_BYTE_KEY("General", model_type),
        VRN_BYTE_KEY("General", motor_type),
        VRN_BYTE_KEY("General", installation),
        VRN_SAVED_KEY("General", imu_rotate, 1),
        VRN_SAVED_KEY("General", imudist_x, 2),
        VRN_SAVED_KEY("General", imudist_y, 2),
        VRN_SAVED_KEY("General", imudist_z, 2),
        VRN_BYTE_KEY("General", cyclic_limit),
        VRN_BYTE_KEY("General", pcset_mode),
        VRN_BYTE_KEY("General", governor_status),
        VRN_BYTE_KEY("General", aux_function),
        VRN_BYTE_KEY("Condition", r_ktotal),
        VRN_BYTE_KEY("Condition", r_kp),
        VRN_BYTE_KEY("Condition", r_ki),
        VRN_BYTE_KEY("Condition", r_kd),
        VRN_BYTE_KEY("Condition", phi_ktotal),
        VRN_BYTE_KEY("Condition", phi_k_rate),
        VRN_BYTE_KEY("Condition", phi_k_angle),
        VRN_BYTE_KEY("Condition", phi_k_ac),
        VRN_BYTE_KEY("Condition", phi_ki),
        VRN_BYTE_KEY("Condition", theta_ktotal),
        VRN_BYTE_KEY("Condition", theta_k_rate),
        VRN_BYTE_KEY("Condition", theta_k_angle),
        VRN_BYTE_KEY("Condition", theta_k_ac),
        VRN_BYTE_KEY("Condition", theta_ki),
        VRN_BYTE_KEY("Condition", roll_agility),
        VRN_BYTE_KEY("Condition", pitch_agility),
        VRN_BYTE_KEY("Condition", left_spin),
        VRN_BYTE_KEY("Condition", right_spin),
        VRN_BYTE_KEY("Condition", acc_left),
        VRN_BYTE_KEY("Condition", acc_right),
        VRN_BYTE_KEY("Condition", dec_left),
        VRN_BYTE_KEY("Condition", dec_right),
        VRN_BYTE_KEY("Condition", acc_mainrotor),
        VRN_BYTE_KEY("Condition", dec_mainrotor),
        VRN_BYTE_KEY("Condition", deadband_rc_rudder),
        VRN_BYTE_KEY("Condition", deadband_gyro_z),
        VRN_BYTE_KEY("Condition", deadband_rc_mainrotor),
        VRN_BYTE_KEY("Condition", deadband_gyro_xy),
        VRN_BYTE_KEY("Condition", tail_compensate_colle),
        VRN_BYTE_KEY("Condition", tail_compensate_cyclic),
        VRN_BYTE_KEY("Condition", flight_trim_phi),
        VRN_BYTE_KEY("Condition", flight_trim_theta),
        VRN_BYTE_KEY("Condition", rpm_compensate_colle),
        VRN_BYTE_KEY("Condition", rpm_compensate_cyclic),
        VRN_BYTE_KEY("Condition", rpm_ktotal),
        VRN_BYTE_KEY("Condition", rpm_kp),
        VRN_BYTE_KEY("Condition", rpm_ki),
        VRN_BYTE_KEY("Condition", rpm_kd),
        VRN_BYTE_KEY("Condition", burst_coef),
    };
    return keys;
}
