#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

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
        NotANumber,    // load: a known key holds text that is not an integer
        OutOfRange,    // load: a known key holds a value its page does not allow
        IsDirectory,   // save: a folder of that name is in the way
        NotWritable,   // save: the file could not be written or replaced
        NotRegular,    // save: a pipe or device of that name is in the way
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

    // The first key a refused load stopped at, its text and what is allowed.
    void setOffending(const QString &key, const QString &value, const QString &allowed = QString())
    {
        badKey = key;
        badValue = value;
        allowedText = allowed;
    }
    QString offendingKey() const { return badKey; }
    // Keys in the file that no field is known by (a misspelt name).
    void setUnknownKeys(const QStringList &names) { unknown = names; }
    QStringList unknownKeys() const { return unknown; }
    // Translated, naming the file.
    QString message() const;

private:
    Status code;
    QString name;
    int keys;
    QString badKey;
    QString badValue;
    QString allowedText;
    QStringList unknown;

    QString loadedText(const QString &file) const;
};
