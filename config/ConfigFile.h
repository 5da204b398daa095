#pragma once

#include "ConfigKey.h"
#include "ConfigResult.h"

#include <QString>

#include <array>
#include <optional>

struct DeviceParameters;

// The .conf file: an INI file through QSettings with the groups "General"
// (helicopter set-up) and "Condition" (gains and rates), one decimal value
// per record field. Knows the record, never a widget, so the tool bar, the
// tests and command-line tools share it.
class ConfigFile
{
public:
    // No .conf file comes near this; a bigger one is refused unread, so no
    // file can hold the window or the link up while it is parsed.
    static constexpr qint64 MaxSize = 1024 * 1024;

    // Reads the loaded keys the file holds into `record`; a key the file
    // lacks keeps the record's value. Only what cannot be a value refuses
    // the whole file, leaving the record as it was: text that is not a
    // decimal integer, a number the field's byte cannot hold, a file that
    // cannot be read, is too big or holds none of the keys. Whatever the
    // pages make of a value is the preview's to say: every record a unit
    // holds must come back from its own file. Missing and unknown keys and
    // the unit the file was saved from are reported.
    static ConfigResult load(const QString &fileName, DeviceParameters &record);

    // What a file holds, read apart from any record: the same checks and
    // report as load(), and the value of every loaded key the file gives
    // (none when it is refused). Lets a file be read on another thread and
    // laid over the record as it is when the reading ends.
    struct Contents
    {
        ConfigResult result;
        std::array<std::optional<qint8>, ConfigKeyCount> values{};
        void applyTo(DeviceParameters &record) const;
    };
    static Contents read(const QString &fileName);

    // read() on a thread of its own while this thread's event loop runs, so
    // that a file near the size cap, which QSettings takes a good part of a
    // second to parse, holds neither the link's ticks nor the window's
    // painting. User input waits until the reading ends.
    static Contents readWhileRunning(const QString &fileName);

    // Writes every key of configKeys() into saveName(fileName), keeping any
    // other keys an existing file holds, and, when `model` is known, the
    // unit's model and firmware in a group of their own ("Unit") that the
    // record's keys never share. The new file is written beside the old one and renamed
    // over it, so a failed save leaves the old file intact. A pipe or
    // device of that name is refused: writing it would never end.
    static ConfigResult save(const QString &fileName, const DeviceParameters &record,
                             quint8 model = 0, quint8 firmware = 0);

    // The group keys of the unit a file was saved from.
    static QString modelKey();
    static QString firmwareKey();
    // The pilot's note about the file (History entries), in the same group.
    static QString noteKey();

    // The name a save writes to: ".conf" is appended unless the name already
    // ends in it, in any letter case.
    static QString saveName(const QString &fileName);
};
