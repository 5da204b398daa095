#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

// The compiled catalogues where the program looks for them, beside the
// test's executable, for the window tests that open it in either language.
namespace CataloguesBesideProgram {

inline QString folder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/language");
}

// False when a catalogue could not be copied.
inline bool install()
{
    QDir().mkpath(folder());
    for (const char *name : {"vrn_lang_en.qm", "vrn_lang_zh.qm"}) {
        const QString target = folder() + "/" + QLatin1String(name);
        QFile::remove(target);
        if (!QFile::copy(QStringLiteral(VRN_BINARY_DIR "/language/") + QLatin1String(name), target))
            return false;
    }
    return true;
}

inline void remove()
{
    QDir(folder()).removeRecursively();
}

} // namespace CataloguesBesideProgram
