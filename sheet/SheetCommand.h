#pragma once

#include <QString>

class QTextStream;

// The setup sheet from the command line, without a window: reads a .conf
// file and writes the sheet as a PDF, in the translation installed now.
namespace SheetCommand {

// The process's exit code: 0 when the sheet was written, 1 when the file was
// missing or refused or the PDF could not be written; what went wrong is
// told on `errors`.
int make(const QString &confFile, const QString &pdfFile, QTextStream &out, QTextStream &errors);

} // namespace SheetCommand
