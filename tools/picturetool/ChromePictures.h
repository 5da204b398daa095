#pragma once

class PictureSet;

// Window chrome: title bar button strips, the product mark, the combo box
// arrow and the application icon.
namespace ChromePictures {
void addAll(PictureSet &set);
}
