#pragma once

#include <QtGlobal>

// Which record fields a unit model has controls for, from the field
// table. The VRN-A1 has no governor, no integral gains, no level-attitude
// trim and no flight mode switch; the VRN-X1 has them all. A model not known
// yet (0) or not known at all is taken to use every field, so nothing is
// hidden by mistake.
namespace ModelParameters {

bool uses(quint8 model, int offset);

} // namespace ModelParameters
