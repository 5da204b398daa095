#pragma once

#include "FrameLimiter.h"
#include "SetupTab.h"

// The Monitor tab: the receiver's six channels as bars and numbers while
// telemetry comes, and the fail-safe button.
class SetupMonitorTab : public SetupTab
{
public:
    explicit SetupMonitorTab(ConfigureSettingPage &owner);

    // The channel read-outs and bars, prepared where the page has always
    // prepared them: the read-outs with the styles, the bars after them.
    void prepareReadouts();
    void prepareBars();
    void telemetryArrived();
    // Both drawn now, whatever the pace.
    void showNow();
    void setFailProtect();

private:
    void showChannelFrame();
    void showChannelBars();
    void showChannelReadouts();

    // The monitor's bars are drawn at a steady pace below the telemetry's,
    // its numbers at a pace the eye can read and in the same repaint as the
    // bars; both always end on the newest values.
    FrameLimiter barFrames;
    FrameLimiter readoutFrames;
    bool readoutsDue = false;
};
