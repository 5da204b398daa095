#pragma once

#include "ConfigResult.h"
#include "ValueRanges.h"

#include <QString>

struct DeviceParameters;

// The .conf file: an INI file through QSettings with the groups "General"
// (helicopter set-up) and "Condition" (gains and rates), one decimal value
// per record field. Knows the record, never a widget, so the tool bar, the
// tests and command-line tools share it.
class ConfigFile
{
public:
    // Reads the loaded keys the file holds into `record`; a key the file
    // lacks keeps the record's value. Every value is checked first: one that
    // is not a decimal integer, or that `ranges` does not allow, refuses the
    // whole file and the record stays as it was, as it does for a file that
    // cannot be read or holds none of the keys. Keys no field is known by are
    // reported, not read.
    static ConfigResult load(const QString &fileName, DeviceParameters &record,
                             const ValueRanges &ranges = ValueRanges());

    // Writes all 66 keys into saveName(fileName), keeping any other keys an
    // existing file holds. The new file is written beside the old one and
    // renamed over it, so a failed save leaves the old file intact. A pipe
    // or device of that name is refused: writing it would never end.
    static ConfigResult save(const QString &fileName, const DeviceParameters &record);

    // The name a save writes to: ".conf" is appended unless the name already
    // ends in it, in any letter case.
    static QString saveName(const QString &fileName);
};
