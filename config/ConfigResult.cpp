#include "ConfigResult.h"

#include "ConfigKey.h"

#include <QFileInfo>

namespace {

// A few names of a list that may be very long, each made printable.
QString someNames(const QStringList &names)
{
    constexpr int Shown = 3;
    QStringList texts;
    for (int i = 0; i < names.size() && i < Shown; ++i)
        texts << ConfigResult::printable(names.at(i));
    QString text = texts.join(QStringLiteral(", "));
    if (names.size() > Shown)
        text = ConfigResult::tr("%1 and %2 more").arg(text).arg(names.size() - Shown);
    return text;
}

} // namespace

QString ConfigResult::printable(const QString &text, int maximum)
{
    QString shown;
    for (const QChar c : text) {
        if (shown.size() >= maximum) {
            shown.chop(1);
            shown += QChar(0x2026);
            break;
        }
        shown += c.isPrint() && c != QChar::ReplacementCharacter ? c : QLatin1Char('?');
    }
    return shown;
}

QString ConfigResult::message() const
{
    const QString file = QFileInfo(name).fileName();
    switch (code) {
    case Loaded:
        return loadedText(file);
    case Saved:
        return tr("Configuration saved to %1").arg(file);
    case NotFound:
        return tr("Cannot load %1: the file does not exist").arg(file);
    case NotAFile:
        return tr("Cannot load %1: it is not a file").arg(file);
    case Unreadable:
        return tr("Cannot load %1: the file cannot be read").arg(file);
    case NoSettings:
        if (!unknown.isEmpty())
            return tr("Nothing loaded: %1 holds no gyro settings; unknown keys: %2")
                .arg(file, someNames(unknown));
        return tr("Nothing loaded: %1 holds no gyro settings").arg(file);
    case NotANumber:
        return tr("Nothing loaded: in %1, %2 holds \"%3\", which is not a whole number")
            .arg(file, badKey, printable(badValue));
    case OutOfRange:
        return tr("Nothing loaded: in %1, %2 holds %3; a setting holds %4")
            .arg(file, badKey, printable(badValue), allowedText);
    case TooLarge:
        return tr("Cannot load %1: not a configuration file: %2 MB")
            .arg(file)
            .arg((size + 512 * 1024) / (1024 * 1024));
    case IsDirectory:
        return tr("Cannot save %1: a folder of that name exists").arg(file);
    case NotWritable:
        return tr("Cannot save %1: the file cannot be written").arg(file);
    case NotRegular:
        return tr("Cannot save %1: it is not a regular file").arg(file);
    case KeptUnreadable:
        return tr("Cannot save %1: the existing file cannot be read").arg(file);
    }
    return QString();
}

QString ConfigResult::loadedText(const QString &file) const
{
    QString text = keys == LoadedKeyCount
                       ? tr("Configuration loaded from %1").arg(file)
                       : tr("Loaded %1 of %2 settings from %3; the other %4 kept their values")
                             .arg(keys)
                             .arg(LoadedKeyCount)
                             .arg(file)
                             .arg(LoadedKeyCount - keys);
    if (!unknown.isEmpty())
        text += tr("; unknown keys ignored: %1").arg(someNames(unknown));
    return text;
}
