#include "ParameterTable.h"

namespace ParameterTable {

void applyPreset(Preset which, DeviceParameters &record)
{
    for (const Field &f : fields) {
        const PresetValue value = f.preset(which);
        if (value.set)
            record.setByteAt(f.offset, value.value);
    }
}

} // namespace ParameterTable
