#pragma once

#include "SimulatedUnit.h"

#include <QElapsedTimer>
#include <QFile>

// One text line per frame in each direction: milliseconds since start, the
// direction, the 32 bytes in hex and, for replies that did not go out as
// meant, what happened to them.
class FrameLog
{
public:
    bool open(const QString &path);
    bool isOpen() const { return file.isOpen(); }
    QString errorString() const { return file.errorString(); }

    void logExchange(const LinkFrame &request, const LinkFrame &reply,
                     SimulatedUnit::Outcome outcome);
    void note(const QString &text);

    static QString hex(const LinkFrame &frame);
    static QString outcomeText(SimulatedUnit::Outcome outcome);

private:
    void writeLine(const QString &line);

    QFile file;
    QElapsedTimer clock;
};
