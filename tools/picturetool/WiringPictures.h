#pragma once

class PictureSet;

// Receiver wiring diagrams (conventional leads, serial bus, satellite) and
// the two transmitter set-up examples of the Start tab.
namespace WiringPictures {
void addAll(PictureSet &set);
}
