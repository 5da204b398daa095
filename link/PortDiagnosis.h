#pragma once

#include <QCoreApplication>
#include <QString>

class PortSystem;

// Why a port did not open, in the pilot's words: a short line for the status
// bar and the whole explanation behind "Details". The wording is chosen from
// the error code and from what the system says about the port, never from
// the serial library's (translated) error text.
class PortDiagnosis
{
    Q_DECLARE_TR_FUNCTIONS(PortDiagnosis)

public:
    enum class Cause
    {
        Gone,             // the node is not there
        PermissionDenied, // the node is there and not ours to open
        Busy,             // ours to open, but another program holds it
        Other
    };

    struct Text
    {
        QString summary;
        QString details; // empty when the summary says all there is
    };

    // `error` is a QSerialPort::SerialPortError; `reason` the library's text,
    // shown only when no cause of our own fits.
    static Cause cause(const PortSystem &system, const QString &path, int error);
    static Text explain(const PortSystem &system, const QString &name, const QString &path,
                        int error, const QString &reason);

private:
    static Text permissionDenied(const PortSystem &system, const QString &name,
                                 const QString &path);
    static Text busy(const PortSystem &system, const QString &name, const QString &path);
};
