#pragma once

#include "ParameterTable.h"

#include <QString>
#include <QVector>

struct DeviceParameters;

// How the pilot knows each field a .conf file carries: the page and tab it is
// edited on, its caption there, and how that page shows its value (a number,
// degrees, or a name from a list), all read from the field table. The change
// preview and the History window word every field through these rows.
class ParameterCaption
{
public:
    using Format = ParameterTable::Format;
    using Page = ParameterTable::Page;
    using Use = ParameterTable::Use;
    using FormText = ParameterTable::FormText;

    const ParameterTable::Field *field;
    int offset; // record offset, as in configKeys()
    Page page;
    const char *tab; // the tab (or group) as the page's form names it
    FormText prefix; // a row or group title, where the label alone is ambiguous
    FormText label;  // no object: the tab's own name is the caption
    Use use;

    // One row per loaded .conf key, in the order of the pages, their tabs and
    // the captions on them.
    static const QVector<ParameterCaption> &all();
    // The row of a record offset, or nullptr for a field no page shows.
    static const ParameterCaption *forOffset(int offset);

    // "Basic · Main Rotor · Roll Total Gain", translated.
    QString pageName() const;
    QString tabName() const;
    // "Roll Gain Setting Gain P": the texts the page shows, translated.
    QString text() const;
    // The caption, with its tab before it where another tab has a field of
    // the same caption ("Tail Gain P"): for a line of text outside the list.
    QString shortCaption() const;
    // One of the caption's texts as the form translates it.
    QString formText(const FormText &part) const;
    // Whether a unit of that model uses the field (model 0: no unit yet,
    // every field the pages show counts).
    bool usedBy(quint8 model) const;
    Format format() const;
    QString fullCaption() const;
    // The value as its page shows it: "3.5°", "Reversed", "DSMX-1"; a code no
    // list knows is shown as its number.
    QString valueText(int value) const;

    // The rows whose fields differ between the two records, in table order.
    static QVector<const ParameterCaption *> differences(const DeviceParameters &now,
                                                         const DeviceParameters &after);

    // The receiver list swaps codes 5 and 6 against its order; the mapping
    // is its own inverse.
    static int receiverListIndex(int code);
    // The record's installation codes of the six mounting buttons, in order.
    static const int *mountingCodes(int *count);
};
