#include "SetupTab.h"

#include "ConfigureSettingPage.h"
#include "DeviceParameters.h"

#include <QLabel>
#include <QLocale>
#include <QPixmap>

SetupTab::SetupTab(ConfigureSettingPage &owner) : page(owner), ui(*owner.ui) {}

void SetupTab::store(qint8 &field, int value)
{
    page.storeField(field, value);
}

bool SetupTab::isUpdating() const
{
    return page.updating;
}

void SetupTab::setUpdating(bool on)
{
    page.updating = on;
}

DeviceParameters &SetupTab::parameters() const
{
    return page.parameters;
}

SerialProcessThread &SetupTab::link() const
{
    return *page.link;
}

SwashMixing &SetupTab::mixing() const
{
    return page.mixing;
}

SwashMixing::Servos SetupTab::trimsFromRecord() const
{
    const DeviceParameters &p = parameters();
    return {p.servo_trim_0, p.servo_trim_1, p.servo_trim_2};
}

SwashMixing::Servos SetupTab::directionsFromRecord() const
{
    const DeviceParameters &p = parameters();
    return {SwashMixing::direction(p.servo_rev_0), SwashMixing::direction(p.servo_rev_1),
            SwashMixing::direction(p.servo_rev_2)};
}

QString SetupTab::picturePath(const QString &path)
{
    if (QLocale().language() == QLocale::Chinese)
        return QStringLiteral(":/images/zh/") + path;
    return QStringLiteral(":/images/") + path;
}

void SetupTab::showPicture(QLabel *label, const QPixmap &picture)
{
    label->setPixmap(picture);
    label->setFixedSize(picture.deviceIndependentSize().toSize());
}
