#pragma once

// A PDF read back as a pilot's tools see it, through poppler-utils.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace PdfText {

// A poppler tool's output, or an empty text when it failed.
inline QString run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text in reading layout: a row's caption and value stay on one line.
inline QString text(const QString &pdf)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

inline int pages(const QString &pdf)
{
    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    for (const QString &line : info.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    }
    return 0;
}

// True when some line holds `caption`, starting a word, with `value` next
// after it: the value printed beside its caption.
inline bool besideCaption(const QString &text, const QString &caption, const QString &value)
{
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        for (int at = line.indexOf(caption); at >= 0; at = line.indexOf(caption, at + 1)) {
            if (at > 0 && !line.at(at - 1).isSpace())
                continue;
            const QString after = line.mid(at + caption.size()).trimmed();
            if (after.startsWith(value) &&
                (after.size() == value.size() || after.at(value.size()).isSpace()))
                return true;
        }
    }
    return false;
}

} // namespace PdfText
