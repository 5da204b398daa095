#pragma once

#include <QString>

// The unit's end of a pseudo-terminal. The PC opens slavePath() as a serial
// port. The slave side is also held open here, so the terminal survives the
// PC closing and reopening it (without it, every read on the master would
// fail with EIO until someone reopened the slave).
class PseudoTerminal
{
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    // Creates the terminal, raw and non-blocking on the master side.
    // On failure errorString() says why.
    bool open();
    void close();

    int masterFd() const { return master; }
    QString slavePath() const { return path; }
    QString errorString() const { return error; }

    // Throws away replies the PC has not read (it went away or stalled), so
    // that a PC opening the port later does not take them for fresh ones.
    void discardUnreadReplies();

private:
    bool fail(const QString &what);

    int master = -1;
    int slave = -1;
    QString path;
    QString error;
};
