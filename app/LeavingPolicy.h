#pragma once

#include <QObject>

#include <optional>

class LinkEngine;
class toolWidget;

// A unit loses the changes it has not written to flash when it is switched
// off. Before the pilot leaves it (Disconnect, Connect to another port, or
// closing the window), ask; "Write to flash first" starts the write, and
// the action follows once the unit acknowledges it. What it tells the pilot
// and the write it starts go out through the tool bar's messageText() and
// flashWriting(), which the window already routes to the status bar and the
// pages, as if the pilot had pressed WriteFlash.
class LeavingPolicy : public QObject
{
    Q_OBJECT

public:
    // What is about to leave the unit that holds changes not in flash.
    enum Leaving
    {
        Disconnecting,
        ClosingWindow,
        ConnectingElsewhere
    };

    // Asks before the tool bar's Disconnect and Connect leave the unit;
    // `engine` tells whether a unit answers and what it holds.
    LeavingPolicy(toolWidget &toolBar, LinkEngine &engine, QObject *parent = nullptr);

    // True when the action may go ahead now.
    bool confirmLeaving(Leaving leaving);

signals:
    // The window may close now: its changes are written to flash.
    void closeConfirmed();

private:
    toolWidget &bar;
    LinkEngine &engine;
    // Done once the unit acknowledges the write to flash.
    std::optional<Leaving> afterFlash;
    // Write to flash once the reconnected unit's record has come down.
    bool flashAfterDownload = false;

    void writeFirst(Leaving leaving);
    void flashStateChanged(bool changesNotInFlash);
    void linkStateChanged();
    void recordDownloaded();
};
