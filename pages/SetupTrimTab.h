#pragma once

#include "SetupTab.h"

// The Trim tab: the servos' trims by slider and by the arrow pad, which moves
// the swash plate as a whole (collective, pitch, roll) through the mixing.
class SetupTrimTab : public SetupTab
{
public:
    explicit SetupTrimTab(ConfigureSettingPage &owner) : SetupTab(owner) {}

    void loadPictures();
    // `servo`: CH1, CH2, CH3, tail (0..3).
    void trimChanged(int servo, int value);
    // The pad moves the trims through the sliders: each slider that really
    // changes stores its trim and asks for the upload.
    void arrow(SwashMixing::Axis axis, int delta, bool deriveFirst);
    void setZero();
};
