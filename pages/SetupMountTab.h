#pragma once

#include "SetupTab.h"

#include <QPixmap>

#include <array>

class QComboBox;
class QPushButton;
class ValueRanges;

// The Mount, SwashPlate and Servo tabs: how the unit sits in the frame, the
// swash plate's mixing, the servos' types and directions.
class SetupMountTab : public SetupTab
{
public:
    explicit SetupMountTab(ConfigureSettingPage &owner) : SetupTab(owner) {}

    // The swash pictures of the language shown, the 140° one first.
    void loadPictures();

    // `button` counts from 0 in the tab's order.
    void mountChosen(int button);
    // SwashMixing::MechanicalMixer or one of the CCPM types.
    void swashChosen(int modelType);
    void servoTypeChosen(QComboBox *box, qint8 &field, int index);
    // A checked box means reversed (-1); the trace is written even during a refresh.
    void directionChosen(qint8 &field, const char *trace, bool reversed);

    void refresh();
    void describeValues(ValueRanges &ranges) const;

    std::array<QPushButton *, 6> mountButtons() const;
    // In the order of swashPictures: mixer, 90, 120, 135, 140.
    std::array<QPushButton *, 5> swashButtons() const;

private:
    void refreshServoTypes();
    void refreshMount();
    void refreshSwash();
    void refreshDirections();

    std::array<QPixmap, 5> swashPictures;
};
