#include "ModelParameters.h"

#include "ParameterTable.h"
#include "UnitModel.h"

namespace ModelParameters {

// The field table says which fields the VRN-A1's pages disable; fields no
// page shows still belong to both models' records.
bool uses(quint8 model, int offset)
{
    const ParameterTable::Field *field = ParameterTable::at(offset);
    if (!field || field->use != ParameterTable::Use::X1Only)
        return true;
    return model != UnitModel::A1;
}

} // namespace ModelParameters
