#pragma once

#include "SetupSheet.h"

#include <QCoreApplication>
#include <QString>

#include <optional>

class QWidget;

// "Setup sheet…" in the window: asks whether to save the sheet as a PDF or
// to print it, then runs the save dialog or the system's print dialog.
// Tests answer both dialogs through ModalDialog instead of waiting for a
// person.
class SetupSheetOffer
{
    Q_DECLARE_TR_FUNCTIONS(SetupSheetOffer)

public:
    // The outcome for the status bar, or an empty text when the pilot cancelled.
    static QString offer(QWidget *parent, const SetupSheet::Source &source);

private:
    static std::optional<QString> choosePdf(QWidget *parent, const QString &suggested);
    static QString savePdf(QWidget *parent, const SetupSheet &sheet, const QString &name);
    static QString print(QWidget *parent, const SetupSheet &sheet);
};
