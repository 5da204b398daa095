#include "ConfigFile.h"

#include "ConfigKey.h"
#include "DeviceParameters.h"
#include "ParameterCaption.h"
#include "UnitModel.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>
#include <QThread>
#include <QVariant>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

namespace {

// The text QSettings read for a key: a value with commas comes back as a list.
QString readText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

// A set, not a scan of the key table: a file near the size cap may hold a
// hundred thousand keys.
QStringList unknownKeys(const QSettings &settings)
{
    static const QSet<QString> known = [] {
        QSet<QString> names{ConfigFile::modelKey(), ConfigFile::firmwareKey(),
                            ConfigFile::noteKey()};
        for (const ConfigKey &key : configKeys())
            names.insert(QLatin1String(key.key));
        return names;
    }();
    QStringList unknown;
    for (const QString &name : settings.allKeys()) {
        if (!known.contains(name))
            unknown << name;
    }
    return unknown;
}

// "Tail Gain P (Condition/r_kp)": the page's words, and the line to look for
// in the file.
QString pilotsName(const ConfigKey &key)
{
    const ParameterCaption *caption = ParameterCaption::forOffset(key.offset);
    const QString name = QLatin1String(key.key);
    return caption ? QStringLiteral("%1 (%2)").arg(caption->shortCaption(), name) : name;
}

// The name of a temporary file beside `target`: short, so that any name the
// folder takes can be saved, and hidden.
QString besideTemplate(const QString &target)
{
    return QFileInfo(target).absolutePath() + QStringLiteral("/.vrn.XXXXXX");
}

QString valueText(const DeviceParameters &record, const ConfigKey &key)
{
    if (key.width == 2) {
        qint16 word;
        std::memcpy(&word, record.bytes() + key.offset, sizeof word);
        return QStringLiteral("%1").arg(int(word));
    }
    return QStringLiteral("%1").arg(int(record.byteAt(key.offset)));
}

// Copies what an existing file holds into the new one, so keys of other
// programs survive the save.
bool copyExisting(const QString &target, QTemporaryFile &temp, ConfigResult::Status &failure)
{
    QFile old(target);
    if (!old.open(QIODevice::ReadOnly)) {
        failure = ConfigResult::KeptUnreadable;
        return false;
    }
    const QByteArray contents = old.readAll();
    if (old.error() != QFileDevice::NoError) {
        failure = ConfigResult::KeptUnreadable;
        return false;
    }
    temp.setPermissions(old.permissions());
    failure = ConfigResult::NotWritable;
    return temp.write(contents) == contents.size() && temp.flush();
}

bool writeKeys(const QString &fileName, const DeviceParameters &record, quint8 model,
               quint8 firmware)
{
    QSettings settings(fileName, QSettings::IniFormat);
    for (const ConfigKey &key : configKeys())
        settings.setValue(QLatin1String(key.key), valueText(record, key));
    if (model != 0) {
        settings.setValue(ConfigFile::modelKey(), UnitModel::name(model));
        settings.setValue(ConfigFile::firmwareKey(), UnitModel::firmware(firmware));
    } else {
        // An older save's unit no longer describes the record.
        settings.remove(ConfigFile::modelKey());
        settings.remove(ConfigFile::firmwareKey());
    }
    settings.sync();
    // A FormatError only says the old contents held lines QSettings could not
    // parse (a byte order mark, a # comment); it still writes the file, and
    // once set it hides a later AccessError, so verifyWritten has the last word.
    return settings.status() != QSettings::AccessError;
}

// QSettings reports success even when the disk fills up half way through
// its write, so the new file is read back from the disk before it may
// replace the old one. A copy under a fresh name makes QSettings parse the
// bytes on disk instead of answering from what it just wrote.
bool verifyWritten(const QString &fileName, const DeviceParameters &record)
{
    QFile written(fileName);
    if (!written.open(QIODevice::ReadOnly))
        return false;
    const QByteArray contents = written.readAll();
    QTemporaryFile copy(besideTemplate(fileName));
    if (written.error() != QFileDevice::NoError || !copy.open() ||
        copy.write(contents) != contents.size() || !copy.flush())
        return false;
    copy.close();
    const QSettings settings(copy.fileName(), QSettings::IniFormat);
    for (const ConfigKey &key : configKeys()) {
        if (settings.value(QLatin1String(key.key)).toString() != valueText(record, key))
            return false;
    }
    return settings.status() == QSettings::NoError;
}

bool replaceFile(const QString &from, const QString &to)
{
#ifdef Q_OS_WIN
    QFile::remove(to);
    return QFile::rename(from, to);
#else
    // rename(2) swaps the name over atomically: readers see the old file or
    // the new one, never a half-written one.
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
#endif
}

} // namespace

