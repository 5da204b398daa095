#pragma once

#include <QString>
#include <QVariant>

// The program's lasting choices (the language today), in one place.
//
// Two files may hold them: the pilot's own settings in the per-user
// configuration folder, and "sys.ini" beside the program. The pilot's own file
// wins, so a choice made by a pilot survives an installation whose "sys.ini"
// says otherwise. A choice is written to "sys.ini" where the program's folder
// can be written (a copy the pilot built or unpacked), else to the pilot's own
// file (a system-wide installation).
namespace AppSettings {

QString programFilePath();
QString userFilePath();

// The stored value: the pilot's own file first, then "sys.ini", else `fallback`.
QVariant value(const QString &key, const QVariant &fallback = QVariant());

// Stores `value` so that value(key) gives it from now on. Returns false when
// neither file could be written; the stored choice is then unchanged.
bool setValue(const QString &key, const QVariant &value);

// For tests: the "sys.ini" to use instead of the one beside the program
// (empty: beside the program again).
void setProgramFilePath(const QString &path);

} // namespace AppSettings
