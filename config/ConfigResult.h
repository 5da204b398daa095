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
        OutOfRange,    // load: a known key holds a number its field cannot hold
        TooLarge,      // load: far bigger than any .conf file
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
    // Loaded keys the file lacks ("Condition/r_kp"): the record keeps its
    // values there.
    void setMissingKeys(const QStringList &names) { missing = names; }
    QStringList missingKeys() const { return missing; }
    // The unit the file was saved from ("VRN-X1", "2.1"); empty for a file
    // saved without a unit or by an older program.
    void setSavedFrom(const QString &model, const QString &firmware)
    {
        fromModel = model;
        fromFirmware = firmware;
    }
    QString savedModel() const { return fromModel; }
    QString savedFirmware() const { return fromFirmware; }
    // The file's size, for a refused TooLarge load.
    void setSize(qint64 bytes) { size = bytes; }

    // Text taken from a file, fit for one line of a message: control
    // characters and broken bytes become "?", and a long text is cut to
    // `maximum` characters with an ellipsis.
    static QString printable(const QString &text, int maximum = 24);
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
    QStringList missing;
    QString fromModel;
    QString fromFirmware;
    qint64 size = 0;

    QString loadedText(const QString &file) const;
};
