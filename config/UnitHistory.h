#pragma once

#include "ConfigResult.h"

#include <QDateTime>
#include <QString>
#include <QVector>

struct DeviceParameters;

// The unit's record as it was read from it or written to its flash, kept as
// ordinary .conf files in one folder, one file per moment:
// "2026-12-08_14-03-22_VRN-X1_v2.1_read.conf". The newest entry of a model
// is never saved twice with the same values, and the oldest entries go once
// there are more than Cap of those the program wrote. A pilot may give an
// entry a note ("before maiden"): it is kept in the entry's file, and an
// entry with a note is never removed but by the pilot.
class UnitHistory
{
    Q_DECLARE_TR_FUNCTIONS(UnitHistory)

public:
    static constexpr int Cap = 200;
    // No entry this program writes comes near this; a bigger file is taken
    // for someone else's and not read.
    static constexpr qint64 EntryMaxSize = 16 * 1024;

    enum class Kind
    {
        Read,              // a complete download
        Flashed,           // acknowledged WriteFlash
        BeforeGuidedSetup, // the unit as the guided setup found it
    };

    struct Entry
    {
        QString path;
        QDateTime time;
        QString model;
        QString firmware;
        Kind kind;
        int sequence; // 1, or n for the n-th entry within one second
    };

    enum class Outcome
    {
        Saved,
        Unchanged, // equal to the newest entry of the same model
        Failed,    // the folder or the file could not be written
    };

    // The per-user application data location, subfolder "history".
    static QString defaultFolder();

    explicit UnitHistory(const QString &folder = defaultFolder());

    QString folder() const { return dir; }
    void setFolder(const QString &folder) { dir = folder; }

    // An entry equal to the newest one of its model is not saved again,
    // except the one before a guided setup, which the pilot looks for by name.
    Outcome save(const DeviceParameters &record, quint8 model, quint8 firmware, Kind kind,
                 const QDateTime &when = QDateTime::currentDateTime());
    // Every entry the folder holds, newest first; files of other names are
    // left out.
    QVector<Entry> entries() const;

    static QString modelName(quint8 model);
    static QString firmwareText(quint8 firmware);
    static QString kindText(Kind kind);
    // The loaded keys an entry holds (LoadedKeyCount for a whole record; 0
    // unreadable).
    static int keysHeld(const Entry &entry);
    // ConfigFile::load() of an entry, refusing unread a file bigger than
    // EntryMaxSize.
    static ConfigResult loadEntry(const QString &path, DeviceParameters &record);
    // Written by this program: every setting, the unit it names, nothing
    // else. Only such entries are ever removed.
    static bool writtenHere(const Entry &entry);

    // The pilot's note of an entry (any .conf file), empty when it has none.
    static QString note(const QString &path);
    // Stores the note in the file (an empty one removes it); false when the
    // file cannot be written.
    static bool setNote(const QString &path, const QString &note);

private:
    void removeOldest() const;

    QString dir;
};
