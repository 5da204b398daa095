#include "SetupMountTab.h"

#include "ConfigureSettingPage.h"
#include "DeviceParameters.h"
#include "ParameterCaption.h"
#include "Picture.h"
#include "Question.h"
#include "SwashMixing.h"
#include "Traces.h"
#include "ValueRanges.h"
#include "ui_ConfigureSettingPage.h"

#include <QSignalBlocker>

namespace {

// installation value of a mount button, in button order.
int mountValue(int button)
{
    int count = 0;
    return ParameterCaption::mountingCodes(&count)[button];
}

// swashPictures order: mixer, 90, 120, 135, 140.
int swashPictureIndex(int modelType)
{
    switch (modelType) {
    case SwashMixing::MechanicalMixer:
        return 0;
    case SwashMixing::Ccpm90:
        return 1;
    case SwashMixing::Ccpm120:
        return 2;
    case SwashMixing::Ccpm135:
        return 3;
    case SwashMixing::Ccpm140:
        return 4;
    }
    return -1;
}

} // namespace

std::array<QPushButton *, 6> SetupMountTab::mountButtons() const
{
    return {ui.Mount1PushButton, ui.Mount2PushButton, ui.Mount3PushButton,
            ui.Mount4PushButton, ui.Mount5PushButton, ui.Mount6PushButton};
}

std::array<QPushButton *, 5> SetupMountTab::swashButtons() const
{
    return {ui.MixerPushButton, ui.CCPM90PushButton, ui.CCPM120PushButton, ui.CCPM135PushButton,
            ui.CCPM140PushButton};
}

void SetupMountTab::loadPictures()
{
    const char *const names[] = {"mixer", "90ccpm", "120ccpm", "135ccpm", "140ccpm"};
    for (int i = 0; i < 5; ++i)
        swashPictures[i] = Picture::pixmap(
            picturePath(QStringLiteral("swash/sc_%1_check.png").arg(QLatin1String(names[i]))));
    showPicture(ui.Imagelabel, swashPictures[4]);
}

void SetupMountTab::mountChosen(int button)
{
    store(parameters().installation, mountValue(button));
}

// The mechanical mixer needs no geometry: the unit mixes nothing.
void SetupMountTab::swashChosen(int modelType)
{
    if (modelType != SwashMixing::MechanicalMixer) {
        mixing().applyGeometry(modelType);
        mixing().derive(trimsFromRecord(), directionsFromRecord());
    }
    showPicture(ui.Imagelabel, swashPictures[swashPictureIndex(modelType)]);
    store(parameters().model_type, modelType);
}

// A servo driven at a frame rate or centre pulse it is not made for can
// burn out, so a new type is stored only once the pilot confirms it.
void SetupMountTab::servoTypeChosen(QComboBox *box, qint8 &field, int index)
{
    if (isUpdating() || index + 1 == field)
        return;
    const int answer = Question::ask(
        &page, ConfigureSettingPage::tr("Servo type"),
        ConfigureSettingPage::tr(
            "Change the servo type to \"%1\"?\n\nA servo driven at the wrong frame rate or "
            "centre pulse can be damaged. Check the servo's data sheet first.")
            .arg(box->itemText(index)),
        {ConfigureSettingPage::tr("Change servo type"), ConfigureSettingPage::tr("Cancel")});
    if (answer != 0) {
        const QSignalBlocker blocker(box);
        box->setCurrentIndex(field - 1);
        return;
    }
    store(field, index + 1);
}

void SetupMountTab::directionChosen(qint8 &field, const char *trace, bool reversed)
{
    qCDebug(vrnPages).noquote()
        << QStringLiteral("%1%2").arg(QLatin1String(trace)).arg(reversed ? 1 : 0);
    store(field, reversed ? -1 : 1);
}

void SetupMountTab::refresh()
{
    refreshServoTypes();
    refreshMount();
    refreshSwash();
    refreshDirections();
}

void SetupMountTab::refreshServoTypes()
{
    const DeviceParameters &p = parameters();
    ui.SwashServoComboBox->setCurrentIndex(p.swash_servotype - 1);
    ui.TailServoComboBox->setCurrentIndex(p.tail_servotype - 1);
}

void SetupMountTab::refreshDirections()
{
    const DeviceParameters &p = parameters();
    // The arrow pad uses the same reading of the byte.
    ui.SwashServoDirCH1->setChecked(SwashMixing::direction(p.servo_rev_0) < 0);
    ui.SwashServoDirCH2->setChecked(SwashMixing::direction(p.servo_rev_1) < 0);
    ui.SwashServoDirCH3->setChecked(SwashMixing::direction(p.servo_rev_2) < 0);
    ui.TailServoDir->setChecked(SwashMixing::direction(p.servo_rev_3) < 0);
}

void SetupMountTab::refreshMount()
{
    const std::array<QPushButton *, 6> mounts = mountButtons();
    for (int i = 0; i < 6; ++i) {
        if (parameters().installation == mountValue(i))
            mounts[i]->setChecked(true);
    }
}

void SetupMountTab::refreshSwash()
{
    const int modelType = parameters().model_type;
    const int picture = swashPictureIndex(modelType);
    if (picture >= 0) {
        swashButtons()[picture]->setChecked(true);
        showPicture(ui.Imagelabel, swashPictures[picture]);
        mixing().applyGeometry(modelType);
    }
    mixing().derive(trimsFromRecord(), directionsFromRecord());
}

void SetupMountTab::describeValues(ValueRanges &ranges) const
{
    using D = DeviceParameters;
    for (auto field : {&D::servo_rev_0, &D::servo_rev_1, &D::servo_rev_2, &D::servo_rev_3})
        ranges.allowValues(field, {-1, 1});
    ranges.allowRange(&D::swash_servotype, 1, ui.SwashServoComboBox->count());
    ranges.allowRange(&D::tail_servotype, 1, ui.TailServoComboBox->count());
    int mounts = 0;
    const int *mountCodes = ParameterCaption::mountingCodes(&mounts);
    ranges.allowValues(&D::installation, QList<int>(mountCodes, mountCodes + mounts));
    ranges.allowRange(&D::model_type, SwashMixing::MechanicalMixer, SwashMixing::Ccpm90);
}
