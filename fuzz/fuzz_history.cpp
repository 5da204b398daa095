// Whatever file names the History folder holds, listing it must not crash,
// must keep only names of the entry pattern with a real time, and must give
// them newest first, each entry naming a file in that folder.
#include "UnitHistory.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QSet>
#include <QTemporaryDir>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const quint8 *data, size_t size)
{
    // One name a line; names a folder cannot hold are left out.
    QSet<QString> names;
    for (const QByteArray &line :
         QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)).split('\n')) {
        const QString name = QString::fromUtf8(line);
        if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QChar(0)) ||
            name == QLatin1String(".") || name == QLatin1String("..") ||
            QFile::encodeName(name).size() > 255 || names.size() >= 16)
            continue;
        names.insert(name);
    }
    QTemporaryDir folder;
    if (!folder.isValid())
        std::abort();
    for (const QString &name : names) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return 0; // the file system refused the name
    }

    const QVector<UnitHistory::Entry> entries = UnitHistory(folder.path()).entries();
    for (int i = 0; i < entries.size(); ++i) {
        const UnitHistory::Entry &entry = entries.at(i);
        const QString file = entry.path.mid(folder.path().size() + 1);
        if (entry.path != folder.filePath(file) || !names.contains(file))
            std::abort();
        if (!entry.time.isValid() || entry.model.isEmpty() ||
            !file.endsWith(QLatin1String(".conf")))
            std::abort();
        const QString kindWord =
            entry.kind == UnitHistory::Kind::Read      ? QStringLiteral("_read.conf")
            : entry.kind == UnitHistory::Kind::Flashed ? QStringLiteral("_flashed.conf")
                                                       : QStringLiteral("_guided.conf");
        if (!file.endsWith(kindWord) ||
            !file.contains(QLatin1String("_v") + entry.firmware + kindWord))
            std::abort();
        if (i > 0) {
            const UnitHistory::Entry &newer = entries.at(i - 1);
            if (newer.time < entry.time ||
                (newer.time == entry.time && newer.sequence < entry.sequence))
                std::abort();
        }
    }
    return 0;
}
