#pragma once

#include <QString>
#include <QVector>

struct ConfigKey;
struct DeviceParameters;

// How the pilot knows each field a .conf file carries: the page and tab it is
// edited on, its caption there, and how that page shows its value (a number,
// degrees, or a name from a list). The change preview and the History window
// word every field through this one table.
class ParameterCaption
{
public:
    enum class Format
    {
        Number,
        Degrees, // tenths of a degree, shown with one decimal
        Direction,
        Receiver,
        SwashType,
        Mounting,
        SwashServoType,
        TailServoType,
        EngineType,
        AuxFunction,
        FlightMode,
        Governor,
    };

    enum class Page
    {
        Basic,
        Setup,
        Advanced,
    };

    int offset; // record offset, as in configKeys()
    Page page;
    const char *tab;     // the tab (or group) as the page's form names it
    const char *caption; // context "ParameterCaption"
    Format format;

    // One row per loaded .conf key, in the order of the pages and their tabs.
    static const QVector<ParameterCaption> &all();
    // The row of a record offset, or nullptr for a field no page shows.
    static const ParameterCaption *forOffset(int offset);

    // "Basic · Main Rotor · Roll Total Gain", translated.
    QString pageName() const;
    QString tabName() const;
    QString text() const;
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
