#include "FlashFile.h"

#include <QFile>
#include <QSaveFile>

#include <cstring>

namespace FlashFile {

std::optional<DeviceParameters> load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = file.read(DeviceParameters::Size + 1);
    if (data.size() != DeviceParameters::Size)
        return std::nullopt;
    DeviceParameters record;
    std::memcpy(record.bytes(), data.constData(), DeviceParameters::Size);
    return record;
}

bool save(const QString &path, const DeviceParameters &record)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const char *data = reinterpret_cast<const char *>(record.bytes());
    if (file.write(data, DeviceParameters::Size) != DeviceParameters::Size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace FlashFile
