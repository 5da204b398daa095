#include "SetupTravelTab.h"

#include "Picture.h"
#include "ui_ConfigureSettingPage.h"

void SetupTravelTab::hideCyclicLimit()
{
    ui.label_54->hide();
    ui.CyclicLimitSlider->hide();
    ui.CyclicLimitSpinBox->hide();
    ui.labelCalibCyclicLimit->hide();
}

void SetupTravelTab::loadPictures()
{
    showPicture(ui.labelCalibCollective,
                Picture::pixmap(QStringLiteral(":/images/slider/calib_v_250_r.png")));
    const QPixmap blue = Picture::pixmap(QStringLiteral(":/images/slider/calib_v_250_b.png"));
    for (QLabel *label : {ui.labelCalibAilTravel, ui.labelCalibElevTravel, ui.labelCalibTailLimitA,
                          ui.labelCalibTailLimitB, ui.labelCalibCyclicLimit})
        showPicture(label, blue);
}

void SetupTravelTab::limitChanged(qint8 &field, int value)
{
    store(field, value);
}
