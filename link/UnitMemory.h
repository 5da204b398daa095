#pragma once

#include "DeviceParameters.h"

#include <QMap>
#include <QString>

// What the assistant knows, while it runs, of the unit on each port: the
// record it was known to hold and the record its flash was known to hold.
// A port may be visited again after others, and the unit on it may have
// restarted or been swapped meanwhile; the record it holds on the next
// connection tells which.
class UnitMemory
{
public:
    struct Knowledge
    {
        DeviceParameters record;
        DeviceParameters flash;
        bool recordKnown = false;
        bool flashKnown = false;
        // WriteFlash was acknowledged and nothing written since: the flash
        // holds whatever the unit holds, which the next complete read tells.
        bool flashHoldsUnit = false;
        // A WriteFlash that went out was never answered: the flash may hold
        // `maybeFlash`, the record it was sent for, instead of `flash`.
        DeviceParameters maybeFlash;
        bool flashInDoubt = false;
        // An upload ran since the unit was last read: `written` holds the
        // blocks as last sent; `lowest` and `highest` bound, byte by byte,
        // what it held then and every value sent since. Until a complete
        // read tells, the unit may hold the record or `written`, and in a
        // field an upload changed, any value within the bounds (a value it
        // took, or one it kept at a limit).
        DeviceParameters written;
        DeviceParameters lowest;
        DeviceParameters highest;
        bool writing = false;

        // An upload sends a block: the unit may take it.
        void sent(int block, const quint8 *payload);

        // The unit holds values its flash does not.
        bool changesNotInFlash() const;
    };

    enum class Outcome
    {
        Unknown,   // nothing was known of this port's unit
        Same,      // it holds what it held, or what was sent to it: the same unit,
                   // unflashed state and all
        Restarted, // it holds its flash, or in some blocks (a restart during an
                   // upload): changes not written to flash were lost
        Other      // neither: another unit, or values changed outside the assistant
    };

    Knowledge recall(const QString &port) const { return ports.value(port); }
    void remember(const QString &port, const Knowledge &knowledge)
    {
        ports.insert(port, knowledge);
    }

    // What a unit that now holds `holds` is, measured against what was known.
    // A unit holds its record block by block: one that restarted in the
    // middle of an upload holds its flash in the blocks written before.
    static Outcome compare(const Knowledge &known, const DeviceParameters &holds);

private:
    QMap<QString, Knowledge> ports;
};
