#include "UnitHistory.h"

#include "UnitModel.h"

#include "ConfigFile.h"
#include "ConfigKey.h"
#include "DeviceParameters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString TimeFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");

// date_time[-n]_model_vfirmware_kind.conf; -n only when a second entry falls
// within the same second.
const QRegularExpression &entryPattern()
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^(\d{4}-\d{2}-\d{2}_\d{2}-\d{2}-\d{2})(?:-(\d+))?_(.+)_v(\d+\.\d)_(read|flashed|guided)\.conf$)"));
    return pattern;
}

QString kindWord(UnitHistory::Kind kind)
{
    switch (kind) {
    case UnitHistory::Kind::Read:
        return QStringLiteral("read");
    case UnitHistory::Kind::Flashed:
        return QStringLiteral("flashed");
    case UnitHistory::Kind::BeforeGuidedSetup:
        return QStringLiteral("guided");
    }
    return QString();
}

UnitHistory::Kind kindOfWord(const QString &word)
{
    if (word == QLatin1String("read"))
        return UnitHistory::Kind::Read;
    return word == QLatin1String("guided") ? UnitHistory::Kind::BeforeGuidedSetup
                                           : UnitHistory::Kind::Flashed;
}

// Newest first; within one second the later suffix first.
bool newerFirst(const UnitHistory::Entry &a, const UnitHistory::Entry &b)
{
    if (a.time != b.time)
        return a.time > b.time;
    return a.sequence > b.sequence;
}

// Only an entry that holds every setting can stand for a record; a partial
// one would take the record's own values for the keys it lacks and so
// equal any record.
bool sameAsFile(const DeviceParameters &record, const QString &path)
{
    DeviceParameters stored = record;
    const ConfigResult result = UnitHistory::loadEntry(path, stored);
    return result.ok() && result.keysRead() == LoadedKeyCount && stored == record;
}

} // namespace

// An entry this program writes is about 1.5 KB. A much bigger file named
// like one was put there by someone else; it is not parsed while the link
// waits for the history to be kept, nor while the History window fills.
ConfigResult UnitHistory::loadEntry(const QString &path, DeviceParameters &record)
{
    const qint64 size = QFileInfo(path).size();
    if (size > EntryMaxSize) {
        ConfigResult refused(ConfigResult::TooLarge, path);
        refused.setSize(size);
        return refused;
    }
    return ConfigFile::load(path, record);
}

QString UnitHistory::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/history");
}

UnitHistory::UnitHistory(const QString &folder) : dir(folder) {}

QString UnitHistory::modelName(quint8 model)
{
    return UnitModel::name(model);
}

QString UnitHistory::firmwareText(quint8 firmware)
{
    return UnitModel::firmware(firmware);
}

QString UnitHistory::kindText(Kind kind)
{
    switch (kind) {
    case Kind::Read:
        return tr("read");
    case Kind::Flashed:
        return tr("flashed");
    case Kind::BeforeGuidedSetup:
        return tr("before guided setup");
    }
    return QString();
}

UnitHistory::Outcome UnitHistory::save(const DeviceParameters &record, quint8 model,
                                       quint8 firmware, Kind kind, const QDateTime &when)
{
    const QString name = modelName(model);
    for (const Entry &entry : entries()) {
        if (kind == Kind::BeforeGuidedSetup)
            break;
        if (entry.model != name)
            continue;
        if (sameAsFile(record, entry.path))
            return Outcome::Unchanged;
        break;
    }
    if (!QDir().mkpath(dir))
        return Outcome::Failed;
    const QString stem = when.toString(TimeFormat);
    const QString tail =
        QStringLiteral("_%1_v%2_%3.conf").arg(name, firmwareText(firmware), kindWord(kind));
    QString path = dir + QLatin1Char('/') + stem + tail;
    for (int n = 2; QFile::exists(path); ++n)
        path = dir + QLatin1Char('/') + stem + QStringLiteral("-%1").arg(n) + tail;
    if (!ConfigFile::save(path, record, model, firmware).ok())
        return Outcome::Failed;
    removeOldest();
    return Outcome::Saved;
}

QVector<UnitHistory::Entry> UnitHistory::entries() const
{
    QVector<Entry> list;
    const QStringList names =
        QDir(dir).entryList({QStringLiteral("*.conf")}, QDir::Files | QDir::Readable);
    for (const QString &file : names) {
        const QRegularExpressionMatch match = entryPattern().match(file);
        if (!match.hasMatch())
            continue;
        const QDateTime time = QDateTime::fromString(match.captured(1), TimeFormat);
        if (!time.isValid())
            continue;
        list.append({dir + QLatin1Char('/') + file, time, match.captured(3), match.captured(4),
                     kindOfWord(match.captured(5)),
                     match.captured(2).isEmpty() ? 1 : match.captured(2).toInt()});
    }
    std::sort(list.begin(), list.end(), newerFirst);
    return list;
}

// Only complete entries that this program wrote count towards the cap and
// go: a file someone put there or edited by hand is theirs to remove, and
// so is an entry the pilot gave a note.
void UnitHistory::removeOldest() const
{
    const QVector<Entry> list = entries();
    if (list.size() <= Cap)
        return;
    int kept = 0;
    for (const Entry &entry : list) {
        if (!writtenHere(entry) || !note(entry.path).isEmpty())
            continue;
        if (++kept > Cap)
            QFile::remove(entry.path);
    }
}

int UnitHistory::keysHeld(const Entry &entry)
{
    DeviceParameters probe;
    const ConfigResult result = loadEntry(entry.path, probe);
    return result.ok() ? result.keysRead() : 0;
}

bool UnitHistory::writtenHere(const Entry &entry)
{
    DeviceParameters probe;
    const ConfigResult result = loadEntry(entry.path, probe);
    // Before any unit has answered, a save names no unit in the file.
    const bool namesItsUnit =
        entry.model == modelName(0)
            ? result.savedModel().isEmpty()
            : result.savedModel() == entry.model && result.savedFirmware() == entry.firmware;
    return result.ok() && result.keysRead() == LoadedKeyCount && result.unknownKeys().isEmpty() &&
           namesItsUnit;
}

QString UnitHistory::note(const QString &path)
{
    const QSettings file(path, QSettings::IniFormat);
    return file.value(ConfigFile::noteKey()).toString();
}

bool UnitHistory::setNote(const QString &path, const QString &note)
{
    if (!QFileInfo(path).isFile())
        return false;
    QSettings file(path, QSettings::IniFormat);
    const QString text = note.simplified();
    if (text.isEmpty())
        file.remove(ConfigFile::noteKey());
    else
        file.setValue(ConfigFile::noteKey(), text);
    file.sync();
    return file.status() == QSettings::NoError;
}
