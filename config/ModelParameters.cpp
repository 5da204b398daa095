#include "ModelParameters.h"

#include "DeviceParameters.h"
#include "UnitModel.h"

#include <cstddef>

namespace ModelParameters {

bool uses(quint8 model, int offset)
{
    if (model != UnitModel::A1)
        return true;
    static const int missingOnA1[] = {
        int(offsetof(DeviceParameters, rpm_ktotal)),
        int(offsetof(DeviceParameters, rpm_kp)),
        int(offsetof(DeviceParameters, rpm_ki)),
        int(offsetof(DeviceParameters, rpm_kd)),
        int(offsetof(DeviceParameters, rpm_compensate_colle)),
        int(offsetof(DeviceParameters, rpm_compensate_cyclic)),
        int(offsetof(DeviceParameters, governor_status)),
        int(offsetof(DeviceParameters, phi_ki)),
        int(offsetof(DeviceParameters, theta_ki)),
        int(offsetof(DeviceParameters, flight_trim_phi)),
        int(offsetof(DeviceParameters, flight_trim_theta)),
        int(offsetof(DeviceParameters, aux_function)),
        int(offsetof(DeviceParameters, pcset_mode)),
    };
    for (int missing : missingOnA1) {
        if (missing == offset)
            return false;
    }
    return true;
}

} // namespace ModelParameters
