#include "FactorySetup.h"

namespace FactorySetup {
namespace {

void setUp(DeviceParameters &r)
{
    r.servo_trim_0 = 4;
    r.servo_trim_1 = -3;
    r.servo_trim_2 = 2;
    r.servo_trim_3 = -6;
    r.servo_rev_0 = 1;
    r.servo_rev_1 = -1;
    r.servo_rev_2 = -1;
    r.servo_rev_3 = 1;
    r.reserved_10 = 1;
    r.reserved_11 = 1;
    r.tail_limit_b = 60;
    r.tail_limit_a = 60;
    r.ail_limit = 70;
    r.ele_limit = 70;
    r.tail_servotype = 4;  // digital 760 us
    r.swash_servotype = 1; // analogue 1520 us
    r.coll_ratio = 50;
    r.receiver_type = 0; // conventional
    r.model_type = 2;    // 120CCPM
    r.motor_type = 0;    // electric
    r.installation = 1;  // mounting 1
    r.imu_rotate = 0;
    r.imudist_x = 12;
    r.imudist_y = -8;
    r.imudist_z = 300;
    // Sensor bytes only the unit reports.
    r.reserved_36 = 3;
    r.reserved_37 = -2;
    r.reserved_38 = 17;
    r.reserved_39 = 1;
    r.cyclic_limit = 100;
    r.pcset_mode = 1; // aerobatics
    r.governor_status = 0;
    r.aux_function = 0; // switch tail gain
}

void defaultTuning(DeviceParameters &r)
{
    r.r_ktotal = 60;
    r.r_kp = 80;
    r.r_ki = 50;
    r.r_kd = 30;
    r.phi_ktotal = 32;
    r.phi_k_rate = 30;
    r.phi_k_angle = 120;
    r.phi_k_ac = 30;
    r.phi_ki = 40;
    r.theta_ktotal = 32;
    r.theta_k_rate = 80;
    r.theta_k_angle = 120;
    r.theta_k_ac = 30;
    r.theta_ki = 40;
    r.roll_agility = 30;
    r.pitch_agility = 30;
    r.left_spin = 35;
    r.right_spin = 35;
    r.acc_left = 0;
    r.acc_right = 0;
    r.dec_left = 36;
    r.dec_right = 45;
    r.acc_mainrotor = 0;
    r.dec_mainrotor = 44;
    r.deadband_rc_rudder = 40;
    r.deadband_gyro_z = 3;
    r.deadband_rc_mainrotor = 40;
    r.deadband_gyro_xy = 3;
    r.tail_compensate_colle = 0;
    r.tail_compensate_cyclic = 0;
    r.reserved_77 = 0;
    r.flight_trim_phi = 35;
    r.flight_trim_theta = 0;
    r.reserved_80 = 0;
    r.reserved_93 = 25;
    r.reserved_94 = 25;
    r.reserved_95 = 0;
    r.rpm_compensate_colle = 60;
    r.rpm_compensate_cyclic = 40;
    r.reserved_98 = 0;
    r.rpm_ktotal = 30;
    r.rpm_kp = 20;
    r.rpm_ki = 80;
    r.rpm_kd = 20;
    r.burst_coef = 20;
}

} // namespace

DeviceParameters record()
{
    DeviceParameters r;
    setUp(r);
    defaultTuning(r);
    return r;
}

} // namespace FactorySetup
