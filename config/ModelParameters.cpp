#include "ModelParameters.h"

#include "ParameterCaption.h"
#include "UnitModel.h"

namespace ModelParameters {

// The caption table says which fields the VRN-A1's pages disable; fields no
// page shows still belong to both models' records.
bool uses(quint8 model, int offset)
{
    const ParameterCaption *row = ParameterCaption::forOffset(offset);
    if (!row || row->use != ParameterCaption::Use::X1Only)
        return true;
    return model != UnitModel::A1;
}

} // namespace ModelParameters
