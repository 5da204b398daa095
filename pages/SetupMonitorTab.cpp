#include "SetupMonitorTab.h"

#include "ChannelBar.h"
#include "ChannelReadouts.h"
#include "ConfigureSettingPage.h"
#include "LinkFrame.h"
#include "SerialProcessThread.h"
#include "Telemetry.h"
#include "ui_ConfigureSettingPage.h"

#include <QIntValidator>

#include <array>

namespace {

constexpr int ChannelRange = 125;

// Telemetry comes with every 20 ms tick; the monitor's bars show it 20 times
// a second, smooth to the eye for a stick's travel at less than half the
// drawing, and its numbers ten times a second, with every second frame of
// the bars: faster, no one reads them. Each frame also costs a round trip to
// the display server, whatever it draws.
constexpr int TelemetryFrameMs = 50;
constexpr int ReadoutFrameMs = 100;

const char *const LineEditStyle =
    "QLineEdit { color: black; background: yellow; border: 2px solid gray; border-radius: 10px;"
    " padding: 0 6px; }";

// The six channels in the monitor's order.
std::array<int, 6> channelValues()
{
    const Telemetry &t = telemetry();
    return {t.accelerator, t.collective, t.elevator, t.aileron, t.rudder, t.gain};
}

} // namespace

SetupMonitorTab::SetupMonitorTab(ConfigureSettingPage &owner)
    : SetupTab(owner), barFrames(TelemetryFrameMs, [this] { showChannelFrame(); }),
      readoutFrames(ReadoutFrameMs, [this] {
          // With the bars' next frame: one repaint for both.
          readoutsDue = true;
          barFrames.request();
      })
{
}

// The edit field inside each spin box keeps the box's plain look and its
// whole width for the value. They show a signed byte each; the validator
// states that range.
void SetupMonitorTab::prepareReadouts()
{
    auto *channelRange = new QIntValidator(-128, 127, &page);
    const std::array<QLineEdit *, 6> edits = {ui.AcceleratorLineEdit, ui.CollectiveLineEdit,
                                              ui.ElevatorLineEdit,    ui.AileronLineEdit,
                                              ui.RudderLineEdit,      ui.GainLineEdit};
    for (QLineEdit *edit : edits) {
        edit->setStyleSheet(QLatin1String(LineEditStyle));
        edit->setValidator(channelRange);
    }
    new ChannelReadouts({edits.begin(), edits.end()}, &page);
}

// The bars only show telemetry, which moves them 20 times a second.
void SetupMonitorTab::prepareBars()
{
    for (QSlider *slider : {ui.AcceleratorSlider, ui.CollectiveSlider, ui.ElevatorSlider,
                            ui.AileronSlider, ui.RudderSlider, ui.GainSlider}) {
        slider->setEnabled(false);
        new ChannelBar(slider);
    }
    for (QSlider *slider : {ui.AcceleratorSlider, ui.CollectiveSlider, ui.ElevatorSlider,
                            ui.AileronSlider, ui.RudderSlider, ui.GainSlider})
        slider->setRange(-ChannelRange, ChannelRange);
}

void SetupMonitorTab::telemetryArrived()
{
    readoutFrames.request();
    barFrames.request();
}

void SetupMonitorTab::showChannelFrame()
{
    showChannelBars();
    if (readoutsDue) {
        readoutsDue = false;
        showChannelReadouts();
    }
}

void SetupMonitorTab::showNow()
{
    barFrames.drawn();
    readoutFrames.drawn();
    readoutsDue = false;
    showChannelBars();
    showChannelReadouts();
}

void SetupMonitorTab::showChannelBars()
{
    setUpdating(true);
    const std::array<int, 6> values = channelValues();
    const std::array<QSlider *, 6> sliders = {ui.AcceleratorSlider, ui.CollectiveSlider,
                                              ui.ElevatorSlider,    ui.AileronSlider,
                                              ui.RudderSlider,      ui.GainSlider};
    for (int i = 0; i < 6; ++i)
        sliders[i]->setValue(values[i]);
    setUpdating(false);
}

void SetupMonitorTab::showChannelReadouts()
{
    const std::array<int, 6> values = channelValues();
    const std::array<QLineEdit *, 6> edits = {ui.AcceleratorLineEdit, ui.CollectiveLineEdit,
                                              ui.ElevatorLineEdit,    ui.AileronLineEdit,
                                              ui.RudderLineEdit,      ui.GainLineEdit};
    setUpdating(true);
    for (int i = 0; i < 6; ++i) {
        const QString text = ConfigureSettingPage::tr("%1").arg(values[i]);
        if (edits[i]->text() != text) // an unchanged read-out need not be repainted
            edits[i]->setText(text);
    }
    setUpdating(false);
}

void SetupMonitorTab::setFailProtect()
{
    link().setCommand(CMD_SET_FAIL_PROTECT);
}
