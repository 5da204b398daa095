#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QVector>

class ConfigResult;
class ParameterCaption;
class ValueRanges;
struct DeviceParameters;

// What the preview must tell about a loaded file besides the values it
// changes: values no page offers, keys the file lacks or does not know, the
// unit it was saved from, and the fields the connected unit does not use.
// Those fields are set back to the unit's values in the candidate record:
// a pilot could not see nor set them back on the pages.
class LoadFindings
{
    Q_DECLARE_TR_FUNCTIONS(LoadFindings)

public:
    struct Apart
    {
        const ParameterCaption *row;
        int fileValue;
    };

    LoadFindings() = default;
    LoadFindings(const ConfigResult &result, const DeviceParameters &now, DeviceParameters &after,
                 const ValueRanges &ranges, quint8 model);

    // "Tail Servo Type: no choice on the page (0)", in table order.
    QStringList flagged() const { return flaggedLines; }
    // The record offsets of the flagged values.
    QVector<int> flaggedOffsets() const { return flaggedAt; }
    // The file's other news: the unit it came from, the keys it lacks and
    // the keys no field is known by.
    QStringList notes() const { return noteLines; }
    // Fields the connected unit does not use where the file holds another
    // value than the unit: listed apart, not applied.
    QVector<Apart> apart() const { return apartRows; }
    QString apartTitle() const { return apartHeading; }
    // The count line over the list; empty when every value is one a page offers.
    QString summary() const;
    // Nothing but the changed values to tell.
    bool isEmpty() const
    {
        return flaggedLines.isEmpty() && noteLines.isEmpty() && apartRows.isEmpty();
    }

    // The known key nearest to a misspelt one ("r_kp" for "r_kpp"), or an
    // empty text when none is near.
    static QString nearestKey(const QString &name);
    // Unknown keys are told one per line up to this many, then counted.
    static constexpr int ShownUnknown = 12;

private:
    QStringList flaggedLines;
    QVector<int> flaggedAt;
    QStringList noteLines;
    QVector<Apart> apartRows;
    QString apartHeading;
};
