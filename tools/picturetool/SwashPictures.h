#pragma once

class PictureSet;

// The swash plate types seen from above, nose up, with the servos at their
// real angles: the mechanical mixer and the 90, 120, 135 and 140 degree layouts.
namespace SwashPictures {
void addAll(PictureSet &set);
}
