#include "UnitModel.h"

namespace UnitModel {

QString name(quint8 model)
{
    switch (model) {
    case X1:
        return QStringLiteral("VRN-X1");
    case A1:
        return QStringLiteral("VRN-A1");
    default:
        return QStringLiteral("unit-%1").arg(model);
    }
}

QString firmware(quint8 version)
{
    return QString::number(version / 10.0, 'f', 1);
}

} // namespace UnitModel
