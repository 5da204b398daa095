#include "SheetCommand.h"

#include "SetupSheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace SheetCommand {

int make(const QString &confFile, const QString &pdfFile, QTextStream &out, QTextStream &errors)
{
    SetupSheet::Source source;
    const ConfigResult result = SetupSheet::readFile(confFile, source);
    if (!result.ok()) {
        errors << QCoreApplication::translate("SetupSheet", "No setup sheet made: %1")
                      .arg(result.message())
               << Qt::endl;
        return 1;
    }
    if (QFileInfo(pdfFile).isDir() || !SetupSheet(source).writePdf(pdfFile)) {
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
