#include "updatesettingpage.h"

#include "SerialProcessThread.h"
#include "ui_updatesettingpage.h"

namespace {
const char *groupBoxStyle =
    "QGroupBox {"
    " background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #E0E0E0, stop: 1 "
    "#FFFFFF);"
    " border: 2px solid gray; border-radius: 5px; margin-top: 1ex; }"
    "QGroupBox::title {"
    " subcontrol-origin: margin; subcontrol-position: top center; padding: 1px 5px;"
    " border-radius: 5px; color: white;"
    " background-color: qlineargradient(spread: reflect, x1: 0, y1: 0, x2: 0, y2: 1,"
    " stop: 0 rgba(74, 74, 74, 255), stop: 1 rgba(36, 36, 36, 255)); }";
}

updatesettingpage::updatesettingpage(QWidget *parent, SerialProcessThread *serialLink)
    : QWidget(parent), link(serialLink), ui(new Ui::updatesettingpage)
{
    ui->setupUi(this);
    for (QWidget *box : {ui->VersionGroupBox, ui->DeviceGroupBox, ui->UpdateGroupBox})
        box->setStyleSheet(QString::fromLatin1(groupBoxStyle));
}

updatesettingpage::~updatesettingpage()
{
    delete ui;
}

void updatesettingpage::refreshDeviceInfo()
{
    const float version = link->firmwareVersion() / 10.0f;
    switch (link->deviceModel()) {
    case 10:
        ui->labelDeviceId->setText(tr("VRN-X1 Flybarless Gyro System"));
        break;
    case 11:
        ui->labelDeviceId->setText(tr("VRN-A1 Flybarless Gyro System"));
        break;
    default:
        ui->labelDeviceId->setText(tr("Invalid Device"));
        return;
    }
    ui->labelFirmwareVersion->setText(QString::number(version, 'f', 1));
}
