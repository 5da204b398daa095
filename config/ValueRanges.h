#pragma once

#include "DeviceParameters.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QString>

// What the pages let a pilot set in each record field, keyed by record
// offset. The pages fill it from their own widgets, so the preview of a file
// can flag, in the pages' own terms, what the pages could not set; a field
// no page shows may hold any signed byte.
class ValueRanges
{
    Q_DECLARE_TR_FUNCTIONS(ValueRanges)

public:
    void allowRange(int offset, int minimum, int maximum);
    // Only these values (a list the page picks from, a direction).
    void allowValues(int offset, const QList<int> &values);

    // The same, named by the record field.
    void allowRange(qint8 DeviceParameters::*field, int minimum, int maximum)
    {
        allowRange(offsetOf(field), minimum, maximum);
    }
    void allowValues(qint8 DeviceParameters::*field, const QList<int> &values)
    {
        allowValues(offsetOf(field), values);
    }
    static int offsetOf(qint8 DeviceParameters::*field);

    bool allows(int offset, int value) const;
    // What may be set there, for a message: "10 to 125" or "-1, 1".
    QString describe(int offset) const;
    bool isEmpty() const { return fields.isEmpty(); }

private:
    struct Allowed
    {
        int minimum = -128;
        int maximum = 127;
        QList<int> values; // when not empty, only these
    };
    QHash<int, Allowed> fields;
};
