#include "AppSettings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace AppSettings {

namespace {

// Named here rather than taken from the application object, so that whoever
// hosts the window (the program, a test) reads the same pilot's file.
const char *const organisation = "Morvane";
const char *const application = "VRN Assistant";

QString &programFileOverride()
{
    static QString path;
    return path;
}

QSettings userSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, organisation, application);
}

QSettings programSettings()
{
    return QSettings(programFilePath(), QSettings::IniFormat);
}

// QSettings reports a folder it cannot write only through its status after
// sync(); a file that cannot be created is an AccessError.
bool writeTo(QSettings &&settings, const QString &key, const QVariant &value)
{
    if (!settings.isWritable())
        return false;
    settings.setValue(key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

// A program installed under /usr belongs to the system's package manager:
// its folder is never written, even by root, whose choice then goes to
// root's own settings like anyone else's.
bool inSystemFolder()
{
    return QFileInfo(programFilePath()).absolutePath().startsWith(QLatin1String("/usr/"));
}

} // namespace

QString programFilePath()
{
    if (!programFileOverride().isEmpty())
        return programFileOverride();
    return QCoreApplication::applicationDirPath() + "/sys.ini";
}

QString userFilePath()
{
    return userSettings().fileName();
}

QVariant value(const QString &key, const QVariant &fallback)
{
    const QSettings user = userSettings();
    if (user.contains(key))
        return user.value(key);
    return programSettings().value(key, fallback);
}

bool setValue(const QString &key, const QVariant &value)
{
    if (!inSystemFolder() && writeTo(programSettings(), key, value)) {
        // The pilot's own file would hide the new choice: it no longer holds one.
        QSettings user = userSettings();
        if (user.contains(key)) {
            user.remove(key);
            user.sync();
        }
    } else if (!writeTo(userSettings(), key, value)) {
        return false;
    }
    return AppSettings::value(key).toString() == value.toString();
}

void setProgramFilePath(const QString &path)
{
    programFileOverride() = path;
}

} // namespace AppSettings
