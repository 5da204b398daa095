#include "SetupTrimTab.h"

#include "ConfigureSettingPage.h"
#include "DeviceParameters.h"
#include "Picture.h"
#include "ui_ConfigureSettingPage.h"

void SetupTrimTab::loadPictures()
{
    showPicture(ui.labelCalibTailTrim,
                Picture::pixmap(QStringLiteral(":/images/slider/calib_v_250_r.png")));
}

void SetupTrimTab::trimChanged(int servo, int value)
{
    DeviceParameters &p = parameters();
    qint8 *const trims[] = {&p.servo_trim_0, &p.servo_trim_1, &p.servo_trim_2, &p.servo_trim_3};
    store(*trims[servo], value);
}

void SetupTrimTab::arrow(SwashMixing::Axis axis, int delta, bool deriveFirst)
{
    const std::optional<SwashMixing::Servos> trims =
        mixing().arrow(parameters().model_type, axis, delta, deriveFirst, trimsFromRecord(),
                       directionsFromRecord());
    if (!trims)
        return;
    ui.SwashServoTuningCH1Slider->setValue((*trims)[0]);
    ui.SwashServoTuningCH2Slider->setValue((*trims)[1]);
    ui.SwashServoTuningCH3Slider->setValue((*trims)[2]);
}

void SetupTrimTab::setZero()
{
    DeviceParameters &p = parameters();
    p.servo_trim_0 = 0;
    p.servo_trim_1 = 0;
    p.servo_trim_2 = 0;
    ui.SwashServoTuningCH1Slider->setValue(0);
    ui.SwashServoTuningCH2Slider->setValue(0);
    ui.SwashServoTuningCH3Slider->setValue(0);
    mixing().clearState();
}
