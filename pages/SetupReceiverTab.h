#pragma once

#include "SetupTab.h"

class ValueRanges;

// The Start and Receiver tabs: engine type, receiver with its wiring
// picture, the aux channel's function and the flight mode it switches.
class SetupReceiverTab : public SetupTab
{
public:
    explicit SetupReceiverTab(ConfigureSettingPage &owner) : SetupTab(owner) {}

    void engineTypeChosen(int index);
    void receiverChosen(int index);
    void auxFunctionChosen(int index);
    void flightModeChosen(int index);

    void refresh();
    // A VRN-A1 has no flight mode switch: both lists are locked and empty.
    void applyModel(quint8 model);
    void describeValues(ValueRanges &ranges) const;
    void showWiringFor(int receiver);

private:
    void showFlightModeFor(int auxFunction);
    void clearFlightModeSelection();
    void selectFlightMode(int index);
    void setAuxCaptions(int auxFunction);
};
