#include "UnitHistory.h"

#include "UnitModel.h"

#include "ConfigFile.h"
#include "DeviceParameters.h"
#include "ParameterCaption.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString TimeFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss");

// date_time[-n]_model_vfirmware_kind.conf; -n only when a second entry falls
// within the same second.
const QRegularExpression &entryPattern()
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^(\d{4}-\d{2}-\d{2}_\d{2}-\d{2}-\d{2})(?:-(\d+))?_(.+)_v(\d+\.\d)_(read|flashed)\.conf$)"));
    return pattern;
}

QString kindWord(UnitHistory::Kind kind)
{
    return kind == UnitHistory::Kind::Read ? QStringLiteral("read") : QStringLiteral("flashed");
}

// Newest first; within one second the later suffix first.
bool newerFirst(const UnitHistory::Entry &a, const UnitHistory::Entry &b)
{
    if (a.time != b.time)
        return a.time > b.time;
    return a.sequence > b.sequence;
}

bool sameAsFile(const DeviceParameters &record, const QString &path)
{
    DeviceParameters stored = record;
    if (!ConfigFile::load(path, stored).ok())
        return false;
    return ParameterCaption::differences(record, stored).isEmpty();
}

} // namespace

QString UnitHistory::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/history");
}

UnitHistory::UnitHistory(const QString &folder) : dir(folder)
{
}

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
    return kind == Kind::Read ? tr("read") : tr("flashed");
}

UnitHistory::Outcome UnitHistory::save(const DeviceParameters &record, quint8 model,
                                       quint8 firmware, Kind kind, const QDateTime &when)
{
    const QString name = modelName(model);
    for (const Entry &entry : entries()) {
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
    if (!ConfigFile::save(path, record).ok())
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
                     match.captured(5) == QLatin1String("read") ? Kind::Read : Kind::Flashed,
                     match.captured(2).isEmpty() ? 1 : match.captured(2).toInt()});
    }
    std::sort(list.begin(), list.end(), newerFirst);
    return list;
}

void UnitHistory::removeOldest() const
{
    const QVector<Entry> list = entries();
    for (int i = Cap; i < list.size(); ++i)
        QFile::remove(list.at(i).path);
}
