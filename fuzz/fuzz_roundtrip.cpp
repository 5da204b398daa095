// A record saved over any existing file loads back byte for byte: the first
// 113 bytes of the input are the record, the rest the file it is saved over.
// A save that fails must leave that file as it was.
#include "ConfigFile.h"
#include "ConfigKey.h"
#include "DeviceParameters.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

QByteArray contents(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const quint8 *data, size_t size)
{
    if (size < size_t(DeviceParameters::Size))
        return -1;
    DeviceParameters record;
    std::memcpy(record.bytes(), data, DeviceParameters::Size);
    const QByteArray existing(reinterpret_cast<const char *>(data) + DeviceParameters::Size,
                              qsizetype(size) - DeviceParameters::Size);

    // A fresh name per input: QSettings caches parsed files by name.
    static quint64 serial = 0;
    const QString name =
        QDir::tempPath() + QStringLiteral("/vrn-fuzz-%1-%2.conf")
                               .arg(QString::number(qint64(getpid())), QString::number(serial++));
    if (!existing.isEmpty()) {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write(existing) != existing.size())
            std::abort();
    }
    const ConfigResult saved = ConfigFile::save(name, record);
    if (!saved.ok()) {
        if (contents(name) != existing)
            std::abort(); // a failed save changed the old file
        QFile::remove(name);
        return 0;
    }

    DeviceParameters loaded;
    for (int i = 0; i < DeviceParameters::Size; ++i)
        loaded.setByteAt(i, qint8(quint8(~record.bytes()[i])));
    const DeviceParameters untouched = loaded;
    const ConfigResult result = ConfigFile::load(name, loaded);
    QFile::remove(name);
    if (result.status() != ConfigResult::Loaded || result.keysRead() != LoadedKeyCount)
        std::abort();
    for (const ConfigKey &key : configKeys()) {
        const qint8 expected =
            key.loaded ? record.byteAt(key.offset) : untouched.byteAt(key.offset);
        if (loaded.byteAt(key.offset) != expected)
            std::abort();
    }
    return 0;
}
