#include "ValueRanges.h"

#include <QStringList>

int ValueRanges::offsetOf(qint8 DeviceParameters::*field)
{
    static const DeviceParameters probe{};
    return int(reinterpret_cast<const char *>(&(probe.*field)) -
               reinterpret_cast<const char *>(&probe));
}

void ValueRanges::allowRange(int offset, int minimum, int maximum)
{
    fields[offset] = Allowed{minimum, maximum, {}};
}

void ValueRanges::allowValues(int offset, const QList<int> &values)
{
    fields[offset] = Allowed{-128, 127, values};
}

bool ValueRanges::allows(int offset, int value) const
{
    const Allowed allowed = fields.value(offset);
    if (!allowed.values.isEmpty())
        return allowed.values.contains(value);
    return value >= allowed.minimum && value <= allowed.maximum;
}

QString ValueRanges::describe(int offset) const
{
    const Allowed allowed = fields.value(offset);
    if (allowed.values.isEmpty())
        return tr("%1 to %2").arg(allowed.minimum).arg(allowed.maximum);
    QStringList texts;
    for (int value : allowed.values)
        texts << QString::number(value);
    return texts.join(QStringLiteral(", "));
}
