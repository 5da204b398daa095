#pragma once

#include "SetupTab.h"

// The Travel tab: how far the swash and tail servos may travel, and the
// collective's ratio.
class SetupTravelTab : public SetupTab
{
public:
    explicit SetupTravelTab(ConfigureSettingPage &owner) : SetupTab(owner) {}

    // The cyclic limit is kept in the record but not offered to the pilot.
    void hideCyclicLimit();
    void loadPictures();
    void limitChanged(qint8 &field, int value);
};
