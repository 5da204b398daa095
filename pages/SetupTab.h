#pragma once

#include "SwashMixing.h"

#include <QtGlobal>

class ConfigureSettingPage;
class SerialProcessThread;
struct DeviceParameters;
class QLabel;
class QPixmap;
class QString;

namespace Ui {
class ConfigureSettingPageUi;
}

// One tab's share of the Setup page's work. The page keeps its slots, which
// are what the window and the tests use; each slot hands its work to the
// tab it belongs to. A tab reaches the record, the link and the store
// routine only through the page, so every edit still takes the page's one
// way to the unit.
class SetupTab
{
public:
    // Pictures with words in them are drawn per language: the Chinese ones
    // lie under zh/ and are shown while the program speaks Chinese. A prefix
    // (the mount and swash buttons add their state) works as well as a name.
    static QString picturePath(const QString &path);
    // The label takes the picture's size, so it shows whole at any scale.
    static void showPicture(QLabel *label, const QPixmap &picture);

protected:
    explicit SetupTab(ConfigureSettingPage &owner);

    // The page's store routine: nothing while the page shows the record.
    void store(qint8 &field, int value);
    // The page is copying the record into its widgets; their echo stores nothing.
    bool isUpdating() const;
    void setUpdating(bool on);
    DeviceParameters &parameters() const;
    SerialProcessThread &link() const;
    // The swash plate's geometry and the pad's state, kept by the page.
    SwashMixing &mixing() const;
    // The three swash servos' trims and directions as the record holds them.
    SwashMixing::Servos trimsFromRecord() const;
    SwashMixing::Servos directionsFromRecord() const;

    ConfigureSettingPage &page;
    Ui::ConfigureSettingPageUi &ui;
};
