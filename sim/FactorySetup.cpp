#include "FactorySetup.h"

#include "ParameterTable.h"

namespace FactorySetup {

DeviceParameters record()
{
    // What Reset All writes, on this helicopter: its own trims, its
    // narrow-band tail servo, its sensor geometry and the bytes only the
    // unit reports.
    DeviceParameters r;
    ParameterTable::applyPreset(ParameterTable::Preset::ResetAll, r);
    r.servo_trim_0 = 4;
    r.servo_trim_1 = -3;
    r.servo_trim_2 = 2;
    r.servo_trim_3 = -6;
    r.tail_servotype = 4; // digital 760 us
    r.imudist_x = 12;
    r.imudist_y = -8;
    r.imudist_z = 300;
    r.reserved_36 = 3;
    r.reserved_37 = -2;
    r.reserved_38 = 17;
    r.reserved_39 = 1;
    r.cyclic_limit = 100;
    return r;
}

} // namespace FactorySetup
