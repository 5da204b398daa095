#include "SheetCommand.h"

#include "SetupSheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace SheetCommand {

int make(const QString &confFile, const QString &pdfFile, QTextStream &out, QTextStream &errors)
{
    // A slip of the keyboard must not put a PDF over the pilot's setup.
    // (Two names of no file at all compare equal: only a file that is there
    // can be replaced.)
    const QFileInfo pdf(pdfFile);
    if (pdf.exists() && pdf == QFileInfo(confFile)) {
        errors << QCoreApplication::translate("SetupSheet",
                                              "No setup sheet made: it would replace %1 itself")
                      .arg(QDir::toNativeSeparators(confFile))
               << Qt::endl;
        return 1;
    }
    SetupSheet::Source source;
    const ConfigResult result = SetupSheet::readFile(confFile, source);
    if (!result.ok()) {
        errors << QCoreApplication::translate("SetupSheet", "No setup sheet made: %1")
                      .arg(result.message())
               << Qt::endl;
        return 1;
    }
    if (pdf.isDir() || !SetupSheet(source).writePdf(pdfFile)) {
        errors << QCoreApplication::translate("SetupSheet",
                                              "No setup sheet made: %1 cannot be written")
                      .arg(QDir::toNativeSeparators(pdfFile))
               << Qt::endl;
        return 1;
    }
    out << QCoreApplication::translate("SetupSheet", "Setup sheet of %1 written to %2")
               .arg(QFileInfo(confFile).fileName(), QDir::toNativeSeparators(pdfFile))
        << Qt::endl;
    return 0;
}

} // namespace SheetCommand
