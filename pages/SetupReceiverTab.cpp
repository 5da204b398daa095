#include "SetupReceiverTab.h"

#include "ConfigureSettingPage.h"
#include "DeviceParameters.h"
#include "ParameterCaption.h"
#include "Picture.h"
#include "UnitModel.h"
#include "ValueRanges.h"
#include "ui_ConfigureSettingPage.h"

namespace {

// List entries 5 and 6 carry each other's receiver code, in both directions.
int receiverCodeForIndex(int index)
{
    return ParameterCaption::receiverListIndex(index);
}

} // namespace

void SetupReceiverTab::engineTypeChosen(int index)
{
    store(parameters().motor_type, index);
}

void SetupReceiverTab::receiverChosen(int index)
{
    if (isUpdating())
        return;
    showWiringFor(index);
    store(parameters().receiver_type, receiverCodeForIndex(index));
}

void SetupReceiverTab::auxFunctionChosen(int index)
{
    if (isUpdating())
        return;
    showFlightModeFor(index);
    store(parameters().aux_function, index);
}

void SetupReceiverTab::flightModeChosen(int index)
{
    store(parameters().pcset_mode, index + 1);
}

void SetupReceiverTab::showFlightModeFor(int auxFunction)
{
    if (auxFunction == 0) {
        ui.FlightModeComboBox->setEnabled(true);
        selectFlightMode(parameters().pcset_mode - 1);
    } else if (auxFunction == 1) {
        ui.FlightModeComboBox->setEnabled(false);
        clearFlightModeSelection();
    } else {
        return;
    }
    setAuxCaptions(auxFunction);
}

void SetupReceiverTab::clearFlightModeSelection()
{
    selectFlightMode(-1);
}

// Qt 6 reports a change to "no selection" again even when the box had none
// (also for a pcset_mode outside the list); only a real change may store
// pcset_mode and ask for an upload.
void SetupReceiverTab::selectFlightMode(int index)
{
    QComboBox *box = ui.FlightModeComboBox;
    const int target = index >= 0 && index < box->count() ? index : -1;
    if (box->currentIndex() != target)
        box->setCurrentIndex(target);
}

void SetupReceiverTab::setAuxCaptions(int auxFunction)
{
    const bool flightMode = auxFunction == 1;
    ui.labelAuxChannelLeft->setText(flightMode ? ConfigureSettingPage::tr("Aerobatics")
                                               : ConfigureSettingPage::tr("Normal"));
    ui.labelAuxChannelRight->setText(flightMode ? ConfigureSettingPage::tr("Balance")
                                                : ConfigureSettingPage::tr("AVCS"));
}

void SetupReceiverTab::showWiringFor(int receiver)
{
    const char *name = receiver == 0 ? "connection" : receiver == 1 ? "futaba" : "dsm";
    showPicture(
        ui.connectionLabel,
        Picture::pixmap(picturePath(QStringLiteral("receiver/%1.png").arg(QLatin1String(name)))));
}

void SetupReceiverTab::refresh()
{
    const DeviceParameters &p = parameters();
    ui.EngineTypeComboBox->setCurrentIndex(p.motor_type);
    ui.ReceiverComboBox->setCurrentIndex(receiverCodeForIndex(p.receiver_type));
    showWiringFor(p.receiver_type);
    ui.AuxFunctionComboBox->setCurrentIndex(p.aux_function);
    showFlightModeFor(p.aux_function);
}

void SetupReceiverTab::applyModel(quint8 model)
{
    if (model == UnitModel::A1) {
        ui.AuxFunctionComboBox->setEnabled(false);
        ui.FlightModeComboBox->setEnabled(false);
        clearFlightModeSelection();
    } else if (model == UnitModel::X1) {
        ui.AuxFunctionComboBox->setEnabled(true);
        ui.FlightModeComboBox->setEnabled(true);
    }
}

void SetupReceiverTab::describeValues(ValueRanges &ranges) const
{
    using D = DeviceParameters;
    ranges.allowRange(&D::motor_type, 0, ui.EngineTypeComboBox->count() - 1);
    QList<int> receivers;
    for (int i = 0; i < ui.ReceiverComboBox->count(); ++i)
        receivers << receiverCodeForIndex(i);
    ranges.allowValues(&D::receiver_type, receivers);
    ranges.allowRange(&D::aux_function, 0, ui.AuxFunctionComboBox->count() - 1);
    // 0: no flight mode, as a VRN-A1 keeps it.
    ranges.allowRange(&D::pcset_mode, 0, ui.FlightModeComboBox->count());
}
