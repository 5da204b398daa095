#pragma once

class PictureSet;

// The six mounting orientations of the unit, each drawn over the
// helicopter's outline with the nose direction, checked and unchecked.
namespace MountPictures {
void addAll(PictureSet &set);
}
