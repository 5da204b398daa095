#pragma once

class PictureSet;

// Check box and radio indicators, the arrow button icons and the
// calibration scales beside the vertical sliders.
namespace IndicatorPictures {
void addAll(PictureSet &set);
}
