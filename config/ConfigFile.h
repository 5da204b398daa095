#pragma once

#include "ConfigResult.h"

#include <QString>

struct DeviceParameters;

// The .conf file: an INI file through QSettings with the groups "General"
// (helicopter set-up) and "Condition" (gains and rates), one decimal value
// per record field. Knows the record, never a widget, so the tool bar, the
// tests and command-line tools share it.
class ConfigFile
{
public:
    // Reads the 62 loaded keys into `record`; an absent or non-decimal value
    // gives 0, a value beyond a byte keeps its low eight bits. A file that
    // cannot be read, or holds none of those keys, leaves the record as it
    // was: a mistyped name must not zero the gains that go to the unit.
    static ConfigResult load(const QString &fileName, DeviceParameters &record);

    // Writes all 66 keys into saveName(fileName), keeping any other keys an
    // existing file holds. The new file is written beside the old one and
    // renamed over it, so a failed save leaves the old file intact.
    static ConfigResult save(const QString &fileName, const DeviceParameters &record);

    // The name a save writes to: ".conf" is appended unless the name already
    // ends in it, in any letter case.
    static QString saveName(const QString &fileName);
};
