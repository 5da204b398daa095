#pragma once

#include "mainWidget.h"

#include <QTemporaryDir>

#include <memory>
#include <optional>

class SerialProcessThread;
class contentWidget;
class toolWidget;

// The whole window as the program builds it, for the tests that drive it
// the way a pilot does: its bars, the navigator with the four pages, the
// link and the simulated unit behind the port list.
class WholeWindow
{
public:
    WholeWindow();
    // The program's and the pilot's settings in `folder`, and Qt's test paths
    // for the rest, so no choice stored by another test (the language, the
    // last folder) reaches this one: once, before the first window.
    static void keepSettingsIn(const QString &folder);
    WholeWindow(const WholeWindow &) = delete;
    WholeWindow &operator=(const WholeWindow &) = delete;
    ~WholeWindow();

    // Builds the window, in `language` when one is given (written to the
    // settings file first, as the language menu does); not shown yet.
    mainWidget &open(std::optional<quint8> language = std::nullopt);
    void close();
    // The link's 20 ms tick and port refresh stopped, so the test ticks;
    // the unit's history kept in this fixture's folder.
    void tickByHand();

    // What the status bar says: the message, the link's state, whether the
    // unit holds changes not in flash.
    QString message() const;
    QString state() const;
    bool flashWarning() const;

    template <typename T> T *widget(const char *name) const { return window->findChild<T *>(name); }
    void click(const char *name);
    // One tick of the link and what it started.
    void tick();
    void choosePage(int row);
    void chooseSetupTab(const QString &text);

    QTemporaryDir dir;
    std::unique_ptr<mainWidget> window;
    SerialProcessThread *link = nullptr;
    toolWidget *toolBar = nullptr;
    contentWidget *content = nullptr;
};
