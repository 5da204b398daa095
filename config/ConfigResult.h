#pragma once

#include <QCoreApplication>
#include <QString>

// What became of one load or save, with the text the status bar shows.
class ConfigResult
{
    Q_DECLARE_TR_FUNCTIONS(ConfigResult)

public:
    enum Status
    {
        Loaded,
        Saved,
        NotFound,      // load: no such file
        NotAFile,      // load: a folder or device of that name
        Unreadable,    // load: the file cannot be opened for reading
        NoSettings,    // load: none of the loaded keys is in the file
        IsDirectory,   // save: a folder of that name is in the way
        NotWritable,   // save: the file could not be written or replaced
        KeptUnreadable // save: the existing file's other keys cannot be kept
    };

    ConfigResult(Status status, const QString &fileName, int keysRead = 0)
        : code(status), name(fileName), keys(keysRead)
    {
    }

    Status status() const { return code; }
    bool ok() const { return code == Loaded || code == Saved; }
    QString fileName() const { return name; }
    // Loaded keys that the file held (loads only).
    int keysRead() const { return keys; }
    // Translated, naming the file.
    QString message() const;

private:
    Status code;
    QString name;
    int keys;
};
