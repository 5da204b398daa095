#pragma once

#include "ConfigResult.h"
#include "DeviceParameters.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSet>
#include <QString>

class QPagedPaintDevice;
class QPainter;
class QPrinter;

// The whole setup on one or two A4 pages, for the bench beside the
// helicopter or a forum post: every parameter the model has, grouped by page
// and tab in the pages' own words, with the mount and swash pictures as
// chosen, and where the values came from. Black text on white with grey
// rules only, so it reads the same from a black-and-white printer. Painted
// in the current translation's language.
class SetupSheet
{
    Q_DECLARE_TR_FUNCTIONS(SetupSheet)

public:
    struct Source
    {
        DeviceParameters record;
        // Fields the file did not hold: shown as such, never as a value.
        QSet<int> missing;
        quint8 model = 0; // the unit's model code, 0 when not known
        QString firmware; // "2.1", empty when not known
        QString name;     // the file, the History entry or the unit's port
        QString note;
        QDateTime recorded; // when a History entry was kept
        bool notInFlash = false;
    };

    // Reads a .conf file for a sheet. A file of the unit's History also
    // tells the model, the firmware and when it was kept.
    static ConfigResult readFile(const QString &fileName, Source &source);

    explicit SetupSheet(const Source &source,
                        const QDateTime &printed = QDateTime::currentDateTime());

    // Writes the sheet as a PDF with its fonts embedded; false when the
    // file cannot be written.
    bool writePdf(const QString &fileName) const;
    // Paints the sheet on a printer the pilot has set up.
    void print(QPrinter &printer) const;
    // Paints on any paged device at its own resolution; the number of pages.
    int paint(QPagedPaintDevice &device) const;

    // The value of one record field as the sheet prints it: the page's
    // wording, with a true minus sign.
    static QString printedValue(const Source &source, int offset);

private:
    Source source;
    QDateTime printed;
};
