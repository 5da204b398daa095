#pragma once

#include "ParameterPage.h"
#include "ParameterTable.h"

class QDoubleValidator;
class QLineEdit;
class SerialProcessThread;
class ValueRanges;
struct DeviceParameters;

namespace Ui {
class MainSettingPageUi;
}

// The Basic page: agility and total gain of roll and pitch, the tail's rates
// and gain, the level-attitude trim and three presets. Every edit goes
// straight into the link's record and asks the link for an upload;
// refreshFromParameters() copies the record back into the widgets.
class MainSettingPage : public ParameterPage
{
    Q_OBJECT
public:
    MainSettingPage(QWidget *parent, SerialProcessThread *link);
    ~MainSettingPage() override;

    void refreshFromParameters();
    // The values this page lets the pilot set, from its own widgets.
    void describeValues(ValueRanges &ranges) const;

public slots:
    void rollAgilityChanged(int value);
    void rollGainChanged(int value);
    void pitchAgilityChanged(int value);
    void pitchGainChanged(int value);
    void leftSpinChanged(int value);
    void rightSpinChanged(int value);
    void tailGainChanged(int value);
    void pitchTargetPlusClicked();
    void pitchTargetMinusClicked();
    void rollTargetPlusClicked();
    void rollTargetMinusClicked();
    void flight3dParamClicked();
    void beginnerParamClicked();
    void resetAllClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Ui::MainSettingPageUi *ui;
    QDoubleValidator *targetValidator = nullptr;

    void setArrowIcons();
    void setRanges();
    void setUpTargets();
    void coupleSpinBoxes();
    void connectSlots();
    void setInitialValues();
    void updateTrimEnabling();

    void storeTarget(qint8 &field, QLineEdit *edit);
    void stepTarget(qint8 &field, QLineEdit *edit, int step);
    void showTarget(QLineEdit *edit, qint8 tenths);
    void applyPreset(ParameterTable::Preset preset, const QString &title);
};
