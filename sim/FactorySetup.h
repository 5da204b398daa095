#pragma once

#include "DeviceParameters.h"

// The record a simulated unit leaves the factory with: the "Default" flight
// tuning plus a plausible set-up (120CCPM swash, mounting 1, conventional
// receiver, analogue swash servos, a narrow-band tail servo, light trims), so
// every page shows sensible values after the first download.
namespace FactorySetup {

DeviceParameters record();

} // namespace FactorySetup
