#include "FrameLog.h"

bool FrameLog::open(const QString &path)
{
    file.setFileName(path);
    clock.start();
    return file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
}

QString FrameLog::hex(const LinkFrame &frame)
{
    return QString::fromLatin1(frame.toByteArray().toHex(' '));
}

QString FrameLog::outcomeText(SimulatedUnit::Outcome outcome)
{
    switch (outcome) {
    case SimulatedUnit::Outcome::Answered:
        return QString();
    case SimulatedUnit::Outcome::Dropped:
        return QStringLiteral("dropped");
    case SimulatedUnit::Outcome::Corrupted:
        return QStringLiteral("corrupted");
    case SimulatedUnit::Outcome::Late:
        return QStringLiteral("late");
    case SimulatedUnit::Outcome::Silent:
        return QStringLiteral("silent");
    }
    return QString();
}

void FrameLog::logExchange(const LinkFrame &request, const LinkFrame &reply,
                           SimulatedUnit::Outcome outcome)
{
    if (!isOpen())
        return;
    writeLine(QStringLiteral("PC->UNIT %1").arg(hex(request)));
    if (outcome == SimulatedUnit::Outcome::Silent)
        return;
    const QString fate = outcomeText(outcome);
    writeLine(fate.isEmpty() ? QStringLiteral("UNIT->PC %1").arg(hex(reply))
                             : QStringLiteral("UNIT->PC %1 %2").arg(hex(reply), fate));
}

void FrameLog::note(const QString &text)
{
    if (isOpen())
        writeLine(QStringLiteral("# %1").arg(text));
}

void FrameLog::writeLine(const QString &line)
{
    const QByteArray text = QStringLiteral("%1 %2\n").arg(clock.elapsed(), 8).arg(line).toUtf8();
    file.write(text);
    file.flush();
}
