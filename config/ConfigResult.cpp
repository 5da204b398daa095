#include "ConfigResult.h"

#include <QFileInfo>

QString ConfigResult::message() const
{
    const QString file = QFileInfo(name).fileName();
    switch (code) {
    case Loaded:
        return tr("Configuration loaded from %1").arg(file);
    case Saved:
        return tr("Configuration saved to %1").arg(file);
    case NotFound:
        return tr("Cannot load %1: the file does not exist").arg(file);
    case NotAFile:
        return tr("Cannot load %1: it is not a file").arg(file);
    case Unreadable:
        return tr("Cannot load %1: the file cannot be read").arg(file);
    case NoSettings:
        return tr("Nothing loaded: %1 holds no gyro settings").arg(file);
    case IsDirectory:
        return tr("Cannot save %1: a folder of that name exists").arg(file);
    case NotWritable:
        return tr("Cannot save %1: the file cannot be written").arg(file);
    case KeptUnreadable:
        return tr("Cannot save %1: the existing file cannot be read").arg(file);
    }
    return QString();
}
