#include "SetupSheetOffer.h"

#include "ModalDialog.h"
#include "Question.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

std::optional<QString> SetupSheetOffer::choosePdf(QWidget *parent, const QString &suggested)
{
    QFileDialog dialog(parent, tr("Save Setup Sheet"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(tr("PDF document (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(suggested);
    if (ModalDialog::exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

QString SetupSheetOffer::savePdf(QWidget *parent, const SetupSheet &sheet, const QString &name)
{
    const QString suggested = QFileInfo(name).completeBaseName().isEmpty()
                                  ? QStringLiteral("setup-sheet.pdf")
                                  : QFileInfo(name).completeBaseName() + QStringLiteral(".pdf");
    const std::optional<QString> file = choosePdf(parent, suggested);
    if (!file)
        return QString();
    const QString shown = QDir::toNativeSeparators(*file);
    if (!sheet.writePdf(*file))
        return tr("The setup sheet cannot be written to %1").arg(shown);
    return tr("Setup sheet saved to %1").arg(shown);
}

QString SetupSheetOffer::print(QWidget *parent, const SetupSheet &sheet)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(tr("Print Setup Sheet"));
    if (ModalDialog::exec(dialog) != QDialog::Accepted)
        return QString();
    sheet.print(printer);
    return tr("Setup sheet sent to %1")
        .arg(printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName());
}

QString SetupSheetOffer::offer(QWidget *parent, const SetupSheet::Source &source)
{
    const SetupSheet sheet(source);
    const int answer = Question::ask(
        parent, tr("Setup sheet"),
        tr("The setup sheet of %1: every parameter on one or two A4 pages.").arg(source.name),
        {tr("Save as PDF…"), tr("Print…"), tr("Cancel")}, 0);
    switch (answer) {
    case 0:
        return savePdf(parent, sheet, source.name);
    case 1:
        return print(parent, sheet);
    default:
        return QString();
    }
}
