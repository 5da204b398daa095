// Arbitrary file contents must never crash the .conf loader, and a load may
// write only the loaded offsets: reserved bytes and the IMU geometry stay,
// and a refused file leaves every byte as it was and names the key it stopped
// at.
#include "ConfigFile.h"
#include "ConfigKey.h"
#include "DeviceParameters.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

bool loadedOffset(int offset)
{
    for (const ConfigKey &key : configKeys()) {
        if (key.loaded && key.offset == offset)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const quint8 *data, size_t size)
{
    // A fresh name per input: QSettings caches parsed files by name.
    static quint64 serial = 0;
    const QString name =
        QDir::tempPath() + QStringLiteral("/vrn-fuzz-%1-%2.conf")
                               .arg(QString::number(qint64(getpid())), QString::number(serial++));
    {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    DeviceParameters before;
    for (int i = 0; i < DeviceParameters::Size; ++i)
        before.setByteAt(i, qint8(quint8(0xA5 ^ i)));
    DeviceParameters record = before;
    const ConfigResult result = ConfigFile::load(name, record);
    QFile::remove(name);

    for (int i = 0; i < DeviceParameters::Size; ++i) {
        const bool mayChange = result.ok() && loadedOffset(i);
        if (!mayChange && record.byteAt(i) != before.byteAt(i))
            std::abort();
    }
    // The file exists and is readable: it is taken, holds none of the keys,
    // or is refused for a value, naming a key a load reads.
    switch (result.status()) {
    case ConfigResult::Loaded:
        if (result.keysRead() < 1 || result.keysRead() > LoadedKeyCount)
            std::abort();
        break;
    case ConfigResult::NoSettings:
        break;
    case ConfigResult::NotANumber:
    case ConfigResult::OutOfRange:
        if (!std::any_of(configKeys().begin(), configKeys().end(), [&](const ConfigKey &key) {
                // "CH2 Servo Dir Rev. (General/servo_rev_1)", or the key alone
                // for a field no page shows.
                const QString name = QLatin1String(key.key);
                return key.loaded &&
                       (result.offendingKey() == name ||
                        result.offendingKey().endsWith(QLatin1Char('(') + name + QLatin1Char(')')));
            }))
            std::abort();
        break;
    default:
        std::abort();
    }
    return 0;
}