ConfigFile::Contents ConfigFile::read(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return {{ConfigResult::NotFound, fileName}, {}};
    // Devices and pipes would block or never end.
    if (!info.isFile())
        return {{ConfigResult::NotAFile, fileName}, {}};
    if (info.size() > MaxSize) {
        ConfigResult refused(ConfigResult::TooLarge, fileName);
        refused.setSize(info.size());
        return {refused, {}};
    }
    QFile probe(fileName);
    if (!probe.open(QIODevice::ReadOnly))
        return {{ConfigResult::Unreadable, fileName}, {}};
    probe.close();

    QSettings settings(fileName, QSettings::IniFormat);
    if (settings.status() == QSettings::AccessError)
        return {{ConfigResult::Unreadable, fileName}, {}};
    // Everything is checked before anything is kept: a file is taken whole
    // or not at all.
    Contents contents{{ConfigResult::Loaded, fileName}, {}};
    int present = 0;
    QStringList missing;
    for (int i = 0; i < ConfigKeyCount; ++i) {
        const ConfigKey &key = configKeys()[i];
        const QString name = QLatin1String(key.key);
        if (!key.loaded)
            continue;
        if (!settings.contains(name)) {
            missing << name;
            continue;
        }
        const QString text = readText(settings.value(name));
        bool ok = false;
        const int number = text.trimmed().toInt(&ok, 10);
        if (!ok) {
            ConfigResult refused(ConfigResult::NotANumber, fileName);
            refused.setOffending(pilotsName(key), text);
            return {refused, {}};
        }
        if (number < -128 || number > 127) {
            ConfigResult refused(ConfigResult::OutOfRange, fileName);
            refused.setOffending(pilotsName(key), text, ConfigResult::tr("-128 to 127"));
            return {refused, {}};
        }
        contents.values[i] = qint8(number);
        ++present;
    }
    ConfigResult result(present == 0 ? ConfigResult::NoSettings : ConfigResult::Loaded, fileName,
                        present);
    result.setUnknownKeys(unknownKeys(settings));
    result.setMissingKeys(missing);
    result.setSavedFrom(readText(settings.value(modelKey())),
                        readText(settings.value(firmwareKey())));
    contents.result = result;
    if (present == 0)
        contents.values = {};
    return contents;
}

void ConfigFile::Contents::applyTo(DeviceParameters &record) const
{
    for (int i = 0; i < ConfigKeyCount; ++i) {
        if (values[i])
            record.setByteAt(configKeys()[i].offset, *values[i]);
    }
}

ConfigResult ConfigFile::load(const QString &fileName, DeviceParameters &record)
{
    const Contents contents = read(fileName);
    contents.applyTo(record);
    return contents.result;
}

ConfigFile::Contents ConfigFile::readWhileRunning(const QString &fileName)
{
    // Without an application there is no loop to keep running.
    if (!QCoreApplication::instance())
        return read(fileName);
    Contents contents{{ConfigResult::Unreadable, fileName}, {}};
    std::unique_ptr<QThread> reader(
        QThread::create([&contents, fileName] { contents = read(fileName); }));
    QEventLoop loop;
    QObject::connect(reader.get(), &QThread::finished, &loop, &QEventLoop::quit,
                     Qt::QueuedConnection);
    reader->start();
    // Ticks, replies and repaints go on; the pilot's clicks and keys wait
    // until the file is read, so nothing starts a second load meanwhile.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    // Only when the application quits under the loop is the reader still busy.
    reader->wait();
    return contents;
}

QString ConfigFile::modelKey()
{
    return QStringLiteral("Unit/model");
}

QString ConfigFile::firmwareKey()
{
    return QStringLiteral("Unit/firmware");
}

QString ConfigFile::noteKey()
{
    return QStringLiteral("Unit/note");
}

ConfigResult ConfigFile::save(const QString &fileName, const DeviceParameters &record, quint8 model,
                              quint8 firmware)
{
    const QString name = saveName(fileName);
    const QFileInfo info(name);
    if (info.isDir())
        return {ConfigResult::IsDirectory, name};
    // Following a link too: a pipe would block the window for good.
    if (info.exists() && !info.isFile())
        return {ConfigResult::NotRegular, name};
    // Through a link, the file it points to is replaced, not the link.
    const QString target = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QFileInfo targetInfo(target);

    QTemporaryFile temp(besideTemplate(target));
    if (!temp.open())
        return {ConfigResult::NotWritable, name};
    ConfigResult::Status failure = ConfigResult::NotWritable;
    if (info.exists()) {
        if (!copyExisting(target, temp, failure))
            return {failure, name};
    } else {
        temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                            QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
    temp.close();
    if (!writeKeys(temp.fileName(), record, model, firmware) ||
        !verifyWritten(temp.fileName(), record) || !replaceFile(temp.fileName(), target))
        return {ConfigResult::NotWritable, name};
    temp.setAutoRemove(false);
    return {ConfigResult::Saved, name};
}

QString ConfigFile::saveName(const QString &fileName)
{
    if (fileName.right(5).toLower() == QLatin1String(".conf"))
        return fileName;
    return fileName + QStringLiteral(".conf");
}
